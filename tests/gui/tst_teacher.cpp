// The teacher's tools: the password and the access it gives to the three teacher commands,
// adding and deleting students, and cleaning up history files, driven through the controls'
// names as a teacher would.

#include "../core/filesizelimit.h"
#include "../core/immutableflag.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <unistd.h>

using DayMap = QMap<int, int>;

namespace {

QStringList names(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromLatin1(text);
    return list;
}

// Types each character as its own key, those without a key of their own included.
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

const char* const teacherCommands[] = { "Deleteastudent1", "AddaStudent1", "Filecleanup1", "ClassOverview1" };

QString dayName(const char* student, int day)
{
    return QString::fromLatin1(student) + QString::number(day) + QStringLiteral(".txt");
}

// Each day file holds its own original number, so a test can tell which day ended where.
void writeDays(const TestFolder& folder, const char* student, std::initializer_list<int> days)
{
    for (const int day : days)
        folder.write(dayName(student, day), "day " + QByteArray::number(day) + "\r\n");
}

void writeDays(const TestFolder& folder, const char* student, int from, int to)
{
    for (int day = from; day <= to; ++day)
        writeDays(folder, student, { day });
}

// Day number -> the original day it holds, for days 1 to 30.
DayMap daysOf(const TestFolder& folder, const char* student)
{
    DayMap days;
    for (int day = 1; day <= 30; ++day) {
        if (folder.exists(dayName(student, day)))
            days[day] = folder.read(dayName(student, day)).mid(4).trimmed().toInt();
    }
    return days;
}

DayMap renumbered(int firstKept, int lastKept)
{
    DayMap days;
    for (int day = firstKept; day <= lastKept; ++day)
        days[day - firstKept + 1] = day;
    return days;
}

} // namespace

class TestTeacher : public QObject {
    Q_OBJECT

private:
    Tflashcardfrm* window = nullptr;

    QAction* action(const char* name) { return control<QAction>(window, name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(window, name); }
    QPushButton* button(const char* name) { return control<QPushButton>(window, name); }
    QLabel* label(const char* name) { return control<QLabel>(window, name); }
    QComboBox* list(const char* name) { return control<QComboBox>(window, name); }
    QWidget* widget(const char* name) { return control<QWidget>(window, name); }
    QString menuCaption() { return action("logintoaccess1")->text(); }
    bool commandsEnabled(bool enabled)
    {
        for (const char* name : teacherCommands) {
            if (action(name)->isEnabled() != enabled) {
                qWarning("%s is %s", name, enabled ? "disabled" : "enabled");
                return false;
            }
        }
        return true;
    }
    void addStudent(const char* name)
    {
        edit("nstudeb")->setText(QString::fromLatin1(name));
        button("asbt")->click();
    }

private Q_SLOTS:
    void escapeIsCancel_data();
    void escapeIsCancel();
    void passwordsAreHiddenUntilShown_data();
    void passwordsAreHiddenUntilShown();
    void panelControls_data();
    void panelControls();
    void tabOrders_data();
    void tabOrders();

    void noPasswordAtStart();
    void setPasswordLocksTheCommands_data();
    void setPasswordLocksTheCommands();
    void differentPasswordsAreRefused();
    void cancelCreatingKeepsNoPassword();
    void createPanelKeepsItsText();
    void storedPasswordLocksAtStart_data();
    void storedPasswordLocksAtStart();
    void logInWithEnterAndLogOut();
    void failedLogInShowsUntilFocusReturns();
    void cancelLogInKeepsLocked();
    void cancelLogOutKeepsUnlocked();
    void lockedCommandsCannotBeTriggered();
    void unreadablePasswordFileStaysLocked();
    void failedPasswordWriteChangesNothing();

    void typingRules();
    void pastedBlankStays();
    void addPlacesInByteOrderAndWritesAtOnce();
    void addKeepsTheCurrentStudent();
    void addedLabelHidesWithTheNextKey();
    void refusedNames_data();
    void refusedNames();
    void refusalMessagesFitThePanel();
    void namesSharingDayFiles_data();
    void namesSharingDayFiles();
    void rosterSharingDayFilesIsToldAtStart_data();
    void rosterSharingDayFilesIsToldAtStart();
    void rosterLinkIsWrittenOnlyWithinTheClassFolder_data();
    void rosterLinkIsWrittenOnlyWithinTheClassFolder();
    void failedRosterWriteKeepsTheOldRoster();
    void doneSelectsATypedEntryAndWritesGuestFirst();
    void addMenuTogglesThePanel();

    void deleteOpensOnTheFirstStudent();
    void guestCannotBeDeleted();
    void deleteRemovesDaysOnDone();
    void cancelDeletesNothing();
    void doneKeepsNamesAddedMeanwhile();
    void daysOfANameStillOnTheRosterStay();

    void countListsShowZeroToTwenty();
    void cleanUpOneStudent_data();
    void cleanUpOneStudent();
    void cleanUpAllIncludesGuest();
    void allIsTheLastItemOfThePanelsList();
    void deletedShowsOnlyWhenSomethingWent();
    void deletedHidesOnChangeAndRadioButNotOnCount();
    void typedTextChoosesNobody();
    void refusedRenameIsReported();

    void cleanup();
};

void TestTeacher::cleanup()
{
    delete window;
    window = nullptr;
}

void TestTeacher::panelControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("pixels");
    const auto row = [](const char* name, const char* caption, QRect geometry, const char* face, int pixels) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << geometry
                            << QString::fromLatin1(face) << pixels;
    };
    row("Label2", "No spaces in name use __ instead", QRect(16, 128, 259, 19), "Arial", 16);
    row("Label3", "notes:", QRect(8, 109, 49, 19), "Arial", 16);
    row("Label4", "For long names, please abbreviate", QRect(16, 152, 261, 19), "Arial", 16);
    row("addedlb", "Student was added!", QRect(72, 109, 151, 19), "Arial", 16);
    row("nstudeb", "", QRect(16, 24, 257, 30), "Arial", 19);
    row("asbt", "&Add", QRect(16, 64, 113, 41), "Arial", 19);
    row("addonebt", "&Done", QRect(160, 64, 113, 41), "Arial", 19);
    row("Label5", "Select student to delete", QRect(24, 24, 178, 19), "Arial", 16);
    row("deletecb", "deletecb", QRect(16, 56, 217, 27), "Arial", 16);
    row("deletebt", "&Delete", QRect(16, 96, 97, 33), "Arial", 16);
    row("ddbt", "Do&ne", QRect(128, 96, 97, 33), "Arial", 16);
    row("Button1", "&Cancel", QRect(72, 144, 99, 33), "Arial", 16);
    row("Label6", "Delete some of the  history files", QRect(32, 24, 237, 19), "Arial", 16);
    row("keeprb", "Keep only the last                files", QRect(40, 48, 257, 17), "Arial", 16);
    row("keepcb", "10", QRect(202, 44, 49, 27), "Arial", 16);
    row("delrb", "Delete the first               files", QRect(40, 80, 249, 17), "Arial", 16);
    row("delfirstcb", "10", QRect(174, 74, 49, 27), "Arial", 16);
    row("oldrb", "Older than                 months", QRect(40, 112, 249, 17), "Arial", 16);
    row("oldcb", "12", QRect(140, 106, 49, 27), "Arial", 16);
    row("Label8", "Note:  All deletions are final!", QRect(56, 136, 210, 19), "Arial", 16);
    row("Label7", "For the following student(s)", QRect(40, 160, 209, 19), "Arial", 16);
    row("cleanupcb", "cleanupcb", QRect(48, 185, 217, 27), "Arial", 16);
    row("dlb", "DELETED!!", QRect(96, 216, 102, 22), "Arial", 19);
    row("cleanupbt", "De&lete", QRect(32, 248, 105, 41), "Arial", 16);
    row("Button2", "Do&ne", QRect(168, 248, 105, 41), "Arial", 16);
    row("Label9", "No password is set", QRect(64, 24, 144, 23), "Arial Narrow", 19);
    row("Label10", "Create a password to restrict ", QRect(40, 48, 221, 23), "Arial Narrow", 19);
    row("Label11", "Student data manipulation", QRect(48, 72, 199, 23), "Arial Narrow", 19);
    row("newpasseb", "", QRect(72, 104, 145, 31), "Arial Narrow", 19);
    row("repeatpasseb", "", QRect(72, 140, 145, 31), "Arial Narrow", 19);
    row("Button3", "Set Password", QRect(8, 180, 129, 25), "Arial Narrow", 19);
    row("cspbt", "Cancel", QRect(144, 180, 129, 25), "Arial Narrow", 19);
    row("Label12", "Password", QRect(16, 24, 93, 22), "Arial", 19);
    row("pfailedlb", "Log in failed", QRect(128, 26, 93, 19), "Arial", 16);
    row("passeb", "", QRect(56, 56, 161, 30), "Arial", 19);
    row("Button5", "Log in", QRect(16, 96, 129, 25), "Arial", 19);
    row("clibt", "Cancel", QRect(152, 96, 129, 25), "Arial", 19);
    row("Button4", "Log out", QRect(8, 32, 129, 25), "Arial", 19);
    row("clobt", "Cancel", QRect(152, 32, 129, 25), "Arial", 19);
}

