#pragma once

#include <QMargins>
#include <QRect>
#include <functional>

class QWidget;

// No window of the program reaches beyond the screen's available area (a school laptop's
// 1366 x 768 less its panels): a window that fits keeps its size and as much of its place as
// the area allows; one that does not fit gets the area's size and shows its contents scrolled
// or scaled.

// Where a top-level window goes: the rectangle's size is its client size, at most the one
// wanted, and its top left is where its frame's top left goes, as near to the one wanted as
// the area allows. Before a window is first shown the window system has not told its frame;
// the frame of its parent's window, which shows already, stands in for it.
QRect placeOnScreen(const QWidget* window, QSize client, QPoint frameTopLeft);

// The frame the window system draws round a window: its own once known, before that its
// parent's window's, which shows already; none where neither is known.
QMargins frameMarginsOf(const QWidget* window);

// The top left a frame of that size needs to lie within the area, as near to the one wanted
// as it can be; a frame larger than the area starts at the area's top left.
QPoint topLeftWithin(const QRect& area, QSize frame, QPoint wanted);

// A shown window's own frame is known only once the window system has framed it; the stand-in
// taken before may differ (a resizable window's frame is thicker than the main window's). For a
// moment after the window shows, this looks at its frame and calls refit whenever the frame,
// once known, reaches beyond the available area (a few times at most).
void refitOnceFramed(QWidget* window, const std::function<void()>& refit);

// Gives a window that client size and places it centred over its parent's window, within the
// screen's available area, and again once it is framed.
void placeOverParent(QWidget* window, QSize client);
