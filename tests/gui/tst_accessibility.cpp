// What a screen reader hears and what a keyboard alone can do, through Qt's accessibility
// interface.

#include "gui/controls/imagecontrol.h"
#include "guitest.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
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

// Where the focus arrives while it lives, with what the focused control says at that moment:
// Qt tells a screen reader of the focus right after it has moved, so this is what the focus
// brings.
class FocusLog : public QObject {
public:
    struct Arrival {
        QString object;
        QString name;
        QString description;
    };
    FocusLog()
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now)
                arrivals.append({ now->objectName(), spoken(now), spoken(now, QAccessible::Description) });
        });
    }
    QList<Arrival> arrivals;
};

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
    void focusBringsTheQuestionAndTheResult();
    void dropDownsAreLabelled_data();
    void dropDownsAreLabelled();
    void boardSaysTheCellUnderTheCursor();
    void resultsPageLineByLine();
    void dropDownSaysItsValue();
    void hiddenControlsAreSilent();
    void oneObjectHasTheFocus();
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
        QStringLiteral("Practice, Multiplication, 3 times 4 equals 12, answered 11, wrong"));
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

void TestAccessibility::focusBringsTheQuestionAndTheResult()
{
    TestFolder folder;
    auto window = startProgram();
    auto* next = control<QPushButton>(window.get(), "Questionbt");
    QCOMPARE(window->focusWidget(), next);
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    auto* anseb = control<QLineEdit>(window.get(), "anseb");
    QCOMPARE(spoken(anseb, QAccessible::Description), QStringLiteral("3 times 4 equals?"));

    // Enter marks the answer; the focus goes straight to Next Question, with the result said.
    FocusLog heard;
    QTest::keyClicks(anseb, QStringLiteral("12"));
    QTest::keyClick(anseb, Qt::Key_Return);
    QCOMPARE(heard.arrivals.size(), 1);
    QCOMPARE(heard.arrivals[0].object, QStringLiteral("Questionbt"));
    QCOMPARE(heard.arrivals[0].name, QStringLiteral("Next Question"));
    QCOMPARE(heard.arrivals[0].description, QStringLiteral("right: 3 times 4 equals 12. 1 correct of 1."));

    // Enter again: the focus goes straight to the answer box, with the next question said, and
    // the result leaves the button.
    heard.arrivals.clear();
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(heard.arrivals.size(), 1);
    QCOMPARE(heard.arrivals[0].object, QStringLiteral("anseb"));
    QCOMPARE(heard.arrivals[0].description, spoken(control<QLabel>(window.get(), "qlb")));
    QVERIFY(heard.arrivals[0].description.endsWith(QStringLiteral(" equals?")));
    QCOMPARE(spoken(next, QAccessible::Description), next->toolTip());

    // A wrong answer, from the Check button.
    heard.arrivals.clear();
    const int wrong = rightAnswer(control<QLabel>(window.get(), "qlb")->text()) + 1;
    QTest::keyClicks(anseb, QString::number(wrong));
    auto* check = control<QPushButton>(window.get(), "checkbt");
    check->setFocus();
    heard.arrivals.clear();
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(heard.arrivals.size(), 1);
    QCOMPARE(heard.arrivals[0].object, QStringLiteral("Questionbt"));
    QVERIFY2(heard.arrivals[0].description.startsWith(QStringLiteral("wrong: "))
            && heard.arrivals[0].description.endsWith(QStringLiteral(" equals %1. 1 correct of 2.").arg(wrong - 1)),
        qPrintable(heard.arrivals[0].description));
}

void TestAccessibility::dropDownsAreLabelled_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("label");
    const auto row = [](const char* list, const char* label) {
        QTest::newRow(list) << QString::fromLatin1(list) << QString::fromLatin1(label);
    };
    row("namecb", "User Name");
    row("ttcb", "Tables of");
    row("uptocb", "Practice with up to");
    row("qtcb", "Question Type");
    row("hiscb", "Day");
    row("keepcb", "Number of last files to keep");
    row("delfirstcb", "Number of first files to delete");
    row("cleanupcb", "For the following student(s)");
    row("deletecb", "Select student to delete");
}

