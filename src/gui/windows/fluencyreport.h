#pragma once

#include "gui/windows/fluencypage.h"

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QMenuBar;

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
// prints it; "Refresh" (F5) reads every day file again, a day edited in place included; "Close"
// or Escape closes it.
class TFluencyReportfrm : public QDialog {
    Q_OBJECT
public:
    explicit TFluencyReportfrm(QWidget* parent = nullptr);
    ~TFluencyReportfrm() override;

    void setReport(quorvex::FluencyReport report, const QString& student);
    const quorvex::FluencyReport& report() const { return m_report; }
    // Reads every day of the pupil again; none when that failed or the user stopped waiting.
    std::function<std::optional<quorvex::FluencyReport>()> readAgain;

public Q_SLOTS:
    void Printreport1Click();
    void Refreshreport1Click();
    void Closereport1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QMenuBar* MainMenu1 = nullptr;
    QAction* Printreport1 = nullptr;
    QAction* Refreshreport1 = nullptr;
    QAction* Closereport1 = nullptr;
    FluencyPageView* reportim = nullptr;
    quorvex::FluencyReport m_report;
    QString m_student;
};
