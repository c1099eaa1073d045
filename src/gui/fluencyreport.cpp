#include "fluencyreport.h"

#include "core/operations.h"
#include "fonts.h"
#include "pdffile.h"
#include "screenfit.h"
#include "textcodec.h"
#include "userdialogs.h"

#include <QAction>
#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QShowEvent>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using quorvex::DayPoint;
using quorvex::Fact;
using quorvex::FactState;
using quorvex::FluencyReport;
using quorvex::Operation;

namespace {

// The page's plan, in page pixels. Four matrices side by side, each a header row and column
// around 13 rows (a from 0 to 12) of 12 cells (b from 1 to 12); the legend and the notes below
// them; the chart of the days in the lower part.
constexpr double margin = 36;
constexpr double cell = 19;
constexpr int matrixColumns = quorvex::largestSecond - quorvex::smallestSecond + 2; // with the header
constexpr int matrixRows = quorvex::largestBase + 2;
constexpr double matrixWidth = matrixColumns * cell;
constexpr double matrixGap = 36;
constexpr double captionTop = 86;
constexpr double matrixTop = 118;
constexpr double matrixBottom = matrixTop + matrixRows * cell;
constexpr double legendTop = 420;
constexpr double noteTop = 452;
constexpr double chartTitleTop = 500;
const QRectF plotArea(96, 536, fluencyPageSize.width() - 2 * 96, 226);

const QString face = QStringLiteral("Arial");
const QColor gridColour(160, 160, 160);
const QColor headerColour(236, 236, 236);
const QColor shareColour(0, 90, 181); // blue and vermilion stay apart for every kind of colour sight
const QColor timeColour(213, 94, 0);
const QColor unsavedColour(shareColour); // today's answers, on the chart and in the matrices
const QColor unsavedBand(232, 240, 250);

QFont font(int pixels, bool bold = false)
{
    return pixelFont(face, pixels, bold);
}

double matrixLeft(Operation op)
{
    return margin + (quorvex::code(op) - 1) * (matrixWidth + matrixGap);
}

// How a matrix reads: which number stands where in the question.
QString matrixCaption(Operation op)
{
    switch (op) {
    case Operation::Addition:
        return QStringLiteral("row + column");
    case Operation::Subtraction:
        return QStringLiteral("(row + column) - column");
    case Operation::Multiplication:
        return QStringLiteral("row x column");
    case Operation::Division:
        return QStringLiteral("(row x column) \u00f7 column");
    }
    return {};
}

// A state in words, as a cell's tooltip and the legend give it.
QString stateWords(FactState state)
{
    switch (state) {
    case FactState::Fluent:
        return QStringLiteral("fluent");
    case FactState::Right:
        return QStringLiteral("right, but slower or in a speed round");
    case FactState::Wrong:
        return QStringLiteral("wrong");
    case FactState::NotAsked:
        return QStringLiteral("not yet asked");
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

void drawMatrix(QPainter& painter, const FluencyReport& report, Operation op)
{
    const double left = matrixLeft(op);
    painter.setPen(Qt::black);
    painter.setFont(font(15, true));
    painter.drawText(
        QRectF(left, captionTop, matrixWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, toQt(quorvex::operationName(op)));
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
        QStringLiteral("%1 fluent, %2 right, %3 wrong")
            .arg(counts[static_cast<size_t>(FactState::Fluent)])
            .arg(counts[static_cast<size_t>(FactState::Right)])
            .arg(counts[static_cast<size_t>(FactState::Wrong)]));
}

void drawLegend(QPainter& painter, const FluencyReport& report)
{
    double x = margin;
    painter.setFont(font(13));
    const QFontMetricsF metrics(painter.font());
    const auto item = [&](FactState state, bool unsaved, QString words) {
        const QRectF swatch(x, legendTop, cell, cell);
        drawStateCell(painter, state, swatch);
        if (unsaved)
            drawUnsavedCorner(painter, swatch);
        painter.setPen(QPen(gridColour, 0.8));
        painter.drawRect(swatch);
        words[0] = words[0].toUpper();
        painter.setPen(Qt::black);
        const double width = metrics.horizontalAdvance(words);
        painter.drawText(QRectF(x + cell + 8, legendTop, width + 2, cell), Qt::AlignLeft | Qt::AlignVCenter, words);
        x += cell + 8 + width + 36;
    };
    for (const FactState state : { FactState::Fluent, FactState::Right, FactState::Wrong, FactState::NotAsked })
        item(state, false,
            state == FactState::Fluent ? QStringLiteral("fluent: right within 3.0 s") : stateWords(state));
    if (report.hasUnsavedDay())
        item(FactState::NotAsked, true, QStringLiteral("answered today, not yet saved"));
}

void drawNotes(QPainter& painter, const FluencyReport& report)
{
    painter.setPen(Qt::black);
    painter.setFont(font(13));
    const double width = fluencyPageSize.width() - 2 * margin;
    painter.drawText(QRectF(margin, noteTop, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("The latest answer to each fact counts. ") + skippedLinesNote(report.skippedLines()));
    painter.drawText(QRectF(margin, noteTop + 18, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
        report.hasUnsavedDay()
            ? QStringLiteral("Answers are read from the saved days and from today's answers, which are not yet saved.")
            : QStringLiteral("Answers are read from the saved days; today's answers count once they are saved."));
}

// A round step for an axis: 1, 2 or 5 times a power of ten, giving at most `most` steps.
double niceStep(double range, int most)
{
    const double raw = range / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : { 1.0, 2.0, 5.0, 10.0 })
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

void drawMarker(QPainter& painter, bool square, QPointF at, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (square) {
        painter.setPen(QPen(colour, 1.6));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(at.x() - 3.5, at.y() - 3.5, 7, 7));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(at, 4, 4);
    }
    painter.restore();
}

// One series of the chart: a line between the points of consecutive days, broken where a day
// has no value, with a marker on each point when the days are far enough apart to tell them.
void drawSeries(QPainter& painter, const std::vector<std::optional<QPointF>>& points, bool dashed, bool square,
    const QColor& colour, bool markers)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2, dashed ? Qt::DashLine : Qt::SolidLine));
    for (size_t i = 1; i < points.size(); ++i)
        if (points[i - 1] && points[i])
            painter.drawLine(*points[i - 1], *points[i]);
    painter.restore();
    for (size_t i = 0; i < points.size(); ++i) {
        if (!points[i])
            continue;
        const bool alone = (i == 0 || !points[i - 1]) && (i + 1 == points.size() || !points[i + 1]);
        if (markers || alone)
            drawMarker(painter, square, *points[i], colour);
    }
}

void drawChart(QPainter& painter, const FluencyReport& report)
{
    const std::vector<DayPoint>& days = report.days();
    painter.setPen(Qt::black);
    painter.setFont(font(16, true));
    painter.drawText(
        QRectF(margin, chartTitleTop, 300, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Day by day"));

    // The legend of the two series, beside the title.
    painter.setFont(font(13));
    const QFontMetricsF metrics(painter.font());
    double x = 260;
    const double y = chartTitleTop + 10;
    for (const bool time : { false, true }) {
        const QColor colour = time ? timeColour : shareColour;
        painter.save();
        painter.setPen(QPen(colour, 2, time ? Qt::DashLine : Qt::SolidLine));
        painter.drawLine(QPointF(x, y), QPointF(x + 36, y));
        painter.restore();
        drawMarker(painter, time, QPointF(x + 18, y), colour);
        const QString words = time ? QStringLiteral("Median time of right practice answers (seconds, right scale)")
                                   : QStringLiteral("Share of right answers (left scale)");
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 44, y + metrics.ascent() / 2 - 1), words);
        x += 44 + metrics.horizontalAdvance(words) + 36;
    }

    painter.setFont(font(11));
    const QFontMetricsF small(painter.font());
    if (days.empty()) {
        painter.setPen(QPen(gridColour, 1));
        painter.drawRect(plotArea);
        painter.setPen(Qt::black);
        painter.setFont(font(15));
        painter.drawText(plotArea, Qt::AlignCenter, QStringLiteral("No days saved yet."));
        return;
    }

    double slowest = 50; // tenths: the scale shows at least 5 seconds, above the 3-second line
    for (const DayPoint& day : days)
        if (day.medianTenths)
            slowest = std::max(slowest, *day.medianTenths);
    const double secondsStep = niceStep(slowest / 10, 5);
    const double secondsTop = std::ceil(slowest / 10 / secondsStep) * secondsStep;

    const int count = static_cast<int>(days.size());
    auto xOf = [&](int day) {
        return count == 1 ? plotArea.center().x()
                          : plotArea.left() + (day - 1) * plotArea.width() / static_cast<double>(count - 1);
    };
    auto yOfShare = [&](double share) { return plotArea.bottom() - share * plotArea.height(); };
    auto yOfSeconds = [&](double seconds) { return plotArea.bottom() - seconds / secondsTop * plotArea.height(); };

    // Today's answers, not yet saved, are the last day, on a band of their own.
    const bool today = report.hasUnsavedDay();
    if (today) {
        const double band = count == 1 ? 40 : std::clamp(plotArea.width() / (count - 1), 12.0, 40.0);
        painter.fillRect(
            QRectF(xOf(count) - band / 2, plotArea.top(), band, plotArea.height()).intersected(plotArea), unsavedBand);
        painter.setPen(unsavedColour);
        painter.drawText(QRectF(std::min(xOf(count) + 60, plotArea.right()) - 120, plotArea.top() - 17, 120, 16),
            Qt::AlignRight | Qt::AlignBottom, QStringLiteral("not yet saved"));
    }

    // Scales: share on the left every 25 %, seconds on the right.
    painter.setPen(QPen(headerColour, 1));
    for (int percent = 25; percent <= 100; percent += 25)
        painter.drawLine(
            QPointF(plotArea.left(), yOfShare(percent / 100.0)), QPointF(plotArea.right(), yOfShare(percent / 100.0)));
    painter.setPen(shareColour);
    for (int percent = 0; percent <= 100; percent += 25)
        painter.drawText(QRectF(plotArea.left() - 48, yOfShare(percent / 100.0) - 8, 42, 16),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(percent));
    painter.setPen(timeColour);
    for (double seconds = 0; seconds <= secondsTop + secondsStep / 2; seconds += secondsStep)
        painter.drawText(QRectF(plotArea.right() + 6, yOfSeconds(seconds) - 8, 60, 16),
            Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1 s").arg(seconds));
    // The line a fluent answer stays under.
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    const double fluentY = yOfSeconds(quorvex::fluentTenths / 10.0);
    painter.drawLine(QPointF(plotArea.left(), fluentY), QPointF(plotArea.right(), fluentY));
    painter.drawText(QPointF(plotArea.left() + 4, fluentY - 3), QStringLiteral("3.0 s"));

    // Days along the bottom, as many labels as fit, and "today" under today's answers.
    const double labelWidth = small.horizontalAdvance(QString::number(count)) + 12;
    const int fitting = std::max(1, static_cast<int>(plotArea.width() / labelWidth));
    const int dayStep = static_cast<int>(niceStep(std::max(1, count - 1), fitting));
    const QString todayText = QStringLiteral("today");
    if (today) {
        painter.setPen(unsavedColour);
        painter.drawText(
            QRectF(xOf(count) - 30, plotArea.bottom() + 5, 60, 16), Qt::AlignHCenter | Qt::AlignTop, todayText);
    }
    const double todayClearance = (small.horizontalAdvance(todayText) + labelWidth) / 2;
    painter.setPen(Qt::black);
    for (int day = 1; day <= count; day += std::max(1, dayStep)) {
        painter.drawLine(QPointF(xOf(day), plotArea.bottom()), QPointF(xOf(day), plotArea.bottom() + 4));
        if (!today || std::abs(xOf(day) - xOf(count)) >= todayClearance)
            painter.drawText(QRectF(xOf(day) - 30, plotArea.bottom() + 5, 60, 16), Qt::AlignHCenter | Qt::AlignTop,
                QString::number(day));
    }
    painter.drawText(
        QRectF(plotArea.left(), plotArea.bottom() + 22, plotArea.width(), 16), Qt::AlignCenter, QStringLiteral("Day"));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(plotArea.bottomLeft(), plotArea.bottomRight());
    painter.drawLine(plotArea.topLeft(), plotArea.bottomLeft());
    painter.drawLine(plotArea.topRight(), plotArea.bottomRight());

    std::vector<std::optional<QPointF>> shares;
    std::vector<std::optional<QPointF>> medians;
    for (const DayPoint& day : days) {
        const std::optional<double> share = day.shareRight();
        shares.push_back(share ? std::optional(QPointF(xOf(day.day), yOfShare(*share))) : std::nullopt);
        medians.push_back(
            day.medianTenths ? std::optional(QPointF(xOf(day.day), yOfSeconds(*day.medianTenths / 10))) : std::nullopt);
    }
    const bool markers = count == 1 || plotArea.width() / (count - 1) >= 9;
    drawSeries(painter, shares, false, false, shareColour, markers);
    drawSeries(painter, medians, true, true, timeColour, markers);
}

QString summary(const FluencyReport& report)
{
    const std::vector<DayPoint>& days = report.days();
    if (days.empty())
        return QStringLiteral("No days saved yet");
    int answered = 0;
    for (const DayPoint& day : days)
        answered += day.answered;
    const size_t saved = days.size() - (report.hasUnsavedDay() ? 1 : 0);
    QString dayText = saved == 0 ? QString()
        : saved == 1             ? QStringLiteral("Day 1")
                                 : QStringLiteral("Days 1 to %1").arg(saved);
    if (report.hasUnsavedDay())
        dayText += (saved == 0 ? QStringLiteral("Today") : QStringLiteral(" and today"))
            + QStringLiteral(" (not yet saved)");
    return QStringLiteral("%1, %2 %3")
        .arg(dayText)
        .arg(answered)
        .arg(answered == 1 ? QStringLiteral("answer") : QStringLiteral("answers"));
}

} // namespace

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
        return QStringLiteral("Every line of the day files was read.");
    if (skipped == 1)
        return QStringLiteral("1 line of the day files could not be read as an answer and was left out.");
    return QStringLiteral("%1 lines of the day files could not be read as answers and were left out.").arg(skipped);
}

