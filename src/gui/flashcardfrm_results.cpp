// The results page: the answer log drawn twenty lines at a time, and its four orders.

#include "flashcardfrm.h"

void Tflashcardfrm::wireResults() { }

void Tflashcardfrm::resltsbtClick() { }

void Tflashcardfrm::resltssbChange() { }

void Tflashcardfrm::ShowallrbClick() { }

void Tflashcardfrm::sortbtClick() { }
