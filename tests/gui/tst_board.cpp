// The array board by its pixels: the dots of a question, the grid, and the pupil's dots.

#include "gui/controls/imagecontrol.h"
#include "guitest.h"

#include <QLabel>
#include <QRadioButton>

namespace {

const QColor white(255, 255, 255);
const QColor red(255, 0, 0);
const QColor grey(128, 128, 128);

// The board as the user sees it, not only the picture behind it.
QImage shown(Tflashcardfrm& window)
{
    return control<ImageControl>(&window, "ttim")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// A dot: red at the centre of its box and just inside its edges, white at the box's corners.
void expectDot(const QImage& board, int column, int row)
{
    const int left = 10 + 36 * column;
    const int top = 10 + 36 * row;
    QCOMPARE(at(board, left + 15, top + 15), red);
    QCOMPARE(at(board, left + 1, top + 15), red);
    QCOMPARE(at(board, left + 28, top + 15), red);
    QCOMPARE(at(board, left + 15, top + 1), red);
    QCOMPARE(at(board, left + 15, top + 28), red);
    QCOMPARE(at(board, left, top), white);
    QCOMPARE(at(board, left + 29, top + 29), white);
    // The gap to the next box.
    QCOMPARE(at(board, left + 32, top + 15), white);
    QCOMPARE(at(board, left + 15, top + 32), white);
}

void expectNoDot(const QImage& board, int column, int row)
{
    QCOMPARE(at(board, 10 + 36 * column + 15, 10 + 36 * row + 15), white);
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void productIsRowsOfDots();
    void sumIsTwoRows();
    void divisionShowsTheGreyGrid();
    void pressesToggleCells();
    void pressOutsideTheGridChangesNothing();
    void newQuestionClearsThePupilsDots();
};

void TestBoard::productIsRowsOfDots()
{
    TestFolder folder;
    auto window = startProgram();
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    const QImage board = shown(*window);
    QCOMPARE(board.size(), QSize(791, 446));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            expectDot(board, column, row);
        expectNoDot(board, 4, row);
    }
    expectNoDot(board, 0, 3);
    // The last dot box runs from (118, 82) to (148, 112).
    QCOMPARE(at(board, 133, 97), red);
    QCOMPARE(at(board, 149, 97), white);
    QCOMPARE(at(board, 133, 113), white);
    QCOMPARE(at(board, 7, 7), white); // no grid
}

void TestBoard::sumIsTwoRows()
{
    TestFolder folder;
    auto window = startProgram();
    control<QRadioButton>(window.get(), "addrb")->click();
    QVERIFY(askUntil(*window, QStringLiteral("5 + 2 = ?")));
    const QImage board = shown(*window);
    for (int column = 0; column < 5; ++column)
        expectDot(board, column, 0);
    expectNoDot(board, 5, 0);
    for (int column = 0; column < 5; ++column)
        expectNoDot(board, column, 1);
    expectDot(board, 0, 2);
    expectDot(board, 1, 2);
    expectNoDot(board, 2, 2);
    QCOMPARE(at(board, 25, 83), red); // the third row's boxes start at y = 82
}

void TestBoard::divisionShowsTheGreyGrid()
{
    TestFolder folder;
    auto window = startProgram();
    control<QRadioButton>(window.get(), "divrb")->click();
    const QImage board = shown(*window);
    for (int k = 0; k <= 12; ++k) {
        const int line = 7 + 36 * k;
        QCOMPARE(at(board, line, 7), grey);
        QCOMPARE(at(board, line, 200), grey);
        QCOMPARE(at(board, line, 439), grey);
        QCOMPARE(at(board, 200, line), grey);
        QCOMPARE(at(board, 439, line), grey);
    }
    QCOMPARE(at(board, 6, 200), white);
    QCOMPARE(at(board, 440, 200), white);
    QCOMPARE(at(board, 200, 440), white);
    QCOMPARE(at(board, 25, 25), white); // no dots
    QCOMPARE(at(board, 8, 8), white);
}

void TestBoard::pressesToggleCells()
{
    TestFolder folder;
    auto window = startProgram();
    control<QRadioButton>(window.get(), "subrb")->click();
    auto* ttim = control<ImageControl>(window.get(), "ttim");
    auto* label = control<QLabel>(window.get(), "totalseelb");
    QVERIFY(label->isVisible());

    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(5, 5));
    expectDot(shown(*window), 0, 0);
    QCOMPARE(label->text(), QStringLiteral("1 dots drawn"));

    QTest::mouseClick(ttim, Qt::RightButton, Qt::ShiftModifier, QPoint(45, 45));
    expectNoDot(shown(*window), 0, 0);
    QCOMPARE(label->text(), QStringLiteral("0 dots drawn"));

    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(46, 46));
    expectDot(shown(*window), 1, 1);
    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(441, 441));
    expectDot(shown(*window), 11, 11);
    QCOMPARE(label->text(), QStringLiteral("2 dots drawn"));
    // The grid line through the cell's edge stays.
    QCOMPARE(at(shown(*window), 43, 60), grey);
}

void TestBoard::pressOutsideTheGridChangesNothing()
{
    TestFolder folder;
    auto window = startProgram();
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    const QImage before = shown(*window);
    auto* ttim = control<ImageControl>(window.get(), "ttim");
    for (const QPoint press : { QPoint(500, 100), QPoint(442, 20), QPoint(20, 442), QPoint(790, 445) })
        QTest::mouseClick(ttim, Qt::LeftButton, {}, press);
    QCOMPARE(shown(*window), before);
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("0 dots drawn"));
}

void TestBoard::newQuestionClearsThePupilsDots()
{
    TestFolder folder;
    auto window = startProgram();
    control<QRadioButton>(window.get(), "divrb")->click();
    auto* ttim = control<ImageControl>(window.get(), "ttim");
    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(200, 100));
    // A question's own dots can be pressed too: erased, then drawn again as the pupil's.
    control<QRadioButton>(window.get(), "Multirb")->click();
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("0 dots drawn"));
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(25, 25));
    expectDot(shown(*window), 0, 0);
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("1 dots drawn"));
    QTest::mouseClick(ttim, Qt::LeftButton, {}, QPoint(25, 25));
    expectNoDot(shown(*window), 0, 0);
    invoke(window.get(), "QuestionbtClick");
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("0 dots drawn"));
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