void TestTeacher::panelControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, face);
    QFETCH(int, pixels);
    TestFolder folder;
    window = startProgram().release();
    auto* w = window->findChild<QWidget*>(name);
    QVERIFY(w);
    QString text;
    if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
    else if (auto* c = qobject_cast<QComboBox*>(w))
        text = c->currentText();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        text = e->text();
    QCOMPARE(text, caption);
    if (name == QStringLiteral("addedlb")) {
        // It sizes itself to its text, which may round to a pixel more than the design.
        QCOMPARE(w->pos(), geometry.topLeft());
        QCOMPARE(w->height(), geometry.height());
        QVERIFY(w->width() >= geometry.width() && w->width() <= geometry.width() + 2);
    } else {
        QCOMPARE(w->geometry(), geometry);
    }
    QCOMPARE(w->font().family(), face);
    QCOMPARE(w->font().pixelSize(), pixels);
    QVERIFY(w->font().bold());
}

void TestTeacher::tabOrders_data()
{
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("nstudgb") << names({ "nstudeb", "asbt", "addonebt" });
    QTest::newRow("deletegb") << names({ "deletecb", "deletebt", "ddbt", "Button1" });
    QTest::newRow("cleanupgb") << names(
        { "keeprb", "keepcb", "delrb", "delfirstcb", "oldrb", "oldcb", "cleanupcb", "cleanupbt", "Button2" });
    QTest::newRow("nologingb") << names({ "newpasseb", "repeatpasseb", "Button3", "cspbt" });
    QTest::newRow("logingb") << names({ "passeb", "Button5", "clibt" });
    QTest::newRow("logoutgb") << names({ "Button4", "clobt" });
}

void TestTeacher::tabOrders()
{
    QFETCH(QStringList, chain);
    TestFolder folder;
    window = startProgram().release();
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        auto* from = window->findChild<QWidget*>(chain[i]);
        auto* to = window->findChild<QWidget*>(chain[i + 1]);
        QVERIFY(from && to);
        // Labels take no focus, and an editable list's own line edit is part of the list.
        QWidget* next = from->nextInFocusChain();
        while (next != from && (!(next->focusPolicy() & Qt::TabFocus) || next->parentWidget() == from))
            next = next->nextInFocusChain();
        QCOMPARE(next ? next->objectName() : QString(), to->objectName());
    }
}

// ---- Password and access -------------------------------------------------------------------

void TestTeacher::noPasswordAtStart()
{
    TestFolder folder;
    window = startProgram().release();
    QCOMPARE(menuCaption(), QStringLiteral("Click here to create &Password"));
    QVERIFY(commandsEnabled(true));
    action("logintoaccess1")->trigger();
    QVERIFY(widget("nologingb")->isVisible());
    QVERIFY(!widget("logingb")->isVisible());
    QTRY_VERIFY(edit("newpasseb")->hasFocus());
}

