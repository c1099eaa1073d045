// The program in German, French and Spanish: the language chosen at start, the windows in it,
// and the files exactly as in English.

#include "core/classfolder/fileio.h"
#include "core/reports/certificatetext.h"
#include "gui/controls/imagecontrol.h"
#include "gui/platform/translations.h"
#include "gui/windows/certificatefrm.h"
#include "gui/windows/fluencyplan.h"
#include "gui/wording/faultwords.h"
#include "gui/wording/phrases.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBrowser>
#include <cerrno>
#include <functional>
#include <utility>

namespace {

// A sitting as a pupil gives it: a fixed draw, every operation, right and wrong answers, a
// pupil added by the teacher; the bytes of the files it leaves behind.
QByteArray sittingFiles(const QString& language)
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    useLanguage(language);
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    MainWindowTestAccess::seed(*w, 7);
    control<QAction>(w, "AddaStudent1")->trigger();
    control<QLineEdit>(w, "nstudeb")->setText(QStringLiteral("Bea"));
    control<QPushButton>(w, "asbt")->click();
    control<QPushButton>(w, "addonebt")->click();
    choose(control<QComboBox>(w, "namecb"), 1);
    for (const char* operation : { "addrb", "subrb", "Multirb", "divrb" }) {
        control<QRadioButton>(w, operation)->click();
        for (int k = 0; k < 3; ++k) {
            control<QPushButton>(w, "Questionbt")->click();
            invoke(w, "ctrTimer", 4 + k);
            const int right = rightAnswer(control<QLabel>(w, "qlb")->text());
            auto* anseb = control<QLineEdit>(w, "anseb");
            QTest::keyClicks(anseb, QString::number(right + (k == 1 ? 1 : 0)));
            QTest::keyClick(anseb, Qt::Key_Return);
        }
    }
    window->close();
    window.reset();
    useLanguage(QString());
    QByteArray files;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files, QDir::Name))
        files += name.toUtf8() + '\n' + folder.read(name) + '\n';
    return files;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { useLanguage(QString()); }
    void languageChosen_data();
    void languageChosen();
    void englishLoadsNothing();
    void windowInTheLanguage_data();
    void windowInTheLanguage();
    void helpAndTooltipsInTheLanguage_data();
    void helpAndTooltipsInTheLanguage();
    void helpOverEveryWindow_data();
    void helpOverEveryWindow();
    void daysAndRosterAreTheSameInEveryLanguage_data();
    void daysAndRosterAreTheSameInEveryLanguage();
    void reasonsWordedInTheLanguage();
    void lockAndCleanupReasonsInGerman_data();
    void lockAndCleanupReasonsInGerman();
    void listsCoverNoWords_data();
    void listsCoverNoWords();
    void resultsColumnsHoldTheirWords_data() { listsCoverNoWords_data(); }
    void resultsColumnsHoldTheirWords();
    void fluencyPageTextsFit_data();
    void fluencyPageTextsFit();
    void certificateFitsItsArtwork_data();
    void certificateFitsItsArtwork();
};

void TestLanguages::languageChosen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("languageVariable");
    QTest::addColumn<QString>("chosen");
    const QStringList none { QStringLiteral("quorvex") };
    const auto with = [](const char* argument) {
        return QStringList { QStringLiteral("quorvex"), QString::fromLatin1(argument) };
    };
    QTest::newRow("nothing asked") << none << QByteArray() << QString();
    QTest::newRow("--lang=de") << with("--lang=de") << QByteArray() << QStringLiteral("de");
    QTest::newRow("--lang with a region") << with("--lang=fr_CA.UTF-8") << QByteArray() << QStringLiteral("fr");
    QTest::newRow("--lang=en over LANGUAGE") << with("--lang=en") << QByteArray("es") << QString();
    QTest::newRow("--lang over LANGUAGE") << with("--lang=es") << QByteArray("de") << QStringLiteral("es");
    QTest::newRow("unknown --lang, LANGUAGE decides") << with("--lang=xx") << QByteArray("fr") << QStringLiteral("fr");
    QTest::newRow("LANGUAGE") << none << QByteArray("de") << QStringLiteral("de");
    QTest::newRow("LANGUAGE, first known") << none << QByteArray("it:pt_BR:es:de") << QStringLiteral("es");
    QTest::newRow("LANGUAGE, English first") << none << QByteArray("en_GB:de") << QString();
}

void TestLanguages::languageChosen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, languageVariable);
    QFETCH(QString, chosen);
    const QByteArray before = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", languageVariable);
    const QString language = chosenLanguage(arguments);
    qputenv("LANGUAGE", before);
    QCOMPARE(language, chosen);
}

