// Saving days and the history view through the real window: a pupil answers, picks another
// student or closes, and looks at earlier days; the day files are compared byte for byte.

#include "gui/mainwindow/flashcardfrm.h"
#include "guitest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

QByteArray operationOf(const QString& fact)
{
    if (fact.contains(QStringLiteral(" + ")))
        return "Addition";
    if (fact.contains(QStringLiteral(" - ")))
        return "Subtraction";
    if (fact.contains(QStringLiteral(" x ")))
        return "Multiplication";
    return "Division";
}

// The main window with a roster of Guest, Ann and Bob, and a pupil at it.
struct Pupil {
    explicit Pupil(TestFolder& folder)
        : folder(folder)
    {
        folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
        window = startProgram();
    }

    template <class T> T* find(const char* name) const { return control<T>(window.get(), name); }
    const quorvex::AnswerLog& log() const { return MainWindowTestAccess::answerLog(*window); }

    // Asks the next question, lets the given tenths pass and answers it; returns the line the
    // answer must give in a day file.
    QByteArray answer(bool right, int tenths)
    {
        find<QPushButton>("Questionbt")->click();
        invoke(window.get(), "ctrTimer", tenths);
        const int value = rightAnswer(find<QLabel>("qlb")->text()) + (right ? 0 : 1);
        auto* anseb = find<QLineEdit>("anseb");
        QTest::keyClicks(anseb, QString::number(value));
        QTest::keyClick(anseb, Qt::Key_Return);
        const QString fact = find<QLabel>("qlb")->text();
        return operationOf(fact) + " ," + (right ? "1" : "0") + " ," + fact.toLatin1() + " ,"
            + QByteArray::number(value) + " ," + QByteArray::number(tenths) + "\r\n";
    }

    // Several answers in turn, right or wrong with their tenths; the lines in that order.
    QByteArray answers(std::initializer_list<std::pair<bool, int>> given)
    {
        QByteArray lines;
        for (const auto& [right, tenths] : given)
            lines += answer(right, tenths);
        return lines;
    }

    void pick(int student) { choose(find<QComboBox>("namecb"), student); }
    QString picked() const { return find<QComboBox>("namecb")->currentText(); }
    void showHistory(bool on) { find<QCheckBox>("showhistorycb")->setChecked(on); }
    void showDay(int n) { choose(find<QComboBox>("hiscb"), n - 1); }
    bool close() { return window->close(); }

    TestFolder& folder;
    std::unique_ptr<Tflashcardfrm> window;
};

QByteArray dayLine(const char* operation, bool right, const char* fact, const char* answer, int ticks)
{
    return QByteArray(operation) + " ," + (right ? "1" : "0") + " ," + fact + " ," + answer + " ,"
        + QByteArray::number(ticks) + "\r\n";
}

std::vector<int32_t> ticksOf(const quorvex::AnswerLog& log)
{
    std::vector<int32_t> ticks;
    for (const quorvex::Treslts& record : log.records())
        ticks.push_back(record.ticks);
    return ticks;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changeOfStudentSavesUnderTheStudentWhoAnswered();
    void closeSavesTheAnswers();
    void startedButUnansweredIsAnEmptyDay();
    void nothingAskedNothingSaved();
    void reorderedLogIsSavedInItsOrder();
    void divisionSignIsByte247();
    void daysUpToTheFirstGap();
    void historyViewRoundTripRestoresEverySlot();
    void viewOfAStudentWithoutDays();
    void emptyDayIsOneRecord();
    void malformedDayIsReportedAndTheViewKept();
    void saveWhileViewingWritesThePupilsOwnAnswers();
    void closeWhileViewingWritesThePupilsOwnAnswers();
    void failedSaveIsReportedAndKeptForTheNextOccasion();
    void closeAfterAFailedSaveAsks();
    void closeAfterAFailedSaveCanGiveUp();
    void selectionFromCodeKeepsAnswersWithTheirOwner();
    void selectionFromCodeBeforeAnsweringChangesTheOwner();
    void loadingADayOutsideTheViewChangesNothing();
};