void TestTeacher::setPasswordLocksTheCommands_data()
{
    QTest::addColumn<bool>("withEnter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("button") << false << QStringLiteral("Owl ") << QByteArray("Owl \r\n");
    QTest::newRow("enter") << true << QStringLiteral("Owl ") << QByteArray("Owl \r\n");
    QTest::newRow("empty") << false << QString() << QByteArray("\r\n");
    QTest::newRow("8-bit") << false << QStringLiteral("\u00c9t\u00e9") << QByteArray("\xc9t\xe9\r\n");
}

void TestTeacher::setPasswordLocksTheCommands()
{
    QFETCH(bool, withEnter);
    QFETCH(QString, typed);
    QFETCH(QByteArray, file);
    TestFolder folder;
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    edit("newpasseb")->setText(typed);
    if (withEnter) {
        // Enter in the first box asks for it again; Enter in the second sets it.
        QTest::keyClick(edit("newpasseb"), Qt::Key_Return);
        QTRY_VERIFY(edit("repeatpasseb")->hasFocus());
        QVERIFY(!folder.exists(QStringLiteral("password.txt")));
        edit("repeatpasseb")->setText(typed);
        QTest::keyClick(edit("repeatpasseb"), Qt::Key_Return);
    } else {
        edit("repeatpasseb")->setText(typed);
        button("Button3")->click();
    }
    QCOMPARE(folder.read(QStringLiteral("password.txt")), file);
    QCOMPARE(menuCaption(), QStringLiteral("Login"));
    QVERIFY(commandsEnabled(false));
    QVERIFY(!widget("nologingb")->isVisible());

    // The new password opens the lock, the empty one included.
    action("logintoaccess1")->trigger();
    QVERIFY(widget("logingb")->isVisible());
    edit("passeb")->setText(typed);
    button("Button5")->click();
    QCOMPARE(menuCaption(), QStringLiteral("&Logout"));
    QVERIFY(commandsEnabled(true));
    QVERIFY(!widget("logingb")->isVisible());
    QVERIFY(folder.dialogs().errors.isEmpty());
}

// A typo in a hidden password would lock the teacher out: the two boxes must agree.
void TestTeacher::differentPasswordsAreRefused()
{
    TestFolder folder;
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    edit("newpasseb")->setText(QStringLiteral("Owl"));
    edit("repeatpasseb")->setText(QStringLiteral("owl"));
    button("Button3")->click();
    QCOMPARE(folder.dialogs().errors,
        QStringList {
            QStringLiteral("The two passwords are not the same. Type the new password in both boxes again.") });
    QVERIFY(!folder.exists(QStringLiteral("password.txt")));
    QVERIFY(widget("nologingb")->isVisible());
    QVERIFY(edit("newpasseb")->text().isEmpty() && edit("repeatpasseb")->text().isEmpty());
    QTRY_VERIFY(edit("newpasseb")->hasFocus());
    QCOMPARE(menuCaption(), QStringLiteral("Click here to create &Password"));
}

void TestTeacher::cancelCreatingKeepsNoPassword()
{
    TestFolder folder;
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    edit("newpasseb")->setText(QStringLiteral("Owl"));
    button("cspbt")->click();
    QVERIFY(!widget("nologingb")->isVisible());
    QVERIFY(!folder.exists(QStringLiteral("password.txt")));
    QCOMPARE(menuCaption(), QStringLiteral("Click here to create &Password"));
    QVERIFY(commandsEnabled(true));
}

void TestTeacher::createPanelKeepsItsText()
{
    TestFolder folder;
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    edit("newpasseb")->setText(QStringLiteral("Ow"));
    button("cspbt")->click();
    action("logintoaccess1")->trigger();
    QCOMPARE(edit("newpasseb")->text(), QStringLiteral("Ow"));
}

void TestTeacher::storedPasswordLocksAtStart_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("as written") << QByteArray("Owl\r\n") << QStringLiteral("Owl") << true;
    QTest::newRow("several lines") << QByteArray("Owl\r\nHawk\r\n") << QStringLiteral("Owl") << true;
    QTest::newRow("second line is not it") << QByteArray("Owl\r\nHawk\r\n") << QStringLiteral("Hawk") << false;
    QTest::newRow("lone CR") << QByteArray("Owl\rHawk") << QStringLiteral("Owl") << true;
    QTest::newRow("LF") << QByteArray("Owl\nHawk\n") << QStringLiteral("Owl") << true;
    QTest::newRow("byte 26") << QByteArray("Ow\x1al\r\n") << QStringLiteral("Ow") << true;
    QTest::newRow("empty file") << QByteArray() << QString() << true;
    QTest::newRow("empty file, typed text") << QByteArray() << QStringLiteral("x") << false;
    QTest::newRow("trailing blank typed") << QByteArray("Owl \r\n") << QStringLiteral("Owl ") << true;
    QTest::newRow("trailing blank missing") << QByteArray("Owl \r\n") << QStringLiteral("Owl") << false;
    QTest::newRow("letter case") << QByteArray("Owl\r\n") << QStringLiteral("owl") << false;
    QTest::newRow("8-bit") << QByteArray("\xc9t\xe9\r\n") << QStringLiteral("\u00c9t\u00e9") << true;
}

void TestTeacher::storedPasswordLocksAtStart()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    TestFolder folder;
    folder.write(QStringLiteral("password.txt"), file);
    window = startProgram().release();
    QCOMPARE(menuCaption(), QStringLiteral("Login"));
    QVERIFY(commandsEnabled(false));

    action("logintoaccess1")->trigger();
    QVERIFY(widget("logingb")->isVisible());
    QTRY_VERIFY(edit("passeb")->hasFocus());
    typeText(edit("passeb"), typed);
    button("Button5")->click();
    QCOMPARE(widget("logingb")->isVisible(), !opens);
    QCOMPARE(label("pfailedlb")->isVisible(), !opens);
    QCOMPARE(menuCaption(), opens ? QStringLiteral("&Logout") : QStringLiteral("Login"));
    QVERIFY(commandsEnabled(opens));
    // A wrong password is cleared; typed, it never showed.
    QCOMPARE(edit("passeb")->echoMode(), QLineEdit::Password);
    if (!opens)
        QCOMPARE(edit("passeb")->text(), QString());
    QCOMPARE(folder.read(QStringLiteral("password.txt")), file);
}

void TestTeacher::logInWithEnterAndLogOut()
{
    TestFolder folder;
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    QTest::keyClicks(edit("passeb"), QStringLiteral("Owl"));
    QTest::keyClick(edit("passeb"), Qt::Key_Return);
    QCOMPARE(menuCaption(), QStringLiteral("&Logout"));
    QVERIFY(commandsEnabled(true));

    action("logintoaccess1")->trigger();
    QVERIFY(widget("logoutgb")->isVisible());
    button("Button4")->click();
    QVERIFY(!widget("logoutgb")->isVisible());
    QCOMPARE(menuCaption(), QStringLiteral("&Login"));
    QVERIFY(commandsEnabled(false));

    // The log-in panel always opens empty.
    action("logintoaccess1")->trigger();
    QCOMPARE(edit("passeb")->text(), QString());
    QTest::keyClicks(edit("passeb"), QStringLiteral("Owl"));
    QTest::keyClick(edit("passeb"), Qt::Key_Enter);
    QCOMPARE(menuCaption(), QStringLiteral("&Logout"));
}

void TestTeacher::failedLogInShowsUntilFocusReturns()
{
    TestFolder folder;
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    QTRY_VERIFY(edit("passeb")->hasFocus());
    QTest::keyClicks(edit("passeb"), QStringLiteral("Hawk"));
    QTest::keyClick(edit("passeb"), Qt::Key_Return);
    // Enter keeps the focus in the box, so the notice stays while the teacher retypes.
    QVERIFY(label("pfailedlb")->isVisible());
    QTest::keyClick(edit("passeb"), Qt::Key_Backspace);
    QVERIFY(label("pfailedlb")->isVisible());

    QTest::mouseClick(button("Button5"), Qt::LeftButton);
    QVERIFY(label("pfailedlb")->isVisible());
    QTRY_VERIFY(!edit("passeb")->hasFocus());
    QTest::mouseClick(edit("passeb"), Qt::LeftButton);
    QTRY_VERIFY(!label("pfailedlb")->isVisible());
    QCOMPARE(menuCaption(), QStringLiteral("Login"));
}

void TestTeacher::cancelLogInKeepsLocked()
{
    TestFolder folder;
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    edit("passeb")->setText(QStringLiteral("Hawk"));
    button("Button5")->click();
    button("clibt")->click();
    QVERIFY(!label("pfailedlb")->isVisible());
    QVERIFY(!widget("logingb")->isVisible());
    QCOMPARE(menuCaption(), QStringLiteral("Login"));
    QVERIFY(commandsEnabled(false));
    action("logintoaccess1")->trigger();
    QVERIFY(!label("pfailedlb")->isVisible());
}

