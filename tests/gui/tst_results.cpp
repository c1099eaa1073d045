// The results page by its pixels: where each line goes, its colours, the time bars, the scroll
// bar and the four orders. The records come from day files shown in the history view, so every
// time and mark is exactly known.

#include "gui/controls/imagecontrol.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "guitest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor green(0, 128, 0);
const QColor red(255, 0, 0);

int slotTop(int slot)
{
    return 10 + 20 * slot;
}

QByteArray line(bool right, int ticks)
{
    return QByteArray("Multiplication ,") + (right ? "1" : "0") + " ,3 x 4 = 12 ," + (right ? "12" : "13") + " ,"
        + QByteArray::number(ticks) + "\r\n";
}

// A day of count records; record k took k tenths, and every third one is wrong.
QByteArray countedDay(int count)
{
    QByteArray day;
    for (int k = 1; k <= count; ++k)
        day += line(k % 3 != 0, k);
    return day;
}

struct Bar {
    int length = 0;
    QColor colour;
};

// The bar drawn in a slot, measured along its middle row.
Bar barIn(QObject* window, int slot)
{
    const int y = slotTop(slot) + 7;
    Bar bar;
    bar.colour = pixelAt(window, "resltsim", 250, y);
    while (250 + bar.length < 721 && pixelAt(window, "resltsim", 250 + bar.length, y) != white)
        ++bar.length;
    return bar;
}

// The colours found in a rectangle of the page.
QList<QColor> coloursIn(QObject* window, int left, int top, int right, int bottom)
{
    QList<QColor> found;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const QColor colour = pixelAt(window, "resltsim", x, y);
            if (!found.contains(colour))
                found << colour;
        }
    }
    return found;
}

class ResultsPage {
public:
    explicit ResultsPage(TestFolder& folder)
        : folder(folder)
        , window(startProgram())
    {
        control<QTabWidget>(window.get(), "TabbedNotebook1")->setCurrentIndex(1);
    }

    QObject* w() const { return window.get(); }

    void showTimer() { control<QAction>(w(), "Showtimer1")->trigger(); }

    // Writes the days as Guest's and shows the first of them.
    void showDays(const QList<QByteArray>& days)
    {
        for (int n = 0; n < days.size(); ++n)
            folder.write(QStringLiteral("Guest%1.txt").arg(n + 1), days[n]);
        control<QCheckBox>(w(), "showhistorycb")->click();
    }

    void showDay(int n) { choose(control<QComboBox>(w(), "hiscb"), n - 1); }

    QScrollBar* scrollBar() const { return control<QScrollBar>(w(), "resltssb"); }

    std::vector<int32_t> numbers() const
    {
        std::vector<int32_t> found;
        for (const quorvex::Treslts& record : MainWindowTestAccess::answerLog(*window).records())
            found.push_back(record.number);
        return found;
    }

    std::vector<int> barLengths(int slots) const
    {
        std::vector<int> lengths;
        for (int s = 0; s < slots; ++s)
            lengths.push_back(barIn(w(), s).length);
        return lengths;
    }

    TestFolder& folder;
    std::unique_ptr<Tflashcardfrm> window;
};

} // namespace

class TestResults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyPageIsWhite();
    void linesStandInTheirSlots_data();
    void linesStandInTheirSlots();
    void rightIsGreenAndWrongIsRed();
    void rightAndWrongDifferInShapeToo();
    void longFactsAreNeverCovered_data();
    void longFactsAreNeverCovered();
    void barsAppearWithTheTimerAtTheNextRedraw();
    void barsStayOnThePage();
    void scrollMaximum_data();
    void scrollMaximum();
    void scrollingShowsLaterRecords();
    void ordersReorderAndRedraw();
    void wrongFirstListsTheLatestWrongFirst();
};

void TestResults::emptyPageIsWhite()
{
    TestFolder folder;
    ResultsPage page(folder);
    QImage white(721, 425, QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(control<ImageControl>(page.w(), "resltsim")->picture(), white);
    QCOMPARE(page.scrollBar()->maximum(), 0);
    invoke(page.w(), "resltsbtClick");
    QCOMPARE(control<ImageControl>(page.w(), "resltsim")->picture(), white);
}

void TestResults::linesStandInTheirSlots_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 1;
    QTest::newRow("five") << 5;
    QTest::newRow("nineteen") << 19;
    QTest::newRow("twenty") << 20;
    QTest::newRow("twenty-one") << 21;
}

