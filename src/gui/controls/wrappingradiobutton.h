#pragma once

#include <QRadioButton>

// A radio button whose caption wraps onto further lines within its width, as "Practice with
// up to #" does beside the drop-down list that sits in its second line.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