void TestTeacher::cancelLogOutKeepsUnlocked()
{
    TestFolder folder;
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    edit("passeb")->setText(QStringLiteral("Owl"));
    button("Button5")->click();
    action("logintoaccess1")->trigger();
    button("clobt")->click();
    QVERIFY(!widget("logoutgb")->isVisible());
    QCOMPARE(menuCaption(), QStringLiteral("&Logout"));
    QVERIFY(commandsEnabled(true));
}

void TestTeacher::lockedCommandsCannotBeTriggered()
{
    TestFolder folder;
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    window = startProgram().release();
    for (const char* name : teacherCommands)
        action(name)->trigger();
    for (const char* panel : { "nstudgb", "deletegb", "cleanupgb" })
        QVERIFY2(!widget(panel)->isVisible(), panel);

    // A panel opened while logged in stays usable after logging out.
    action("logintoaccess1")->trigger();
    edit("passeb")->setText(QStringLiteral("Owl"));
    button("Button5")->click();
    action("AddaStudent1")->trigger();
    action("logintoaccess1")->trigger();
    button("Button4")->click();
    QVERIFY(widget("nstudgb")->isVisible());
    addStudent("Ann");
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAnn\r\n"));
}

void TestTeacher::unreadablePasswordFileStaysLocked()
{
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("password.txt")));
    window = startProgram().release();
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(QStringLiteral("password.txt")));
    QCOMPARE(menuCaption(), QStringLiteral("Login"));
    QVERIFY(commandsEnabled(false));
    action("logintoaccess1")->trigger();
    button("Button5")->click();
    QVERIFY(label("pfailedlb")->isVisible());
    QVERIFY(commandsEnabled(false));
}

void TestTeacher::failedPasswordWriteChangesNothing()
{
    TestFolder folder;
    window = startProgram().release();
    action("logintoaccess1")->trigger();
    // Something stands under the name after start-up found none.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("password.txt/inside")));
    edit("newpasseb")->setText(QStringLiteral("Owl"));
    edit("repeatpasseb")->setText(QStringLiteral("Owl"));
    button("Button3")->click();
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(QStringLiteral("password.txt")));
    QVERIFY(widget("nologingb")->isVisible());
    QCOMPARE(menuCaption(), QStringLiteral("Click here to create &Password"));
    QVERIFY(commandsEnabled(true));
}

// ---- Adding students -----------------------------------------------------------------------

void TestTeacher::typingRules()
{
    TestFolder folder;
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    QTest::keyClicks(edit("nstudeb"), QStringLiteral("red team"));
    QCOMPARE(edit("nstudeb")->text(), QStringLiteral("Red_team"));
    QCOMPARE(edit("nstudeb")->cursorPosition(), 8);
    edit("nstudeb")->clear();
    typeText(edit("nstudeb"), QStringLiteral("\u00e9 b"));
    QCOMPARE(edit("nstudeb")->text(), QStringLiteral("\u00e9_b"));
    edit("nstudeb")->clear();
    QTest::keyClicks(edit("nstudeb"), QStringLiteral("zoe"));
    QTest::keyClick(edit("nstudeb"), Qt::Key_Backspace);
    QTest::keyClick(edit("nstudeb"), Qt::Key_Backspace);
    QCOMPARE(edit("nstudeb")->text(), QStringLiteral("Z"));
}

void TestTeacher::pastedBlankStays()
{
    TestFolder folder;
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    QApplication::clipboard()->setText(QStringLiteral("red team"));
    QTest::keyClick(edit("nstudeb"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit("nstudeb")->text(), QStringLiteral("red team"));
    button("asbt")->click();
    QCOMPARE(items(list("namecb")), names({ "Guest", "red team" }));
}

void TestTeacher::addPlacesInByteOrderAndWritesAtOnce()
{
    TestFolder folder;
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    QVERIFY(widget("nstudgb")->isVisible());
    QTRY_VERIFY(edit("nstudeb")->hasFocus());
    for (const char* name : { "Zebra", "Ant", "Bee", "AB" }) {
        QTest::keyClicks(edit("nstudeb"), QString::fromLatin1(name));
        QTest::keyClick(edit("nstudeb"), Qt::Key_Return);
        QCOMPARE(edit("nstudeb")->text(), QString());
        QVERIFY(label("addedlb")->isVisible());
        QCOMPARE(label("addedlb")->text(), QStringLiteral("Student was added!"));
    }
    QCOMPARE(items(list("namecb")), names({ "Guest", "AB", "Ant", "Bee", "Zebra" }));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAB\r\nAnt\r\nBee\r\nZebra\r\n"));
    // Leaving through the menu instead of Done loses nothing.
    action("AddaStudent1")->trigger();
    QVERIFY(!widget("nstudgb")->isVisible());
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAB\r\nAnt\r\nBee\r\nZebra\r\n"));
}

void TestTeacher::addKeepsTheCurrentStudent()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nBee\r\nCat\r\n");
    window = startProgram().release();
    choose(list("namecb"), 2);
    action("AddaStudent1")->trigger();
    addStudent("Ant");
    QCOMPARE(items(list("namecb")), names({ "Guest", "Ant", "Bee", "Cat" }));
    QCOMPARE(list("namecb")->currentText(), QStringLiteral("Cat"));
}

void TestTeacher::addedLabelHidesWithTheNextKey()
{
    TestFolder folder;
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    addStudent("Ann");
    QVERIFY(label("addedlb")->isVisible());
    QTest::keyClick(edit("nstudeb"), Qt::Key_Left);
    QVERIFY(label("addedlb")->isVisible());
    QTest::keyClick(edit("nstudeb"), Qt::Key_B);
    QVERIFY(!label("addedlb")->isVisible());
    // Add with an empty box does nothing.
    edit("nstudeb")->clear();
    button("asbt")->click();
    QVERIFY(!label("addedlb")->isVisible());
    QCOMPARE(items(list("namecb")), names({ "Guest", "Ann" }));
}

