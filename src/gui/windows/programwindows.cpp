#include "gui/windows/programwindows.h"

#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/classfolder.h"
#include "gui/platform/deferredicons.h"
#include "gui/platform/fonts.h"
#include "gui/platform/settings.h"
#include "gui/platform/translations.h"
#include "gui/windows/aboutbox.h"
#include "gui/windows/certificatefrm.h"
#include "gui/windows/userdialogs.h"
#include "gui/windows/whoami.h"

#include <QApplication>

Tflashcardfrm* createWindows()
{
    installFontSubstitutions();
    deferStandardIcons();
    auto* main = new Tflashcardfrm;
    auto* certificate = new TCertificatefrm(main);
    auto* whoami = new TWhoami(main);
    auto* about = new Taboutboxp(main);
    main->setCompanions(certificate, whoami, about);
    return main;
}

std::unique_ptr<Tflashcardfrm> prepareProgram()
{
    finishReadingFontConfiguration();
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvex.Quorvex"));
    // Another language chosen and not found stays English.
    useLanguage(chosenLanguage(QApplication::arguments()));
    setRememberingChoices(!freshStartAsked(QApplication::arguments()));
    if (const std::optional<QString> folder = classFolderFromArguments(QApplication::arguments())) {
        if (const std::optional<QString> failure = enterClassFolder(*folder)) {
            userDialogs().reportError(nullptr, *failure);
            return nullptr;
        }
    }
    return std::unique_ptr<Tflashcardfrm>(createWindows());
}
