// Faults while the program writes its files, through the real window. Every test runs as root
// may, so the faults are ones permissions cannot stand in for: a folder standing where the file
// must go, a file system that takes only a few bytes more (a full disk), and a name the file
// system refuses. For each file the program writes, a failed write is reported once naming the
// file, the program carries on, nothing on disk or in memory is lost, and once the fault is gone
// the same command succeeds.

#include "../core/filesizelimit.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/windows/folderwait.h"
#include "guitest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <future>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

enum class Fault {
    FolderInTheWay,
    DiskFull,
    NameTooLong, // longer than a file name may be
    NameWithSlash, // a name that would be a path
};
Q_DECLARE_METATYPE(Fault)

namespace {

// Everything in the folder, hidden files included, so a write left aside would show.
QStringList folderEntries(const TestFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Puts a fault in the way of writing one file for as long as it lives. A folder takes the
// file's place (the file, if any, has to go for that); a full disk leaves the file alone and
// lets no write grow past a few bytes.
class InjectedFault {
public:
    InjectedFault(const TestFolder& folder, Fault fault, const QString& file)
        : m_folder(folder)
        , m_file(file)
        , m_fault(fault)
    {
        if (fault == Fault::FolderInTheWay) {
            QDir(folder.path()).remove(file);
            QVERIFY(QDir(folder.path()).mkdir(file));
        } else if (fault == Fault::DiskFull) {
            m_limit.emplace(8);
        }
    }
    ~InjectedFault() { lift(); }
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;

    // A full disk ends with the command; a folder stays until the test clears the way.
    void endOfCommand() { m_limit.reset(); }
    void lift()
    {
        m_limit.reset();
        if (m_fault == Fault::FolderInTheWay)
            QDir(m_folder.path()).rmdir(m_file);
    }

private:
    const TestFolder& m_folder;
    QString m_file;
    Fault m_fault;
    std::optional<FileSizeLimit> m_limit;
};

// A user facing a class folder that does not answer, the wait cut to 300 ms: presses Escape at
// the first sight of the waiting dialog, then Stop Waiting once the dialog says the folder does
// not answer, noting what it said.
struct UserWhoStopsWaiting {
    explicit UserWhoStopsWaiting(QWidget* window)
        : tenSeconds(std::exchange(folderwait::notAnsweringAfter(), std::chrono::milliseconds(300)))
    {
        QObject::connect(&timer, &QTimer::timeout, window, [this, window] {
            auto* dialog = window->findChild<QProgressDialog*>(QStringLiteral("folderwaitprogress"));
            if (!dialog || !dialog->isVisible())
                return;
            if (!escapeTried) {
                escapeTried = true;
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            escapeIgnored = true; // the dialog still shows after Escape
            auto* stop = dialog->findChild<QPushButton*>();
            if (!stop || !dialog->labelText().simplified().contains(folderwait::notAnsweringText()))
                return;
            told = dialog->labelText().simplified(); // broken into lines for the dialog's width
            QTest::mouseClick(stop, Qt::LeftButton);
        });
        timer.start(20);
    }
    ~UserWhoStopsWaiting() { folderwait::notAnsweringAfter() = tenSeconds; }

    std::chrono::milliseconds tenSeconds;
    QTimer timer;
    bool escapeTried = false;
    bool escapeIgnored = false;
    QString told;
};

struct Program {
    explicit Program(TestFolder& folder)
        : folder(folder)
        , window(startProgram())
    {
    }

    template <class T> T* find(const char* name) const { return control<T>(window.get(), name); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QStringList roster() const { return items(find<QComboBox>("namecb")); }
    const quorvex::AnswerLog& log() const { return MainWindowTestAccess::answerLog(*window); }

    // Asks the next question and answers it rightly after the given tenths.
    void answer(int tenths)
    {
        find<QPushButton>("Questionbt")->click();
        invoke(window.get(), "ctrTimer", tenths);
        auto* anseb = find<QLineEdit>("anseb");
        QTest::keyClicks(anseb, QString::number(rightAnswer(find<QLabel>("qlb")->text())));
        QTest::keyClick(anseb, Qt::Key_Return);
    }

    std::vector<int32_t> ticks() const
    {
        std::vector<int32_t> ticks;
        for (const quorvex::Treslts& record : log().records())
            ticks.push_back(record.ticks);
        return ticks;
    }

    bool teacherCommandsEnabled(bool enabled) const
    {
        for (const char* name : { "Deleteastudent1", "AddaStudent1", "Filecleanup1" }) {
            if (action(name)->isEnabled() != enabled)
                return false;
        }
        return true;
    }

    TestFolder& folder;
    std::unique_ptr<Tflashcardfrm> window;
};

// The last field of each line of a day file, its tenths.
std::vector<int32_t> ticksInDay(const QByteArray& day)
{
    std::vector<int32_t> ticks;
    for (const QByteArray& line : day.split('\n')) {
        if (!line.isEmpty())
            ticks.push_back(line.mid(line.lastIndexOf(',') + 1).trimmed().toInt());
    }
    return ticks;
}

const QString rosterFile = QStringLiteral("studnames.txt");
const QString passwordFile = QStringLiteral("password.txt");

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedRosterWrite_data();
    void failedRosterWrite();
    void failedPasswordWrite_data();
    void failedPasswordWrite();
    void failedDaySave_data();
    void failedDaySave();
    void dayGoneWhileTheViewListsIt_data();
    void dayGoneWhileTheViewListsIt();
    void specialFileAtStart_data();
    void specialFileAtStart();
    void saveWhileAnotherComputerHoldsTheDays();
    void passwordSetOnAnotherComputer_data();
    void passwordSetOnAnotherComputer();
    void rosterChangesOfAnotherComputerAreMerged();
    void classFolderThatStopsAnswering();
    void saveStoppedWhileTheFolderDoesNotAnswer();
};

void TestFaults::failedRosterWrite_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("rosterAfter");
    QTest::addColumn<QByteArray>("fileAfter");
    for (const auto& [name, fault] :
        { std::pair { "folder in the way", Fault::FolderInTheWay }, std::pair { "disk full", Fault::DiskFull } }) {
        QTest::addRow("Add, %s", name) << QStringLiteral("Add") << fault
                                       << QStringList { QStringLiteral("Guest"), QStringLiteral("Ann"),
                                              QStringLiteral("Bob"), QStringLiteral("Cy") }
                                       << QByteArray("Guest\r\nAnn\r\nBob\r\nCy\r\n");
        QTest::addRow("Done adding, %s", name)
            << QStringLiteral("Done adding") << fault
            << QStringList { QStringLiteral("Guest"), QStringLiteral("Ann"), QStringLiteral("Bob") }
            << QByteArray("Guest\r\nAnn\r\nBob\r\n");
        QTest::addRow("Done deleting, %s", name)
            << QStringLiteral("Done deleting") << fault
            << QStringList { QStringLiteral("Guest"), QStringLiteral("Ann") } << QByteArray("Guest\r\nAnn\r\n");
    }
}

void TestFaults::failedRosterWrite()
{
    QFETCH(QString, command);
    QFETCH(Fault, fault);
    QFETCH(QStringList, rosterAfter);
    QFETCH(QByteArray, fileAfter);

    TestFolder folder;
    const QByteArray rosterBefore = "Guest\r\nAnn\r\nBob\r\n";
    const QByteArray bobsDay = "Addition ,1 ,2 + 3 = 5 ,5 ,12\r\n";
    folder.write(rosterFile, rosterBefore);
    folder.write(QStringLiteral("Bob1.txt"), bobsDay);
    Program program(folder);
    const QStringList rosterShown = program.roster();

    QPushButton* button = nullptr;
    QGroupBox* panel = nullptr;
    if (command == QStringLiteral("Add")) {
        program.action("AddaStudent1")->trigger();
        program.find<QLineEdit>("nstudeb")->setText(QStringLiteral("Cy"));
        button = program.find<QPushButton>("asbt");
        panel = program.find<QGroupBox>("nstudgb");
    } else if (command == QStringLiteral("Done adding")) {
        program.action("AddaStudent1")->trigger();
        button = program.find<QPushButton>("addonebt");
        panel = program.find<QGroupBox>("nstudgb");
    } else {
        program.action("Deleteastudent1")->trigger();
        program.find<QComboBox>("deletecb")->setCurrentIndex(2);
        program.find<QPushButton>("deletebt")->click();
        button = program.find<QPushButton>("ddbt");
        panel = program.find<QGroupBox>("deletegb");
    }

    InjectedFault injected(folder, fault, rosterFile);
    button->click();
    injected.endOfCommand();

    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(rosterFile));
    // The panel stays open with the roster as it was, in the list and on disk.
    QVERIFY(program.window->isVisible());
    QVERIFY(panel->isVisible());
    QCOMPARE(program.roster(), rosterShown);
    if (command == QStringLiteral("Add"))
        QCOMPARE(program.find<QLineEdit>("nstudeb")->text(), QStringLiteral("Cy"));
    if (fault == Fault::DiskFull)
        QCOMPARE(folder.read(rosterFile), rosterBefore);
    else
        QVERIFY(QFileInfo(QDir(folder.path()).filePath(rosterFile)).isDir());
    QCOMPARE(folder.read(QStringLiteral("Bob1.txt")), bobsDay);
    QCOMPARE(folderEntries(folder), sorted({ rosterFile, QStringLiteral("Bob1.txt") }));

    injected.lift();
    button->click();
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.read(rosterFile), fileAfter);
    QCOMPARE(program.roster(), rosterAfter);
    const bool bobDeleted = command == QStringLiteral("Done deleting");
    QCOMPARE(folder.exists(QStringLiteral("Bob1.txt")), !bobDeleted);
    QCOMPARE(panel->isVisible(), command == QStringLiteral("Add"));
}

