// The answer box and marking.

#include "flashcardfrm.h"

#include <QKeyEvent>

void Tflashcardfrm::wireAnswers() { }

void Tflashcardfrm::ansebEnter() { }

bool Tflashcardfrm::ansebKeyPress(QKeyEvent*)
{
    return false;
}

void Tflashcardfrm::checkbtClick() { }

void Tflashcardfrm::filterAnswerText() { }
