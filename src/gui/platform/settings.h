#pragma once

#include <QSettings>

// What the program remembers on this computer for its user between runs: the drill's choices,
// the zoom, the window's place and the notices already given. Never a pupil's name, nothing of
// the class folder (every computer of a class keeps its own).
QSettings programSettings();

// A start with --fresh neither reads nor keeps the remembered choices, zoom and place: the
// program starts as on a computer it never ran on, and leaves what was remembered as it was.
bool rememberingChoices();
void setRememberingChoices(bool remember);

// Whether the arguments ask for a fresh start.
bool freshStartAsked(const QStringList& arguments);
