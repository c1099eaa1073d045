#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// Colours of the drill: a right answer and a running clock are green, a wrong answer, the
// last ten seconds of a round and the board's dots red.
inline const QColor green(0, 128, 0);
inline const QColor red(255, 0, 0);
inline const QColor grey(128, 128, 128);

// The colour a label or edit box draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);

// Marks a label as one that sizes itself to its text: setCaption widens it when a longer
// text comes, keeping its place.
void setAutoSize(QLabel* label);
void setCaption(QLabel* label, const QString& text);