void TestTeacher::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("slash") << QStringLiteral("Ann/Bob") << QStringLiteral("No / or \\ in a name");
    QTest::newRow("upward") << QStringLiteral("../Ann") << QStringLiteral("No / or \\ in a name");
    QTest::newRow("backslash") << QStringLiteral("Ann\\Bob") << QStringLiteral("No / or \\ in a name");
    QTest::newRow("colon") << QStringLiteral("Ann:B") << QStringLiteral("No < > : \" | ? * in a name");
    QTest::newRow("star") << QStringLiteral("Ann*") << QStringLiteral("No < > : \" | ? * in a name");
    QTest::newRow("tab") << QStringLiteral("Ann\tB") << QStringLiteral("No control characters in a name");
    QTest::newRow("line feed") << QStringLiteral("Ann\nB") << QStringLiteral("No control characters in a name");
    QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("A name cannot be . or ..");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("A name cannot be . or ..");
    QTest::newRow("own prefix") << QStringLiteral(".~Zoe.x") << QStringLiteral("A name cannot begin with .~");
    QTest::newRow("own prefix, dot at end") << QStringLiteral(".~Zo.") << QStringLiteral("A name cannot begin with .~");
    QTest::newRow("digit at end") << QStringLiteral("X1") << QStringLiteral("A name cannot end in a digit");
    QTest::newRow("device") << QStringLiteral("com") << QStringLiteral("Windows keeps this name for itself");
    QTest::newRow("too long") << QString(238, QLatin1Char('a')) << QStringLiteral("Name too long, please abbreviate");
    QTest::newRow("not 8-bit") << QStringLiteral("Ann\u4e00") << QStringLiteral("A character cannot be stored");
}

void TestTeacher::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    TestFolder folder;
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    edit("nstudeb")->setText(name);
    button("asbt")->click();
    auto* problem = label("nameproblemlb");
    QVERIFY(problem);
    QVERIFY(problem->isVisible());
    QCOMPARE(problem->text(), message);
    QVERIFY(!label("addedlb")->isVisible());
    QCOMPARE(items(list("namecb")), names({ "Guest" }));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\n"));
    QCOMPARE(edit("nstudeb")->text(), name);
    // The next key takes the notice away.
    QTest::keyClick(edit("nstudeb"), Qt::Key_Backspace);
    QVERIFY(!problem->isVisible());
}

void TestTeacher::passwordsAreHiddenUntilShown_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("new password") << QByteArray("newpasseb");
    QTest::newRow("new password again") << QByteArray("repeatpasseb");
    QTest::newRow("log-in") << QByteArray("passeb");
}

// Both password boxes hide what is typed; the eye in the box shows it, and hides it again.
void TestTeacher::passwordsAreHiddenUntilShown()
{
    QFETCH(QByteArray, box);
    TestFolder folder;
    window = startProgram().release();
    QLineEdit* typed = edit(box.constData());
    QCOMPARE(typed->echoMode(), QLineEdit::Password);
    QAction* eye = action((box + "Show").constData());
    QCOMPARE(eye->toolTip(), QStringLiteral("Show the password"));
    eye->trigger();
    QCOMPARE(typed->echoMode(), QLineEdit::Normal);
    QCOMPARE(eye->toolTip(), QStringLiteral("Hide the password"));
    eye->trigger();
    QCOMPARE(typed->echoMode(), QLineEdit::Password);
    // Shown once, it is hidden again for whoever opens a password panel next.
    eye->trigger();
    action("logintoaccess1")->trigger();
    QCOMPARE(typed->echoMode(), QLineEdit::Password);
    QCOMPARE(eye->toolTip(), QStringLiteral("Show the password"));
}

void TestTeacher::escapeIsCancel_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("panel");
    QTest::addColumn<QByteArray>("focus");
    QTest::newRow("set password") << QByteArray("logintoaccess1") << QByteArray("nologingb") << QByteArray("newpasseb");
    QTest::newRow("add a student") << QByteArray("AddaStudent1") << QByteArray("nstudgb") << QByteArray("nstudeb");
    QTest::newRow("delete a student") << QByteArray("Deleteastudent1") << QByteArray("deletegb")
                                      << QByteArray("deletecb");
    QTest::newRow("clean up") << QByteArray("Filecleanup1") << QByteArray("cleanupgb") << QByteArray("keeprb");
}

// Escape in a teacher panel closes it as its Cancel (or Done) does, writing nothing.
void TestTeacher::escapeIsCancel()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, panel);
    QFETCH(QByteArray, focus);
    TestFolder folder;
    window = startProgram().release();
    action(command.constData())->trigger();
    QVERIFY(widget(panel.constData())->isVisible());
    // The panel takes the focus as it opens: Escape works without a click into it first.
    QTRY_VERIFY(widget(focus.constData())->hasFocus());
    QTest::keyClick(widget(focus.constData()), Qt::Key_Escape);
    QVERIFY(!widget(panel.constData())->isVisible());
    QVERIFY(!folder.exists(QStringLiteral("password.txt")));
}

void TestTeacher::refusalMessagesFitThePanel()
{
    TestFolder folder;
    window = startProgram().release();
    auto* problem = label("nameproblemlb");
    QVERIFY(problem);
    const QFontMetrics metrics(problem->font());
    for (const char* message :
        { "No / or \\ in a name", "No < > : \" | ? * in a name", "No control characters in a name",
            "A name cannot be . or ..", "A name cannot end in a digit", "Name too long, please abbreviate",
            "A character cannot be stored", "Windows keeps this name for itself", "A name cannot begin with .~",
            "Would share history files with Ann12", "Bartholomew is on the list already" })
        QVERIFY2(metrics.horizontalAdvance(QString::fromLatin1(message)) <= problem->width(), message);
    QVERIFY(problem->geometry().right() < widget("nstudgb")->width());
}

void TestTeacher::namesSharingDayFiles_data()
{
    QTest::addColumn<QByteArray>("roster");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: the name is added
    QTest::addColumn<QByteArray>("written");
    const QByteArray annOne = "Guest\r\nAnn1\r\nBob\r\n";
    QTest::newRow("Ann while Ann1 is on the list")
        << annOne << QStringLiteral("Ann") << QStringLiteral("Would share history files with Ann1") << annOne;
    QTest::newRow("letter case ignored") << QByteArray("Guest\r\nann12\r\n") << QStringLiteral("ANN")
                                         << QStringLiteral("Would share history files with ann12")
                                         << QByteArray("Guest\r\nann12\r\n");
    QTest::newRow("the built-in entry too")
        << QByteArray("Guest\r\n") << QStringLiteral("Guest5") << QStringLiteral("A name cannot end in a digit")
        << QByteArray("Guest\r\n");
    QTest::newRow("own prefix typed") << annOne << QStringLiteral(".~Ann")
                                      << QStringLiteral("A name cannot begin with .~") << annOne;
    QTest::newRow("leading zero is no day") << QByteArray("Guest\r\nAnn07\r\n") << QStringLiteral("Ann") << QString()
                                            << QByteArray("Guest\r\nAnn\r\nAnn07\r\n");
    QTest::newRow("letters after the digits") << QByteArray("Guest\r\nAnn1b\r\n") << QStringLiteral("Ann") << QString()
                                              << QByteArray("Guest\r\nAnn\r\nAnn1b\r\n");
    QTest::newRow("longer by letters") << annOne << QStringLiteral("Ann1x") << QString()
                                       << QByteArray("Guest\r\nAnn1\r\nAnn1x\r\nBob\r\n");
    // One pupil per name: the same, or the same in other capitals, names the same day files.
    const QByteArray annAndElodie = "Guest\r\nAnn\r\n\xc9lodie\r\n";
    QTest::newRow("the same name") << annAndElodie << QStringLiteral("Ann")
                                   << QStringLiteral("Ann is on the list already") << annAndElodie;
    QTest::newRow("in capitals") << annAndElodie << QStringLiteral("ANN")
                                 << QStringLiteral("Ann is on the list already") << annAndElodie;
    QTest::newRow("accented, in capitals") << annAndElodie << QString::fromUtf8("\u00c9LODIE")
                                           << QString::fromUtf8("\u00c9lodie is on the list already") << annAndElodie;
    QTest::newRow("the built-in entry") << annAndElodie << QStringLiteral("Guest")
                                        << QStringLiteral("Guest is on the list already") << annAndElodie;
}

