#include "flashcardfrm.h"
#include "windows.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    const std::unique_ptr<Tflashcardfrm> flashcardfrm(createWindows());
    flashcardfrm->show();
    return QApplication::exec();
}