void TestFaults::failedPasswordWrite_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("folder in the way, Set Password") << Fault::FolderInTheWay << false;
    QTest::newRow("folder in the way, Enter") << Fault::FolderInTheWay << true;
    QTest::newRow("disk full, Set Password") << Fault::DiskFull << false;
    QTest::newRow("disk full, Enter") << Fault::DiskFull << true;
}

void TestFaults::failedPasswordWrite()
{
    QFETCH(Fault, fault);
    QFETCH(bool, byEnter);

    TestFolder folder;
    Program program(folder);
    program.action("logintoaccess1")->trigger();
    auto* newpasseb = program.find<QLineEdit>("newpasseb");
    // Long enough that a full disk cuts it off.
    const QString password = QStringLiteral("Owl and pussycat");
    newpasseb->setText(password);
    auto* repeatpasseb = program.find<QLineEdit>("repeatpasseb");
    repeatpasseb->setText(password);
    const auto setPassword = [&] {
        if (byEnter)
            QTest::keyClick(repeatpasseb, Qt::Key_Return);
        else
            program.find<QPushButton>("Button3")->click();
    };

    {
        InjectedFault injected(folder, fault, passwordFile);
        setPassword();
        injected.endOfCommand();

        QCOMPARE(folder.dialogs().errors.size(), 1);
        QVERIFY(folder.dialogs().errors.first().contains(passwordFile));
        // Still without a password: no half-written file could lock the teacher out.
        QVERIFY(program.window->isVisible());
        QVERIFY(program.find<QGroupBox>("nologingb")->isVisible());
        QCOMPARE(newpasseb->text(), password);
        QCOMPARE(program.action("logintoaccess1")->text(), QStringLiteral("Click here to create &Password"));
        QVERIFY(program.teacherCommandsEnabled(true));
        QCOMPARE(folderEntries(folder),
            fault == Fault::FolderInTheWay ? sorted({ rosterFile, passwordFile }) : QStringList { rosterFile });
    }

    setPassword();
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.read(passwordFile), password.toLatin1() + "\r\n");
    QCOMPARE(program.action("logintoaccess1")->text(), QStringLiteral("Login"));
    QVERIFY(program.teacherCommandsEnabled(false));
    QVERIFY(!program.find<QGroupBox>("nologingb")->isVisible());

    // And the password set after the fault opens the lock.
    program.action("logintoaccess1")->trigger();
    program.find<QLineEdit>("passeb")->setText(password);
    program.find<QPushButton>("Button5")->click();
    QVERIFY(program.teacherCommandsEnabled(true));
}