void TestResults::linesStandInTheirSlots()
{
    QFETCH(int, count);
    TestFolder folder;
    ResultsPage page(folder);
    page.showTimer();
    page.showDays({ countedDay(count) });
    for (int s = 0; s < 20; ++s) {
        const int y = slotTop(s);
        const bool filled = s < count;
        QCOMPARE(pixelAt(page.w(), "resltsim", 250, y - 1), white);
        QCOMPARE(pixelAt(page.w(), "resltsim", 250, y) != white, filled);
        QCOMPARE(pixelAt(page.w(), "resltsim", 250, y + 13) != white, filled);
        QCOMPARE(pixelAt(page.w(), "resltsim", 250, y + 14), white);
        QCOMPARE(barIn(page.w(), s).length, filled ? s + 1 : 0);
        // Every line has text in its four columns, nothing below the last.
        QCOMPARE(coloursIn(page.w(), 2, y, 65, y + 14).contains(black), filled);
        QCOMPARE(coloursIn(page.w(), 65, y, 150, y + 14).contains(black), filled);
    }
    QCOMPARE(coloursIn(page.w(), 0, slotTop(20), 721, 425), QList<QColor> { white });
}

void TestResults::rightIsGreenAndWrongIsRed()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showTimer();
    page.showDays({ line(true, 34) + line(false, 34) + line(true, 0) });

    const Bar right = barIn(page.w(), 0);
    QCOMPARE(right.colour, green);
    QCOMPARE(right.length, 34);
    QCOMPARE(pixelAt(page.w(), "resltsim", 283, slotTop(0)), green);
    QCOMPARE(pixelAt(page.w(), "resltsim", 284, slotTop(0)), white);
    const Bar wrong = barIn(page.w(), 1);
    QCOMPARE(wrong.colour, red);
    QCOMPARE(wrong.length, 34);
    // A time of 0, as in a speed round, has no bar.
    QCOMPARE(barIn(page.w(), 2).length, 0);

    for (int s = 0; s < 2; ++s) {
        const int y = slotTop(s);
        const QColor mark = s == 0 ? green : red;
        const QColor other = s == 0 ? red : green;
        for (const auto& [left, right] : { std::pair { 150, 220 }, std::pair { 220, 250 } }) {
            const QList<QColor> colours = coloursIn(page.w(), left, y, right, y + 14);
            QVERIFY(colours.contains(mark));
            QVERIFY(!colours.contains(other));
            QVERIFY(!colours.contains(black));
        }
        const QList<QColor> name = coloursIn(page.w(), 2, y, 150, y + 14);
        QVERIFY(name.contains(black));
        QVERIFY(!name.contains(green));
        QVERIFY(!name.contains(red));
    }
}

// With the colours gone (every pixel that is not white taken as ink, as on a high-contrast or a
// grey printout), a right line and a wrong one with the same fact and answer still differ.
void TestResults::rightAndWrongDifferInShapeToo()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showDays({ "Multiplication ,1 ,3 x 4 = 12 ,12 ,5\r\nMultiplication ,0 ,3 x 4 = 12 ,12 ,5\r\n" });
    const QImage picture = control<ImageControl>(page.w(), "resltsim")->picture();
    const auto ink = [&picture](int slot) {
        QList<bool> line;
        for (int y = slotTop(slot); y < slotTop(slot) + 20; ++y)
            for (int x = 0; x < 250; ++x)
                line << (picture.pixelColor(x, y) != white);
        return line;
    };
    QVERIFY(ink(0) != ink(1));
}

void TestResults::longFactsAreNeverCovered_data()
{
    QTest::addColumn<QByteArray>("fact");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("three-digit product") << QByteArray("12 x 11 = 132") << QByteArray("132");
    QTest::newRow("division") << QByteArray("144 \xf7 12 = 12") << QByteArray("12");
    QTest::newRow("long typed answer") << QByteArray("12 x 12 = 144") << QByteArray("1444444");
}

// A fact wider than its column pushes the answers of its page to the right: every pixel of the
// fact shows as it does alone on a white page, and the bar follows whole.
void TestResults::longFactsAreNeverCovered()
{
    QFETCH(QByteArray, fact);
    QFETCH(QByteArray, answer);
    TestFolder folder;
    ResultsPage page(folder);
    page.showTimer();
    page.showDays({ "Multiplication ,1 ," + fact + " ," + answer + " ,30\r\n" });
    const auto* results = control<ImageControl>(page.w(), "resltsim");
    const QImage picture = results->picture();
    QFont font = results->font();
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QString text = QString::fromLatin1(fact);
    QImage alone(picture.size(), picture.format());
    alone.fill(Qt::white);
    {
        QPainter painter(&alone);
        painter.setFont(font);
        painter.setPen(green);
        painter.drawText(150, slotTop(0) + metrics.ascent(), text);
    }
    const QRect factBox(150, slotTop(0), metrics.horizontalAdvance(text), metrics.height());
    QCOMPARE(picture.copy(factBox), alone.copy(factBox));
    // The bar of 30 tenths shows whole after the answer and its mark.
    int run = 0;
    int longest = 0;
    for (int x = factBox.right(); x < picture.width(); ++x) {
        run = picture.pixelColor(x, slotTop(0) + 7) == green ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    QCOMPARE(longest, 30);
}

void TestResults::barsAppearWithTheTimerAtTheNextRedraw()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showDays({ line(true, 34) + line(false, 20) });
    QCOMPARE(coloursIn(page.w(), 250, 0, 721, 425), QList<QColor> { white });
    QCOMPARE(coloursIn(page.w(), 150, slotTop(0), 250, slotTop(0) + 14).contains(green), true);

    page.showTimer();
    QCOMPARE(coloursIn(page.w(), 250, 0, 721, 425), QList<QColor> { white });
    control<QRadioButton>(page.w(), "longestrb")->click();
    QCOMPARE(page.barLengths(2), (std::vector<int> { 34, 20 }));

    page.showTimer();
    control<QRadioButton>(page.w(), "shortestrb")->click();
    QCOMPARE(coloursIn(page.w(), 250, 0, 721, 425), QList<QColor> { white });
}