// Typed and added as a teacher does it: a refused name leaves the list and the file as they were.
void TestTeacher::namesSharingDayFiles()
{
    QFETCH(QByteArray, roster);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QByteArray, written);
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), roster);
    window = startProgram().release();
    const QStringList before = items(list("namecb"));
    action("AddaStudent1")->trigger();
    QTest::keyClicks(edit("nstudeb"), typed);
    QCOMPARE(edit("nstudeb")->text(), typed);
    button("asbt")->click();
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), written);
    QCOMPARE(folder.dialogs().errors, QStringList());
    if (message.isEmpty()) {
        QVERIFY(label("addedlb")->isVisible());
        QVERIFY(!label("nameproblemlb")->isVisible());
        QCOMPARE(items(list("namecb")).size(), before.size() + 1);
        return;
    }
    QVERIFY(label("nameproblemlb")->isVisible());
    QCOMPARE(label("nameproblemlb")->text(), message);
    QVERIFY(!label("addedlb")->isVisible());
    QCOMPARE(items(list("namecb")), before);
    QCOMPARE(edit("nstudeb")->text(), typed);
}

void TestTeacher::rosterSharingDayFilesIsToldAtStart_data()
{
    QTest::addColumn<QByteArray>("roster");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("Ann and Ann1") << QByteArray("Guest\r\nAnn\r\nAnn1\r\nBob\r\n")
                                  << QStringList { QStringLiteral(
                                         "Ann and Ann1 are both on the student list, but their history files "
                                         "overlap: Ann's day 11 is the same file as Ann1's day 1 (Ann11.txt).") };
    QTest::newRow("two pairs, one differing in case, in one report")
        << QByteArray("Guest\r\nBo5\r\nann\r\nAnn\r\nAnn12\r\nBo\r\n")
        << QStringList { QStringLiteral(
               "Bo and Bo5 are both on the student list, but their history files overlap: Bo's day 51 is the same "
               "file as Bo5's day 1 (Bo51.txt).\n"
               "ann and Ann12 are both on the student list, but their history files overlap: ann's day 121 is the "
               "same file as Ann12's day 1 (Ann121.txt).\n"
               "ann and Ann are both on the student list, but to the computer they are one name: they share one set "
               "of history files.") };
    QTest::newRow("no days in common, one name twice")
        << QByteArray("Guest\r\nAnn\r\nAnn07\r\nAnna1\r\nann\r\n")
        << QStringList { QStringLiteral("Ann and ann are both on the student list, but to the computer they are one "
                                        "name: they share one set of history files.") };
    QTest::newRow("no days in common") << QByteArray("Guest\r\nAnn\r\nAnn07\r\nAnna1\r\n") << QStringList();
}

// A roster an earlier version wrote unchecked still loads whole; the teacher is told once.
void TestTeacher::rosterSharingDayFilesIsToldAtStart()
{
    QFETCH(QByteArray, roster);
    QFETCH(QStringList, told);
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), roster);
    window = startProgram().release();
    QCOMPARE(folder.dialogs().errors, told);
    QStringList entries = QString::fromLatin1(roster).split(QStringLiteral("\r\n"));
    entries.removeLast();
    QCOMPARE(items(list("namecb")), entries);
    choose(list("namecb"), 2);
    action("AddaStudent1")->trigger();
    addStudent("Cy");
    QVERIFY(label("addedlb")->isVisible());
    QCOMPARE(folder.dialogs().errors, told);
    // Told once on this computer: the next start, a pupil's, says nothing of it.
    delete std::exchange(window, nullptr);
    window = startProgram().release();
    QCOMPARE(folder.dialogs().errors, told);
}

void TestTeacher::rosterLinkIsWrittenOnlyWithinTheClassFolder_data()
{
    QTest::addColumn<bool>("inside");
    QTest::newRow("link to a file in the class folder") << true;
    QTest::newRow("link to a file elsewhere") << false;
}

void TestTeacher::rosterLinkIsWrittenOnlyWithinTheClassFolder()
{
#ifdef _WIN32
    QSKIP("symbolic links need an administrator, and a link is replaced, not followed");
#else
    QFETCH(bool, inside);
    TestFolder folder;
    QTemporaryDir elsewhere;
    const QString target = inside ? QDir(folder.path()).filePath(QStringLiteral("names.txt"))
                                  : elsewhere.filePath(QStringLiteral("x.txt"));
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Guest\r\nBob\r\n");
    }
    QVERIFY(QFile::link(target, QDir(folder.path()).filePath(QStringLiteral("studnames.txt"))));
    window = startProgram().release();
    QCOMPARE(items(list("namecb")), names({ "Guest", "Bob" }));
    action("AddaStudent1")->trigger();
    addStudent("Ann");
    QVERIFY(QFileInfo(QDir(folder.path()).filePath(QStringLiteral("studnames.txt"))).isSymLink());
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (inside) {
        QCOMPARE(file.readAll(), QByteArray("Guest\r\nAnn\r\nBob\r\n"));
        QCOMPARE(folder.dialogs().errors, QStringList());
        QCOMPARE(items(list("namecb")), names({ "Guest", "Ann", "Bob" }));
        return;
    }
    QCOMPARE(file.readAll(), QByteArray("Guest\r\nBob\r\n"));
    QCOMPARE(folder.dialogs().errors,
        QStringList { QStringLiteral("The file \"studnames.txt\" could not be used: A link to a file outside the class "
                                     "folder (%1); it is read but never written.")
                          .arg(QFileInfo(target).canonicalFilePath()) });
    QCOMPARE(
        QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), names({ "x.txt" }));
    QCOMPARE(items(list("namecb")), names({ "Guest", "Bob" }));
    QVERIFY(!label("addedlb")->isVisible());
#endif
}

void TestTeacher::failedRosterWriteKeepsTheOldRoster()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    {
        FileSizeLimit limit(8);
        addStudent("Bob");
    }
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(QStringLiteral("studnames.txt")));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAnn\r\n"));
    QCOMPARE(items(list("namecb")), names({ "Guest", "Ann" }));
    QVERIFY(!label("addedlb")->isVisible());
    QCOMPARE(edit("nstudeb")->text(), QStringLiteral("Bob"));
}

