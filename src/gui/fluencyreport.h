#pragma once

#include "core/fluency.h"

#include <QColor>
#include <QDialog>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <QWidget>

class QAction;
class QMenuBar;
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
QString factDescription(const quorvex::Fact& fact, quorvex::FactState state);

void drawFluencyPage(QPainter& painter, const quorvex::FluencyReport& report, const QString& student);

// The page on screen, scaled to the widget.
class FluencyPageView : public QWidget {
    Q_OBJECT
public:
    explicit FluencyPageView(QWidget* parent = nullptr);

    void setReport(const quorvex::FluencyReport* report, const QString& student);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const quorvex::FluencyReport* m_report = nullptr;
    QString m_student;
};

// The report window, shown modally by the main window's "Fluency Report". "Print" (Ctrl+P)
// prints it; "Close" or Escape closes it.
class TFluencyReportfrm : public QDialog {
    Q_OBJECT
public:
    explicit TFluencyReportfrm(QWidget* parent = nullptr);
    ~TFluencyReportfrm() override;

    void setReport(quorvex::FluencyReport report, const QString& student);
    const quorvex::FluencyReport& report() const { return m_report; }

public Q_SLOTS:
    void Printreport1Click();
    void Closereport1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QMenuBar* MainMenu1 = nullptr;
    QAction* Printreport1 = nullptr;
    QAction* Closereport1 = nullptr;
    FluencyPageView* reportim = nullptr;
    quorvex::FluencyReport m_report;
    QString m_student;
};