// The tests run with the C locale: English, as the program always was, with nothing loaded.
void TestLanguages::englishLoadsNothing()
{
    QVERIFY(useLanguage(QString()));
    QVERIFY(!useLanguage(QStringLiteral("it")));
    TestFolder folder;
    auto window = startProgram();
    QCOMPARE(window->windowTitle(), QStringLiteral("Flash Cards"));
    QCOMPARE(control<QPushButton>(window.get(), "Questionbt")->text(), QStringLiteral("&Start"));
}

void TestLanguages::windowInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("multiplication");
    QTest::addColumn<QString>("createPassword");
    QTest::addColumn<QString>("logIn");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("&Start") << QStringLiteral("&Nächste Aufgabe")
                        << QStringLiteral("Multiplikation") << QStringLiteral("Hier klicken: &Passwort anlegen")
                        << QStringLiteral("Anmelden");
    QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("&Commencer") << QStringLiteral("&Question suivante")
                        << QStringLiteral("Multiplication") << QStringLiteral("Cliquer ici pour créer un &mot de passe")
                        << QStringLiteral("Se connecter");
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("&Empezar") << QStringLiteral("Nueva pre&gunta")
                        << QStringLiteral("Multiplicación") << QStringLiteral("Haga clic aquí para crear la &clave")
                        << QStringLiteral("Iniciar sesión");
}

void TestLanguages::windowInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, start);
    QFETCH(QString, next);
    QFETCH(QString, multiplication);
    QFETCH(QString, createPassword);
    QFETCH(QString, logIn);
    QVERIFY(useLanguage(language));
    TestFolder folder;
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    // The teacher menu's access item follows the access state in the language too.
    QCOMPARE(control<QAction>(w, "logintoaccess1")->text(), createPassword);
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    QCOMPARE(control<QAction>(startProgram().get(), "logintoaccess1")->text(), logIn);
    QCOMPARE(control<QPushButton>(w, "Questionbt")->text(), start);
    QCOMPARE(control<QRadioButton>(w, "Multirb")->text(), multiplication);
    QCOMPARE(operationText(quorvex::Operation::Multiplication), multiplication);
    control<QPushButton>(w, "Questionbt")->click();
    auto* anseb = control<QLineEdit>(w, "anseb");
    QTest::keyClicks(anseb, QString::number(rightAnswer(control<QLabel>(w, "qlb")->text())));
    QTest::keyClick(anseb, Qt::Key_Return);
    QCOMPARE(control<QPushButton>(w, "Questionbt")->text(), next);
    // Back in English, the same window reads as it always did once its texts are set again.
    useLanguage(QString());
    QCOMPARE(operationText(quorvex::Operation::Multiplication), QStringLiteral("Multiplication"));
}

void TestLanguages::helpAndTooltipsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tablesOf7");
    QTest::newRow("en") << QString() << QStringLiteral("Quorvex Help")
                        << QStringLiteral("Tables of 7: every table from 1 to 7");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("Quorvex-Hilfe")
                        << QStringLiteral("Reihen bis 7: jede Reihe von 1 bis 7");
    QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("Aide de Quorvex")
                        << QStringLiteral("Table de 7\u00a0: toutes les tables de 1 à 7");
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("Ayuda de Quorvex")
                        << QStringLiteral("Tablas del 7: todas las tablas del 1 al 7");
}

// F1 opens the manual of the language; every control and menu item says what it does.
void TestLanguages::helpAndTooltipsInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, tablesOf7);
    QVERIFY(useLanguage(language));
    TestFolder folder;
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    QTest::keyClick(w, Qt::Key_F1);
    auto* help = control<QDialog>(w, "Helpfrm");
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), title);
    QCOMPARE(control<QTextBrowser>(help, "helptb")->toPlainText().section(QLatin1Char('\n'), 0, 0), title);
    QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());

    choose(control<QComboBox>(w, "ttcb"), 5);
    QCOMPARE(control<QRadioButton>(w, "ttrb")->toolTip(), tablesOf7);
    // The hidden buttons that only code presses are no controls of the user's, nor the toolkit's
    // own (the tab bar's scroll buttons, the menu bar's overflow).
    const QStringList helpers { QStringLiteral("ttimbt"), QStringLiteral("resltsbt"), QStringLiteral("sortbt"),
        QStringLiteral("hisbt") };
    QStringList untold;
    for (QWidget* each : w->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(each) || qobject_cast<QComboBox*>(each)
            || (qobject_cast<QLineEdit*>(each) && !qobject_cast<QComboBox*>(each->parentWidget()))
            || qobject_cast<QScrollBar*>(each) || qobject_cast<ImageControl*>(each);
        const bool toolkits
            = each->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar*>(each->parentWidget());
        if (control && !toolkits && each->window() == w && !each->objectName().isEmpty()
            && !helpers.contains(each->objectName()) && each->toolTip().isEmpty())
            untold << each->objectName();
    }
    for (QMenu* menu : w->menuBar()->findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator() && item->toolTip() == item->text().remove(QLatin1Char('&')))
                untold << item->objectName();
        }
    }
    QVERIFY2(untold.isEmpty(), qPrintable(untold.join(QLatin1Char(' '))));
}

