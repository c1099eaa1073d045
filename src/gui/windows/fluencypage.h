#pragma once

#include "core/reports/fluency.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <optional>

class QPainter;

// The fluency report of one student: for each operation a matrix of the facts the drill can ask
// (rows the base number, columns the second number) showing the latest state of each fact, and
// a chart of the student's days. It is drawn on one page the shape of an A4 landscape sheet at
// 100 dots per inch, the same on screen and on paper.
inline constexpr QSize fluencyPageSize { 1169, 827 };

// Each state has a fill and a symbol (a disc, a ring, a cross, a small dot), so the matrix
// reads in black and white and without telling red from green.
QColor stateColour(quorvex::FactState state);

// Where a fact's cell lies on the page.
QRectF fluencyCellRect(quorvex::Operation op, int a, int b);

// The fact whose cell holds a point of the page, if any.
std::optional<quorvex::Fact> fluencyFactAt(QPointF pagePoint);

// Maps the page into an area (the printable part of a sheet, a window), as large as fits,
// keeping its shape, centred.
QTransform fluencyPageTransform(const QRectF& area);

// "3 lines of the day files could not be read as answers and were left out." and the like.
QString skippedLinesNote(int32_t skipped);

// What one fact's cell says, "7 x 5 = 35: fluent", as its tooltip shows it.
QString factDescription(const quorvex::Fact& fact, quorvex::FactState state, bool due = false);
// "fluent and not due: N of 156" for one operation's matrix.
QString fluentNotDueText(const quorvex::FluencyReport& report, quorvex::Operation op);

// The line beside the title: "Days 1 to 12, 340 answers" and the like.
QString fluencySummary(const quorvex::FluencyReport& report);

void drawFluencyPage(QPainter& painter, const quorvex::FluencyReport& report, const QString& student);
