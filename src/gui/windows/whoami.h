#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The name dialog "I am ....": who is printing, for the line "Printed by: " on printouts.
// The name stays for the rest of the run, so a teacher gives it once.
class TWhoami : public QDialog {
    Q_OBJECT
public:
    explicit TWhoami(QWidget* parent = nullptr);

    struct Controls {
        QGroupBox* GroupBox1 = nullptr;
        QLineEdit* Iam = nullptr;
        QLabel* Label1 = nullptr;
        QPushButton* Button1 = nullptr;
    };

    QString name() const;

public Q_SLOTS:
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    bool IamKeyPress(QKeyEvent* event);

    Controls ui;
    bool m_faceSet = false;
};