void TestLanguages::helpOverEveryWindow_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("fluency report") << QByteArray("FluencyReport1") << QByteArray("FluencyReportfrm");
    QTest::newRow("class overview") << QByteArray("ClassOverview1") << QByteArray("ClassOverviewfrm");
    QTest::newRow("certificate") << QByteArray("Printcertificate1") << QByteArray("Certificatefrm");
}

// A window opened over the main window blocks the main window's F1: it has its own.
void TestLanguages::helpOverEveryWindow()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, window);
    QVERIFY(useLanguage(QStringLiteral("de")));
    TestFolder folder;
    auto main = startProgram();
    bool shown = false;
    QVERIFY(whileModal(
        window.constData(), [&] { control<QAction>(main.get(), command.constData())->trigger(); },
        [&](QWidget* modal) {
            // As the window manager does once the window shows (the offscreen platform leaves the
            // certificate's sheet, larger than its screen, inactive).
            QApplication::setActiveWindow(modal);
            QVERIFY(QTest::qWaitForWindowActive(modal));
            QTest::keyClick(modal, Qt::Key_F1);
            auto* help = modal->findChild<QDialog*>(QStringLiteral("Helpfrm"));
            shown = help && help->isVisible() && help->windowTitle() == QStringLiteral("Quorvex-Hilfe");
            if (help)
                help->close();
        }));
    QVERIFY(shown);
}

void TestLanguages::daysAndRosterAreTheSameInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestLanguages::daysAndRosterAreTheSameInEveryLanguage()
{
    QFETCH(QString, language);
    const QByteArray english = sittingFiles(QString());
    QVERIFY(english.contains("Ann1.txt\nAddition ,1 ,"));
    QVERIFY(english.contains("Division ,0 ,"));
    QVERIFY(english.contains("studnames.txt\nGuest\r\nAnn\r\nBea\r\n"));
    QCOMPARE(sittingFiles(language), english);
}

// The reasons the program words itself come in the language too, with their names, numbers and
// inner reasons in place.
void TestLanguages::reasonsWordedInTheLanguage()
{
    QVERIFY(useLanguage(QStringLiteral("de")));
    const auto phrase = [](const char* text) { return QCoreApplication::translate("Phrases", text); };
    using quorvex::Failure;
    using quorvex::FileError;
    QCOMPARE(fileErrorReason(FileError::system("Ann1.txt", ENOSPC)), phrase("No space left on device"));
    QCOMPARE(fileErrorReason({ .file = "Ann1.txt", .why = Failure::TooLarge, .number = 1 }),
        phrase("File too large: more than %1 MB").arg(1));
    const FileError inUse { .file = ".~studnames.lock", .why = Failure::InUse, .holder = { "pc7", "42", "08:15" } };
    QCOMPARE(
        fileErrorReason({ .file = "studnames.txt", .why = Failure::NotLockable, .cause = quorvex::causedBy(inUse) }),
        phrase("could not be locked (%1: %2)")
            .arg(QStringLiteral(".~studnames.lock"),
                phrase("in use by %1")
                    .arg(phrase("computer %1, process %2, since %3")
                             .arg(QStringLiteral("pc7"), QStringLiteral("42"), QStringLiteral("08:15")))));
    QCOMPARE(fileErrorReason({ .file = "studnames.txt", .why = Failure::LinkOutsideFolder, .text = "/home/t/x.txt" }),
        QStringLiteral("Eine Verknüpfung auf eine Datei außerhalb des Klassenordners (/home/t/x.txt); sie wird "
                       "gelesen, aber nie geschrieben"));
    QCOMPARE(nameProblemText(quorvex::NameProblem::SharesDayFiles, "Ann1"),
        QStringLiteral("Würde Tagesdateien mit Ann1 teilen"));
    QCOMPARE(nameProblemText(quorvex::NameProblem::OwnFilePrefix), QStringLiteral("Name darf nicht mit .~ beginnen"));
    QCOMPARE(dayFileOverlapText({ "Ann", "Ann1" }),
        QStringLiteral("Ann und Ann1 stehen beide auf der Schülerliste, aber ihre Tagesdateien überschneiden sich: "
                       "Tag 11 von Ann ist dieselbe Datei wie Tag 1 von Ann1 (Ann11.txt)."));

    quorvex::CertificateInputs in;
    in.mixAndMatch = true;
    in.ticked = { true, false, true, true };
    in.studentName = "Ann";
    const CertificateWords words = certificateWords(in);
    QCOMPARE(words.name, QStringLiteral("Ann"));
    QCOMPARE(words.involve,
        phrase("Involving %1")
            .arg(
                phrase("%1, %2 and %3")
                    .arg(operationText(quorvex::Operation::Addition), operationText(quorvex::Operation::Multiplication),
                        operationText(quorvex::Operation::Division))));
    useLanguage(QString());
    QCOMPARE(certificateWords(in).involve, QStringLiteral("Involving Addition, Multiplication and Division"));
}

