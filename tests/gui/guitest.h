#pragma once

// Helpers shared by the window tests: a fresh working folder per test, a recorder in place of
// every message box and system dialog, and finding controls by name as a user would see them.

#include "gui/mainwindow/flashcardfrm.h"
#include "gui/windows/userdialogs.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

class QComboBox;
class QPrinter;

class RecordingDialogs final : public UserDialogs {
public:
    QStringList errors;
    QStringList questions;
    QStringList notices;
    bool answerYes = false;
    // Runs instead of the system print dialog; the default cancels it.
    std::function<bool(QPrinter*)> printDialog = [](QPrinter*) { return false; };
    // What the save-file dialog answers (empty: cancelled), and the path, caption and filter
    // it was opened with.
    QString saveFileName;
    QString proposedFileName;
    QString saveCaption;
    QString saveFilter;
    // What the folder dialog answers (empty: cancelled).
    QString folderName;

    void reportError(QWidget*, const QString& message) override { errors << message; }
    bool askYesNo(QWidget*, const QString& question) override
    {
        questions << question;
        return answerYes;
    }
    bool runPrintDialog(QWidget*, QPrinter* printer) override { return printDialog(printer); }
    void showNotice(QWidget*, const QString& message) override { notices << message; }
    QString askSaveFileName(QWidget*, const QString& caption, const QString& proposed, const QString& filter) override
    {
        saveCaption = caption;
        proposedFileName = proposed;
        saveFilter = filter;
        return saveFileName;
    }
    QString askFolder(QWidget*, const QString&, const QString&) override { return folderName; }
};

// Makes a temporary folder the working folder for its lifetime and puts a RecordingDialogs in
// place of the real dialogs.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString path() const { return m_dir.path(); }
    RecordingDialogs& dialogs() { return *m_dialogs; }

    // Writes bytes into a file of the folder.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QString m_previous;
    QTemporaryDir m_dir;
    RecordingDialogs* m_dialogs = nullptr;
    std::unique_ptr<UserDialogs> m_replaced;
};

// Creates the windows as start-up does, shows the main window and waits until it is active,
// so that its first activation has run.
std::unique_ptr<Tflashcardfrm> startProgram();

// Tests start as on a computer the program never ran on. While one of these lives, the
// program remembers its choices from one start to the next, as it does outside the tests; what
// was remembered is forgotten as it comes and goes.
class RememberingChoices {
public:
    RememberingChoices();
    ~RememberingChoices();
    RememberingChoices(const RememberingChoices&) = delete;
    RememberingChoices& operator=(const RememberingChoices&) = delete;
};

// Where a missing control's stand-in lives: a hidden widget that is never shown or destroyed.
QWidget* standInParent();

// The control of that name below root. When there is none, the running test fails with the
// name, and a hidden stand-in of the same kind is returned, so that the test goes on to its
// end instead of crashing the whole test program.
template <class T> T* control(QObject* root, const char* name)
{
    if (T* found = root->findChild<T*>(QString::fromLatin1(name)))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no %1 named %2 below %3")
                                .arg(QString::fromLatin1(T::staticMetaObject.className()), QString::fromLatin1(name),
                                    root->objectName())),
        __FILE__, __LINE__);
    return new T(standInParent());
}

// The texts of a list's items, in order.
QStringList items(const QComboBox* list);

// A user's choice in a drop-down list: the selection moves and the list reports the choice,
// which runs its change handler (a selection made from code runs none).
void choose(QComboBox* list, int index);

// Runs a slot of the window by name, as a timer tick or a hidden button does.
void invoke(QObject* window, const char* slot, int times = 1);

// Runs open, which brings up the modal window of that name, and body while it is up; closes it
// after. False when it never came up.
bool whileModal(const char* name, const std::function<void()>& open, const std::function<void(QWidget*)>& body);

// A PDF rendered with pdftoppm (poppler-utils): its pages as pictures at the given dots per
// inch; none when it could not be rendered.
QList<QImage> renderPdf(const QString& pdf, int dpi);

// The pixel of an image control's picture.
QColor pixelAt(QObject* window, const char* image, int x, int y);

// What a user cannot see directly but a test must check: the answer log's records, and a fixed
// seed for the question draw so that a test can wait for a particular question.
class MainWindowTestAccess {
public:
    static const quorvex::AnswerLog& answerLog(const Tflashcardfrm& window) { return window.session.log(); }
    static void seed(Tflashcardfrm& window, unsigned seed) { window.session.random().seed(seed); }
    // The zoom as the Options menu sets it, at any factor.
    static void zoom(Tflashcardfrm& window, double zoom) { window.zoomTo(zoom); }
    // For a benchmark that needs a long sitting behind the pupil without answering it all.
    static quorvex::AnswerLog& changeableAnswerLog(Tflashcardfrm& window) { return window.session.log(); }
};

// Asks questions until the question line reads line (with a fixed seed, so the same every run);
// false when it never came.
bool askUntil(Tflashcardfrm& window, const QString& line);

// The right answer to the question line on screen, "7 x 5 = ?" giving 35.
int rightAnswer(const QString& questionLine);
