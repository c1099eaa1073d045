#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Started from the desktop menu, the program would work wherever the menu starts it, most often
// the home folder itself, and the roster and every pupil's day would land there. The menu entry
// therefore asks for a class folder with "--class-folder": the one set for the computer or the
// user, else the folder "Quorvex" in the user's documents folder; or the one given as
// "--class-folder=PATH". Without the option the program works in its current folder as always.
//
// An administrator sets the class folder of every user of a computer in one place, the program's
// system-wide settings (/etc/xdg/Quorvex/Quorvex.conf: "ClassFolder=/srv/classes/3b"); a user's
// own settings (~/.config/Quorvex/Quorvex.conf) may set another, and the command line wins over
// both.

// The class folder the arguments ask for; none when they ask for none.
std::optional<QString> classFolderFromArguments(const QStringList& arguments);

// The class folder set in the user's settings, else in the computer's; none when neither sets
// one. A path that does not start at the root is taken from the home folder ("~/" included).
std::optional<QString> classFolderSetting();

// "Quorvex" in the user's documents folder (the home folder when there is none).
QString defaultClassFolder();

// Creates the folder when it is missing and makes it the working folder; why not, when that
// fails. The working folder is left as it was then.
std::optional<QString> enterClassFolder(const QString& folder);
