#pragma once

#include "fluencypage.h"

#include <QDialog>
#include <QString>
#include <QWidget>

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
