// Saving the answer log as a student's next day, the change of student, and the history view.

#include "flashcardfrm.h"

void Tflashcardfrm::wireHistory() { }

void Tflashcardfrm::SaveData1Click()
{
    unsavedAnswers = 0;
}

void Tflashcardfrm::namecbChange() { }

void Tflashcardfrm::showhistorycbClick() { }

void Tflashcardfrm::hiscbChange() { }

void Tflashcardfrm::hisbtClick() { }