void TestAccessibility::dropDownsAreLabelled()
{
    QFETCH(QString, list);
    QFETCH(QString, label);
    TestFolder folder;
    auto window = startProgram();
    QStringList labels;
    auto* combo = window->findChild<QComboBox*>(list);
    for (const auto& [face, relation] : QAccessible::queryAccessibleInterface(combo)->relations(QAccessible::Label))
        labels << face->text(QAccessible::Name);
    QVERIFY2(labels.contains(label), qPrintable(labels.join(QLatin1Char('|'))));
}

// A screen reader speaks an object as it takes the focus: each key on the board or the results
// page gives the focus to an object saying the cell or line, a new one even where the words stay
// the same, so that it is said again.
QString focusedItem(QAccessibleInterface* list)
{
    QAccessibleInterface* item = list->focusChild();
    return item && item->state().focused && item->role() == QAccessible::ListItem ? item->text(QAccessible::Name)
                                                                                  : QStringLiteral("<no item>");
}

void TestAccessibility::boardSaysTheCellUnderTheCursor()
{
    TestFolder folder;
    auto window = startProgram();
    auto* ttim = control<ImageControl>(window.get(), "ttim");
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(ttim);
    QCOMPARE(board->role(), QAccessible::List);
    QCOMPARE(board->childCount(), 144);
    QCOMPARE(focusedItem(board), QStringLiteral("<no item>"));
    ttim->setFocus(Qt::TabFocusReason);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("3 rows of 4 dots"));
    QCOMPARE(focusedItem(board), QStringLiteral("row 1, column 1, dot"));
    const std::pair<Qt::Key, const char*> keys[]
        = { { Qt::Key_Left, "row 1, column 1, dot" }, { Qt::Key_Down, "row 2, column 1, dot" },
              { Qt::Key_Right, "row 2, column 2, dot" }, { Qt::Key_Space, "row 2, column 2, dot" },
              { Qt::Key_Down, "row 3, column 2, dot" }, { Qt::Key_Down, "row 4, column 2, empty" },
              { Qt::Key_Space, "row 4, column 2, dot" }, { Qt::Key_Space, "row 4, column 2, empty" } };
    for (const auto& [key, cell] : keys) {
        const QAccessible::Id before = QAccessible::uniqueId(board->focusChild());
        QTest::keyClick(ttim, key);
        QCOMPARE(focusedItem(board), QString::fromLatin1(cell));
        QVERIFY2(QAccessible::uniqueId(board->focusChild()) != before, cell);
    }
    QCOMPARE(board->text(QAccessible::Description), QStringLiteral("1 dots drawn"));
    QCOMPARE(board->child(0)->text(QAccessible::Name), QStringLiteral("row 1, column 1, dot"));
    QCOMPARE(board->child(143)->text(QAccessible::Name), QStringLiteral("row 12, column 12, empty"));
    control<QLineEdit>(window.get(), "anseb")->setFocus();
    QCOMPARE(focusedItem(board), QStringLiteral("<no item>"));
}

void TestAccessibility::resultsPageLineByLine()
{
    TestFolder folder;
    auto window = startProgram();
    auto* resltsim = control<ImageControl>(window.get(), "resltsim");
    auto* resltssb = control<QScrollBar>(window.get(), "resltssb");
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(resltsim);
    QCOMPARE(page->role(), QAccessible::List);
    QCOMPARE(page->childCount(), 0);
    MainWindowTestAccess::seed(*window, 20261209);
    auto* anseb = control<QLineEdit>(window.get(), "anseb");
    for (int asked = 1; asked <= 23; ++asked) {
        invoke(window.get(), "QuestionbtClick");
        const int right = rightAnswer(control<QLabel>(window.get(), "qlb")->text());
        QTest::keyClicks(anseb, QString::number(asked == 2 ? right + 1 : right));
        QTest::keyClick(anseb, Qt::Key_Return);
    }
    QCOMPARE(page->childCount(), 23);
    control<QTabWidget>(window.get(), "TabbedNotebook1")->setCurrentIndex(1);
    resltsim->setFocus(Qt::TabFocusReason);
    QVERIFY(focusedItem(page).startsWith(QStringLiteral("Practice, Multiplication, ")));
    // Each key says a line, a new object each time; the page scrolls to keep it in view.
    const struct {
        Qt::Key key;
        int line;
        int firstShown;
    } keys[] = { { Qt::Key_Up, 0, 0 }, { Qt::Key_Down, 1, 0 }, { Qt::Key_End, 22, 3 }, { Qt::Key_End, 22, 3 },
        { Qt::Key_PageUp, 2, 2 }, { Qt::Key_Home, 0, 0 }, { Qt::Key_PageDown, 20, 1 } };
    for (const auto& [key, line, firstShown] : keys) {
        const QAccessible::Id before = QAccessible::uniqueId(page->focusChild());
        QTest::keyClick(resltsim, key);
        QCOMPARE(focusedItem(page), page->child(line)->text(QAccessible::Name));
        QVERIFY(QAccessible::uniqueId(page->focusChild()) != before);
        QCOMPARE(resltssb->value(), firstShown);
    }
    QVERIFY(page->child(1)->text(QAccessible::Name).endsWith(QStringLiteral(", wrong")));
}

