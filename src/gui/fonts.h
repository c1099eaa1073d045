#pragma once

#include <QFont>

// The window faces "Arial", "Arial Narrow", "MS Sans Serif" and "System" are not found on
// Linux; they are mapped onto metric-compatible faces so that every caption fits the window's
// fixed geometry. Call once before the first window is made.
void installFontSubstitutions();

// A font of the given face and character height in pixels.
QFont pixelFont(const QString& face, int pixels, bool bold = true);
