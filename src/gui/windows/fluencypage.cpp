#include "gui/windows/fluencypage.h"

#include "core/drill/operations.h"
#include "gui/platform/fonts.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/fluencyplan.h"
#include "gui/wording/phrases.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using quorvex::DayPoint;
using quorvex::Fact;
using quorvex::FactState;
using quorvex::FluencyReport;
using quorvex::Operation;

using namespace fluencyplan;

namespace {

double matrixLeft(Operation op)
{
    return margin + (quorvex::code(op) - 1) * (matrixWidth + matrixGap);
}

// How a matrix reads: which number stands where in the question.
QString matrixCaption(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return QCoreApplication::translate("FluencyReport", "row + column");
    case Operation::Subtraction:
        return QCoreApplication::translate("FluencyReport", "(row + column) - column");
    case Operation::Multiplication:
        return QCoreApplication::translate("FluencyReport", "row x column");
    case Operation::Division:
        return QCoreApplication::translate("FluencyReport", "(row x column) \u00f7 column");
    }
    return {};
}

// A state in words, as a cell's tooltip and the legend give it.
QString stateWords(FactState state)
{
    switch (state) {
    case FactState::Fluent:
        return QCoreApplication::translate("FluencyReport", "fluent");
    case FactState::Right:
        return QCoreApplication::translate("FluencyReport", "right, but slower or in a speed round");
    case FactState::Wrong:
        return QCoreApplication::translate("FluencyReport", "wrong");
    case FactState::NotAsked:
        return QCoreApplication::translate("FluencyReport", "not yet asked");
    }
    return {};
}

void drawSymbol(QPainter& painter, FactState state, const QRectF& box)
{
    const QPointF centre = box.center();
    const double r = box.width() * 0.26;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (state) {
    case FactState::Fluent:
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre, r, r);
        break;
    case FactState::Right:
        painter.setPen(QPen(Qt::black, box.width() * 0.11));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r * 0.85, r * 0.85);
        break;
    case FactState::Wrong:
        painter.setPen(QPen(Qt::black, box.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + QPointF(-r, -r), centre + QPointF(r, r));
        painter.drawLine(centre + QPointF(-r, r), centre + QPointF(r, -r));
        break;
    case FactState::NotAsked:
        painter.setPen(Qt::NoPen);
        painter.setBrush(gridColour);
        painter.drawEllipse(centre, box.width() * 0.06, box.width() * 0.06);
        break;
    }
    painter.restore();
}

void drawStateCell(QPainter& painter, FactState state, const QRectF& box)
{
    painter.fillRect(box, stateColour(state));
    drawSymbol(painter, state, box);
}

// A cell whose state comes from an answer not yet saved has its top right corner turned down.
void drawUnsavedCorner(QPainter& painter, const QRectF& box)
{
    const double side = box.width() * 0.4;
    QPainterPath corner;
    corner.moveTo(box.topRight());
    corner.lineTo(box.topRight() - QPointF(side, 0));
    corner.lineTo(box.topRight() + QPointF(0, side));
    corner.closeSubpath();
    painter.fillPath(corner, unsavedColour);
}

// A fact due for review has its bottom left corner filled.
void drawDueCorner(QPainter& painter, const QRectF& box)
{
    const double side = box.width() * 0.4;
    QPainterPath corner;
    corner.moveTo(box.bottomLeft());
    corner.lineTo(box.bottomLeft() + QPointF(side, 0));
    corner.lineTo(box.bottomLeft() - QPointF(0, side));
    corner.closeSubpath();
    painter.fillPath(corner, dueColour);
}

