#pragma once

#include <memory>

class Tflashcardfrm;

// Makes the program's windows in start-up order (main window, certificate window, name dialog,
// about box) and returns the main window, not yet shown. The main window owns the others.
Tflashcardfrm* createWindows();

// Everything start-up does before the main window is shown, after the application object
// exists: names the program, chooses its language, enters the class folder when the arguments
// ask for one, and makes the windows. Null when the class folder could not be entered; that has been reported.
std::unique_ptr<Tflashcardfrm> prepareProgram();
