#pragma once

#include "core/result.h"

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// Every message box and system dialog the program opens goes through this one interface, so
// that a failure is reported in one place and tests can put a recorder in its stead.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual void reportError(QWidget* parent, const QString& message) = 0;
    // A question answered with Yes (true) or No.
    virtual bool askYesNo(QWidget* parent, const QString& question) = 0;
    // Runs the system print dialog for the printer; true when the user confirmed it.
    virtual bool runPrintDialog(QWidget* parent, QPrinter* printer) = 0;
    // A short notice that something went as asked, where the user would not otherwise see it.
    virtual void showNotice(QWidget* parent, const QString& message) = 0;
    // The system's save-file dialog, opening on the proposed path; the chosen path, or empty
    // when the user cancelled.
    virtual QString askSaveFileName(
        QWidget* parent, const QString& caption, const QString& proposed, const QString& filter)
        = 0;
    // The system's folder dialog, opening on the proposed folder; the chosen folder, or empty
    // when the user cancelled.
    virtual QString askFolder(QWidget* parent, const QString& caption, const QString& proposed) = 0;
};

UserDialogs& userDialogs();

// Installs another implementation (tests); returns the one it replaces.
std::unique_ptr<UserDialogs> setUserDialogs(std::unique_ptr<UserDialogs> dialogs);

// "The file "Ann3.txt" could not be written: No space left on device."
QString fileErrorText(const quorvex::FileError& error);
void reportFileError(QWidget* parent, const quorvex::FileError& error);

// Reports the stale locks of the class folder that were removed since the last report, if any.
void reportLockNotices(QWidget* parent);