QString factDescription(const Fact& fact, FactState state)
{
    quorvex::Question question { fact.op, fact.a, fact.b };
    if (fact.op == Operation::Subtraction)
        question.firstNum = fact.a + fact.b;
    if (fact.op == Operation::Division)
        question.firstNum = fact.a * fact.b;
    return toQt(quorvex::completedFact(question)) + QStringLiteral(": ") + stateWords(state);
}

void drawFluencyPage(QPainter& painter, const FluencyReport& report, const QString& student)
{
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(fluencyPageSize)), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font(26, true));
    const QRectF titleBox(margin, 28, fluencyPageSize.width() - 2 * margin, 36);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fluency Report: ") + student);
    painter.setFont(font(15));
    painter.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, summary(report));

    for (const Operation op : quorvex::allOperations)
        drawMatrix(painter, report, op);
    drawLegend(painter, report);
    drawNotes(painter, report);
    drawChart(painter, report);
    painter.restore();
}

FluencyPageView::FluencyPageView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("reportim"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(fluencyPageSize / 2);
    setFocusPolicy(Qt::StrongFocus);
}

void FluencyPageView::setReport(const FluencyReport* report, const QString& student)
{
    m_report = report;
    m_student = student;
    setAccessibleName(QStringLiteral("Fluency report for ") + student);
    QStringList description { summary(*report) + QLatin1Char('.') };
    for (const Operation op : quorvex::allOperations) {
        const std::array<int32_t, 4> counts = report->stateCounts(op);
        description << QStringLiteral("%1: %2 fluent, %3 right, %4 wrong, %5 not yet asked.")
                           .arg(toQt(quorvex::operationName(op)))
                           .arg(counts[static_cast<size_t>(FactState::Fluent)])
                           .arg(counts[static_cast<size_t>(FactState::Right)])
                           .arg(counts[static_cast<size_t>(FactState::Wrong)])
                           .arg(counts[static_cast<size_t>(FactState::NotAsked)]);
    }
    description << skippedLinesNote(report->skippedLines());
    if (report->hasUnsavedDay())
        description << QStringLiteral("The last day is today's answers, not yet saved.");
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
                factDescription(*fact, m_report->state(*fact))
                    + (m_report->fromUnsaved(*fact) ? QStringLiteral(" (today, not yet saved)") : QString()),
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
    setWindowTitle(QStringLiteral("Fluency Report"));
    setModal(true);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Printreport1 = MainMenu1->addAction(QStringLiteral("Print"));
    Printreport1->setObjectName(QStringLiteral("Printreport1"));
    Printreport1->setShortcut(QKeySequence::Print);
    Closereport1 = MainMenu1->addAction(QStringLiteral("Close"));
    Closereport1->setObjectName(QStringLiteral("Closereport1"));
    connect(Printreport1, &QAction::triggered, this, &TFluencyReportfrm::Printreport1Click);
    connect(Closereport1, &QAction::triggered, this, &TFluencyReportfrm::Closereport1Click);

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
    QPoint centred = pos();
    if (const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr)
        centred = over->frameGeometry().center() - QPoint(whole.width() / 2, whole.height() / 2);
    const QRect placed = placeOnScreen(this, whole, centred);
    resize(placed.size());
    move(placed.topLeft());
}

TFluencyReportfrm::~TFluencyReportfrm() = default;

void TFluencyReportfrm::setReport(FluencyReport report, const QString& student)
{
    m_report = std::move(report);
    m_student = student;
    setWindowTitle(QStringLiteral("Fluency Report - ") + student);
    reportim->setReport(&m_report, student);
}

void TFluencyReportfrm::Printreport1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    printer.setDocName(QStringLiteral("Fluency Report - ") + m_student);
    proposePdfFile(printer, QStringLiteral("Fluency Report"), m_student);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!userDialogs().runPrintDialog(this, &printer))
        return;

    const QString destination
        = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
    QPainter painter;
    if (!painter.begin(&printer)) {
        userDialogs().reportError(this, QStringLiteral("Printing to \"%1\" could not begin.").arg(destination));
        return;
    }
    painter.setTransform(fluencyPageTransform(QRectF(0, 0, printer.width(), printer.height())));
    drawFluencyPage(painter, m_report, m_student);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        userDialogs().reportError(this, QStringLiteral("Printing to \"%1\" did not complete.").arg(destination));
    else
        tellWherePdfWent(this, printer, QStringLiteral("The fluency report"));
}

void TFluencyReportfrm::Closereport1Click()
{
    accept();
}
