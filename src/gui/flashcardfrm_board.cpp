// The dot-array board.

#include "flashcardfrm.h"

#include <QColor>

void Tflashcardfrm::wireBoard() { }

void Tflashcardfrm::ttimbtClick() { }

void Tflashcardfrm::ttimMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) { }

void Tflashcardfrm::drawDot(int, int, const QColor&) { }
