#pragma once

class Tflashcardfrm;

// Makes the program's windows in start-up order (main window, certificate window, name dialog,
// about box) and returns the main window, not yet shown. The main window owns the others.
Tflashcardfrm* createWindows();