void drawMatrix(QPainter& painter, const FluencyReport& report, Operation op)
{
    const double left = matrixLeft(op);
    painter.setPen(Qt::black);
    painter.setFont(font(15, true));
    painter.drawText(QRectF(left, captionTop, matrixWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, operationText(op));
    painter.setFont(font(11));
    painter.drawText(
        QRectF(left, captionTop + 16, matrixWidth, 14), Qt::AlignLeft | Qt::AlignVCenter, matrixCaption(op));

    painter.setFont(font(10, true));
    painter.fillRect(QRectF(left, matrixTop, matrixWidth, cell), headerColour);
    painter.fillRect(QRectF(left, matrixTop, cell, matrixRows * cell), headerColour);
    for (int b = quorvex::smallestSecond; b <= quorvex::largestSecond; ++b)
        painter.drawText(QRectF(left + b * cell, matrixTop, cell, cell), Qt::AlignCenter, QString::number(b));
    for (int a = 0; a <= quorvex::largestBase; ++a)
        painter.drawText(QRectF(left, matrixTop + (a + 1) * cell, cell, cell), Qt::AlignCenter, QString::number(a));
    for (int a = 0; a <= quorvex::largestBase; ++a)
        for (int b = quorvex::smallestSecond; b <= quorvex::largestSecond; ++b) {
            drawStateCell(painter, report.state(op, a, b), fluencyCellRect(op, a, b));
            if (report.fromUnsaved(Fact { op, a, b }))
                drawUnsavedCorner(painter, fluencyCellRect(op, a, b));
            if (report.due(Fact { op, a, b }))
                drawDueCorner(painter, fluencyCellRect(op, a, b));
        }

    painter.setPen(QPen(gridColour, 0.8));
    for (int row = 0; row <= matrixRows; ++row)
        painter.drawLine(QPointF(left, matrixTop + row * cell), QPointF(left + matrixWidth, matrixTop + row * cell));
    for (int column = 0; column <= matrixColumns; ++column)
        painter.drawLine(QPointF(left + column * cell, matrixTop), QPointF(left + column * cell, matrixBottom));

    const std::array<int32_t, 4> counts = report.stateCounts(op);
    painter.setPen(Qt::black);
    painter.setFont(font(11));
    painter.drawText(QRectF(left, matrixBottom + 4, matrixWidth, 14), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("FluencyReport", "%1 fluent, %2 right, %3 wrong")
            .arg(counts[static_cast<size_t>(FactState::Fluent)])
            .arg(counts[static_cast<size_t>(FactState::Right)])
            .arg(counts[static_cast<size_t>(FactState::Wrong)]));
    painter.drawText(QRectF(left, matrixBottom + 20, matrixWidth, 14), Qt::AlignLeft | Qt::AlignVCenter,
        fluentNotDueText(report, op));
}

void drawLegend(QPainter& painter, const FluencyReport& report)
{
    double x = margin;
    painter.setFont(font(13));
    const QFontMetricsF metrics(painter.font());
    enum class Corner { None, Unsaved, Due };
    const auto item = [&](FactState state, Corner corner, QString words) {
        const double top = corner == Corner::None ? legendTop : cornerLegendTop;
        const QRectF swatch(x, top, cell, cell);
        drawStateCell(painter, state, swatch);
        if (corner == Corner::Unsaved)
            drawUnsavedCorner(painter, swatch);
        if (corner == Corner::Due)
            drawDueCorner(painter, swatch);
        painter.setPen(QPen(gridColour, 0.8));
        painter.drawRect(swatch);
        words[0] = words[0].toUpper();
        painter.setPen(Qt::black);
        const double width = metrics.horizontalAdvance(words);
        painter.drawText(QRectF(x + cell + 8, top, width + 2, cell), Qt::AlignLeft | Qt::AlignVCenter, words);
        x += cell + 8 + width + 36;
    };
    for (const FactState state : { FactState::Fluent, FactState::Right, FactState::Wrong, FactState::NotAsked })
        item(state, Corner::None,
            state == FactState::Fluent ? QCoreApplication::translate("FluencyReport", "fluent: right within 3.0 s")
                                       : stateWords(state));
    x = margin;
    item(FactState::NotAsked, Corner::Due, QCoreApplication::translate("FluencyReport", "due for review"));
    if (report.hasUnsavedDay())
        item(FactState::NotAsked, Corner::Unsaved,
            QCoreApplication::translate("FluencyReport", "answered today, not yet saved"));
}

void drawNotes(QPainter& painter, const FluencyReport& report)
{
    painter.setPen(Qt::black);
    painter.setFont(font(13));
    const double width = fluencyPageSize.width() - 2 * margin;
    painter.drawText(QRectF(margin, noteTop, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
        //: Note at the foot of the fluency report; %1 says whether every line of the day files was read.
        QCoreApplication::translate("FluencyReport", "The latest answer to each fact counts. %1")
            .arg(skippedLinesNote(report.skippedLines())));
    painter.drawText(QRectF(margin, noteTop + 18, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
        report.hasUnsavedDay() ? QCoreApplication::translate(
            "FluencyReport", "Answers are read from the saved days and from today's answers, which are not yet saved.")
                               : QCoreApplication::translate("FluencyReport",
                                   "Answers are read from the saved days; today's answers count once they are saved."));
}

// A round step for an axis: 1, 2 or 5 times a power of ten, giving at most `most` steps.
} // namespace

QString fluencySummary(const FluencyReport& report)
{
    const std::vector<DayPoint>& days = report.days();
    if (days.empty())
        return QCoreApplication::translate("FluencyReport", "No days saved yet");
    int answered = 0;
    for (const DayPoint& day : days)
        answered += day.answered;
    const size_t saved = days.size() - (report.hasUnsavedDay() ? 1 : 0);
    QString dayText;
    if (!report.hasUnsavedDay())
        //: The days a fluency report reads, beside its title; "today" is the answers not yet saved.
        dayText = saved == 1 ? QCoreApplication::translate("FluencyReport", "Day 1")
            //: Two days: a language may say "days 1 and 2" rather than "1 to 2".
            : saved == 2 ? QCoreApplication::translate("FluencyReport", "Days 1 to %1", "two days").arg(saved)
                         : QCoreApplication::translate("FluencyReport", "Days 1 to %1").arg(saved);
    else if (saved == 0)
        dayText = QCoreApplication::translate("FluencyReport", "Today (not yet saved)");
    else
        dayText = saved == 1 ? QCoreApplication::translate("FluencyReport", "Day 1 and today (not yet saved)")
            : saved == 2
            ? QCoreApplication::translate("FluencyReport", "Days 1 to %1 and today (not yet saved)", "two days")
                  .arg(saved)
            : QCoreApplication::translate("FluencyReport", "Days 1 to %1 and today (not yet saved)").arg(saved);
    //: Beside the fluency report's title: the days read, then how many answers they hold.
    return answered == 1
        ? QCoreApplication::translate("FluencyReport", "%1, 1 answer").arg(dayText)
        : QCoreApplication::translate("FluencyReport", "%1, %n answers", nullptr, answered).arg(dayText);
}

QString fluentNotDueText(const FluencyReport& report, Operation op)
{
    //: Under each matrix of the fluency report: the facts known by heart that need no review
    //: today, of all the matrix's facts.
    return QCoreApplication::translate("FluencyReport", "fluent and not due: %1 of %2")
        .arg(report.fluentNotDue(op))
        .arg(quorvex::factsPerOperation);
}

QColor stateColour(FactState state)
{
    switch (state) {
    case FactState::Fluent:
        return { 120, 198, 121 };
    case FactState::Right:
        return { 254, 224, 139 };
    case FactState::Wrong:
        return { 244, 109, 67 };
    case FactState::NotAsked:
        return Qt::white;
    }
    return Qt::white;
}

QRectF fluencyCellRect(Operation op, int a, int b)
{
    return { matrixLeft(op) + (b - quorvex::smallestSecond + 1) * cell, matrixTop + (a + 1) * cell, cell, cell };
}

std::optional<Fact> fluencyFactAt(QPointF point)
{
    for (const Operation op : quorvex::allOperations) {
        const double column = std::floor((point.x() - matrixLeft(op)) / cell);
        const double row = std::floor((point.y() - matrixTop) / cell);
        const int b = static_cast<int>(column) - 1 + quorvex::smallestSecond;
        const int a = static_cast<int>(row) - 1;
        if (column >= 1 && column < matrixColumns && row >= 1 && row < matrixRows)
            return Fact { op, a, b };
    }
    return std::nullopt;
}

QTransform fluencyPageTransform(const QRectF& area)
{
    const double scale = std::min(area.width() / fluencyPageSize.width(), area.height() / fluencyPageSize.height());
    QTransform transform;
    transform.translate(area.left() + (area.width() - fluencyPageSize.width() * scale) / 2,
        area.top() + (area.height() - fluencyPageSize.height() * scale) / 2);
    transform.scale(scale, scale);
    return transform;
}

QString skippedLinesNote(int32_t skipped)
{
    if (skipped == 0)
        return QCoreApplication::translate("FluencyReport", "Every line of the day files was read.");
    if (skipped == 1)
        return QCoreApplication::translate(
            "FluencyReport", "1 line of the day files could not be read as an answer and was left out.");
    return QCoreApplication::translate(
        "FluencyReport", "%n lines of the day files could not be read as answers and were left out.", nullptr, skipped);
}

QString factDescription(const Fact& fact, FactState state, bool due)
{
    quorvex::Question question { fact.op, fact.a, fact.b };
    if (fact.op == Operation::Subtraction)
        question.firstNum = fact.a + fact.b;
    if (fact.op == Operation::Division)
        question.firstNum = fact.a * fact.b;
    const QString words = toQt(quorvex::completedFact(question)) + QStringLiteral(": ") + stateWords(state);
    //: A fact of the fluency report, its state and that it is due for review today.
    return due ? QCoreApplication::translate("FluencyReport", "%1, due for review").arg(words) : words;
}

void drawFluencyPage(QPainter& painter, const FluencyReport& report, const QString& student)
{
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(fluencyPageSize)), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font(26, true));
    const QRectF titleBox(margin, 28, fluencyPageSize.width() - 2 * margin, 36);
    //: The fluency report's title; %1 is the pupil's name.
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("FluencyReport", "Fluency Report: %1").arg(student));
    painter.setFont(font(15));
    painter.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, fluencySummary(report));

    for (const Operation op : quorvex::allOperations)
        drawMatrix(painter, report, op);
    drawLegend(painter, report);
    drawNotes(painter, report);
    drawChart(painter, report);
    painter.restore();
}
