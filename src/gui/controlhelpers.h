#pragma once

#include "colours.h"

#include <QString>

class QLabel;
class QWidget;

// The colour a label or edit box draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);

// Marks a label as one that sizes itself to its text: setCaption widens it when a longer
// text comes, keeping its place.
void setAutoSize(QLabel* label);
void setCaption(QLabel* label, const QString& text);
