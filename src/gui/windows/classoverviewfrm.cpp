#include "gui/windows/classoverviewfrm.h"

#include "core/classfolder/fileio.h"
#include "gui/controls/controlhelpers.h"
#include "gui/platform/pdffile.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/fluencypage.h"
#include "gui/windows/helpfrm.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/faultwords.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

using quorvex::OverviewColumn;
using quorvex::PupilSummary;

namespace {

constexpr int firstOperation = static_cast<int>(OverviewColumn::Addition);
constexpr int lastOperation = static_cast<int>(OverviewColumn::Division);

bool isOperation(int column)
{
    return column >= firstOperation && column <= lastOperation;
}

QString heading(int column)
{
    //: Column headings of the class overview; a column is as wide as its widest entry.
    static const char* const headings[quorvex::overviewColumnCount] = { QT_TRANSLATE_NOOP("TClassOverviewfrm", "Name"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Days"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "Answers"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Last day"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "Addition"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Subtraction"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "Multiplication"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Division"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "Trend"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Due today") };
    return TClassOverviewfrm::tr(headings[column]);
}

// The exported file's words in the teacher's language.
quorvex::OverviewCsvWords csvWords()
{
    //: Column headings of the exported class overview (a spreadsheet file).
    static const char* const headings[quorvex::overviewColumnCount] = { QT_TRANSLATE_NOOP("TClassOverviewfrm", "Name"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Days"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "Answers"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Last day % right"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Addition fluent of %1"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Subtraction fluent of %1"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Multiplication fluent of %1"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Division fluent of %1"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "Trend"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "Due today") };
    //: A pupil's trend in the exported class overview: the share of right answers goes down, stays, goes up.
    static const char* const trends[] = { QT_TRANSLATE_NOOP("TClassOverviewfrm", "down"),
        QT_TRANSLATE_NOOP("TClassOverviewfrm", "level"), QT_TRANSLATE_NOOP("TClassOverviewfrm", "up") };
    quorvex::OverviewCsvWords words;
    for (size_t column = 0; column < words.headings.size(); ++column) {
        const QString heading = TClassOverviewfrm::tr(headings[column]);
        words.headings[column]
            = (isOperation(static_cast<int>(column)) ? heading.arg(quorvex::factsPerOperation) : heading).toStdString();
    }
    for (size_t trend = 0; trend < words.trends.size(); ++trend)
        words.trends[trend] = TClassOverviewfrm::tr(trends[trend]).toStdString();
    return words;
}

int fluentCount(const PupilSummary& row, int column)
{
    return row.fluent[static_cast<size_t>(column - firstOperation)];
}

QString cellText(const PupilSummary& row, int column)
{
    switch (static_cast<OverviewColumn>(column)) {
    case OverviewColumn::Name:
        return toQt(row.name);
    case OverviewColumn::LastDay:
        //: A share of right answers, as in "85%".
        return row.lastShare ? TClassOverviewfrm::tr("%1%").arg(std::lround(*row.lastShare * 100)) : QString();
    case OverviewColumn::Trend:
        switch (row.trend) {
        case quorvex::Trend::Up:
            //: Trend of a pupil's right answers; the arrow stays.
            return TClassOverviewfrm::tr("\u2191 up");
        case quorvex::Trend::Level:
            //: Trend of a pupil's right answers; the arrow stays.
            return TClassOverviewfrm::tr("\u2192 level");
        case quorvex::Trend::Down:
            //: Trend of a pupil's right answers; the arrow stays.
            return TClassOverviewfrm::tr("\u2193 down");
        case quorvex::Trend::None:
            break;
        }
        return QString();
    case OverviewColumn::Days:
        return QString::number(row.days);
    case OverviewColumn::Answers:
        return QString::number(row.answers);
    case OverviewColumn::DueToday:
        return QString::number(row.dueToday);
    default:
        return QStringLiteral("%1/%2").arg(fluentCount(row, column)).arg(quorvex::factsPerOperation);
    }
}

// The small bar of fluent facts out of all an operation can ask, left of the count.
void drawBar(QPainter& painter, const QRectF& cell, int fluent, const QColor& frame)
{
    const double height = std::max(4.0, cell.height() / 3);
    const QRectF bar(cell.left(), cell.center().y() - height / 2, cell.width(), height);
    painter.fillRect(QRectF(bar.topLeft(), QSizeF(bar.width() * fluent / quorvex::factsPerOperation, bar.height())),
        stateColour(quorvex::FactState::Fluent));
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
}

class BarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QRectF cell = QRectF(option.rect).adjusted(4, 0, -4, 0);
        const double barWidth = std::min(48.0, cell.width() / 2);
        painter->save();
        drawBar(*painter, QRectF(cell.left(), cell.top(), barWidth, cell.height()), index.data(Qt::UserRole).toInt(),
            option.palette.color(QPalette::Text));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(56, 0);
    }
};

// The shares of the page's width the columns take.
constexpr double columnWeights[quorvex::overviewColumnCount] = { 3, 1, 1.2, 1.2, 1.8, 1.8, 1.8, 1.8, 1.2, 1.2 };

double rowHeight(const QPainter& painter)
{
    return painter.fontMetrics().height() * 1.5;
}

QFont printFont(bool title)
{
    QFont font(QStringLiteral("Arial"), title ? 14 : 10);
    font.setBold(title);
    return font;
}

} // namespace

