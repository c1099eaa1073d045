#pragma once

class QAccessibleInterface;
class QWidget;

// Controls a screen reader reads item by item, each item an object of its own that takes the
// focus as the keyboard reaches it (see accessibility.h for why).

// A picture read item by item (the board's cells, the results page's lines) is a list of its
// items; any other picture is a graphic.
QAccessibleInterface* newPictureInterface(QWidget* picture);

// A drop-down list that is not typed into: its text is the chosen item, which takes the focus as
// the value changes.
QAccessibleInterface* newDropDownInterface(QWidget* list);