void TestFaults::failedDaySave_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("onClose");
    const std::pair<const char*, Fault> faults[] { { "folder in the way", Fault::FolderInTheWay },
        { "disk full", Fault::DiskFull }, { "name too long", Fault::NameTooLong },
        { "name with a slash", Fault::NameWithSlash } };
    for (const auto& [name, fault] : faults) {
        QTest::addRow("change of student, %s", name) << fault << false;
        QTest::addRow("close, %s", name) << fault << true;
    }
}

void TestFaults::failedDaySave()
{
    QFETCH(Fault, fault);
    QFETCH(bool, onClose);

    TestFolder folder;
    QString student = QStringLiteral("Cy");
    if (fault == Fault::NameTooLong)
        student = QString(300, QLatin1Char('L'));
    else if (fault == Fault::NameWithSlash)
        student = QStringLiteral("Cy/Di");
    const QByteArray earlierDay = "Addition ,1 ,2 + 3 = 5 ,5 ,12\r\n";
    folder.write(rosterFile, "Guest\r\nAnn\r\n" + student.toLatin1() + "\r\n");
    const bool nameRefused = fault == Fault::NameTooLong || fault == Fault::NameWithSlash;
    const QString firstDay = nameRefused ? QString() : student + QStringLiteral("1.txt");
    const QString newDay
        = student + (fault == Fault::FolderInTheWay ? QStringLiteral("1.txt") : QStringLiteral("2.txt"));
    if (fault == Fault::DiskFull)
        folder.write(firstDay, earlierDay);
    Program program(folder);
    choose(program.find<QComboBox>("namecb"), 2);
    program.answer(4);
    program.answer(7);
    const std::vector<int32_t> answered { 4, 7 };
    const QStringList entriesBefore = folderEntries(folder);

    std::optional<InjectedFault> injected;
    if (!nameRefused)
        injected.emplace(folder, fault, newDay);
    const QStringList entriesWithFault = folderEntries(folder);
    folder.dialogs().answerYes = false;
    if (onClose) {
        QVERIFY(!program.window->close());
        QCOMPARE(folder.dialogs().questions.size(), 1);
    } else {
        choose(program.find<QComboBox>("namecb"), 1);
    }
    if (injected)
        injected->endOfCommand();

    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY2(folder.dialogs().errors.first().contains(student), qPrintable(folder.dialogs().errors.first()));
    // The answers are still in memory, with the student who gave them, and nothing on disk moved.
    QVERIFY(program.window->isVisible());
    QCOMPARE(program.find<QComboBox>("namecb")->currentText(), student);
    QCOMPARE(program.ticks(), answered);
    QCOMPARE(folderEntries(folder), entriesWithFault);
    if (fault == Fault::DiskFull)
        QCOMPARE(folder.read(firstDay), earlierDay);

    // The pupil can go on answering; the next occasion saves everything.
    program.answer(3);
    QCOMPARE(program.ticks(), (std::vector<int32_t> { 4, 7, 3 }));
    if (nameRefused) {
        folder.dialogs().answerYes = true;
        QVERIFY(program.window->close());
        QCOMPARE(folder.dialogs().errors.size(), 2);
        QCOMPARE(folderEntries(folder), entriesBefore);
        return;
    }
    injected.reset();
    if (onClose) {
        QVERIFY(program.window->close());
    } else {
        choose(program.find<QComboBox>("namecb"), 1);
        QCOMPARE(program.find<QComboBox>("namecb")->currentText(), QStringLiteral("Ann"));
        QCOMPARE(program.log().askedCount(), 0);
    }
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(ticksInDay(folder.read(newDay)), (std::vector<int32_t> { 4, 7, 3 }));
    if (fault == Fault::DiskFull)
        QCOMPARE(folder.read(firstDay), earlierDay);
}

