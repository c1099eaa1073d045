#include "gui/platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

const QString languageOption = QStringLiteral("--lang=");

std::unique_ptr<QTranslator>& programTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& toolkitTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// "de_DE.UTF-8", "de-AT", "de" to "de"; "C" and "POSIX" to "en".
QString languageOf(const QString& name)
{
    if (name == QStringLiteral("C") || name == QStringLiteral("POSIX"))
        return QStringLiteral("en");
    QString language = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    language = language.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    return language.toLower();
}

// The first of the names that is English or translated: its language, "en" for English; empty
// when none is.
QString firstKnown(const QStringList& names)
{
    const QStringList known = translatedLanguages();
    for (const QString& name : names) {
        const QString language = languageOf(name.trimmed());
        if (language == QStringLiteral("en") || known.contains(language))
            return language;
    }
    return {};
}

void removeTranslator(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QStringList translatedLanguages()
{
    // The translations built into the program, quorvex_de.qm and the like (a look into the
    // program's own resources, not at the disk). The names are compared here rather than through
    // a name filter, whose pattern would start the regular expression engine at every start.
    const QString prefix = QStringLiteral("quorvex_");
    const QString suffix = QStringLiteral(".qm");
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList(QDir::Files)) {
        if (file.startsWith(prefix, Qt::CaseInsensitive) && file.endsWith(suffix, Qt::CaseInsensitive))
            languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    }
    // English is the texts' own language: its file holds only the plural forms ("1 dot", "3 dots").
    languages.removeAll(QStringLiteral("en"));
    return languages;
}

QString chosenLanguage(const QStringList& arguments)
{
    QString language;
    for (const QString& argument : arguments) {
        if (argument.startsWith(languageOption))
            language = firstKnown({ argument.mid(languageOption.size()) });
    }
    if (language.isEmpty())
        language = firstKnown(qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts));
    if (language.isEmpty())
        language = firstKnown(QLocale::system().uiLanguages());
    return language == QStringLiteral("en") ? QString() : language;
}

namespace {

QString& shownLanguageCode()
{
    static QString code = QStringLiteral("en");
    return code;
}

} // namespace

QString shownLanguage()
{
    return shownLanguageCode();
}

bool useLanguage(const QString& language)
{
    removeTranslator(programTranslator());
    removeTranslator(toolkitTranslator());
    if (!language.isEmpty() && !translatedLanguages().contains(language))
        return false;
    // Dates follow the program's language, in the system's country: English as the system writes
    // it, German on an Austrian desktop as Austria writes German.
    QLocale::setDefault(language.isEmpty() ? QLocale::system()
                                           : QLocale(QLocale::codeToLanguage(language), QLocale::system().territory()));

    auto program = std::make_unique<QTranslator>();
    if (!program->load(
            QStringLiteral(":/i18n/quorvex_%1.qm").arg(language.isEmpty() ? QStringLiteral("en") : language)))
        return false;
    QCoreApplication::installTranslator(program.get());
    programTranslator() = std::move(program);
    shownLanguageCode() = language.isEmpty() ? QStringLiteral("en") : language;
    if (language.isEmpty())
        return true;

    // The toolkit's own texts, where the system has them: the print and file dialogs'.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        toolkitTranslator() = std::move(toolkit);
    }
    return true;
}
