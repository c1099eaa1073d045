// Marking answers, timing and speed rounds, driven through the controls as a pupil would; time
// passes by calling the timers' tick handlers.

#include "guitest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);

QColor colourOf(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

struct Drill {
    TestFolder folder;
    std::unique_ptr<Tflashcardfrm> window = startProgram();

    template <class T> T* operator()(const char* name) { return control<T>(window.get(), name); }
    QLineEdit* anseb() { return control<QLineEdit>(window.get(), "anseb"); }
    QString question() { return control<QLabel>(window.get(), "qlb")->text(); }
    const quorvex::AnswerLog& log() { return MainWindowTestAccess::answerLog(*window); }

    void start() { control<QPushButton>(window.get(), "Questionbt")->click(); }
    void type(const QString& keys) { QTest::keyClicks(anseb(), keys); }
    void enter() { QTest::keyClick(anseb(), Qt::Key_Return); }
    void answer(int value)
    {
        type(QString::number(value));
        enter();
    }
    void tick(int n = 1) { invoke(window.get(), "ctrTimer", n); }
    void roundTick(int n = 1) { invoke(window.get(), "srtrTimer", n); }
    void speedRound(int seconds)
    {
        choose(control<QComboBox>(window.get(), "qtcb"), 1);
        control<QScrollBar>(window.get(), "srsb")->setValue(seconds);
    }
};

} // namespace

class TestDrill : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rightAnswerTurnsGreenAndCounts();
    void wrongAnswerTurnsRedAndOnlyLogs();
    void markedFactCarriesATickOrACross();
    void leadingZerosAndBackspace();
    void onlyDigitsGetIn();
    void pastedTextIsFiltered();
    void emptyBoxDoesNothing();
    void enterTwiceMarksThenAsks();
    void enterMarksOnlyAnOpenQuestion();
    void questionMarkLeftInTheBoxKeepsTheQuestionOpen();
    void countersAfterANewStart();
    void logGrowsPastThreeThousand();
    void recordTimeIsEndMinusStart();
    void replacedQuestionRestartsItsTime();
    void timeBoxTexts();
    void speedRoundOfOneSecondEndsOnItsTenthTick();
    void countdownTurnsRedFromNineNine();
    void speedRoundRecordsHaveNoTime();
    void changingQuestionTypeStopsBothTimers();
    void showTimerOnlyInPractice();
    void roundLengthLabel_data();
    void roundLengthLabel();
};

void TestDrill::rightAnswerTurnsGreenAndCounts()
{
    Drill d;
    QVERIFY(askUntil(*d.window, QStringLiteral("3 x 4 = ?")));
    d.answer(12);
    QCOMPARE(d.question(), QStringLiteral("3 x 4 = 12"));
    QCOMPARE(colourOf(d.window->findChild<QLabel*>(QStringLiteral("qlb"))), green);
    QCOMPARE(d.operator()<QLabel>("qclb")->text(), QStringLiteral("Questions Correct: 1"));
    QCOMPARE(d.operator()<QLabel>("qalb")->text(), QStringLiteral("Questions Asked: 1"));
    QVERIFY(!d.operator()<QPushButton>("checkbt")->isEnabled());
    QVERIFY(!d.anseb()->isEnabled());
    QVERIFY(d.operator()<QPushButton>("Questionbt")->isEnabled());
    QVERIFY(d.operator()<QPushButton>("Questionbt")->hasFocus());
    QVERIFY(!d.operator()<QTimer>("ctr")->isActive());
    QCOMPARE(d.log().askedCount(), 1);
    const quorvex::Treslts& record = d.log().records()[0];
    QCOMPARE(record.question, "3 x 4 = 12");
    QCOMPARE(record.operation, "Multiplication");
    QCOMPARE(record.questionType, "Practice");
    QCOMPARE(record.answer, "12");
    QVERIFY(record.correct);
    QCOMPARE(record.ticks, 0);
    QCOMPARE(record.number, 1);
}