void TestFaults::dayGoneWhileTheViewListsIt_data()
{
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("removed") << false;
    QTest::newRow("a folder in its place") << true;
}

void TestFaults::dayGoneWhileTheViewListsIt()
{
    QFETCH(bool, folderInItsPlace);

    TestFolder folder;
    folder.write(rosterFile, "Guest\r\nAnn\r\n");
    folder.write(QStringLiteral("Guest1.txt"), "Addition ,1 ,1 + 1 = 2 ,2 ,11\r\nAddition ,0 ,1 + 2 = 3 ,4 ,12\r\n");
    folder.write(QStringLiteral("Guest2.txt"), "Addition ,1 ,2 + 2 = 4 ,4 ,21\r\n");
    folder.write(QStringLiteral("Guest3.txt"), "Addition ,1 ,3 + 3 = 6 ,6 ,31\r\n");
    Program program(folder);
    program.answer(5);
    const quorvex::AnswerLog own = program.log();

    program.find<QCheckBox>("showhistorycb")->setChecked(true);
    auto* hiscb = program.find<QComboBox>("hiscb");
    QCOMPARE(items(hiscb), (QStringList { QStringLiteral("Day 1"), QStringLiteral("Day 2"), QStringLiteral("Day 3") }));
    QCOMPARE(program.ticks(), (std::vector<int32_t> { 11, 12 }));

    QVERIFY(QDir(folder.path()).remove(QStringLiteral("Guest2.txt")));
    if (folderInItsPlace)
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Guest2.txt")));
    choose(hiscb, 1);
    // Nothing to load: the page keeps the day it showed, and nothing is reported.
    QVERIFY(program.window->isVisible());
    QCOMPARE(program.ticks(), (std::vector<int32_t> { 11, 12 }));
    QVERIFY(folder.dialogs().errors.isEmpty());
    choose(hiscb, 2);
    QCOMPARE(program.ticks(), (std::vector<int32_t> { 31 }));

    program.find<QCheckBox>("showhistorycb")->setChecked(false);
    QCOMPARE(program.log(), own);

    // The pupil's own answers are saved at the next occasion: into the gap the removed day
    // left, or, with a folder there, not at all but reported and kept.
    choose(program.find<QComboBox>("namecb"), 1);
    if (folderInItsPlace) {
        QCOMPARE(folder.dialogs().errors.size(), 1);
        QVERIFY(folder.dialogs().errors.first().contains(QStringLiteral("Guest2.txt")));
        QCOMPARE(program.log(), own);
    } else {
        QVERIFY(folder.dialogs().errors.isEmpty());
        QVERIFY(folder.read(QStringLiteral("Guest2.txt")).endsWith(" ,5\r\n"));
        QCOMPARE(folder.read(QStringLiteral("Guest3.txt")), QByteArray("Addition ,1 ,3 + 3 = 6 ,6 ,31\r\n"));
    }
}

