#pragma once

#include <QLabel>

// A word-wrapped label in which a carriage return alone starts a new line, as the speed-round
// notice's lines are separated; the text itself keeps its carriage returns.
class MultiLineLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
