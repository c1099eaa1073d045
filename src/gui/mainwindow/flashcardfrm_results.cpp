// The results page: the answer log drawn twenty lines at a time, and its four orders.

#include "core/drill/resultsorder.h"
#include "gui/controls/controlhelpers.h"
#include "gui/controls/imagecontrol.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/wording/phrases.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

namespace {

constexpr int pageLines = 20;
constexpr int lineHeight = 20;
constexpr int firstLineTop = 10;
constexpr int typeLeft = 2;
constexpr int operationLeft = 65;
constexpr int questionLeft = 150;
constexpr int answerLeft = 220;
constexpr int barLeft = 250;
constexpr int barHeight = 14;
constexpr int markSize = 8;

// Where a page's columns after the question start: at the design's places, or further right
// where a fact or an answer of the page, in the page's font, would run into the next column.
struct Columns {
    int answer = answerLeft;
    int mark = 0;
    int bar = barLeft;
};

Columns columnsOf(const QFontMetrics& metrics, const std::vector<const quorvex::Treslts*>& records)
{
    int question = 0;
    int answer = 0;
    for (const quorvex::Treslts* record : records) {
        question = std::max(question, metrics.horizontalAdvance(toQt(record->question)));
        answer = std::max(answer, metrics.horizontalAdvance(toQt(record->answer)));
    }
    Columns columns;
    columns.answer = std::max(answerLeft, questionLeft + question + 6);
    // Two or three pixels after the answer, as the room before the bars allows.
    columns.mark = columns.answer + answer + std::clamp(barLeft - 2 - markSize - (columns.answer + answer), 2, 3);
    columns.bar = std::max(barLeft, columns.mark + markSize + 2);
    return columns;
}

// Each text stands on a white box of its own size.
void writeOnWhite(QPainter& painter, int left, int top, const QString& text, const QColor& colour)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(left, top, metrics.horizontalAdvance(text), metrics.height()), Qt::white);
    painter.setPen(colour);
    painter.drawText(left, top + metrics.ascent(), text);
}

// Draws one record in its line of the page: right and wrong told by a tick or a cross after the
// answer as well as by colour.
void drawRecord(QPainter& painter, int top, const quorvex::Treslts& record, const Columns& columns, bool withBars)
{
    const QColor& mark = record.correct ? green : red;
    writeOnWhite(painter, typeLeft, top, shownLogWord(record.questionType), Qt::black);
    writeOnWhite(painter, operationLeft, top, shownLogWord(record.operation), Qt::black);
    writeOnWhite(painter, questionLeft, top, toQt(record.question), mark);
    writeOnWhite(painter, columns.answer, top, toQt(record.answer), mark);
    drawAnswerMark(painter, QRectF(columns.mark, top + 3, markSize, markSize), record.correct, mark);
    // One pixel per tenth of a second; a time below zero (only a hand-made day file holds
    // one) has no bar, and no bar runs past the page.
    const int pageWidth = painter.device()->width();
    if (withBars && record.ticks > 0)
        painter.fillRect(columns.bar, top, std::min(record.ticks, pageWidth - columns.bar), barHeight, mark);
}

// A record's line as a screen reader speaks it.
QString spokenRecord(const quorvex::Treslts& record, bool withBars)
{
    //: A line of the results page read out: question type, operation, the fact in words, the
    //: answer given, then "right" or "wrong".
    QString spoken = Tflashcardfrm::tr("%1, %2, %3, answered %4, %5")
                         .arg(shownLogWord(record.questionType).trimmed(), shownLogWord(record.operation).trimmed(),
                             spokenFactText(record.question), toQt(record.answer).trimmed(),
                             record.correct ? Tflashcardfrm::tr("right") : Tflashcardfrm::tr("wrong"));
    if (withBars)
        //: Added to a line of the results page read out: the time the answer took.
        spoken += Tflashcardfrm::tr(", %1 seconds").arg(shownTenths(record.ticks));
    return spoken;
}

} // namespace

void Tflashcardfrm::wireResults()
{
    // The page's canvas is made at its first drawing, from the first answer on, at the size the
    // layout gave it (the page is on the second tab and gets no resize event until shown).
    connect(ui.resltssb, &QScrollBar::valueChanged, this, &Tflashcardfrm::resltssbChange);
    for (QRadioButton* order : { ui.Showallrb, ui.showwrongrb, ui.longestrb, ui.shortestrb }) {
        connect(order, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                ShowallrbClick();
        });
    }
    connect(ui.resltsbt, &QPushButton::clicked, this, &Tflashcardfrm::resltsbtClick);
    ui.resltsim->installEventFilter(this);
    connect(ui.sortbt, &QPushButton::clicked, this, &Tflashcardfrm::sortbtClick);
}

