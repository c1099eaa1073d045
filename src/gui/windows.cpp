#include "windows.h"

#include "aboutbox.h"
#include "certificatefrm.h"
#include "flashcardfrm.h"
#include "fonts.h"
#include "whoami.h"

Tflashcardfrm* createWindows()
{
    installFontSubstitutions();
    auto* main = new Tflashcardfrm;
    auto* certificate = new TCertificatefrm(main);
    auto* whoami = new TWhoami(main);
    auto* about = new Taboutboxp(main);
    main->setCompanions(certificate, whoami, about);
    return main;
}
