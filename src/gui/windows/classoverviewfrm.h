#pragma once

#include "core/reports/classoverview.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QPainter;
class QTableWidget;

// Draws the rows from..to (not included) as one printed page: the title, the heading row and
// the rows, within the rectangle.
void drawOverviewPage(QPainter& painter, const QRectF& area, const std::vector<quorvex::PupilSummary>& rows,
    size_t from, size_t to, const QString& title);
// How many rows a page of that height takes below the title and the heading row.
size_t overviewRowsPerPage(QPainter& painter, double height);

// The class overview, shown modally by the main window's "Class Overview": one row per pupil,
// sorted by a click on a column's heading. Double-clicking a row (or Enter) opens that pupil's
// fluency report; "Print" (Ctrl+P) prints it, "Export..." writes it as a CSV file, "Refresh"
// (F5) reads every day file again, a day edited in place included.
class TClassOverviewfrm : public QDialog {
    Q_OBJECT
public:
    explicit TClassOverviewfrm(QWidget* parent = nullptr);
    ~TClassOverviewfrm() override;

    // The class's name, for the proposed file names: the class folder's name.
    void setRows(std::vector<quorvex::PupilSummary> rows, const QString& className);
    const std::vector<quorvex::PupilSummary>& rows() const { return m_rows; }
    // Opens the fluency report of the pupil of that name.
    std::function<void(const quorvex::Bytes& name)> openReport;
    // Reads every pupil's days again, every file of them; none when the user stopped waiting.
    std::function<std::optional<std::vector<quorvex::PupilSummary>>()> readAgain;

public Q_SLOTS:
    void Printoverview1Click();
    void Exportoverview1Click();
    void Closeoverview1Click();
    void Refreshoverview1Click();
    void sortBy(int column);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showRows();

    QMenuBar* MainMenu1 = nullptr;
    QAction* Printoverview1 = nullptr;
    QAction* Exportoverview1 = nullptr;
    QAction* Closeoverview1 = nullptr;
    QAction* Refreshoverview1 = nullptr;
    QTableWidget* overviewgrid = nullptr;
    QLabel* notelb = nullptr;
    std::vector<quorvex::PupilSummary> m_rows;
    QString m_className;
    int m_sortColumn = 0;
    bool m_descending = false;
};