void TestDrill::wrongAnswerTurnsRedAndOnlyLogs()
{
    Drill d;
    control<QRadioButton>(d.window.get(), "divrb")->click();
    QVERIFY(askUntil(*d.window, QString::fromUtf8("12 \u00f7 3 = ?")));
    d.answer(5);
    QCOMPARE(d.question(), QString::fromUtf8("12 \u00f7 3 = 4"));
    QCOMPARE(colourOf(d.operator()<QLabel>("qlb")), red);
    QCOMPARE(d.operator()<QLabel>("qclb")->text(), QStringLiteral("Questions Correct: 0"));
    QCOMPARE(d.operator()<QLabel>("qalb")->text(), QStringLiteral("Questions Asked: 1"));
    QCOMPARE(d.log().records()[0].question, "12 \xf7 3 = 4");
    QCOMPARE(d.log().records()[0].operation, "Division");
    QVERIFY(!d.log().records()[0].correct);
}

// Beside the marked fact a tick or a cross, which differ without their colours (as in a
// high-contrast theme); the next question takes it away.
void TestDrill::markedFactCarriesATickOrACross()
{
    Drill d;
    auto* mark = d.operator()<QLabel>("qmarklb");
    QVERIFY(!mark->isVisible());
    const auto inkOfMark = [mark] {
        const QImage picture = mark->pixmap().toImage();
        QList<bool> ink;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ink << (qAlpha(picture.pixel(x, y)) > 128);
        return ink;
    };
    QVERIFY(askUntil(*d.window, QStringLiteral("3 x 4 = ?")));
    d.answer(12);
    QVERIFY(mark->isVisible());
    const QList<bool> tick = inkOfMark();
    QVERIFY(askUntil(*d.window, QStringLiteral("2 x 3 = ?")));
    QVERIFY(!mark->isVisible());
    d.answer(7);
    QVERIFY(mark->isVisible());
    QVERIFY(tick.contains(true));
    QVERIFY(inkOfMark() != tick);
    // Beside the fact, not over it.
    QVERIFY(mark->geometry().right() < d.operator()<QLabel>("qlb")->geometry().left());
}

void TestDrill::leadingZerosAndBackspace()
{
    Drill d;
    QVERIFY(askUntil(*d.window, QStringLiteral("2 x 3 = ?")));
    d.type(QStringLiteral("7"));
    QTest::keyClick(d.anseb(), Qt::Key_Backspace);
    d.type(QStringLiteral("006"));
    QCOMPARE(d.anseb()->text(), QStringLiteral("006"));
    d.enter();
    QCOMPARE(d.operator()<QLabel>("qclb")->text(), QStringLiteral("Questions Correct: 1"));
    QCOMPARE(d.log().records()[0].answer, "006");
}

void TestDrill::onlyDigitsGetIn()
{
    Drill d;
    d.start();
    d.type(QStringLiteral("a-+. ,x1?2"));
    QCOMPARE(d.anseb()->text(), QStringLiteral("12"));
    // No more digits than the longest answer has.
    d.type(QStringLiteral("3456"));
    QCOMPARE(d.anseb()->text(), QStringLiteral("123"));
}