void Tflashcardfrm::resltsbtClick()
{
    const quorvex::AnswerLog& log = session.log();
    const int32_t count = log.askedCount();
    {
        // Lowering the maximum pulls the position back; this redraw shows the new position.
        const QSignalBlocker quiet(ui.resltssb);
        ui.resltssb->setMaximum(count >= pageLines - 1 ? count - (pageLines - 1) : 0);
    }
    const int32_t first = ui.resltssb->value() + 1;
    const bool withBars = ui.Timegb->isVisibleTo(this);

    QImage& picture = ui.resltsim->picture();
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), Qt::white);
    QFont font = ui.resltsim->font();
    font.setStyleStrategy(QFont::NoAntialias); // pure green and red, as the bars
    painter.setFont(font);
    std::vector<const quorvex::Treslts*> page;
    for (int32_t line = first; line < first + pageLines && line <= count; ++line)
        page.push_back(&log.slot(line));
    const Columns columns = columnsOf(painter.fontMetrics(), page);
    for (size_t slot = 0; slot < page.size(); ++slot)
        drawRecord(painter, firstLineTop + lineHeight * static_cast<int>(slot), *page[slot], columns, withBars);
    painter.end();
    // A screen reader reads the page line by line, every line of the log, and hears the lines
    // in view at once as the page's description.
    QStringList shown;
    for (int32_t line = first; line < first + pageLines && line <= count; ++line)
        shown << spokenRecord(log.slot(line), withBars);
    ui.resltsim->setAccessibleDescription(shown.isEmpty() ? tr("No answers") : shown.join(QLatin1Char('\n')));
    ui.resltsim->setItems(
        count, [this, withBars](int line) { return spokenRecord(session.log().slot(line + 1), withBars); });
    showResultsCursor();
}

// The keyboard steps through the lines of the page, which scrolls to keep the line in view.
bool Tflashcardfrm::resultsKeyPress(QKeyEvent* event)
{
    int line = ui.resltsim->currentItem();
    switch (event->key()) {
    case Qt::Key_Up:
        --line;
        break;
    case Qt::Key_Down:
        ++line;
        break;
    case Qt::Key_PageUp:
        line -= pageLines;
        break;
    case Qt::Key_PageDown:
        line += pageLines;
        break;
    case Qt::Key_Home:
        line = 0;
        break;
    case Qt::Key_End:
        line = ui.resltsim->itemCount() - 1;
        break;
    default:
        return false;
    }
    const int before = ui.resltsim->currentItem();
    ui.resltsim->setCurrentItem(line);
    line = ui.resltsim->currentItem();
    if (line == before)
        ui.resltsim->repeatCurrentItem(); // at the first or last line, it is said again
    const int first = ui.resltssb->value();
    if (line < first)
        ui.resltssb->setValue(line);
    else if (line >= first + pageLines)
        ui.resltssb->setValue(line - (pageLines - 1));
    showResultsCursor();
    return true;
}

void Tflashcardfrm::showResultsCursor()
{
    const int slot = ui.resltsim->currentItem() - ui.resltssb->value();
    ui.resltsim->setFocusMark(ui.resltsim->itemCount() == 0 || slot < 0 || slot >= pageLines
            ? QRect()
            : QRect(1, firstLineTop + lineHeight * slot - 2, ui.resltsim->pictureSize().width() - 2, lineHeight));
}

void Tflashcardfrm::resltssbChange()
{
    resltsbtClick();
}

void Tflashcardfrm::ShowallrbClick()
{
    sortbtClick();
    resltsbtClick();
}

void Tflashcardfrm::sortbtClick()
{
    quorvex::ResultsOrder order = quorvex::ResultsOrder::InOrder;
    if (ui.shortestrb->isChecked())
        order = quorvex::ResultsOrder::ShortestFirst;
    else if (ui.longestrb->isChecked())
        order = quorvex::ResultsOrder::LongestFirst;
    else if (ui.showwrongrb->isChecked())
        order = quorvex::ResultsOrder::WrongFirst;
    else if (!ui.Showallrb->isChecked())
        return;
    quorvex::reorderResults(session.log(), order);
}
