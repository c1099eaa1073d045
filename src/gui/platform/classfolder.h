#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Started from the desktop menu, the program would work wherever the menu starts it, most often
// the home folder itself, and the roster and every pupil's day would land there. The menu entry
// therefore asks for a class folder with "--class-folder": the folder "Quorvex" in the user's
// documents folder, or the one given as "--class-folder=PATH" (a folder shared by several
// computers, say). Without the option the program works in its current folder as always.

// The class folder the arguments ask for; none when they ask for none.
std::optional<QString> classFolderFromArguments(const QStringList& arguments);

// "Quorvex" in the user's documents folder (the home folder when there is none).
QString defaultClassFolder();

// Creates the folder when it is missing and makes it the working folder; why not, when that
// fails. The working folder is left as it was then.
std::optional<QString> enterClassFolder(const QString& folder);
