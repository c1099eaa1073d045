#include "gui/flashcardfrm.h"
#include "gui/programwindows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const std::unique_ptr<Tflashcardfrm> flashcardfrm = prepareProgram();
    if (!flashcardfrm)
        return 1;
    flashcardfrm->show();
    return QApplication::exec();
}
