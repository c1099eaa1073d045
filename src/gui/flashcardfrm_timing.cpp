// The question timer, the speed round and the time box.

#include "flashcardfrm.h"

void Tflashcardfrm::wireTiming() { }

void Tflashcardfrm::ctrTimer() { }

void Tflashcardfrm::srtrTimer() { }

void Tflashcardfrm::srsbChange() { }

void Tflashcardfrm::qtcbChange() { }

void Tflashcardfrm::Showtimer1Click() { }

void Tflashcardfrm::showTimeOfQuestion() { }