void TestDrill::pastedTextIsFiltered()
{
    Drill d;
    d.start();
    QGuiApplication::clipboard()->setText(QStringLiteral(" 1a2 b34"));
    QTest::keyClick(d.anseb(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(d.anseb()->text(), QStringLiteral("123"));
    d.anseb()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("seven"));
    QTest::keyClick(d.anseb(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(d.anseb()->text(), QString());
    d.enter();
    QCOMPARE(d.log().askedCount(), 0);
    QVERIFY(d.operator()<QPushButton>("checkbt")->isEnabled());
}

void TestDrill::emptyBoxDoesNothing()
{
    Drill d;
    d.start();
    QCOMPARE(d.anseb()->text(), QString());
    d.operator()<QPushButton>("checkbt")->click();
    QVERIFY(d.operator()<QPushButton>("checkbt")->isEnabled());
    QVERIFY(d.operator()<QTimer>("ctr")->isActive());
    QCOMPARE(d.log().askedCount(), 0);
}

void TestDrill::enterTwiceMarksThenAsks()
{
    Drill d;
    d.start();
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.log().askedCount(), 1);
    auto* next = d.operator()<QPushButton>("Questionbt");
    QVERIFY(next->hasFocus());
    QTest::keyClick(next, Qt::Key_Return);
    QVERIFY(d.question().endsWith(QStringLiteral(" = ?")));
    QVERIFY(d.anseb()->hasFocus());
    d.answer(rightAnswer(d.question()));
    QTest::keyClick(next, Qt::Key_Space);
    QVERIFY(d.question().endsWith(QStringLiteral(" = ?")));
    QCOMPARE(d.log().askedCount(), 2);
}

void TestDrill::enterMarksOnlyAnOpenQuestion()
{
    Drill d;
    // Before the first question: nothing was asked, so nothing is marked.
    d.anseb()->setFocus();
    d.answer(0);
    QCOMPARE(d.log().askedCount(), 0);
    QCOMPARE(d.question(), QStringLiteral("? x ? = ?"));

    // After a speed round ran out.
    d.speedRound(1);
    d.start();
    d.roundTick(10);
    QCOMPARE(d.operator()<QPushButton>("Questionbt")->text(), QStringLiteral("&Start"));
    d.anseb()->setFocus();
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.log().askedCount(), 0);
    QCOMPARE(d.operator()<QLabel>("speedtlb")->text(), QStringLiteral("0!"));
}

void TestDrill::questionMarkLeftInTheBoxKeepsTheQuestionOpen()
{
    Drill d;
    d.start();
    QVERIFY(d.anseb()->hasFocus());
    // A new question while the focus is already in the box leaves its "?".
    choose(d.operator()<QComboBox>("ttcb"), 3);
    QCOMPARE(d.anseb()->text(), QStringLiteral("?"));
    d.tick(3);
    d.operator()<QPushButton>("checkbt")->click();
    QCOMPARE(d.log().askedCount(), 0);
    QVERIFY(d.operator()<QPushButton>("checkbt")->isEnabled());
    QVERIFY(d.anseb()->isEnabled());
    QVERIFY(d.operator()<QTimer>("ctr")->isActive());
    QVERIFY(d.question().endsWith(QStringLiteral(" = ?")));
    // The pupil types over it.
    d.tick(2);
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.log().askedCount(), 1);
    QVERIFY(d.log().records()[0].correct);
    QCOMPARE(d.log().records()[0].ticks, 5);
}

void TestDrill::countersAfterANewStart()
{
    Drill d;
    d.start();
    for (int i = 0; i < 3; ++i) {
        d.answer(rightAnswer(d.question()));
        invoke(d.window.get(), "QuestionbtClick");
    }
    // A change of question type ends the run; the next Start begins a new one.
    choose(d.operator()<QComboBox>("qtcb"), 1);
    choose(d.operator()<QComboBox>("qtcb"), 0);
    d.start();
    QCOMPARE(d.operator()<QLabel>("qalb")->text(), QStringLiteral("Questions Asked: 0"));
    QCOMPARE(d.operator()<QLabel>("qclb")->text(), QStringLiteral("Questions Correct: 0"));
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.operator()<QLabel>("qalb")->text(), QStringLiteral("Questions Asked: 4"));
    QCOMPARE(d.operator()<QLabel>("qclb")->text(), QStringLiteral("Questions Correct: 1"));
    QCOMPARE(d.log().records()[3].number, 4);
}

void TestDrill::logGrowsPastThreeThousand()
{
    Drill d;
    d.start();
    for (int i = 0; i < 3005; ++i) {
        d.anseb()->setText(QString::number(rightAnswer(d.question())));
        invoke(d.window.get(), "checkbtClick");
        invoke(d.window.get(), "QuestionbtClick");
    }
    QCOMPARE(d.log().askedCount(), 3005);
    QCOMPARE(d.log().records()[3004].number, 3005);
    QCOMPARE(d.operator()<QLabel>("qalb")->text(), QStringLiteral("Questions Asked: 3005"));
}

void TestDrill::recordTimeIsEndMinusStart()
{
    Drill d;
    d.start();
    d.tick(34);
    d.answer(rightAnswer(d.question()));
    invoke(d.window.get(), "QuestionbtClick");
    d.tick(12);
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.log().records()[0].ticks, 34);
    QCOMPARE(d.log().records()[1].ticks, 12);
}

void TestDrill::replacedQuestionRestartsItsTime()
{
    Drill d;
    d.start();
    d.tick(5);
    choose(d.operator()<QComboBox>("ttcb"), 4);
    d.tick(7);
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.log().askedCount(), 1);
    QCOMPARE(d.log().records()[0].ticks, 7);
}