void TestResults::barsStayOnThePage()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showTimer();
    page.showDays({ line(true, 2147483647) + line(false, -5) + line(true, 471) + line(true, 470) });
    QCOMPARE(barIn(page.w(), 0).length, 471);
    QCOMPARE(pixelAt(page.w(), "resltsim", 720, slotTop(0)), green);
    QCOMPARE(barIn(page.w(), 1).length, 0);
    QCOMPARE(barIn(page.w(), 2).length, 471);
    QCOMPARE(barIn(page.w(), 3).length, 470);
}

void TestResults::scrollMaximum_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maximum");
    QTest::newRow("5") << 5 << 0;
    QTest::newRow("19") << 19 << 0;
    QTest::newRow("20") << 20 << 1;
    QTest::newRow("45") << 45 << 26;
}

void TestResults::scrollMaximum()
{
    QFETCH(int, count);
    QFETCH(int, maximum);
    TestFolder folder;
    ResultsPage page(folder);
    page.showDays({ countedDay(count) });
    QCOMPARE(page.scrollBar()->minimum(), 0);
    QCOMPARE(page.scrollBar()->maximum(), maximum);
    QCOMPARE(page.scrollBar()->singleStep(), 1);
    QCOMPARE(page.scrollBar()->pageStep(), 1);
}

void TestResults::scrollingShowsLaterRecords()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showTimer();
    page.showDays({ countedDay(45), countedDay(5) });

    page.scrollBar()->setValue(3);
    QCOMPARE(barIn(page.w(), 0).length, 4);
    QCOMPARE(barIn(page.w(), 19).length, 23);

    // At the largest position the last record stands in slot 18 and slot 19 stays empty.
    page.scrollBar()->setValue(page.scrollBar()->maximum());
    QCOMPARE(page.scrollBar()->value(), 26);
    QCOMPARE(barIn(page.w(), 0).length, 27);
    QCOMPARE(barIn(page.w(), 18).length, 45);
    QCOMPARE(barIn(page.w(), 19).length, 0);
    QCOMPARE(coloursIn(page.w(), 0, slotTop(19), 721, 425), QList<QColor> { white });

    // A shorter log pulls the position back to its first record.
    page.showDay(2);
    QCOMPARE(page.scrollBar()->maximum(), 0);
    QCOMPARE(page.scrollBar()->value(), 0);
    QCOMPARE(page.barLengths(6), (std::vector<int> { 1, 2, 3, 4, 5, 0 }));
}

void TestResults::ordersReorderAndRedraw()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showTimer();
    // In file order: times 20, 35, 20, 35, 5; the third and fifth wrong.
    page.showDays({ line(true, 20) + line(true, 35) + line(false, 20) + line(true, 35) + line(false, 5) });
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 1, 2, 3, 4, 5 }));

    control<QRadioButton>(page.w(), "longestrb")->click();
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 2, 4, 1, 3, 5 }));
    QCOMPARE(page.barLengths(5), (std::vector<int> { 35, 35, 20, 20, 5 }));

    control<QRadioButton>(page.w(), "shortestrb")->click();
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 5, 1, 3, 2, 4 }));
    QCOMPARE(page.barLengths(5), (std::vector<int> { 5, 20, 20, 35, 35 }));

    control<QRadioButton>(page.w(), "showwrongrb")->click();
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 3, 5, 1, 2, 4 }));
    QCOMPARE(barIn(page.w(), 0).colour, red);
    QCOMPARE(barIn(page.w(), 2).colour, green);

    // The loaded day's records are numbered in file order, so this restores it.
    control<QRadioButton>(page.w(), "Showallrb")->click();
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 1, 2, 3, 4, 5 }));
    QCOMPARE(page.barLengths(5), (std::vector<int> { 20, 35, 20, 35, 5 }));
}

void TestResults::wrongFirstListsTheLatestWrongFirst()
{
    TestFolder folder;
    ResultsPage page(folder);
    page.showDays({ line(true, 1) + line(false, 2) + line(true, 3) + line(false, 4) });
    control<QRadioButton>(page.w(), "showwrongrb")->click();
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 4, 2, 1, 3 }));
    control<QRadioButton>(page.w(), "Showallrb")->click();
    QCOMPARE(page.numbers(), (std::vector<int32_t> { 1, 2, 3, 4 }));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
