// Adding and deleting students.

#include "flashcardfrm.h"

#include <QKeyEvent>

void Tflashcardfrm::wireRoster() { }

void Tflashcardfrm::AddaStudent1Click() { }

bool Tflashcardfrm::nstudebKeyPress(QKeyEvent*)
{
    return false;
}

void Tflashcardfrm::nstudebChange() { }

void Tflashcardfrm::asbtClick() { }

void Tflashcardfrm::addonebtClick() { }

void Tflashcardfrm::Deleteastudent1Click() { }

void Tflashcardfrm::deletebtClick() { }

void Tflashcardfrm::ddbtClick() { }

void Tflashcardfrm::Button1Click() { }