void TestDrill::timeBoxTexts()
{
    Drill d;
    auto* ttimelb = d.operator()<QLabel>("ttimelb");
    auto* tlb = d.operator()<QLabel>("tlb");
    d.start();
    QCOMPARE(ttimelb->text(), QStringLiteral("Total Time: 0.0 s"));
    d.tick();
    QCOMPARE(ttimelb->text(), QStringLiteral("Total time: 0.1 s"));
    QCOMPARE(tlb->text(), QStringLiteral("0.1 s"));
    d.tick(33);
    QCOMPARE(tlb->text(), QStringLiteral("3.4 s"));
    d.answer(rightAnswer(d.question()));
    invoke(d.window.get(), "QuestionbtClick");
    d.tick(89);
    QCOMPARE(ttimelb->text(), QStringLiteral("Total time: 12.3 s"));
    QCOMPARE(tlb->text(), QStringLiteral("8.9 s"));
    d.answer(rightAnswer(d.question()));
    d.tick(); // a tick after the answer shows the answered question's time
    QCOMPARE(tlb->text(), QStringLiteral("8.9 s"));
    QCOMPARE(colourOf(tlb), green);
}

void TestDrill::speedRoundOfOneSecondEndsOnItsTenthTick()
{
    Drill d;
    d.speedRound(1);
    QVERIFY(d.operator()<QGroupBox>("srgb")->isVisible());
    d.start();
    QVERIFY(!d.operator()<QGroupBox>("srgb")->isVisible());
    QVERIFY(d.operator()<QTimer>("srtr")->isActive());
    QVERIFY(!d.operator()<QTimer>("ctr")->isActive());
    auto* tlb = d.operator()<QLabel>("tlb");
    d.roundTick();
    QCOMPARE(tlb->text(), QStringLiteral("0.9"));
    QCOMPARE(colourOf(tlb), red);
    d.answer(rightAnswer(d.question()));
    invoke(d.window.get(), "QuestionbtClick");
    d.answer(rightAnswer(d.question()) + 1);
    invoke(d.window.get(), "QuestionbtClick");
    d.answer(rightAnswer(d.question()));
    invoke(d.window.get(), "QuestionbtClick");
    d.roundTick(8);
    QCOMPARE(d.operator()<QPushButton>("Questionbt")->text(), QStringLiteral("Next &Question"));
    QVERIFY(!d.operator()<QLabel>("ydlb")->isVisible());
    d.roundTick();
    QCOMPARE(tlb->text(), QStringLiteral("0.0"));
    QCOMPARE(colourOf(tlb), red);
    QCOMPARE(d.operator()<QPushButton>("Questionbt")->text(), QStringLiteral("&Start"));
    QVERIFY(d.operator()<QPushButton>("Questionbt")->isEnabled());
    QVERIFY(!d.operator()<QPushButton>("checkbt")->isEnabled());
    QVERIFY(!d.operator()<QTimer>("srtr")->isActive());
    QVERIFY(d.operator()<QGroupBox>("srgb")->isVisible());
    QVERIFY(d.operator()<QLabel>("ydlb")->isVisible());
    QVERIFY(d.operator()<QLabel>("speedtlb")->isVisible());
    QCOMPARE(d.operator()<QLabel>("speedtlb")->text(), QStringLiteral("2!"));
    QVERIFY(d.operator()<QScrollBar>("srsb")->hasFocus());
    // The question open when time ran out was not logged.
    QCOMPARE(d.log().askedCount(), 3);
    // Moving the length hides the result.
    d.operator()<QScrollBar>("srsb")->setValue(2);
    QVERIFY(!d.operator()<QLabel>("speedtlb")->isVisible());
    QVERIFY(!d.operator()<QLabel>("ydlb")->isVisible());
}

void TestDrill::countdownTurnsRedFromNineNine()
{
    Drill d;
    d.speedRound(60);
    d.start();
    auto* tlb = d.operator()<QLabel>("tlb");
    d.roundTick();
    QCOMPARE(tlb->text(), QStringLiteral("59.9"));
    QCOMPARE(colourOf(tlb), green);
    d.roundTick(499);
    QCOMPARE(tlb->text(), QStringLiteral("10.0"));
    QCOMPARE(colourOf(tlb), green);
    d.roundTick();
    QCOMPARE(tlb->text(), QStringLiteral("9.9"));
    QCOMPARE(colourOf(tlb), red);
    // A new round starts green again.
    d.roundTick(99);
    QCOMPARE(d.operator()<QPushButton>("Questionbt")->text(), QStringLiteral("&Start"));
    d.start();
    QCOMPARE(colourOf(tlb), green);
    d.roundTick();
    QCOMPARE(tlb->text(), QStringLiteral("59.9"));
}