size_t overviewRowsPerPage(QPainter& painter, double height)
{
    painter.setFont(printFont(true));
    const double title = rowHeight(painter);
    painter.setFont(printFont(false));
    const double rows = (height - title) / rowHeight(painter) - 1;
    return rows < 1 ? 1 : static_cast<size_t>(rows);
}

void drawOverviewPage(QPainter& painter, const QRectF& area, const std::vector<PupilSummary>& rows, size_t from,
    size_t to, const QString& title)
{
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(printFont(true));
    const double titleHeight = rowHeight(painter);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop, title);
    painter.setFont(printFont(false));
    const double height = rowHeight(painter);
    double total = 0;
    for (const double weight : columnWeights)
        total += weight;
    const double padding = painter.fontMetrics().averageCharWidth() / 2.0;
    const auto drawRow = [&](double top, const std::function<void(int, const QRectF&)>& cell) {
        double left = area.left();
        for (int column = 0; column < quorvex::overviewColumnCount; ++column) {
            const double width = area.width() * columnWeights[column] / total;
            cell(column, QRectF(left, top, width, height).adjusted(padding, 0, -padding, 0));
            left += width;
        }
        painter.drawLine(QPointF(area.left(), top + height), QPointF(area.right(), top + height));
    };
    double top = area.top() + titleHeight;
    QFont bold = printFont(false);
    bold.setBold(true);
    painter.setFont(bold);
    drawRow(top, [&](int column, const QRectF& cell) {
        painter.drawText(cell, Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight), heading(column));
    });
    painter.setFont(printFont(false));
    for (size_t r = from; r < to && r < rows.size(); ++r) {
        top += height;
        drawRow(top, [&](int column, const QRectF& cell) {
            if (isOperation(column))
                drawBar(painter, QRectF(cell.left(), cell.top(), cell.width() * 0.45, cell.height()),
                    fluentCount(rows[r], column), Qt::black);
            painter.drawText(
                cell, Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight), cellText(rows[r], column));
        });
    }
    painter.restore();
}

TClassOverviewfrm::TClassOverviewfrm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ClassOverviewfrm"));
    setWindowTitle(tr("Class Overview"));
    setModal(true);
    installHelpKey(this);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Printoverview1
        = addMenuCommand(MainMenu1, "Printoverview1", tr("Print"), this, &TClassOverviewfrm::Printoverview1Click);
    Printoverview1->setShortcut(QKeySequence::Print);
    Exportoverview1
        = addMenuCommand(MainMenu1, "Exportoverview1", tr("Export..."), this, &TClassOverviewfrm::Exportoverview1Click);
    Refreshoverview1
        = addMenuCommand(MainMenu1, "Refreshoverview1", tr("Refresh"), this, &TClassOverviewfrm::Refreshoverview1Click);
    Refreshoverview1->setShortcut(QKeySequence::Refresh);
    Closeoverview1
        = addMenuCommand(MainMenu1, "Closeoverview1", tr("Close"), this, &TClassOverviewfrm::Closeoverview1Click);

    overviewgrid = new QTableWidget(0, quorvex::overviewColumnCount, this);
    overviewgrid->setObjectName(QStringLiteral("overviewgrid"));
    overviewgrid->setAccessibleName(tr("Class overview"));
    for (int column = 0; column < quorvex::overviewColumnCount; ++column)
        overviewgrid->setHorizontalHeaderItem(column, new QTableWidgetItem(heading(column)));
    overviewgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    overviewgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    overviewgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    overviewgrid->verticalHeader()->hide();
    // Only the operations have bars: the other cells are plain text.
    auto* bars = new BarDelegate(overviewgrid);
    for (int column = firstOperation; column <= lastOperation; ++column)
        overviewgrid->setItemDelegateForColumn(column, bars);
    QHeaderView* header = overviewgrid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(0, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &TClassOverviewfrm::sortBy);
    connect(overviewgrid, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (openReport && index.row() >= 0 && static_cast<size_t>(index.row()) < m_rows.size())
            openReport(m_rows[static_cast<size_t>(index.row())].name);
    });

    notelb = new QLabel(this);
    notelb->setObjectName(QStringLiteral("notelb"));
    notelb->setWordWrap(true);
    notelb->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(overviewgrid);
    layout->addWidget(notelb);
}

