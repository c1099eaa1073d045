#pragma once

#include <QString>
#include <QStringList>

// The language the program is shown in. English is the program's own: with an English or C
// locale nothing is loaded and nothing is looked up. Otherwise the program's translation, built
// into it, and the toolkit's own (for the print and file dialogs) are installed.

// The languages the program is translated into, as "de", "es", "fr".
QStringList translatedLanguages();

// The language asked for: "--lang=xx" among the arguments, else the LANGUAGE environment
// variable (a list such as "de:en"), else the system locale's languages. The first that is English
// or one of the translated languages decides; empty for English.
QString chosenLanguage(const QStringList& arguments);

// Installs the translations of the language (empty: English, whose texts are the sources and
// which installs only its plural forms) and removes any installed before. False when the
// program has no translation for it.
bool useLanguage(const QString& language);

// The language the program shows now, as "de"; "en" for English.
QString shownLanguage();
