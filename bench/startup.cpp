// Start-up as the pupil sees it: the windows made exactly as main() makes them, the main window
// shown, and the time from process start to its first finished frame printed. Run it in an
// empty folder (or give it a class folder, as the program takes one): the first activation
// creates the roster there. bench/run-startup compares it with startup_floor.

#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/fonts.h"
#include "gui/windows/programwindows.h"
#include "startupprobe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    startReadingFontConfiguration();
    QApplication application(argc, argv);
    const std::unique_ptr<Tflashcardfrm> flashcardfrm = prepareProgram();
    if (!flashcardfrm)
        return 1;
    const startupprobe::FirstFrame probe(flashcardfrm.get());
    flashcardfrm->show();
    QApplication::exec();
    return probe.report("quorvex");
}