QTEST_MAIN(TestFaults)
// Work on a share that stops answering: the window tells so and lets the user stop waiting,
// while the work goes on and hands in what it brings when the share answers again.
void TestFaults::classFolderThatStopsAnswering()
{
    TestFolder folder;
    Program program(folder);
    std::promise<int> share;
    std::shared_future<int> answered = share.get_future().share();
    UserWhoStopsWaiting user(program.window.get());
    // Should the window never offer to stop, the share answers after a while and the test fails.
    bool shareAnswered = false;
    QTimer::singleShot(5000, program.window.get(), [&] {
        if (!std::exchange(shareAnswered, true))
            share.set_value(-1);
    });
    std::optional<int> late;
    const std::optional<int> waited = folderwait::runOffWindow<int>(
        program.window.get(), { .text = QStringLiteral("Saving Ann's answers...") },
        [answered] { return answered.get(); }, [&](int value) { late = value; });

    QVERIFY(!waited);
    QVERIFY(user.escapeIgnored);
    QCOMPARE(user.told,
        QStringLiteral("Saving Ann's answers... The class folder %1 has not answered for 0 seconds: the network, "
                       "or the computer that shares it, may be down. Nothing is lost. You may go on waiting, or "
                       "stop waiting and try again later.")
            .arg(QDir::toNativeSeparators(QDir::currentPath())));
    QVERIFY(!std::exchange(shareAnswered, true));
    share.set_value(7);
    QTRY_COMPARE(late, std::optional<int>(7));
}