void TestTeacher::doneSelectsATypedEntryAndWritesGuestFirst()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Teacher\r\nAnn\r\nBob\r\n");
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    edit("nstudeb")->setText(QStringLiteral("Bob"));
    button("addonebt")->click();
    QVERIFY(!widget("nstudgb")->isVisible());
    QCOMPARE(list("namecb")->currentIndex(), 2);
    QCOMPARE(items(list("namecb")), names({ "Teacher", "Ann", "Bob" }));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAnn\r\nBob\r\n"));
}

void TestTeacher::addMenuTogglesThePanel()
{
    TestFolder folder;
    window = startProgram().release();
    action("AddaStudent1")->trigger();
    edit("nstudeb")->setText(QStringLiteral("Ca"));
    action("AddaStudent1")->trigger();
    QVERIFY(!widget("nstudgb")->isVisible());
    action("AddaStudent1")->trigger();
    QVERIFY(widget("nstudgb")->isVisible());
    QCOMPARE(edit("nstudeb")->text(), QStringLiteral("Ca"));
}

// ---- Deleting students ---------------------------------------------------------------------

void TestTeacher::deleteOpensOnTheFirstStudent()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
    window = startProgram().release();
    action("Deleteastudent1")->trigger();
    QVERIFY(widget("deletegb")->isVisible());
    QCOMPARE(items(list("deletecb")), names({ "Guest", "Ann", "Bob" }));
    QCOMPARE(list("deletecb")->currentIndex(), 1);
    QVERIFY(!list("namecb")->isEnabled());
}

void TestTeacher::guestCannotBeDeleted()
{
    TestFolder folder;
    writeDays(folder, "Guest", 1, 2);
    window = startProgram().release();
    action("Deleteastudent1")->trigger();
    QCOMPARE(list("deletecb")->currentIndex(), -1);
    button("deletebt")->click();
    choose(list("deletecb"), 0);
    button("deletebt")->click();
    button("ddbt")->click();
    QCOMPARE(items(list("namecb")), names({ "Guest" }));
    QCOMPARE(daysOf(folder, "Guest"), renumbered(1, 2));
}

void TestTeacher::deleteRemovesDaysOnDone()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\nCy\r\n");
    writeDays(folder, "Ann", { 1, 2, 4 });
    writeDays(folder, "Bob", 1, 3);
    writeDays(folder, "Cy", 1, 2);
    window = startProgram().release();
    choose(list("namecb"), 3);
    action("Deleteastudent1")->trigger();
    button("deletebt")->click(); // Ann
    QCOMPARE(list("deletecb")->currentIndex(), 0);
    button("deletebt")->click(); // "Guest" is selected again: nothing
    choose(list("deletecb"), 2);
    button("deletebt")->click(); // Cy
    QCOMPARE(items(list("deletecb")), names({ "Guest", "Bob" }));
    // Nothing is gone before Done.
    QCOMPARE(daysOf(folder, "Ann").size(), 3);
    QCOMPARE(daysOf(folder, "Cy").size(), 2);

    button("ddbt")->click();
    QVERIFY(!widget("deletegb")->isVisible());
    QVERIFY(list("namecb")->isEnabled());
    QCOMPARE(items(list("namecb")), names({ "Guest", "Bob" }));
    QCOMPARE(list("namecb")->currentIndex(), 0);
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nBob\r\n"));
    QCOMPARE(daysOf(folder, "Ann"), (DayMap { { 4, 4 } }));
    QVERIFY(daysOf(folder, "Cy").isEmpty());
    QCOMPARE(daysOf(folder, "Bob"), renumbered(1, 3));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestTeacher::cancelDeletesNothing()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    writeDays(folder, "Ann", 1, 3);
    window = startProgram().release();
    action("Deleteastudent1")->trigger();
    button("deletebt")->click();
    button("Button1")->click();
    QVERIFY(!widget("deletegb")->isVisible());
    QVERIFY(list("namecb")->isEnabled());
    QCOMPARE(items(list("namecb")), names({ "Guest", "Ann" }));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAnn\r\n"));
    QCOMPARE(daysOf(folder, "Ann"), renumbered(1, 3));

    // A deletion made before the panel was opened again does not come back at Done.
    action("Deleteastudent1")->trigger();
    button("deletebt")->click();
    action("Deleteastudent1")->trigger();
    button("ddbt")->click();
    QCOMPARE(items(list("namecb")), names({ "Guest", "Ann" }));
    QCOMPARE(daysOf(folder, "Ann"), renumbered(1, 3));
}

void TestTeacher::doneKeepsNamesAddedMeanwhile()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
    window = startProgram().release();
    action("Deleteastudent1")->trigger();
    button("deletebt")->click(); // Ann
    action("AddaStudent1")->trigger();
    addStudent("Al");
    button("ddbt")->click();
    QCOMPARE(items(list("namecb")), names({ "Guest", "Al", "Bob" }));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nAl\r\nBob\r\n"));
}

void TestTeacher::daysOfANameStillOnTheRosterStay()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nAnn\r\n");
    writeDays(folder, "Ann", 1, 2);
    window = startProgram().release();
    action("Deleteastudent1")->trigger();
    button("deletebt")->click();
    button("ddbt")->click();
    QCOMPARE(items(list("namecb")), names({ "Guest", "Ann" }));
    QCOMPARE(daysOf(folder, "Ann"), renumbered(1, 2));
}

// ---- Clean-up ------------------------------------------------------------------------------

void TestTeacher::countListsShowZeroToTwenty()
{
    TestFolder folder;
    window = startProgram().release();
    QStringList numbers;
    for (int n = 0; n <= 20; ++n)
        numbers << QString::number(n);
    QCOMPARE(items(list("keepcb")), numbers);
    QCOMPARE(items(list("delfirstcb")), numbers);
    QVERIFY(!list("keepcb")->isEditable());
    QVERIFY(!list("delfirstcb")->isEditable());
    QVERIFY(control<QRadioButton>(window, "keeprb")->isChecked());
}

void TestTeacher::cleanUpOneStudent_data()
{
    QTest::addColumn<QByteArray>("choice"); // the radio button
    QTest::addColumn<int>("count"); // the number chosen in its list
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("oldDays"); // the first days, written 13 months ago; the others today
    QTest::addColumn<DayMap>("after");
    QTest::newRow("keep last 10 of 12") << QByteArray("keeprb") << 10 << 12 << 0 << renumbered(3, 12);
    QTest::newRow("keep last 3 of 12") << QByteArray("keeprb") << 3 << 12 << 0 << renumbered(10, 12);
    QTest::newRow("delete first 5 of 12") << QByteArray("delrb") << 5 << 12 << 0 << renumbered(6, 12);
    QTest::newRow("keep last 17 of 12") << QByteArray("keeprb") << 17 << 12 << 0 << renumbered(1, 12);
    QTest::newRow("keep last 0") << QByteArray("keeprb") << 0 << 4 << 0 << DayMap {};
    QTest::newRow("delete first 0") << QByteArray("delrb") << 0 << 4 << 0 << renumbered(1, 4);
    QTest::newRow("older than 12 months, 4 of 12") << QByteArray("oldrb") << 12 << 12 << 4 << renumbered(5, 12);
    QTest::newRow("older than 14 months, 4 of 12") << QByteArray("oldrb") << 14 << 12 << 4 << renumbered(1, 12);
}