namespace {

// How a fault of the class folder is worded, for the rows below.
std::vector<std::function<QString()>>& faultWordings()
{
    static std::vector<std::function<QString()>> wordings;
    return wordings;
}

} // namespace

void TestLanguages::lockAndCleanupReasonsInGerman_data()
{
    using quorvex::DayFault;
    using quorvex::Failure;
    using quorvex::FileError;
    using quorvex::LockNotice;
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german"); // empty: any wording other than the English
    faultWordings().clear();
    const auto row = [](const char* name, std::function<QString()> word, const char* english, const char* german) {
        QTest::newRow(name) << static_cast<int>(faultWordings().size()) << QString::fromUtf8(english)
                            << QString::fromUtf8(german);
        faultWordings().push_back(std::move(word));
    };
    const auto reason = [&](const char* name, FileError error, const char* english, const char* german = "") {
        row(
            name, [error] { return fileErrorReason(error); }, english, german);
    };
    const auto day = [&](const char* name, DayFault::Action action, const char* student, FileError error,
                         const char* english, const char* german = "") {
        const DayFault fault { action, student, 2, 1, std::move(error) };
        row(
            name, [fault] { return dayFaultText(fault); }, english, german);
    };
    const auto notice = [&](const char* name, LockNotice lock, const char* english, const char* german = "") {
        row(
            name, [lock] { return lockNoticeText(lock); }, english, german);
    };
    const auto lockOf = [](Failure what, quorvex::Bytes entry = {}) {
        return FileError { .file = ".~Ann.days.lock", .why = what, .text = std::move(entry) };
    };
    const auto lock = [&](const char* name, Failure what, quorvex::Bytes entry, const char* english,
                          const char* german) { reason(name, lockOf(what, std::move(entry)), english, german); };
    // Why a clean-up note was set aside, in brackets.
    const auto note = [&](const char* name, FileError why, const char* english, const char* german = "") {
        day(name, DayFault::Action::Start, "Ann",
            { .file = ".~Ann.cleanup", .why = Failure::NoteNotCarriedOut, .cause = quorvex::causedBy(std::move(why)) },
            english, german);
    };
    const quorvex::LockHolder pc7 { "pc7", "42", "2026-12-08 08:15:00" };

    reason("lock taken over", FileError::system("Ann2.txt", ENOLCK),
        "The lock was taken over meanwhile: this computer had not renewed it for over a minute",
        "Die Sperre wurde inzwischen übernommen: Dieser Computer hatte sie über eine Minute lang nicht erneuert");
    day("file changed", DayFault::Action::Delete, "Ann", FileError::system("Ann2.txt", quorvex::fileChangedMeanwhile),
        "Could not delete Ann's day 2: The file changed since the work began",
        "Tag 2 von Ann konnte nicht gelöscht werden: Die Datei wurde seit Beginn der Arbeit geändert");
    day("renumbering refused", DayFault::Action::Renumber, "Ann", FileError::system("Ann2.txt", EEXIST),
        "Could not renumber Ann's day 2 as day 1: File exists");
    reason("a system reason the program never meets", FileError::system("Ann2.txt", ENOEXEC), "Exec format error",
        "Exec format error");
    reason("a pipe, within the days' lock",
        { .file = "Ann1.txt",
            .why = Failure::DaysNotLockable,
            .text = "Ann",
            .cause = quorvex::causedBy(lockOf(Failure::PipeForLock)) },
        "could not lock Ann's days (.~Ann.days.lock: this is a pipe (FIFO), not a lock of the program's; delete it "
        "when no computer is using the program)",
        "die Tage von Ann konnten nicht gesperrt werden (.~Ann.days.lock: das ist eine Pipe (FIFO), keine Sperre des "
        "Programms; bitte löschen, wenn kein Computer das Programm verwendet)");
    reason("days in use",
        { .file = "Ann1.txt",
            .why = Failure::DaysInUse,
            .text = "Ann",
            .cause = quorvex::causedBy({ .file = ".~Ann.days.lock", .why = Failure::InUse, .holder = pc7 }) },
        "Ann's days are in use by computer pc7, process 42, since 2026-12-08 08:15:00; the answers are kept, save "
        "again in a moment");
    reason("the roster being changed",
        { .file = "studnames.txt",
            .why = Failure::BeingChanged,
            .cause = quorvex::causedBy({ .file = ".~studnames.txt.lock", .why = Failure::InUse }) },
        "it is being changed (in use by another copy of the program); try again in a moment");
    lock("a link", Failure::LinkForLock, {},
        "this is a link, not a lock of the program's; delete it when no computer is using the program",
        "das ist eine Verknüpfung, keine Sperre des Programms; bitte löschen, wenn kein Computer das Programm "
        "verwendet");
    lock("a socket", Failure::SocketForLock, {},
        "this is a socket, not a lock of the program's; delete it when no computer is using the program",
        "das ist ein Socket, keine Sperre des Programms; bitte löschen, wenn kein Computer das Programm verwendet");
    lock("a device", Failure::DeviceForLock, {},
        "this is a device, not a lock of the program's; delete it when no computer is using the program",
        "das ist ein Gerät, keine Sperre des Programms; bitte löschen, wenn kein Computer das Programm verwendet");
    lock("no file", Failure::OtherForLock, {},
        "this is something that is no file, not a lock of the program's; delete it when no computer is using the "
        "program",
        "das ist etwas, das keine Datei ist, keine Sperre des Programms; bitte löschen, wenn kein Computer das "
        "Programm verwendet");
    lock("a folder holding a %2", Failure::FolderForLock, "%2",
        "this is a folder the program did not make (it holds \"%2\"), not a lock of the program's; delete it when no "
        "computer is using the program",
        "das ist ein Ordner, den das Programm nicht angelegt hat (er enthält „%2“), keine Sperre des Programms; bitte "
        "löschen, wenn kein Computer das Programm verwendet");
    day("note not the program's, set aside", DayFault::Action::Start, "Ann",
        { .file = ".~Ann.cleanup",
            .why = Failure::NoteNotCarriedOut,
            .text = ".~Ann.cleanup.refused",
            .cause = quorvex::causedBy({ .file = ".~Ann.cleanup", .why = Failure::NoteGarbled }) },
        "Ann's days were left as they are: the clean-up note was not carried out (it is not one this program wrote); "
        "it was set aside as \".~Ann.cleanup.refused\"",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (sie stammt nicht von diesem "
        "Programm); sie wurde als „.~Ann.cleanup.refused“ beiseitegelegt");
    day("pupil not on the list, a %2 in the name", DayFault::Action::Start, "A%2b",
        { .file = ".~A%2b.cleanup",
            .why = Failure::NoteNotCarriedOut,
            .text = ".~A%2b.cleanup.refused.2",
            .cause = quorvex::causedBy({ .file = ".~A%2b.cleanup", .why = Failure::NotOnRoster, .text = "A%2b" }) },
        "A%2b's days were left as they are: the clean-up note was not carried out (A%2b is not on the list); it was "
        "set aside as \".~A%2b.cleanup.refused.2\"",
        "Die Tage von A%2b bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (A%2b steht nicht auf der "
        "Schülerliste); sie wurde als „.~A%2b.cleanup.refused.2“ beiseitegelegt");
    note("note of another pupil", { .why = Failure::NoteNamesAnother },
        "Ann's days were left as they are: the clean-up note was not carried out (it names another pupil)",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (sie nennt einen anderen "
        "Schüler)");
    note("note of a pupil sharing day files", { .why = Failure::RosterHoldsSharer, .text = "Ann1" },
        "Ann's days were left as they are: the clean-up note was not carried out (the list also holds Ann1, whose "
        "history files may be the same files)",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (auf der Schülerliste steht "
        "auch Ann1, möglicherweise mit denselben Tagesdateien)");
    note("a day more than the note counts", { .why = Failure::NoteCountsFewerDays, .number = 3 },
        "Ann's days were left as they are: the clean-up note was not carried out (the note counts 3 days, but day 4 "
        "is there)",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (die Notiz zählt bis Tag 3, "
        "aber Tag 4 ist vorhanden)");
    note("a day not the note's", { .why = Failure::DayNotCounted, .number = 2 },
        "Ann's days were left as they are: the clean-up note was not carried out (day 2 is not the day the note "
        "counted)",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (Tag 2 ist nicht der Tag, den "
        "die Notiz gezählt hat)");
    note("a day lost while renumbering", { .why = Failure::DayNotFound, .number = 5 },
        "Ann's days were left as they are: the clean-up note was not carried out (day 5 is neither where the note "
        "had it nor where it was going)",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (Tag 5 ist weder dort, wo die "
        "Notiz ihn hatte, noch dort, wohin er kommen sollte)");
    note("note unreadable", FileError::system(".~Ann.cleanup", EACCES),
        "Ann's days were left as they are: the clean-up note was not carried out (Permission denied)",
        "Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (Zugriff verweigert)");
    day("clean-up of a pupil sharing day files", DayFault::Action::Start, "Ann",
        { .file = "Ann13.txt", .why = Failure::RosterHoldsSharer, .text = "Ann1" },
        "Ann's days were left as they are: the list also holds Ann1, whose history files may be the same files",
        "Die Tage von Ann bleiben unverändert: auf der Schülerliste steht auch Ann1, möglicherweise mit denselben "
        "Tagesdateien");
    day("a day that may be another's", DayFault::Action::Delete, "Ann1",
        { .file = "Ann12.txt", .why = Failure::MayBeSharersDay, .text = "Ann" },
        "Could not delete Ann1's day 2: it may be a history file of Ann too",
        "Tag 2 von Ann1 konnte nicht gelöscht werden: die Datei kann auch eine Tagesdatei von Ann sein");
    notice("a file not put back",
        { .kind = LockNotice::Kind::NotPutBack,
            .lock = ".~Ann.days.lock",
            .file = "Ann3.txt",
            .code = EEXIST,
            .keptAs = ".~Ann.days.lock/7f3a/Ann3.txt" },
        "The file \"Ann3.txt\" that the holder of the lock \".~Ann.days.lock\" had set aside could not be put back "
        "(File exists); it is kept as \".~Ann.days.lock/7f3a/Ann3.txt\".",
        "Die Datei „Ann3.txt“, die der Inhaber der Sperre „.~Ann.days.lock“ beiseitegelegt hatte, konnte nicht "
        "zurückgelegt werden (Datei existiert bereits); sie bleibt als „.~Ann.days.lock/7f3a/Ann3.txt“ erhalten.");
    notice("a lock whose process ended",
        { .kind = LockNotice::Kind::Removed, .lock = ".~Ann.days.lock", .holder = pc7 },
        "The lock \".~Ann.days.lock\" of computer pc7, process 42, since 2026-12-08 08:15:00 was removed: its process "
        "has ended.");
    notice("a lock not renewed",
        { .kind = LockNotice::Kind::Removed, .lock = ".~studnames.txt.lock", .unrenewedSeconds = 75 },
        "The lock \".~studnames.txt.lock\" of another copy of the program was removed: it was not renewed for 75 "
        "seconds.");
    // Every other kind, in English as it always read.
    reason("too large", { .why = Failure::TooLarge, .number = 64 }, "File too large: more than 64 MB");
    reason(
        "not a regular file", { .why = Failure::NotRegularFile }, "Not a regular file (a pipe, a device or the like)");
    reason("no regular password", { .why = Failure::NotRegularOrUnreachable },
        "Not a regular file, or a link to a file that cannot be reached");
    reason("a link leading nowhere", { .why = Failure::UnreachableLink, .code = ENOENT },
        "A link to a file that cannot be reached (No such file or directory)",
        "Eine Verknüpfung auf eine unerreichbare Datei (Datei oder Ordner nicht gefunden)");
    reason("an unusable name", { .why = Failure::InvalidFileName }, "Invalid file name");
    reason("a name too long", { .why = Failure::NameTooLong, .number = 237 },
        "The name is longer than 237 bytes, so its day files could pass the limit of 255 bytes for a file name");
    reason("a time that is no number", { .why = Failure::InvalidInteger, .text = "1," },
        "'1,' is not a valid integer value");
    reason("too many lines", { .why = Failure::TooManyLines, .number = 100000 },
        "Too many lines for a day: more than 100000");
    reason("the roster's lock unusable",
        { .why = Failure::NotLockable, .cause = quorvex::causedBy(FileError::system(".~studnames.txt.lock", EACCES)) },
        "could not be locked (.~studnames.txt.lock: Permission denied)");
    reason("no JPEG library", { .why = Failure::JpegLibraryMissing, .text = "libjpeg.so.62", .detail = "not found" },
        "Cannot load the JPEG library libjpeg.so.62: not found");
    reason("no JPEG library, no reason", { .why = Failure::JpegLibraryMissing, .text = "libjpeg.so.62" },
        "Cannot load the JPEG library libjpeg.so.62: unknown reason");
    reason("a JPEG library without a function",
        { .why = Failure::JpegFunctionMissing, .text = "libjpeg.so.62", .detail = "jpeg_mem_src" },
        "The JPEG library libjpeg.so.62 has no jpeg_mem_src");
    reason("a picture too large", { .why = Failure::PictureTooLarge }, "Picture too large");
    reason("a picture not RGB", { .why = Failure::PictureNotRgb }, "Picture cannot be shown in RGB");
    reason("a damaged picture, in the library's words",
        { .why = Failure::PictureUndecodable, .detail = "Premature end of JPEG file" }, "Premature end of JPEG file",
        "Premature end of JPEG file");
    row(
        "pupils sharing day files",
        [] {
            return dayFileOverlapText({ "ann", "Ann20" });
        },
        "ann and Ann20 are both on the student list, but their history files overlap: ann's day 201 is the same file "
        "as Ann20's day 1 (Ann201.txt).",
        "");
}

// Every fault of the class folder the windows report, each whole and within another: in English
// as it always read, and in German.
void TestLanguages::lockAndCleanupReasonsInGerman()
{
    QFETCH(int, fault);
    QFETCH(QString, english);
    QFETCH(QString, german);
    const std::function<QString()>& word = faultWordings()[static_cast<size_t>(fault)];
    QVERIFY(useLanguage(QString()));
    QCOMPARE(word(), english);
    QVERIFY(useLanguage(QStringLiteral("de")));
    if (german.isEmpty())
        QVERIFY2(word() != english, qPrintable(word()));
    else
        QCOMPARE(word(), german);
    useLanguage(QString());
}

void TestLanguages::listsCoverNoWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString& language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// Three drop-down lists lie over the caption of the radio button beside them, in a gap of blanks
// or after its last word. No word of a caption may lie under its list.
void TestLanguages::listsCoverNoWords()
{
    QFETCH(QString, language);
    QVERIFY(useLanguage(language));
    TestFolder folder;
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    control<QAction>(w, "Filecleanup1")->trigger();
    for (const auto& [buttonName, listName] :
        { std::pair { "keeprb", "keepcb" }, std::pair { "delrb", "delfirstcb" }, std::pair { "prb", "uptocb" } }) {
        auto* button = control<QRadioButton>(w, buttonName);
        const QComboBox* list = control<QComboBox>(w, listName);
        QVERIFY(button->isVisible() && list->isVisible());
        const QString caption = button->text();
        const QImage drawn = button->grab().toImage();
        // The list's box less its frame and a descender's depth above: a descender of the line above
        // may touch the list's top edge, as that of "up" does in English.
        const QRect under
            = QRect(button->mapFrom(list->parentWidget(), list->pos()), list->size()).adjusted(0, 4, 0, -2)
            & button->rect();
        int ink = 0;
        for (int y = under.top(); y <= under.bottom(); ++y)
            for (int x = under.left(); x <= under.right(); ++x)
                ink += qGray(drawn.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY2(ink == 0,
            qPrintable(
                QStringLiteral("%1 \"%2\" under %3").arg(QLatin1String(buttonName), caption, QLatin1String(listName))));
    }
}

// The results page writes a line's question type from x 2 and its operation from x 65, its
// question from x 150: each word ends before the next column starts.
void TestLanguages::resultsColumnsHoldTheirWords()
{
    QFETCH(QString, language);
    QVERIFY(useLanguage(language));
    TestFolder folder;
    auto window = startProgram();
    QFont font = control<QWidget>(window.get(), "resltsim")->font();
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    for (const char* type : { "Practice", "S. Round" })
        QVERIFY2(metrics.horizontalAdvance(shownLogWord(type)) <= 65 - 2, qPrintable(shownLogWord(type)));
    for (quorvex::Operation op : quorvex::allOperations) {
        const QString shown = shownLogWord(quorvex::operationName(op) + " ");
        QVERIFY2(metrics.horizontalAdvance(shown.trimmed()) <= 150 - 65, qPrintable(shown));
    }
}

void TestLanguages::fluencyPageTextsFit_data()
{
    listsCoverNoWords_data();
}

// The fluency page's texts in the longest forms they take stay within the room its plan gives
// them: a matrix's width, the page's width less its margins, the chart legend beside its title.
void TestLanguages::fluencyPageTextsFit()
{
    using namespace fluencyplan;
    QFETCH(QString, language);
    QVERIFY(useLanguage(language));
    const auto text = [](const char* source, int n = -1) {
        return QCoreApplication::translate("FluencyReport", source, nullptr, n);
    };
    const auto width
        = [](const QFont& font, const QString& words) { return QFontMetricsF(font).horizontalAdvance(words); };
    QStringList tooWide;
    const auto fits = [&](const QFont& font, const QString& words, double room) {
        if (width(font, words) > room)
            tooWide << QStringLiteral("\"%1\" needs %2, has %3").arg(words).arg(width(font, words)).arg(room);
    };
    const double page = fluencyPageSize.width() - 2 * margin;
    for (quorvex::Operation op : quorvex::allOperations)
        fits(font(15, true), operationText(op), matrixWidth);
    for (const char* caption :
        { "row + column", "(row + column) - column", "row x column", "(row x column) \u00f7 column" })
        fits(font(11), text(caption), matrixWidth);
    fits(font(11), text("%1 fluent, %2 right, %3 wrong").arg(156).arg(156).arg(156), matrixWidth);
    fits(font(11), text("fluent and not due: %1 of %2").arg(156).arg(156), matrixWidth);

    // The legend's two rows: the states, and the marks in a cell's corners.
    for (const auto& row : { std::vector<const char*> { "fluent: right within 3.0 s",
                                 "right, but slower or in a speed round", "wrong", "not yet asked" },
             std::vector<const char*> { "due for review", "answered today, not yet saved" } }) {
        double legend = 0;
        for (const char* words : row)
            legend += cell + 8 + width(font(13), text(words)) + 36;
        if (legend - 36 > page)
            tooWide << QStringLiteral("the legend needs %1, has %2").arg(legend - 36).arg(page);
    }
    fits(font(13),
        text("The latest answer to each fact counts. %1")
            .arg(text("%n lines of the day files could not be read as answers and were left out.", 9999)),
        page);
    fits(font(13),
        text("The latest answer to each fact counts. %1")
            .arg(text("1 line of the day files could not be read as an answer and was left out.")),
        page);
    fits(font(13), text("Answers are read from the saved days and from today's answers, which are not yet saved."),
        page);
    fits(font(13), text("Answers are read from the saved days; today's answers count once they are saved."), page);

    const QString title = text("Fluency Report: %1").arg(QStringLiteral("Alexandra Fitzgerald"));
    const QString summary = text("%1, %n answers", 99999).arg(text("Days 1 to %1 and today (not yet saved)").arg(999));
    if (width(font(26, true), title) + 24 + width(font(15), summary) > page)
        tooWide << QStringLiteral("title and summary overlap: %1 | %2").arg(title, summary);

    const double chartLegend = 260 + 44 + width(font(13), text("Share of right answers (left scale)")) + 36 + 44
        + width(font(13), text("Median time of right practice answers (seconds, right scale)"));
    if (chartLegend > fluencyPageSize.width() - margin)
        tooWide << QStringLiteral("the chart legend ends at %1").arg(chartLegend);
    fits(font(16, true), text("Day by day"), 260 - margin - 8);
    fits(font(11), text("not yet saved"), 120);
    fits(font(11), text("today"), 60);
    fits(font(11), text("%1 %").arg(100), 42);
    fits(font(11), text("%1 s").arg(99.5), 60);
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char('\n'))));
}

void TestLanguages::certificateFitsItsArtwork_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("questionType");
    for (const QString& language : QStringList { QString() } + translatedLanguages()) {
        const QByteArray name = language.isEmpty() ? "en" : language.toLatin1();
        QTest::newRow(name + " practice") << language << 0;
        QTest::newRow(name + " speed round") << language << 1;
    }
}

// The longest lines a certificate can have stay inside the artwork's inner frame (x 72 to 1098)
// with a margin, and the heading ends before the rosette that stands beside it from x 905.
void TestLanguages::certificateFitsItsArtwork()
{
    QFETCH(QString, language);
    QFETCH(int, questionType);
    QVERIFY(useLanguage(language));
    TestFolder folder;
    TCertificatefrm certificate;
    quorvex::CertificateInputs in;
    in.questionTypeIndex = questionType;
    in.correctCount = 1234;
    in.askedCount = 99999;
    in.roundRightCount = 1234;
    in.roundSeconds = 300;
    in.tablesOf = false;
    in.tableText = "12";
    in.upToText = "12";
    in.mixAndMatch = true;
    in.ticked = { true, true, true, true };
    in.studentName = "Ann";
    certificate.setComposedWords(certificateWords(in));
    const TCertificatefrm::Controls& ui = certificate.controls();
    QVERIFY2(ui.l1lb->x() + ui.l1lb->width() <= 900, qPrintable(ui.l1lb->text()));
    QVERIFY2(ui.l3lb->x() + ui.l3lb->width() <= 1080, qPrintable(ui.l3lb->text()));
    for (const QLabel* line : { ui.numlb, ui.typelb, ui.involvelb, ui.tablelb })
        QVERIFY2(line->width() <= 2 * (584 - 84),
            qPrintable(QStringLiteral("%1: %2 px").arg(line->text()).arg(line->width())));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
