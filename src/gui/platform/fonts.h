#pragma once

#include <QFont>

class QWidget;

// The window faces "Arial", "Arial Narrow", "MS Sans Serif" and "System" are not found on
// Linux; they are mapped onto metric-compatible faces so that every caption fits the window's
// fixed geometry. Call once before the first window is made.
void installFontSubstitutions();

// A font of the given face and character height in pixels.
QFont pixelFont(const QString& face, int pixels, bool bold = true);

// A few captions are a little wider in the metric-compatible faces than the boxes the layout
// gives them. Their controls keep their place and size, and their fonts are condensed just
// enough (a stretch of 90 to 95 %) for the longest caption each can show. Call once the
// window's controls are made.
void condenseNarrowCaptions(QWidget* window);

// Reading fontconfig's configuration (some fifty files parsed) is a fifth of the work before the
// first frame and needs nothing of the toolkit, so it runs on a second thread from the first
// line of main() while the application object connects to the display. finish waits for it
// (prepareProgram() does, before anything measures a text); without a start it does nothing.
// Where the toolkit does not use fontconfig, both do nothing.
void startReadingFontConfiguration();
void finishReadingFontConfiguration();
