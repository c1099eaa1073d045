#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/fonts.h"
#include "gui/windows/programwindows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    startReadingFontConfiguration();
    QApplication application(argc, argv);
    const std::unique_ptr<Tflashcardfrm> flashcardfrm = prepareProgram();
    if (!flashcardfrm)
        return 1;
    flashcardfrm->show();
    return QApplication::exec();
}
