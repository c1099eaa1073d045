// History clean-up: removing the oldest days of one student or of all.

#include "flashcardfrm.h"

void Tflashcardfrm::wireCleanup() { }

void Tflashcardfrm::Filecleanup1Click() { }

void Tflashcardfrm::cleanupbtClick() { }

void Tflashcardfrm::cleanupcbChange() { }

void Tflashcardfrm::delrbClick() { }

void Tflashcardfrm::Button2Click() { }
