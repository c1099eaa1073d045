// What a screen reader hears and what a keyboard alone can do, through Qt's accessibility
// interface.

#include "gui/imagecontrol.h"
#include "guitest.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

QString spoken(QObject* control, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(text) : QStringLiteral("<no interface>");
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void questionAndResultInWords();
    void boardInWords();
    void resultsPageAsText();
    void everyFocusableControlHasAName();
    void tabFollowsThePupilsWork();
    void boardByKeyboard();
};

void TestAccessibility::questionAndResultInWords()
{
    TestFolder folder;
    auto window = startProgram();
    auto* qlb = control<QLabel>(window.get(), "qlb");
    QCOMPARE(spoken(qlb), QStringLiteral("Press Start for a question"));
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    QCOMPARE(spoken(qlb), QStringLiteral("3 times 4 equals?"));
    QTest::keyClicks(control<QLineEdit>(window.get(), "anseb"), QStringLiteral("12"));
    QTest::keyClick(control<QLineEdit>(window.get(), "anseb"), Qt::Key_Return);
    QCOMPARE(spoken(qlb), QStringLiteral("right: 3 times 4 equals 12"));
    QCOMPARE(spoken(control<QPushButton>(window.get(), "Questionbt")), QStringLiteral("Next Question"));
    QCOMPARE(spoken(control<QLineEdit>(window.get(), "anseb")), QStringLiteral("Answer"));
}

void TestAccessibility::boardInWords()
{
    TestFolder folder;
    auto window = startProgram();
    auto* ttim = control<ImageControl>(window.get(), "ttim");
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    QCOMPARE(spoken(ttim), QStringLiteral("3 rows of 4 dots"));
    control<QRadioButton>(window.get(), "divrb")->click();
    QCOMPARE(spoken(ttim), QStringLiteral("empty grid for your dots"));
    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(spoken(ttim, QAccessible::Description), QStringLiteral("1 dots drawn"));
}

void TestAccessibility::resultsPageAsText()
{
    TestFolder folder;
    auto window = startProgram();
    auto* resltsim = control<ImageControl>(window.get(), "resltsim");
    QCOMPARE(spoken(resltsim), QStringLiteral("Results"));
    QCOMPARE(spoken(resltsim, QAccessible::Description), QStringLiteral("No answers"));
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    QTest::keyClicks(control<QLineEdit>(window.get(), "anseb"), QStringLiteral("11"));
    QTest::keyClick(control<QLineEdit>(window.get(), "anseb"), Qt::Key_Return);
    QCOMPARE(spoken(resltsim, QAccessible::Description),
        QStringLiteral("Practice, Multiplication, 3 x 4 = 12, answered 11, wrong"));
}

void TestAccessibility::everyFocusableControlHasAName()
{
    TestFolder folder;
    auto window = startProgram();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (qobject_cast<QScrollBar*>(widget) && !widget->objectName().startsWith(QLatin1String("re"))
            && widget->objectName() != QLatin1String("srsb"))
            continue; // the scroll bars inside lists and edit boxes
        QVERIFY2(!spoken(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
    }
}

void TestAccessibility::tabFollowsThePupilsWork()
{
    TestFolder folder;
    auto window = startProgram();
    control<QPushButton>(window.get(), "Questionbt")->click();
    auto* anseb = control<QLineEdit>(window.get(), "anseb");
    QVERIFY(anseb->hasFocus());
    QStringList order;
    QWidget* at = anseb;
    for (int i = 0; i < 6; ++i) {
        at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isEnabled() || !at->isVisible())
            at = at->nextInFocusChain();
        order << at->objectName();
    }
    // "Next Question" waits, disabled, until the answer is checked.
    QCOMPARE(order,
        (QStringList { QStringLiteral("checkbt"), QStringLiteral("qtcb"), QStringLiteral("namecb"),
            QStringLiteral("ttcb"), QStringLiteral("ttrb"), QStringLiteral("prb") }));
}

void TestAccessibility::boardByKeyboard()
{
    TestFolder folder;
    auto window = startProgram();
    control<QRadioButton>(window.get(), "subrb")->click();
    auto* ttim = control<ImageControl>(window.get(), "ttim");
    ttim->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ttim, Qt::Key_Right);
    QTest::keyClick(ttim, Qt::Key_Down);
    QTest::keyClick(ttim, Qt::Key_Space);
    QCOMPARE(ttim->picture().pixelColor(10 + 36 + 15, 10 + 36 + 15), QColor(255, 0, 0));
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("1 dots drawn"));
    QTest::keyClick(ttim, Qt::Key_Return);
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("0 dots drawn"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
