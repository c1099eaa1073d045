#pragma once

#include "gui/controls/colours.h"

#include <QAction>
#include <QMenuBar>
#include <QString>

class QLabel;
class QPainter;
class QRectF;
class QWidget;

// The colour a label or edit box draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);

// Marks a label as one that sizes itself to its text: setCaption widens it when a longer
// text comes, keeping its place (a label hidden on its own, when it is next shown).
void setAutoSize(QLabel* label);
void setCaption(QLabel* label, const QString& text);

// A command of a window's menu bar: an action named as its handler's control, running the
// handler when chosen.
template <class Window>
QAction* addMenuCommand(
    QMenuBar* bar, const char* name, const QString& caption, Window* window, void (Window::*handler)())
{
    QAction* action = bar->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}

// A right or wrong answer told by its shape as well as its colour, for eyes that do not tell
// green from red and for high-contrast colours: a tick or a cross, drawn with lines in the
// square (pen width a seventh of its side), in colour.
void drawAnswerMark(QPainter& painter, const QRectF& square, bool right, const QColor& colour);
