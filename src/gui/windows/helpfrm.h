#pragma once

#include <QDialog>

class QTextBrowser;

// The manual built into the program, in the language it shows: how a lesson goes, what each
// control does, and the teacher's tools. A window of its own beside the main window, so that a
// teacher can read it while trying what it says; no browser, no network.
class THelpfrm : public QDialog {
    Q_OBJECT

public:
    explicit THelpfrm(QWidget* parent);

    // Shows the manual from its start, over the main window, or brings it to the front.
    void showManual();

private:
    QTextBrowser* helptb = nullptr;
};

// The manual over the window: the one it has, else a new one of its own. A window opened modally
// over the main window blocks the main window's, so each window that can be open then has its own.
void showHelpOver(QWidget* window);

// F1 in the window shows the manual over it.
void installHelpKey(QWidget* window);