void TestHistory::changeOfStudentSavesUnderTheStudentWhoAnswered()
{
    TestFolder folder;
    Pupil pupil(folder);
    const QByteArray guest = pupil.answers({ { true, 34 }, { false, 12 } });
    pupil.pick(1);
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), guest);
    QVERIFY(!folder.exists(QStringLiteral("Ann1.txt")));
    QCOMPARE(pupil.log().askedCount(), 0);
    QCOMPARE(pupil.find<QPushButton>("Questionbt")->text(), QStringLiteral("&Start"));
    QVERIFY(pupil.find<QPushButton>("Questionbt")->isEnabled());
    QVERIFY(!pupil.find<QPushButton>("checkbt")->isEnabled());
    QCOMPARE(pupil.find<QLabel>("tlb")->text(), QStringLiteral("0.0"));
    QCOMPARE(pupil.find<QLabel>("ttimelb")->text(), QStringLiteral("Total time: 0.0 s"));

    const QByteArray ann = pupil.answer(true, 7);
    pupil.pick(2);
    QCOMPARE(folder.read(QStringLiteral("Ann1.txt")), ann);
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), guest);

    // Nothing asked since: no day for Bob.
    pupil.pick(0);
    QVERIFY(!folder.exists(QStringLiteral("Bob1.txt")));
    QVERIFY(!folder.exists(QStringLiteral("Guest2.txt")));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestHistory::closeSavesTheAnswers()
{
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"), "earlier\r\n");
    Pupil pupil(folder);
    const QByteArray answers = pupil.answers({ { true, 5 }, { true, 0 }, { false, 123 } });
    QVERIFY(pupil.close());
    QVERIFY(!pupil.window->isVisible());
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), QByteArray("earlier\r\n"));
    QCOMPARE(folder.read(QStringLiteral("Guest2.txt")), answers);
    QVERIFY(folder.dialogs().questions.isEmpty());
}

void TestHistory::startedButUnansweredIsAnEmptyDay()
{
    TestFolder folder;
    Pupil pupil(folder);
    pupil.find<QPushButton>("Questionbt")->click();
    QVERIFY(pupil.close());
    QVERIFY(folder.exists(QStringLiteral("Guest1.txt")));
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), QByteArray());
}

void TestHistory::nothingAskedNothingSaved()
{
    TestFolder folder;
    Pupil pupil(folder);
    pupil.pick(1);
    pupil.pick(2);
    QVERIFY(pupil.close());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { QStringLiteral("studnames.txt") });
}

void TestHistory::reorderedLogIsSavedInItsOrder()
{
    TestFolder folder;
    Pupil pupil(folder);
    const QByteArray first = pupil.answer(true, 5);
    const QByteArray second = pupil.answer(false, 30);
    const QByteArray third = pupil.answer(true, 10);
    pupil.find<QRadioButton>("longestrb")->click();
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), second + third + first);
}

void TestHistory::divisionSignIsByte247()
{
    TestFolder folder;
    Pupil pupil(folder);
    pupil.find<QRadioButton>("divrb")->click();
    const QByteArray line = pupil.answer(true, 3);
    QVERIFY(line.startsWith("Division ,1 ,"));
    QVERIFY(line.contains(" \xf7 "));
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), line);
}

void TestHistory::daysUpToTheFirstGap()
{
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"), dayLine("Addition", true, "1 + 1 = 2", "2", 11));
    folder.write(QStringLiteral("Guest2.txt"), dayLine("Addition", false, "2 + 2 = 4", "5", 22));
    folder.write(QStringLiteral("Guest4.txt"), dayLine("Addition", true, "4 + 4 = 8", "8", 44));
    Pupil pupil(folder);
    pupil.showHistory(true);
    auto* hiscb = pupil.find<QComboBox>("hiscb");
    QCOMPARE(items(hiscb), (QStringList { QStringLiteral("Day 1"), QStringLiteral("Day 2") }));
    QCOMPARE(hiscb->currentIndex(), 0);
    QVERIFY(!hiscb->isHidden());
    QVERIFY(!pupil.find<QGroupBox>("questiongb")->isEnabled());
    QCOMPARE(ticksOf(pupil.log()), std::vector<int32_t> { 11 });
    pupil.showDay(2);
    QCOMPARE(ticksOf(pupil.log()), std::vector<int32_t> { 22 });

    pupil.showHistory(false);
    QVERIFY(hiscb->isHidden());
    QVERIFY(pupil.find<QGroupBox>("questiongb")->isEnabled());
    const QByteArray answers = pupil.answer(true, 1);
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Guest3.txt")), answers);
    QCOMPARE(folder.read(QStringLiteral("Guest4.txt")), dayLine("Addition", true, "4 + 4 = 8", "8", 44));
}

