#include "programwindows.h"

#include "aboutbox.h"
#include "certificatefrm.h"
#include "classfolder.h"
#include "deferredicons.h"
#include "flashcardfrm.h"
#include "fonts.h"
#include "translations.h"
#include "userdialogs.h"
#include "whoami.h"

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
    // English needs nothing loaded; another language chosen and not found stays English.
    useLanguage(chosenLanguage(QApplication::arguments()));
    if (const std::optional<QString> folder = classFolderFromArguments(QApplication::arguments())) {
        if (const std::optional<QString> failure = enterClassFolder(*folder)) {
            userDialogs().reportError(nullptr, *failure);
            return nullptr;
        }
    }
    return std::unique_ptr<Tflashcardfrm>(createWindows());
}
