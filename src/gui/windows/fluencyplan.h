#pragma once

// The fluency page's plan and look, shared by the parts that draw it. Only the page's own
// files include this.

#include "gui/platform/fonts.h"
#include "gui/windows/fluencypage.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace fluencyplan {

// The page's plan, in page pixels. Four matrices side by side, each a header row and column
// around 13 rows (a from 0 to 12) of 12 cells (b from 1 to 12); the legend and the notes below
// them, each matrix with two lines of counts; the chart of the days in the lower part.
inline constexpr double margin = 36;
inline constexpr double cell = 19;
inline constexpr int matrixColumns = quorvex::largestSecond - quorvex::smallestSecond + 2; // with the header
inline constexpr int matrixRows = quorvex::largestBase + 2;
inline constexpr double matrixWidth = matrixColumns * cell;
inline constexpr double matrixGap = 36;
inline constexpr double captionTop = 86;
inline constexpr double matrixTop = 118;
inline constexpr double matrixBottom = matrixTop + matrixRows * cell;
inline constexpr double legendTop = 442; // the states
inline constexpr double cornerLegendTop = 466; // the marks in a cell's corners
inline constexpr double noteTop = 494;
inline constexpr double chartTitleTop = 534;
inline const QRectF plotArea(96, 568, fluencyPageSize.width() - 2 * 96, 218);

inline const QString face = QStringLiteral("Arial");
inline const QColor gridColour(160, 160, 160);
inline const QColor headerColour(236, 236, 236);
inline const QColor shareColour(0, 90, 181); // blue and vermilion stay apart for every kind of colour sight
inline const QColor timeColour(213, 94, 0);
inline const QColor unsavedColour(shareColour); // today's answers, on the chart and in the matrices
inline const QColor unsavedBand(232, 240, 250);
inline const QColor dueColour(Qt::black); // the corner of a fact due for review

inline QFont font(int pixels, bool bold = false)
{
    return pixelFont(face, pixels, bold);
}

// The chart of the student's days, below the matrices.
void drawChart(QPainter& painter, const quorvex::FluencyReport& report);

} // namespace fluencyplan