void TestHistory::historyViewRoundTripRestoresEverySlot()
{
    TestFolder folder;
    folder.write(QStringLiteral("Ann1.txt"),
        dayLine("Addition", true, "1 + 1 = 2", "2", 1) + dayLine("Addition", false, "1 + 2 = 3", "4", 2)
            + dayLine("Addition", true, "1 + 3 = 4", "4", 3) + dayLine("Addition", true, "1 + 4 = 5", "5", 4)
            + dayLine("Addition", true, "1 + 5 = 6", "6", 5));
    Pupil pupil(folder);
    pupil.answer(true, 1);
    pupil.answer(true, 2);
    pupil.answer(false, 3);
    pupil.pick(1);
    pupil.answer(true, 9);
    // Ann's one answer, and Guest's second and third still in the slots beyond the count.
    const quorvex::AnswerLog own = pupil.log();
    QCOMPARE(own.askedCount(), 1);
    QCOMPARE(own.slot(2).ticks, 2);
    QCOMPARE(own.slot(3).ticks, 3);

    pupil.showHistory(true);
    QCOMPARE(pupil.log().askedCount(), 5);
    const quorvex::Treslts& loaded = pupil.log().slot(2);
    QCOMPARE(loaded.questionType, quorvex::Bytes("Ann"));
    QCOMPARE(loaded.operation, quorvex::Bytes("Addition "));
    QCOMPARE(loaded.question, quorvex::Bytes("1 + 2 = 3 "));
    QCOMPARE(loaded.answer, quorvex::Bytes("4 "));
    QCOMPARE(loaded.correct, false);
    QCOMPARE(loaded.number, 2);
    pupil.find<QRadioButton>("showwrongrb")->click();
    QCOMPARE(pupil.log().slot(1).number, 2);

    pupil.showHistory(false);
    QVERIFY(pupil.log() == own);
    QCOMPARE(pupil.find<QRadioButton>("showwrongrb")->isChecked(), true);
}

void TestHistory::viewOfAStudentWithoutDays()
{
    TestFolder folder;
    Pupil pupil(folder);
    pupil.answer(true, 4);
    pupil.answer(false, 6);
    const quorvex::AnswerLog own = pupil.log();
    pupil.showHistory(true);
    QCOMPARE(items(pupil.find<QComboBox>("hiscb")), QStringList {});
    QVERIFY(pupil.log() == own);
    QVERIFY(!pupil.find<QGroupBox>("questiongb")->isEnabled());
    // The closed strip says why, and when it opens again.
    auto* note = pupil.find<QLabel>("historynotelb");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("Start comes back when Show History is unticked"));
    pupil.showHistory(false);
    QVERIFY(!note->isVisible());
    QVERIFY(pupil.find<QGroupBox>("questiongb")->isEnabled());
    QVERIFY(pupil.log() == own);
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestHistory::emptyDayIsOneRecord()
{
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"), QByteArray());
    Pupil pupil(folder);
    pupil.showHistory(true);
    QCOMPARE(pupil.log().askedCount(), 1);
    quorvex::Treslts expected;
    expected.questionType = "Guest";
    expected.number = 1;
    QVERIFY(pupil.log().slot(1) == expected);
}

void TestHistory::malformedDayIsReportedAndTheViewKept()
{
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"),
        dayLine("Addition", true, "1 + 1 = 2", "2", 11) + dayLine("Addition", true, "2 + 1 = 3", "3", 12));
    folder.write(
        QStringLiteral("Guest2.txt"), dayLine("Addition", true, "1 + 1 = 2", "2", 21) + "Addition ,1 ,q ,a ,2x\r\n");
    Pupil pupil(folder);
    pupil.showHistory(true);
    QCOMPARE(ticksOf(pupil.log()), (std::vector<int32_t> { 11, 12 }));
    pupil.showDay(2);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    const QString error = folder.dialogs().errors.first();
    QVERIFY2(error.contains(QStringLiteral("Guest2.txt")), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("'2x' is not a valid integer value")), qPrintable(error));
    QCOMPARE(ticksOf(pupil.log()), (std::vector<int32_t> { 11, 12 }));
    // The view still works.
    pupil.showDay(1);
    QCOMPARE(ticksOf(pupil.log()), (std::vector<int32_t> { 11, 12 }));
}

