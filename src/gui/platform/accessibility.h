#pragma once

#include <QPushButton>

// What a screen reader gets where Qt's own accessible interfaces would mislead it:
//   - a picture control (ImageControl) is a graphic, named and described by its window;
//   - a group box that is hidden has no children, so the controls of a closed panel are not
//     found, nor their placeholder texts;
//   - a page tab reports the focus only while its tab bar has it, and then neither the bar
//     nor the notebook around it does, so that one object has the focus at a time;
//   - a HelperButton is never shown and has no name.
// Installed once, before the first window is made; idempotent.
void installAccessibility();

// Tab stops at every radio button of the window, not only at one of each group, so that Tab
// alone reaches every choice.
void tabToEveryRadioButton(QWidget* window);

// Makes the control a new object to a screen reader from now on. A screen reader handles events
// some time after they were sent, and reads the control's state as it is then: one that hears of
// a change of text in a control that has meanwhile taken the focus takes the control for the focus
// quietly, and does not announce it when its focus event comes. Renewed between the change and
// the focus, the control's focus is a new object's, which is announced.
void renewAccessibleObject(QWidget* control);

// A drop-down list of the window that changes its value under the keyboard while closed says
// the new value, as it does while open.
void sayDropDownValues(QWidget* window);

// A button that handlers click from code only. It is never shown, and a screen reader finds no
// name on it.
class HelperButton : public QPushButton {
    Q_OBJECT
public:
    explicit HelperButton(QWidget* parent = nullptr);
};
