#pragma once

#include <QDialog>

class QLabel;

// The about box: a small modal dialog that a click on its background closes.
class Taboutboxp : public QDialog {
    Q_OBJECT
public:
    explicit Taboutboxp(QWidget* parent = nullptr);

    void setProductLines(const QString& product, const QString& version);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
};