void TestHistory::saveWhileViewingWritesThePupilsOwnAnswers()
{
    TestFolder folder;
    const QByteArray earlier = dayLine("Addition", true, "1 + 1 = 2", "2", 11);
    folder.write(QStringLiteral("Guest1.txt"), earlier);
    Pupil pupil(folder);
    const QByteArray answers = pupil.answers({ { true, 3 }, { false, 4 } });
    pupil.showHistory(true);
    QCOMPARE(ticksOf(pupil.log()), std::vector<int32_t> { 11 });
    pupil.pick(1);
    QCOMPARE(folder.read(QStringLiteral("Guest2.txt")), answers);
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), earlier);
    // Ann starts with a log of her own when the view closes, not with Guest's answers.
    pupil.showHistory(false);
    QCOMPARE(pupil.log().askedCount(), 0);
    const QByteArray ann = pupil.answer(true, 8);
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Ann1.txt")), ann);
}

void TestHistory::closeWhileViewingWritesThePupilsOwnAnswers()
{
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"), dayLine("Addition", true, "1 + 1 = 2", "2", 11));
    Pupil pupil(folder);
    const QByteArray answers = pupil.answer(false, 13);
    pupil.showHistory(true);
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Guest2.txt")), answers);
}

void TestHistory::failedSaveIsReportedAndKeptForTheNextOccasion()
{
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Guest1.txt")));
    Pupil pupil(folder);
    const QByteArray answers = pupil.answers({ { true, 2 }, { false, 5 } });
    pupil.pick(1);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(QStringLiteral("Guest1.txt")));
    // The answers stay in memory and with Guest, who stays selected.
    QCOMPARE(pupil.picked(), QStringLiteral("Guest"));
    QCOMPARE(ticksOf(pupil.log()), (std::vector<int32_t> { 2, 5 }));
    QVERIFY(!folder.exists(QStringLiteral("Ann1.txt")));
    QCOMPARE(
        QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("studnames.txt") });

    QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Guest1.txt")));
    pupil.pick(1);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), answers);
    QCOMPARE(pupil.picked(), QStringLiteral("Ann"));
    QCOMPARE(pupil.log().askedCount(), 0);
}

void TestHistory::closeAfterAFailedSaveAsks()
{
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Guest1.txt")));
    Pupil pupil(folder);
    const QByteArray answers = pupil.answer(true, 2);
    folder.dialogs().answerYes = false;
    QVERIFY(!pupil.close());
    QVERIFY(pupil.window->isVisible());
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.dialogs().questions.size(), 1);

    // The next close tries again, and succeeds once the way is clear.
    QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Guest1.txt")));
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Guest1.txt")), answers);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.dialogs().questions.size(), 1);
}

void TestHistory::closeAfterAFailedSaveCanGiveUp()
{
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Guest1.txt")));
    Pupil pupil(folder);
    pupil.answer(true, 2);
    folder.dialogs().answerYes = true;
    QVERIFY(pupil.close());
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QCOMPARE(folder.dialogs().questions.size(), 1);
    QCOMPARE(
        QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("studnames.txt") });
}

void TestHistory::selectionFromCodeKeepsAnswersWithTheirOwner()
{
    TestFolder folder;
    Pupil pupil(folder);
    pupil.pick(1);
    const QByteArray ann = pupil.answer(true, 6);
    // A teacher panel selects another student from code while Ann's answers are unsaved.
    pupil.find<QComboBox>("namecb")->setCurrentIndex(2);
    const QByteArray more = pupil.answer(false, 7);
    QVERIFY(pupil.close());
    QCOMPARE(folder.read(QStringLiteral("Ann1.txt")), ann + more);
    QVERIFY(!folder.exists(QStringLiteral("Bob1.txt")));
}

void TestHistory::selectionFromCodeBeforeAnsweringChangesTheOwner()
{
    TestFolder folder;
    Pupil pupil(folder);
    pupil.pick(1);
    pupil.find<QComboBox>("namecb")->setCurrentIndex(2);
    const QByteArray bob = pupil.answer(true, 6);
    pupil.pick(0);
    QCOMPARE(folder.read(QStringLiteral("Bob1.txt")), bob);
    QVERIFY(!folder.exists(QStringLiteral("Ann1.txt")));
}

void TestHistory::loadingADayOutsideTheViewChangesNothing()
{
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"), dayLine("Addition", true, "1 + 1 = 2", "2", 11));
    Pupil pupil(folder);
    pupil.answer(true, 4);
    const quorvex::AnswerLog own = pupil.log();
    invoke(pupil.window.get(), "hisbtClick");
    QVERIFY(pupil.log() == own);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