void TestDrill::speedRoundRecordsHaveNoTime()
{
    Drill d;
    d.speedRound(30);
    d.start();
    d.answer(rightAnswer(d.question()));
    invoke(d.window.get(), "QuestionbtClick");
    d.answer(rightAnswer(d.question()));
    QCOMPARE(d.log().askedCount(), 2);
    for (const quorvex::Treslts& record : d.log().records()) {
        QCOMPARE(record.questionType, "S. Round");
        QCOMPARE(record.ticks, 0);
    }
    QVERIFY(!d.operator()<QLabel>("qalb")->isVisible());
    QVERIFY(!d.operator()<QLabel>("qclb")->isVisible());
}

void TestDrill::changingQuestionTypeStopsBothTimers()
{
    Drill d;
    d.start();
    QVERIFY(d.operator()<QTimer>("ctr")->isActive());
    choose(d.operator()<QComboBox>("qtcb"), 1);
    QVERIFY(!d.operator()<QTimer>("ctr")->isActive());
    QCOMPARE(d.operator()<QPushButton>("Questionbt")->text(), QStringLiteral("&Start"));
    QVERIFY(d.operator()<QPushButton>("Questionbt")->isEnabled());
    QVERIFY(!d.operator()<QPushButton>("checkbt")->isEnabled());
    QCOMPARE(d.operator()<QLabel>("tlb")->text(), QStringLiteral("60.0"));
    d.start();
    QVERIFY(d.operator()<QTimer>("srtr")->isActive());
    choose(d.operator()<QComboBox>("qtcb"), 0);
    QVERIFY(!d.operator()<QTimer>("srtr")->isActive());
    QVERIFY(!d.operator()<QTimer>("ctr")->isActive());
    QVERIFY(!d.operator()<QGroupBox>("srgb")->isVisible());
    QCOMPARE(d.operator()<QPushButton>("Questionbt")->text(), QStringLiteral("&Start"));
}

void TestDrill::showTimerOnlyInPractice()
{
    Drill d;
    auto* timegb = d.operator()<QGroupBox>("Timegb");
    auto* showTimer = d.operator()<QAction>("Showtimer1");
    showTimer->trigger();
    QVERIFY(showTimer->isChecked());
    QVERIFY(timegb->isVisible());
    invoke(d.window.get(), "Showtimer1Click");
    QVERIFY(!showTimer->isChecked());
    QVERIFY(!timegb->isVisible());
    choose(d.operator()<QComboBox>("qtcb"), 1);
    QVERIFY(timegb->isVisible());
    QVERIFY(!showTimer->isEnabled());
    QVERIFY(!d.operator()<QLabel>("ttimelb")->isVisible());
    choose(d.operator()<QComboBox>("qtcb"), 0);
    QVERIFY(!timegb->isVisible());
    QVERIFY(showTimer->isEnabled());
    showTimer->trigger();
    QVERIFY(timegb->isVisible());
    QVERIFY(d.operator()<QLabel>("ttimelb")->isVisible());
}

void TestDrill::roundLengthLabel_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("label");
    QTest::newRow("1") << 1 << QStringLiteral("Time: 1 s");
    QTest::newRow("60") << 60 << QStringLiteral("Time: 60 s");
    QTest::newRow("61") << 61 << QStringLiteral("Time: 1 min 1 s");
    QTest::newRow("90") << 90 << QStringLiteral("Time: 1 min 30 s");
    QTest::newRow("120") << 120 << QStringLiteral("Time: 2 min ");
    QTest::newRow("300") << 300 << QStringLiteral("Time: 5 min ");
}

void TestDrill::roundLengthLabel()
{
    QFETCH(int, seconds);
    QFETCH(QString, label);
    Drill d;
    d.speedRound(seconds == 60 ? 61 : 60);
    d.operator()<QScrollBar>("srsb")->setValue(seconds);
    QCOMPARE(d.operator()<QLabel>("srtlb")->text(), label);
    QCOMPARE(d.operator()<QLabel>("tlb")->text(), QStringLiteral("%1.0").arg(seconds));
}

QTEST_MAIN(TestDrill)
#include "tst_drill.moc"
