#include "gui/windows/fluencyreport.h"

#include "core/drill/operations.h"
#include "gui/controls/controlhelpers.h"
#include "gui/platform/pdffile.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/helpfrm.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QShowEvent>
#include <QToolTip>
#include <QVBoxLayout>

using quorvex::Fact;
using quorvex::FactState;
using quorvex::FluencyReport;
using quorvex::Operation;

FluencyPageView::FluencyPageView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("reportim"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Small enough for a netbook with the desktop's text at twice its size (683 x 384 left).
    setMinimumSize(fluencyPageSize / 4);
    setFocusPolicy(Qt::StrongFocus);
}

void FluencyPageView::setReport(const FluencyReport* report, const QString& student)
{
    m_report = report;
    m_student = student;
    setAccessibleName(tr("Fluency report for %1").arg(student));
    QStringList description { fluencySummary(*report) + QLatin1Char('.') };
    for (const Operation op : quorvex::allOperations) {
        const std::array<int32_t, 4> counts = report->stateCounts(op);
        description << tr("%1: %2 fluent, %3 right, %4 wrong, %5 not yet asked.")
                           .arg(operationText(op))
                           .arg(counts[static_cast<size_t>(FactState::Fluent)])
                           .arg(counts[static_cast<size_t>(FactState::Right)])
                           .arg(counts[static_cast<size_t>(FactState::Wrong)])
                           .arg(counts[static_cast<size_t>(FactState::NotAsked)])
                    << tr("%1 due for review; %2.").arg(report->dueCount(op)).arg(fluentNotDueText(*report, op));
    }
    description << skippedLinesNote(report->skippedLines());
    if (report->hasUnsavedDay())
        description << tr("The last day is today's answers, not yet saved.");
    setAccessibleDescription(description.join(QLatin1Char(' ')));
    update();
}

QSize FluencyPageView::sizeHint() const
{
    return fluencyPageSize;
}

void FluencyPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_report)
        return;
    painter.setTransform(fluencyPageTransform(QRectF(rect())));
    drawFluencyPage(painter, *m_report, m_student);
}

bool FluencyPageView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_report) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPointF onPage = fluencyPageTransform(QRectF(rect())).inverted().map(QPointF(help->pos()));
        if (const std::optional<Fact> fact = fluencyFactAt(onPage))
            QToolTip::showText(help->globalPos(),
                factDescription(*fact, m_report->state(*fact), m_report->due(*fact))
                    + (m_report->fromUnsaved(*fact) ? tr(" (today, not yet saved)") : QString()),
                this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

TFluencyReportfrm::TFluencyReportfrm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FluencyReportfrm"));
    setWindowTitle(tr("Fluency Report"));
    setModal(true);
    installHelpKey(this);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Printreport1 = addMenuCommand(MainMenu1, "Printreport1", tr("Print"), this, &TFluencyReportfrm::Printreport1Click);
    Printreport1->setShortcut(QKeySequence::Print);
    Refreshreport1
        = addMenuCommand(MainMenu1, "Refreshreport1", tr("Refresh"), this, &TFluencyReportfrm::Refreshreport1Click);
    Refreshreport1->setShortcut(QKeySequence::Refresh);
    Closereport1 = addMenuCommand(MainMenu1, "Closereport1", tr("Close"), this, &TFluencyReportfrm::Closereport1Click);

    reportim = new FluencyPageView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(reportim);
}

// The whole page at its own size where the screen has room; on a smaller screen the window
// takes the room there is and the page is drawn smaller. It opens over the main window.
void TFluencyReportfrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const QSize whole(fluencyPageSize.width(), fluencyPageSize.height() + MainMenu1->sizeHint().height());
    placeOverParent(this, whole);
}

TFluencyReportfrm::~TFluencyReportfrm() = default;

void TFluencyReportfrm::setReport(FluencyReport report, const QString& student)
{
    m_report = std::move(report);
    m_student = student;
    setWindowTitle(tr("Fluency Report - %1").arg(student));
    reportim->setReport(&m_report, student);
}

void TFluencyReportfrm::Refreshreport1Click()
{
    if (!readAgain)
        return;
    if (std::optional<FluencyReport> report = readAgain())
        setReport(std::move(*report), m_student);
}

void TFluencyReportfrm::Printreport1Click()
{
    //: Subject of the sentence "%1 was saved as ...".
    printLandscape(this, tr("Fluency Report"), m_student, tr("The fluency report"),
        [this](QPainter& painter, QPagedPaintDevice& printer) {
            painter.setTransform(fluencyPageTransform(QRectF(0, 0, printer.width(), printer.height())));
            drawFluencyPage(painter, m_report, m_student);
            return true;
        });
}

void TFluencyReportfrm::Closereport1Click()
{
    accept();
}