// A save the user stopped waiting for goes on: no second save of the answers starts meanwhile,
// and once it lands the answers count as saved, so none is saved twice.
void TestFaults::saveStoppedWhileTheFolderDoesNotAnswer()
{
    TestFolder folder;
    folder.write(rosterFile, "Guest\r\nAnn\r\nCy\r\n");
    folder.write(QStringLiteral(".~Cy.days.lock"), "computer pc-7\nprocess 4242\ntime 2026-12-08 09:15:00\n");
    Program program(folder);
    choose(program.find<QComboBox>("namecb"), 2);
    program.answer(4);
    {
        UserWhoStopsWaiting user(program.window.get());
        program.action("SaveData1")->trigger();
        program.action("SaveData1")->trigger();
    }
    QCOMPARE(folder.dialogs().errors,
        (QStringList { QStringLiteral("Cy's answers could not be saved: the class folder did not answer. They are "
                                      "kept, to be saved at the next occasion."),
            QStringLiteral("The class folder has not yet answered the last save of Cy's answers. They are kept, "
                           "to be saved once it has.") }));

    QVERIFY(QDir(folder.path()).remove(QStringLiteral(".~Cy.days.lock")));
    QTRY_VERIFY(folder.exists(QStringLiteral("Cy1.txt")));
    QTest::qWait(50); // the landing handed to the window
    choose(program.find<QComboBox>("namecb"), 1);
    QCOMPARE(folder.dialogs().errors.size(), 2);
    QCOMPARE(ticksInDay(folder.read(QStringLiteral("Cy1.txt"))), std::vector<int32_t> { 4 });
    QCOMPARE(folderEntries(folder), sorted({ rosterFile, QStringLiteral("Cy1.txt") }));
}

#include "tst_faults.moc"

void TestFaults::specialFileAtStart_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("fifo");
    for (const QString& file : { rosterFile, passwordFile }) {
        QTest::addRow("%s is a FIFO", qPrintable(file)) << file << true;
        QTest::addRow("%s links to /dev/zero", qPrintable(file)) << file << false;
    }
}

// Neither waits for a writer nor reads without end: the program starts, and says why the file
// was not used.
void TestFaults::specialFileAtStart()
{
    QFETCH(QString, file);
    QFETCH(bool, fifo);
    TestFolder folder;
    const QByteArray path = QDir(folder.path()).filePath(file).toLocal8Bit();
    QVERIFY(fifo ? ::mkfifo(path.constData(), 0644) == 0 : ::symlink("/dev/zero", path.constData()) == 0);
    Program program(folder);
    QCOMPARE(folder.dialogs().errors,
        QStringList { QStringLiteral("The file \"%1\" could not be used: Not a regular file (a pipe, a device or "
                                     "the like).")
                          .arg(file) });
    QCOMPARE(program.roster(), QStringList { QStringLiteral("Guest") });
    // An unusable password file still locks the teacher commands.
    QVERIFY(program.teacherCommandsEnabled(file == rosterFile));
}

void TestFaults::saveWhileAnotherComputerHoldsTheDays()
{
    TestFolder folder;
    folder.write(rosterFile, "Guest\r\nAnn\r\nCy\r\n");
    folder.write(QStringLiteral(".~Cy.days.lock"), "computer pc-7\nprocess 4242\ntime 2026-12-08 09:15:00\n");
    Program program(folder);
    choose(program.find<QComboBox>("namecb"), 2);
    program.answer(4);
    choose(program.find<QComboBox>("namecb"), 1);
    QCOMPARE(folder.dialogs().errors,
        QStringList { QStringLiteral("The file \"Cy1.txt\" could not be used: Cy's days are in use by computer "
                                     "pc-7, process 4242, since 2026-12-08 09:15:00; the answers are kept, save "
                                     "again in a moment.") });
    QCOMPARE(program.find<QComboBox>("namecb")->currentText(), QStringLiteral("Cy"));
    QCOMPARE(program.ticks(), std::vector<int32_t> { 4 });

    QVERIFY(QDir(folder.path()).remove(QStringLiteral(".~Cy.days.lock")));
    choose(program.find<QComboBox>("namecb"), 1);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(ticksInDay(folder.read(QStringLiteral("Cy1.txt"))), std::vector<int32_t> { 4 });
    QCOMPARE(folderEntries(folder), sorted({ rosterFile, QStringLiteral("Cy1.txt") }));
}