TClassOverviewfrm::~TClassOverviewfrm() = default;

void TClassOverviewfrm::setRows(std::vector<PupilSummary> rows, const QString& className)
{
    m_rows = std::move(rows);
    m_className = className;
    m_sortColumn = 0;
    m_descending = false;
    quorvex::sortOverview(m_rows, OverviewColumn::Name, false);
    overviewgrid->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    setWindowTitle(className.isEmpty() ? tr("Class Overview") : tr("Class Overview - %1").arg(className));

    QStringList unreadable;
    for (const PupilSummary& row : m_rows)
        for (const quorvex::Bytes& file : row.unreadableDays)
            unreadable << toQt(file);
    notelb->setVisible(!unreadable.isEmpty());
    notelb->setText(
        tr("%n day file(s) could not be read and are left out: %1.", nullptr, static_cast<int>(unreadable.size()))
            .arg(unreadable.join(QStringLiteral(", "))));
    showRows();
}

void TClassOverviewfrm::showRows()
{
    overviewgrid->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        const PupilSummary& row = m_rows[static_cast<size_t>(r)];
        for (int column = 0; column < quorvex::overviewColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cellText(row, column));
            item->setTextAlignment(Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (isOperation(column)) {
                item->setData(Qt::UserRole, fluentCount(row, column));
                item->setData(Qt::AccessibleTextRole,
                    tr("%1 of %2 fluent").arg(fluentCount(row, column)).arg(quorvex::factsPerOperation));
            }
            overviewgrid->setItem(r, column, item);
        }
    }
    overviewgrid->resizeColumnsToContents();
}

void TClassOverviewfrm::sortBy(int column)
{
    if (column < 0 || column >= quorvex::overviewColumnCount)
        return;
    m_descending = column == m_sortColumn && !m_descending;
    m_sortColumn = column;
    quorvex::sortOverview(m_rows, static_cast<OverviewColumn>(column), m_descending);
    overviewgrid->horizontalHeader()->setSortIndicator(column, m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    showRows();
}

// The whole table where the screen has room; on a smaller screen the window takes the room
// there is and the table scrolls. It opens over the main window.
void TClassOverviewfrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const int frame = 2 * overviewgrid->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize whole(overviewgrid->horizontalHeader()->length() + frame + scrollBar,
        MainMenu1->sizeHint().height() + overviewgrid->horizontalHeader()->sizeHint().height()
            + overviewgrid->verticalHeader()->length() + frame + scrollBar
            + (notelb->isVisible() ? notelb->sizeHint().height() : 0));
    placeOverParent(this, whole);
}

void TClassOverviewfrm::Printoverview1Click()
{
    //: Subject of the sentence "%1 was saved as ...".
    printLandscape(this, tr("Class Overview"), m_className, tr("The class overview"),
        [this](QPainter& painter, QPagedPaintDevice& printer) {
            const QRectF page(0, 0, printer.width(), printer.height());
            const QString title = windowTitle() + QStringLiteral(" - ") + QLocale().toString(QDate::currentDate());
            const size_t perPage = overviewRowsPerPage(painter, page.height());
            for (size_t from = 0;; from += perPage) {
                drawOverviewPage(painter, page, m_rows, from, from + perPage, title);
                if (from + perPage >= m_rows.size())
                    return true;
                if (!printer.newPage())
                    return false;
            }
        });
}

void TClassOverviewfrm::Exportoverview1Click()
{
    QString proposed = pdfFileName(tr("Class Overview"), m_className, QDate::currentDate());
    proposed.chop(4);
    proposed = QDir(pdfFolder()).filePath(proposed + QStringLiteral(".csv"));
    const QString path
        = userDialogs().askSaveFileName(this, tr("Export Class Overview"), proposed, tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const quorvex::Status written
        = quorvex::replaceFile(QFile::encodeName(path).toStdString(), quorvex::overviewCsv(m_rows, csvWords()));
    if (!written) {
        userDialogs().reportError(this,
            tr("The file \"%1\" could not be written: %2.")
                .arg(QDir::toNativeSeparators(path), fileErrorReason(written.error())));
        return;
    }
    userDialogs().showNotice(this, tr("The class overview was saved as \"%1\".").arg(QDir::toNativeSeparators(path)));
}

void TClassOverviewfrm::Refreshoverview1Click()
{
    if (!readAgain)
        return;
    std::optional<std::vector<PupilSummary>> rows = readAgain();
    if (rows)
        setRows(std::move(*rows), m_className);
}

void TClassOverviewfrm::Closeoverview1Click()
{
    accept();
}
