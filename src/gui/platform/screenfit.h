#pragma once

#include <QRect>

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

// The top left a frame of that size needs to lie within the area, as near to the one wanted
// as it can be; a frame larger than the area starts at the area's top left.
QPoint topLeftWithin(const QRect& area, QSize frame, QPoint wanted);
