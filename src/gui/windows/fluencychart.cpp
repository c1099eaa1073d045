// The chart of the days on the fluency page: the share of right answers and the median time of
// the right practice answers, day by day.

#include "gui/windows/fluencyplan.h"
#include "gui/wording/phrases.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using quorvex::DayPoint;
using quorvex::FluencyReport;

namespace fluencyplan {

namespace {

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

} // namespace

void drawChart(QPainter& painter, const FluencyReport& report)
{
    const std::vector<DayPoint>& days = report.days();
    painter.setPen(Qt::black);
    painter.setFont(font(16, true));
    painter.drawText(QRectF(margin, chartTitleTop, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("FluencyReport", "Day by day"));

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
        const QString words = time
            ? QCoreApplication::translate(
                "FluencyReport", "Median time of right practice answers (seconds, right scale)")
            : QCoreApplication::translate("FluencyReport", "Share of right answers (left scale)");
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
        painter.drawText(plotArea, Qt::AlignCenter, QCoreApplication::translate("FluencyReport", "No days saved yet."));
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
            Qt::AlignRight | Qt::AlignBottom, QCoreApplication::translate("FluencyReport", "not yet saved"));
    }

    // Scales: share on the left every 25 %, seconds on the right.
    painter.setPen(QPen(headerColour, 1));
    for (int percent = 25; percent <= 100; percent += 25)
        painter.drawLine(
            QPointF(plotArea.left(), yOfShare(percent / 100.0)), QPointF(plotArea.right(), yOfShare(percent / 100.0)));
    painter.setPen(shareColour);
    for (int percent = 0; percent <= 100; percent += 25)
        painter.drawText(QRectF(plotArea.left() - 48, yOfShare(percent / 100.0) - 8, 42, 16),
            Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("FluencyReport", "%1 %").arg(percent));
    painter.setPen(timeColour);
    for (double seconds = 0; seconds <= secondsTop + secondsStep / 2; seconds += secondsStep)
        painter.drawText(QRectF(plotArea.right() + 6, yOfSeconds(seconds) - 8, 60, 16),
            Qt::AlignLeft | Qt::AlignVCenter,
            QCoreApplication::translate("FluencyReport", "%1 s").arg(shownNumber(seconds)));
    // The line a fluent answer stays under.
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    const double fluentY = yOfSeconds(quorvex::fluentTenths / 10.0);
    painter.drawLine(QPointF(plotArea.left(), fluentY), QPointF(plotArea.right(), fluentY));
    painter.drawText(QPointF(plotArea.left() + 4, fluentY - 3), QCoreApplication::translate("FluencyReport", "3.0 s"));

    // Days along the bottom, as many labels as fit, and "today" under today's answers.
    const double labelWidth = small.horizontalAdvance(QString::number(count)) + 12;
    const int fitting = std::max(1, static_cast<int>(plotArea.width() / labelWidth));
    const int dayStep = static_cast<int>(niceStep(std::max(1, count - 1), fitting));
    const QString todayText = QCoreApplication::translate("FluencyReport", "today");
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
    painter.drawText(QRectF(plotArea.left(), plotArea.bottom() + 22, plotArea.width(), 16), Qt::AlignCenter,
        QCoreApplication::translate("FluencyReport", "Day"));
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

} // namespace fluencyplan
