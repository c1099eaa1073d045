#include "gui/platform/fonts.h"

#include <QWidget>

#ifdef QUORVEX_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <system_error>
#include <thread>

namespace {
std::thread reader;
} // namespace

void startReadingFontConfiguration()
{
    try {
        reader = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration when it first needs it.
    }
}

void finishReadingFontConfiguration()
{
    if (reader.joinable())
        reader.join();
}
#else
// The toolkit does not take its fonts from fontconfig here.
void startReadingFontConfiguration() { }
void finishReadingFontConfiguration() { }
#endif

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("System"), QStringLiteral("Liberation Sans"));
}

QFont pixelFont(const QString& face, int pixels, bool bold)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void condenseNarrowCaptions(QWidget* window)
{
    const struct {
        const char* control;
        int stretch;
    } narrow[] = {
        { "tlb", 90 }, // up to "999.9 s"
        { "Label6", 95 },
        { "keeprb", 95 },
        { "Label8", 95 },
        { "Label7", 95 },
        { "Label4", 95 },
        { "Label5", 95 },
        { "pfailedlb", 95 },
    };
    for (const auto& [name, stretch] : narrow) {
        if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(name))) {
            QFont condensed = control->font();
            condensed.setStretch(stretch);
            control->setFont(condensed);
        }
    }
}