void TestTeacher::cleanUpOneStudent()
{
    QFETCH(QByteArray, choice);
    QFETCH(int, count);
    QFETCH(int, days);
    QFETCH(int, oldDays);
    QFETCH(DayMap, after);
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
    writeDays(folder, "Ann", 1, days);
    writeDays(folder, "Bob", 1, days);
    const QDateTime longAgo = QDateTime::currentDateTime().addMonths(-13);
    for (int day = 1; day <= oldDays; ++day) {
        for (const char* pupil : { "Ann", "Bob" }) {
            QFile file(folder.path() + QStringLiteral("/%1%2.txt").arg(QLatin1String(pupil)).arg(day));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
    }
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    QVERIFY(widget("cleanupgb")->isVisible());
    QCOMPARE(items(list("cleanupcb")), names({ "Guest", "Ann", "Bob", "All" }));
    QCOMPARE(list("cleanupcb")->currentText(), QStringLiteral("All"));
    control<QRadioButton>(window, choice.constData())->click();
    QComboBox* numbers = list(choice == "keeprb" ? "keepcb" : choice == "delrb" ? "delfirstcb" : "oldcb");
    choose(numbers, numbers->findText(QString::number(count)));
    choose(list("cleanupcb"), 1);
    button("cleanupbt")->click();
    QCOMPARE(daysOf(folder, "Ann"), after);
    QCOMPARE(daysOf(folder, "Bob"), renumbered(1, days));
    QCOMPARE(label("dlb")->isVisible(), after.size() < days);
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestTeacher::cleanUpAllIncludesGuest()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
    writeDays(folder, "Guest", 1, 5);
    writeDays(folder, "Ann", 1, 12);
    writeDays(folder, "Bob", 1, 2);
    writeDays(folder, "Ann", { 14 }); // beyond a gap
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    choose(list("keepcb"), 3);
    button("cleanupbt")->click();
    QVERIFY(label("dlb")->isVisible());
    QCOMPARE(daysOf(folder, "Guest"), renumbered(3, 5));
    DayMap ann = renumbered(10, 12);
    ann[14] = 14;
    QCOMPARE(daysOf(folder, "Ann"), ann);
    QCOMPARE(daysOf(folder, "Bob"), renumbered(1, 2));
}

void TestTeacher::allIsTheLastItemOfThePanelsList()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nBob\r\n");
    writeDays(folder, "Guest", 1, 3);
    writeDays(folder, "Bob", 1, 3);
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    // The roster grows while the panel is open; its list does not.
    action("AddaStudent1")->trigger();
    addStudent("Ann");
    QCOMPARE(items(list("cleanupcb")), names({ "Guest", "Bob", "All" }));
    choose(list("keepcb"), 1);
    choose(list("cleanupcb"), 2);
    button("cleanupbt")->click();
    QCOMPARE(daysOf(folder, "Guest"), renumbered(3, 3));
    QCOMPARE(daysOf(folder, "Bob"), renumbered(3, 3));
}

void TestTeacher::deletedShowsOnlyWhenSomethingWent()
{
    TestFolder folder;
    writeDays(folder, "Guest", 1, 2);
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    button("cleanupbt")->click(); // keep the last 10 of 2
    QVERIFY(!label("dlb")->isVisible());
    choose(list("keepcb"), 1);
    button("cleanupbt")->click();
    QVERIFY(label("dlb")->isVisible());
    QCOMPARE(daysOf(folder, "Guest"), renumbered(2, 2));
    button("cleanupbt")->click(); // nothing more to delete
    QVERIFY(!label("dlb")->isVisible());
}

void TestTeacher::deletedHidesOnChangeAndRadioButNotOnCount()
{
    TestFolder folder;
    writeDays(folder, "Guest", 1, 9);
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    auto deleteOneDay = [this] {
        choose(list("keepcb"), 0);
        control<QRadioButton>(window, "delrb")->click();
        choose(list("delfirstcb"), 1);
        button("cleanupbt")->click();
        QVERIFY(label("dlb")->isVisible());
    };
    deleteOneDay();
    choose(list("delfirstcb"), 2);
    choose(list("keepcb"), 2);
    QVERIFY(label("dlb")->isVisible());
    control<QRadioButton>(window, "delrb")->click(); // already chosen
    QVERIFY(label("dlb")->isVisible());
    control<QRadioButton>(window, "keeprb")->click();
    QVERIFY(!label("dlb")->isVisible());

    deleteOneDay();
    choose(list("cleanupcb"), 0);
    QVERIFY(!label("dlb")->isVisible());

    deleteOneDay();
    button("Button2")->click();
    QVERIFY(!widget("cleanupgb")->isVisible());
    action("Filecleanup1")->trigger();
    QVERIFY(!label("dlb")->isVisible());
    // The counts and the choice of radio button stay from one opening to the next.
    QCOMPARE(list("delfirstcb")->currentIndex(), 1);
    QVERIFY(control<QRadioButton>(window, "delrb")->isChecked());
    QCOMPARE(daysOf(folder, "Guest"), renumbered(4, 9));
}

void TestTeacher::typedTextChoosesNobody()
{
    TestFolder folder;
    writeDays(folder, "Guest", 1, 3);
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    choose(list("keepcb"), 0);
    list("cleanupcb")->lineEdit()->selectAll();
    QTest::keyClicks(list("cleanupcb")->lineEdit(), QStringLiteral("Gue"));
    QTest::keyClick(list("cleanupcb")->lineEdit(), Qt::Key_Return);
    QCOMPARE(items(list("cleanupcb")), names({ "Guest", "All" }));
    button("cleanupbt")->click();
    QVERIFY(!label("dlb")->isVisible());
    QCOMPARE(daysOf(folder, "Guest"), renumbered(1, 3));
}

static bool setImmutable(const QString& path, bool on)
{
    return setImmutable(QFile::encodeName(path).constData(), on);
}

void TestTeacher::refusedRenameIsReported()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    writeDays(folder, "Ann", 1, 4);
    const QString locked = folder.path() + QStringLiteral("/Ann3.txt");
    if (!setImmutable(locked, true))
        QSKIP("this file system or process cannot make a file immutable");
    window = startProgram().release();
    action("Filecleanup1")->trigger();
    choose(list("keepcb"), 2);
    choose(list("cleanupcb"), 1);
    button("cleanupbt")->click();
    setImmutable(locked, false);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.dialogs().errors.first(),
        QStringLiteral("Could not renumber Ann's day 3 as day 1: Operation not permitted"));
    QVERIFY(label("dlb")->isVisible());
    // Day 3 kept its number, and day 4 follows it; nothing was written over.
    QCOMPARE(daysOf(folder, "Ann"), (DayMap { { 3, 3 }, { 4, 4 } }));
}

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
