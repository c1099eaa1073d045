// Wording the certificate from the counters and settings, and showing it.

#include "flashcardfrm.h"

void Tflashcardfrm::Printcertificate1Click() { }
