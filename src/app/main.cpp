#include "classfolder.h"
#include "flashcardfrm.h"
#include "userdialogs.h"
#include "windows.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvex.Quorvex"));
    if (const std::optional<QString> folder = classFolderFromArguments(QApplication::arguments())) {
        if (const std::optional<QString> failure = enterClassFolder(*folder)) {
            userDialogs().reportError(nullptr, *failure);
            return 1;
        }
    }
    const std::unique_ptr<Tflashcardfrm> flashcardfrm(createWindows());
    flashcardfrm->show();
    return QApplication::exec();
}
