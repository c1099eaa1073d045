// The program in German, French and Spanish: the language chosen at start, the windows in it,
// and the files exactly as in English.

#include "core/classfolder/fileio.h"
#include "core/reports/certificatetext.h"
#include "gui/platform/translations.h"
#include "gui/windows/certificatefrm.h"
#include "gui/windows/fluencyplan.h"
#include "gui/wording/phrases.h"
#include "guitest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cerrno>
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
    QVERIFY(!programTranslated());
    QVERIFY(!useLanguage(QStringLiteral("it")));
    QVERIFY(!programTranslated());
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
                        << QStringLiteral("Multiplicación") << QStringLiteral("Haz clic aquí para crear la &contraseña")
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
    QVERIFY(programTranslated());
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
    QCOMPARE(fileErrorReason({ "Ann1.txt", "No space left on device", ENOSPC }), phrase("No space left on device"));
    QCOMPARE(fileErrorReason({ "Ann1.txt", "File too large: more than 1 MB" }),
        phrase("File too large: more than %1 MB").arg(1));
    QCOMPARE(fileErrorReason({ "studnames.txt",
                 "could not be locked (.~studnames.lock: in use by computer pc7, process 42, since 08:15)" }),
        phrase("could not be locked (%1: %2)")
            .arg(QStringLiteral(".~studnames.lock"),
                phrase("in use by %1")
                    .arg(phrase("computer %1, process %2, since %3")
                             .arg(QStringLiteral("pc7"), QStringLiteral("42"), QStringLiteral("08:15")))));
    QCOMPARE(fileErrorReason({ "Ann1.txt", "A reason of no known form" }), QStringLiteral("A reason of no known form"));
    QVERIFY(fileErrorReason({ "Ann1.txt", "Permission denied", EACCES }) != QStringLiteral("Permission denied"));
    QCOMPARE(fileErrorReason({ "studnames.txt",
                 "A link to a file outside the class folder (/home/t/x.txt); it is read but never written" }),
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

void TestLanguages::lockAndCleanupReasonsInGerman_data()
{
    QTest::addColumn<QString>("form"); // how the window gets it: a reason, a day fault, a lock notice
    QTest::addColumn<QByteArray>("student");
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("german");
    const auto row = [](const char* name, const char* form, const QByteArray& english, const QString& german,
                         int code = 0, const QByteArray& student = "Ann") {
        QTest::newRow(name) << QString::fromLatin1(form) << student << english << code << german;
    };
    // What stands in a lock's place, after "this is".
    const auto foreign = [&](const char* name, const QByteArray& what, const QString& german) {
        row(name, "reason",
            "this is " + what + ", not a lock of the program's; delete it when no computer is using the program",
            QStringLiteral("das ist ") + german
                + QStringLiteral(
                    ", keine Sperre des Programms; bitte löschen, wenn kein Computer das Programm verwendet"));
    };
    // Why a clean-up note was set aside, in brackets.
    const auto note = [&](const char* name, const QByteArray& why, const QString& german) {
        row(name, "start", "the clean-up note was not carried out (" + why + ")",
            QStringLiteral("Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (") + german
                + QLatin1Char(')'));
    };
    row("lock taken over", "reason", QByteArray::fromStdString(quorvex::errorReason(ENOLCK)),
        QStringLiteral("Die Sperre wurde inzwischen übernommen: Dieser Computer hatte sie über eine Minute lang nicht "
                       "erneuert"),
        ENOLCK);
    row("file changed", "delete", QByteArray::fromStdString(quorvex::errorReason(quorvex::fileChangedMeanwhile)),
        QStringLiteral("Tag 2 von Ann konnte nicht gelöscht werden: Die Datei wurde seit Beginn der Arbeit geändert"),
        quorvex::fileChangedMeanwhile);
    row("a pipe, within the days' lock", "reason",
        "could not lock Ann's days (.~Ann.days.lock: this is a pipe (FIFO), not a lock of the program's; delete it "
        "when no computer is using the program)",
        QStringLiteral("die Tage von Ann konnten nicht gesperrt werden (.~Ann.days.lock: das ist eine Pipe (FIFO), "
                       "keine Sperre des Programms; bitte löschen, wenn kein Computer das Programm verwendet)"));
    foreign("a link", "a link", QStringLiteral("eine Verknüpfung"));
    foreign("a socket", "a socket", QStringLiteral("ein Socket"));
    foreign("a device", "a device", QStringLiteral("ein Gerät"));
    foreign("no file", "something that is no file", QStringLiteral("etwas, das keine Datei ist"));
    foreign("a folder holding a %2", "a folder the program did not make (it holds \"%2\")",
        QStringLiteral("ein Ordner, den das Programm nicht angelegt hat (er enthält „%2“)"));
    row("note not the program's, set aside", "start",
        "the clean-up note was not carried out (it is not one this program wrote); it was set aside as "
        "\".~Ann.cleanup.refused\"",
        QStringLiteral("Die Tage von Ann bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (sie stammt "
                       "nicht von diesem Programm); sie wurde als „.~Ann.cleanup.refused“ beiseitegelegt"));
    row("pupil not on the list, a %2 in the name", "start",
        "the clean-up note was not carried out (A%2b is not on the list); it was set aside as "
        "\".~A%2b.cleanup.refused.2\"",
        QStringLiteral("Die Tage von A%2b bleiben unverändert: die Aufräumnotiz wurde nicht ausgeführt (A%2b steht "
                       "nicht auf der Schülerliste); sie wurde als „.~A%2b.cleanup.refused.2“ beiseitegelegt"),
        0, "A%2b");
    note("note of another pupil", "it names another pupil", QStringLiteral("sie nennt einen anderen Schüler"));
    note("note of a pupil sharing day files", "the list also holds Ann1, whose history files may be the same files",
        QStringLiteral("auf der Schülerliste steht auch Ann1, möglicherweise mit denselben Tagesdateien"));
    note("a day more than the note counts", "the note counts 3 days, but day 4 is there",
        QStringLiteral("die Notiz zählt bis Tag 3, aber Tag 4 ist vorhanden"));
    note("a day not the note's", "day 2 is not the day the note counted",
        QStringLiteral("Tag 2 ist nicht der Tag, den die Notiz gezählt hat"));
    note("a day lost while renumbering", "day 5 is neither where the note had it nor where it was going",
        QStringLiteral("Tag 5 ist weder dort, wo die Notiz ihn hatte, noch dort, wohin er kommen sollte"));
    note("note unreadable", "Permission denied", QStringLiteral("Zugriff verweigert"));
    row("clean-up of a pupil sharing day files", "start",
        "the list also holds Ann1, whose history files may be the same files",
        QStringLiteral("Die Tage von Ann bleiben unverändert: auf der Schülerliste steht auch Ann1, möglicherweise mit "
                       "denselben Tagesdateien"));
    row("a day that may be another's", "delete", "it may be a history file of Ann too",
        QStringLiteral("Tag 2 von Ann1 konnte nicht gelöscht werden: die Datei kann auch eine Tagesdatei von Ann sein"),
        0, "Ann1");
    row("a file not put back", "notice",
        "The file \"Ann3.txt\" that the holder of the lock \".~Ann.days.lock\" had set aside could not be put back "
        "(File exists); it is kept as \".~Ann.days.lock/7f3a/Ann3.txt\".",
        QStringLiteral("Die Datei „Ann3.txt“, die der Inhaber der Sperre „.~Ann.days.lock“ beiseitegelegt hatte, "
                       "konnte nicht zurückgelegt werden (Datei existiert bereits); sie bleibt als "
                       "„.~Ann.days.lock/7f3a/Ann3.txt“ erhalten."));
}

// The reasons of the class folder's locks and of clean-ups, each whole and within another.
void TestLanguages::lockAndCleanupReasonsInGerman()
{
    QFETCH(QString, form);
    QFETCH(QByteArray, student);
    QFETCH(QByteArray, english);
    QFETCH(int, code);
    QFETCH(QString, german);
    QVERIFY(useLanguage(QStringLiteral("de")));
    const quorvex::FileError error { "Ann2.txt", english.toStdString(), code };
    using Action = quorvex::DayFault::Action;
    QString worded;
    if (form == QStringLiteral("reason"))
        worded = fileErrorReason(error);
    else if (form == QStringLiteral("notice"))
        worded = lockNoticeText(english.toStdString());
    else
        worded = dayFaultText(
            { form == QStringLiteral("start") ? Action::Start : Action::Delete, student.toStdString(), 2, 0, error });
    QCOMPARE(worded, german);
    useLanguage(QString());
    if (form == QStringLiteral("reason"))
        QCOMPARE(fileErrorReason(error), QString::fromUtf8(english));
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

    double legend = 0;
    for (const char* words : { "fluent: right within 3.0 s", "right, but slower or in a speed round", "wrong",
             "not yet asked", "answered today, not yet saved" })
        legend += cell + 8 + width(font(13), text(words)) + 36;
    if (legend - 36 > page)
        tooWide << QStringLiteral("the legend needs %1, has %2").arg(legend - 36).arg(page);
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
    in.questionTypeText = questionType == 0 ? "Practice" : "Speed Round";
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