void TestFaults::passwordSetOnAnotherComputer_data()
{
    QTest::addColumn<bool>("panelOpenAlready");
    QTest::addColumn<QString>("command");
    QTest::newRow("while the panel is open") << true << QStringLiteral("logintoaccess1");
    QTest::newRow("before the menu is opened") << false << QStringLiteral("logintoaccess1");
    for (const char* command : { "AddaStudent1", "Deleteastudent1", "Filecleanup1" })
        QTest::addRow("by %s", command) << false << QString::fromLatin1(command);
}

void TestFaults::passwordSetOnAnotherComputer()
{
    QFETCH(bool, panelOpenAlready);
    QFETCH(QString, command);
    TestFolder folder;
    Program program(folder);
    if (panelOpenAlready)
        program.action("logintoaccess1")->trigger();
    folder.write(passwordFile, "Owl\r\n");
    if (panelOpenAlready) {
        program.find<QLineEdit>("newpasseb")->setText(QStringLiteral("Cat"));
        program.find<QLineEdit>("repeatpasseb")->setText(QStringLiteral("Cat"));
        program.find<QPushButton>("Button3")->click();
    } else {
        program.action(command.toLatin1().constData())->trigger();
    }
    for (const char* panel : { "nstudgb", "deletegb", "cleanupgb" })
        QVERIFY2(!program.find<QGroupBox>(panel)->isVisible(), panel);
    QCOMPARE(folder.dialogs().errors,
        QStringList { QStringLiteral(
            "A teacher password has been set on another computer meanwhile. Log in with that password.") });
    QCOMPARE(folder.read(passwordFile), QByteArray("Owl\r\n"));
    QCOMPARE(program.action("logintoaccess1")->text(), QStringLiteral("Login"));
    QVERIFY(program.teacherCommandsEnabled(false));
    QVERIFY(!program.find<QGroupBox>("nologingb")->isVisible());

    if (command != QStringLiteral("logintoaccess1") || panelOpenAlready)
        program.action("logintoaccess1")->trigger();
    QVERIFY(program.find<QGroupBox>("logingb")->isVisible());
    program.find<QLineEdit>("passeb")->setText(QStringLiteral("Owl"));
    program.find<QPushButton>("Button5")->click();
    QVERIFY(program.teacherCommandsEnabled(true));
}

void TestFaults::rosterChangesOfAnotherComputerAreMerged()
{
    TestFolder folder;
    folder.write(rosterFile, "Guest\r\nAnn\r\nBob\r\n");
    Program program(folder);
    folder.write(rosterFile, "Guest\r\nAnn\r\nBob\r\nZed\r\n");
    program.action("AddaStudent1")->trigger();
    program.find<QLineEdit>("nstudeb")->setText(QStringLiteral("Cy"));
    program.find<QPushButton>("asbt")->click();
    const QStringList added { QStringLiteral("Guest"), QStringLiteral("Ann"), QStringLiteral("Bob"),
        QStringLiteral("Cy"), QStringLiteral("Zed") };
    QCOMPARE(program.roster(), added);
    QCOMPARE(folder.read(rosterFile), QByteArray("Guest\r\nAnn\r\nBob\r\nCy\r\nZed\r\n"));

    // Deleted elsewhere, and a name added there, while Ann is deleted here.
    folder.write(rosterFile, "Guest\r\nAnn\r\nCy\r\nDi\r\nZed\r\n");
    program.action("Deleteastudent1")->trigger();
    program.find<QComboBox>("deletecb")->setCurrentIndex(1);
    program.find<QPushButton>("deletebt")->click();
    program.find<QPushButton>("ddbt")->click();
    QCOMPARE(folder.read(rosterFile), QByteArray("Guest\r\nCy\r\nDi\r\nZed\r\n"));
    QCOMPARE(program.roster(),
        (QStringList { QStringLiteral("Guest"), QStringLiteral("Cy"), QStringLiteral("Di"), QStringLiteral("Zed") }));
    QVERIFY(folder.dialogs().errors.isEmpty());
}