void TestAccessibility::dropDownSaysItsValue()
{
    TestFolder folder;
    auto window = startProgram();
    auto* ttcb = control<QComboBox>(window.get(), "ttcb");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ttcb);
    QVERIFY(list->textInterface());
    QCOMPARE(list->textInterface()->text(0, list->textInterface()->characterCount()), QStringLiteral("5"));
    QCOMPARE(list->child(1)->text(QAccessible::Name), QStringLiteral("5"));
    ttcb->setFocus();
    QTest::keyClick(ttcb, Qt::Key_Down);
    QCOMPARE(list->textInterface()->text(0, list->textInterface()->characterCount()), QStringLiteral("6"));
    // The value is said before the question that the change asks, which takes the focus.
    QVERIFY(control<QLineEdit>(window.get(), "anseb")->hasFocus());
    QVERIFY(spoken(control<QLineEdit>(window.get(), "anseb"), QAccessible::Description)
                .startsWith(QStringLiteral("Tables of 6. ")));
}

void TestAccessibility::hiddenControlsAreSilent()
{
    TestFolder folder;
    auto window = startProgram();
    for (const char* helper : { "ttimbt", "resltsbt", "sortbt", "hisbt" }) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control<QPushButton>(window.get(), helper));
        QCOMPARE(face->text(QAccessible::Name), QString());
        QVERIFY(!face->state().focusable);
    }
    // The closed teacher panels show nothing, so neither the placeholders of their lists.
    for (const char* panel : { "cleanupgb", "deletegb", "nstudgb", "logingb" }) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control<QGroupBox>(window.get(), panel));
        QCOMPARE(face->childCount(), 0);
    }
    QVERIFY(QAccessible::queryAccessibleInterface(control<QGroupBox>(window.get(), "GroupBox1"))->childCount() > 0);

    // While a question runs, the hidden total time changes under a name of its own, which
    // keeps Qt from announcing each change.
    control<QPushButton>(window.get(), "Questionbt")->click();
    invoke(window.get(), "ctrTimer", 30);
    auto* ttimelb = control<QLabel>(window.get(), "ttimelb");
    QCOMPARE(ttimelb->text(), QStringLiteral("Total time: 3.0 s"));
    QCOMPARE(ttimelb->accessibleName(), QStringLiteral("Total Time"));
    // Shown, it says its text again.
    control<QAction>(window.get(), "Showtimer1")->trigger();
    QCOMPARE(spoken(control<QLabel>(window.get(), "ttimelb")), QStringLiteral("Total time: 3.0 s"));
}

void TestAccessibility::oneObjectHasTheFocus()
{
    TestFolder folder;
    auto window = startProgram();
    auto* notebook = control<QTabWidget>(window.get(), "TabbedNotebook1");
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(notebook->tabBar());
    QCOMPARE(bar->childCount(), 2);
    QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("Arrays"));
    QVERIFY(!bar->child(0)->state().focused);
    notebook->tabBar()->setFocus();
    QVERIFY(bar->child(0)->state().focused);
    QVERIFY(!bar->child(1)->state().focused);
    QVERIFY(!bar->state().focused);
    QVERIFY(!QAccessible::queryAccessibleInterface(notebook)->state().focused);
    QCOMPARE(bar->focusChild(), bar->child(0));
    QCOMPARE(bar->indexOfChild(bar->child(1)), 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
