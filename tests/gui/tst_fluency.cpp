// The fluency report: opened from the File menu for the selected student, the states of the
// facts read from that student's days as the window shows them, and printing through a PDF
// printer onto one landscape page.

#include "gui/mainwindow/flashcardfrm.h"
#include "gui/windows/fluencyreport.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <functional>

using quorvex::Fact;
using quorvex::FactState;
using quorvex::Operation;

Q_DECLARE_METATYPE(quorvex::Operation)
Q_DECLARE_METATYPE(quorvex::FactState)

namespace {

// Ann's two days: 3 x 4 fluent, 5 x 6 slow, 7 - 2 = 5 wrong at last (right on day 1), a division
// right in a speed round, and a hand-edited line.
const QByteArray annDay1 = "Multiplication ,1 ,3 x 4 = 12 ,12 ,20\r\n"
                           "Subtraction ,1 ,7 - 2 = 5 ,5 ,12\r\n"
                           "Multiplication ,1 ,5 x 6 = 30 ,30 ,14\r\n";
const QByteArray annDay2 = "Multiplication ,1 ,5 x 6 = 30 ,30 ,45\r\n"
                           "Subtraction ,0 ,7 - 2 = 5 ,4 ,12\r\n"
                           "Division ,1 ,12 \xf7 3 = 4 ,4 ,0\r\n"
                           "Multiplication ,1 ,3 x 4 = 21 ,21 ,10\r\n";

// Starts the program with Ann's days in the folder and Ann selected.
std::unique_ptr<Tflashcardfrm> startWithAnn(TestFolder& folder)
{
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    folder.write(QStringLiteral("Ann1.txt"), annDay1);
    folder.write(QStringLiteral("Ann2.txt"), annDay2);
    auto window = startProgram();
    control<QComboBox>(window.get(), "namecb")->setCurrentIndex(1);
    return window;
}

// Opens the report from the File menu and runs body while it is up, then closes it through
// its menu; false when no report window came up.
bool whileReportShown(Tflashcardfrm& window, const std::function<void(TFluencyReportfrm&)>& body)
{
    bool shown = false;
    QTimer wait;
    wait.setSingleShot(true);
    QObject::connect(&wait, &QTimer::timeout, &window, [&] {
        auto* report = qobject_cast<TFluencyReportfrm*>(QApplication::activeModalWidget());
        if (!report)
            return;
        shown = report->isVisible();
        body(*report);
        if (report->isVisible())
            control<QAction>(report, "Closereport1")->trigger();
    });
    wait.start(0);
    control<QAction>(&window, "FluencyReport1")->trigger();
    return shown;
}

// The page as the report draws it.
QImage drawnPage(const TFluencyReportfrm& report)
{
    QImage page(fluencyPageSize, QImage::Format_RGB32);
    QPainter painter(&page);
    drawFluencyPage(painter, report.report(), QStringLiteral("Ann"));
    return page;
}

// A point inside a cell's fill, clear of its grid lines and its symbol (which a cross reaches
// into the corners).
QPointF insideFill(const QRectF& cell)
{
    return { cell.center().x(), cell.top() + 2.5 };
}

bool near(const QColor& actual, const QColor& expected)
{
    return std::abs(actual.red() - expected.red()) <= 3 && std::abs(actual.green() - expected.green()) <= 3
        && std::abs(actual.blue() - expected.blue()) <= 3;
}

QString describe(const QColor& colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace

class TestFluency : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuItemFollowsPrintCertificate();
    void factsOfTheSelectedStudent_data();
    void factsOfTheSelectedStudent();
    void windowShowsTheStatesColours();
    void noteCountsSkippedLines();
    void studentWithoutDays();
    void printGoesToOneLandscapePage();
    void cancelPrintsNothing();
    void unsavedAnswersAreToday();
    void fitsASmallScreen();
};

void TestFluency::menuItemFollowsPrintCertificate()
{
    TestFolder folder;
    auto window = startProgram();
    const QList<QAction*> items = control<QMenu>(window.get(), "File1")->actions();
    auto* report = control<QAction>(window.get(), "FluencyReport1");
    QVERIFY(report);
    QCOMPARE(report->text(), QStringLiteral("&Fluency Report"));
    const qsizetype certificate = items.indexOf(control<QAction>(window.get(), "Printcertificate1"));
    QVERIFY(certificate >= 0);
    QCOMPARE(items.indexOf(report), certificate + 1);
}

void TestFluency::factsOfTheSelectedStudent_data()
{
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<FactState>("state");
    QTest::addColumn<bool>("due"); // on day 3, the next
    QTest::newRow("3 x 4 right in 2.0 s") << Operation::Multiplication << 3 << 4 << FactState::Fluent << true;
    QTest::newRow("5 x 6 right in 1.4 s, then in 4.5 s")
        << Operation::Multiplication << 5 << 6 << FactState::Right << true;
    QTest::newRow("7 - 2 right, then wrong") << Operation::Subtraction << 5 << 2 << FactState::Wrong << true;
    QTest::newRow("12 / 3 right in a speed round") << Operation::Division << 4 << 3 << FactState::Right << false;
    QTest::newRow("4 x 3 never asked") << Operation::Multiplication << 4 << 3 << FactState::NotAsked << false;
    QTest::newRow("3 + 4 never asked") << Operation::Addition << 3 << 4 << FactState::NotAsked << false;
}

void TestFluency::factsOfTheSelectedStudent()
{
    QFETCH(Operation, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(FactState, state);
    QFETCH(bool, due);
    TestFolder folder;
    auto window = startWithAnn(folder);
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        QCOMPARE(report.windowTitle(), QStringLiteral("Fluency Report - Ann"));
        QCOMPARE(report.report().state(op, a, b), state);
        QCOMPARE(report.report().due({ op, a, b }), due);
        const QImage page = drawnPage(report);
        const QRectF cell = fluencyCellRect(op, a, b);
        QCOMPARE(page.pixelColor(insideFill(cell).toPoint()), stateColour(state));
        // A fact due for review has its bottom left corner filled black.
        QCOMPARE(page.pixelColor((cell.bottomLeft() + QPointF(2, -3)).toPoint()),
            due ? QColor(Qt::black) : stateColour(state));
    }));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

// What the window shows on screen, scaled to its size: each state's fill where its fact's
// cell lies, and a different fill for each state.
void TestFluency::windowShowsTheStatesColours()
{
    TestFolder folder;
    auto window = startWithAnn(folder);
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        auto* view = control<QWidget>(&report, "reportim");
        QVERIFY(view);
        // At least the page's own size, so that one pixel of the cell's fill is clear of its lines.
        report.resize(fluencyPageSize + QSize(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        const QImage shown = view->grab().toImage();
        const QTransform onScreen = fluencyPageTransform(QRectF(view->rect()));
        const qreal ratio = shown.devicePixelRatio();
        const struct {
            Fact fact;
            FactState state;
        } cells[] = {
            { { Operation::Multiplication, 3, 4 }, FactState::Fluent },
            { { Operation::Multiplication, 5, 6 }, FactState::Right },
            { { Operation::Subtraction, 5, 2 }, FactState::Wrong },
            { { Operation::Addition, 0, 1 }, FactState::NotAsked },
        };
        for (const auto& cell : cells) {
            const QPointF at = onScreen.map(insideFill(fluencyCellRect(cell.fact.op, cell.fact.a, cell.fact.b)));
            const QColor colour = shown.pixelColor((at * ratio).toPoint());
            QVERIFY2(near(colour, stateColour(cell.state)), qPrintable(describe(colour)));
        }
        // Pointing at a cell names its fact and state.
        const QPoint pointed = onScreen.map(fluencyCellRect(Operation::Multiplication, 3, 4).center()).toPoint();
        QHelpEvent help(QEvent::ToolTip, pointed, view->mapToGlobal(pointed));
        QApplication::sendEvent(view, &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("3 x 4 = 12: fluent, due for review"));
        QCOMPARE(
            fluencyFactAt(fluencyCellRect(Operation::Division, 4, 3).center()), (Fact { Operation::Division, 4, 3 }));
        QCOMPARE(factDescription({ Operation::Multiplication, 3, 4 }, FactState::Fluent),
            QStringLiteral("3 x 4 = 12: fluent"));
        QCOMPARE(
            factDescription({ Operation::Subtraction, 5, 2 }, FactState::Wrong), QStringLiteral("7 - 2 = 5: wrong"));
        QCOMPARE(factDescription({ Operation::Division, 4, 3 }, FactState::Right),
            QStringLiteral("12 \u00f7 3 = 4: right, but slower or in a speed round"));
    }));
    QSet<QRgb> fills;
    for (const FactState state : { FactState::Fluent, FactState::Right, FactState::Wrong, FactState::NotAsked })
        fills << stateColour(state).rgb();
    QCOMPARE(fills.size(), 4);
}

void TestFluency::noteCountsSkippedLines()
{
    TestFolder folder;
    auto window = startWithAnn(folder);
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        QCOMPARE(report.report().skippedLines(), 1);
        const QString description = control<QWidget>(&report, "reportim")->accessibleDescription();
        QVERIFY2(description.contains(
                     QStringLiteral("1 line of the day files could not be read as an answer and was left out.")),
            qPrintable(description));
        QVERIFY2(description.contains(QStringLiteral("Multiplication: 1 fluent, 1 right, 0 wrong, 154 not yet asked. "
                                                     "2 due for review; fluent and not due: 0 of 156.")),
            qPrintable(description));
        QVERIFY2(description.startsWith(QStringLiteral("Days 1 to 2, 6 answers.")), qPrintable(description));
        QCOMPARE(report.report().days().size(), 2u);
    }));
    QCOMPARE(skippedLinesNote(0), QStringLiteral("Every line of the day files was read."));
    QCOMPARE(skippedLinesNote(3),
        QStringLiteral("3 lines of the day files could not be read as answers and were left out."));
}

void TestFluency::studentWithoutDays()
{
    TestFolder folder;
    auto window = startProgram();
    QCOMPARE(control<QComboBox>(window.get(), "namecb")->currentText(), QStringLiteral("Guest"));
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        QCOMPARE(report.windowTitle(), QStringLiteral("Fluency Report - Guest"));
        QVERIFY(report.report().days().empty());
        QCOMPARE(report.report().stateCounts(Operation::Multiplication), (std::array<int32_t, 4> { 156, 0, 0, 0 }));
        QVERIFY(control<QWidget>(&report, "reportim")
                    ->accessibleDescription()
                    .startsWith(QStringLiteral("No days saved yet.")));
    }));
    QVERIFY(folder.dialogs().errors.isEmpty());
    // Opening the report writes nothing into the class folder.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { QStringLiteral("studnames.txt") });
}

void TestFluency::printGoesToOneLandscapePage()
{
    TestFolder folder;
    auto window = startWithAnn(folder);
    const QString pdf = folder.path() + QStringLiteral("/report.pdf");
    QPageLayout layout;
    int resolution = 0;
    QSize printable;
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        layout = printer->pageLayout();
        resolution = printer->resolution();
        printable = QSize(printer->width(), printer->height());
        return true;
    };
    QVERIFY(whileReportShown(
        *window, [&](TFluencyReportfrm& report) { control<QAction>(&report, "Printreport1")->trigger(); }));
    QVERIFY2(folder.dialogs().errors.isEmpty(), qPrintable(folder.dialogs().errors.join(QLatin1Char('\n'))));
    QCOMPARE(layout.orientation(), QPageLayout::Landscape);

    constexpr int dpi = 100;
    const QList<QImage> pages = renderPdf(pdf, dpi);
    QCOMPARE(pages.size(), 1);
    const QImage& page = pages.first();
    QVERIFY(page.width() > page.height());

    // The page's plan, fitted into the printable area, lands where the report says.
    const QRect paintRect = layout.paintRectPixels(resolution);
    const QTransform fitted = fluencyPageTransform(QRectF(QPointF(0, 0), QSizeF(printable)));
    const double pixels = dpi / static_cast<double>(resolution);
    const auto onPaper = [&](QPointF onPage) { return (fitted.map(onPage) + paintRect.topLeft()) * pixels; };
    const struct {
        Fact fact;
        FactState state;
    } cells[] = {
        { { Operation::Multiplication, 3, 4 }, FactState::Fluent },
        { { Operation::Multiplication, 5, 6 }, FactState::Right },
        { { Operation::Subtraction, 5, 2 }, FactState::Wrong },
        { { Operation::Division, 4, 3 }, FactState::Right },
        { { Operation::Addition, 12, 12 }, FactState::NotAsked },
    };
    for (const auto& cell : cells) {
        const QPointF at = onPaper(insideFill(fluencyCellRect(cell.fact.op, cell.fact.a, cell.fact.b)));
        const QColor colour = page.pixelColor(at.toPoint());
        QVERIFY2(near(colour, stateColour(cell.state)), qPrintable(describe(colour)));
    }
    // As large as the printable area allows: the page spans its width or its height.
    const QPointF spanned = onPaper(QPointF(fluencyPageSize.width(), fluencyPageSize.height())) - onPaper({ 0, 0 });
    QVERIFY(std::abs(spanned.x() - paintRect.width() * pixels) < 1
        || std::abs(spanned.y() - paintRect.height() * pixels) < 1);
}

void TestFluency::cancelPrintsNothing()
{
    TestFolder folder;
    auto window = startWithAnn(folder);
    int asked = 0;
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        ++asked;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.path() + QStringLiteral("/cancelled.pdf"));
        return false;
    };
    bool stillShown = false;
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        control<QAction>(&report, "Printreport1")->trigger();
        stillShown = report.isVisible();
    }));
    QCOMPARE(asked, 1);
    QVERIFY(stillShown);
    QVERIFY(!folder.exists(QStringLiteral("cancelled.pdf")));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

// Opened in the middle of a lesson, the report shows the answers not yet saved as today, and
// marks the cells they decided; once saved, they are read from their day file instead.
void TestFluency::unsavedAnswersAreToday()
{
    TestFolder folder;
    auto window = startWithAnn(folder);
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    control<QLineEdit>(window.get(), "anseb")->setText(QStringLiteral("13"));
    control<QPushButton>(window.get(), "checkbt")->click();
    const Fact answered { Operation::Multiplication, 3, 4 };
    const Fact saved { Operation::Multiplication, 5, 6 };
    const auto topRightCorner = [](const Fact& fact) {
        const QRectF cell = fluencyCellRect(fact.op, fact.a, fact.b);
        return QPointF(cell.right() - 2, cell.top() + 2).toPoint();
    };
    std::vector<quorvex::DayPoint> days;
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        days = report.report().days();
        QCOMPARE(report.report().state(answered), FactState::Wrong);
        QVERIFY(report.report().fromUnsaved(answered));
        QVERIFY(!report.report().fromUnsaved(saved));
        const QImage page = drawnPage(report);
        QCOMPARE(page.pixelColor(topRightCorner(answered)), QColor(0, 90, 181));
        QCOMPARE(page.pixelColor(topRightCorner(saved)), stateColour(FactState::Right));
        QVERIFY(control<QWidget>(&report, "reportim")
                    ->accessibleDescription()
                    .startsWith(QStringLiteral("Days 1 to 2 and today (not yet saved), 7 answers.")));
    }));
    QCOMPARE(days.size(), size_t(3));
    QVERIFY(days[2].unsaved);
    QCOMPARE(days[2].answered, 1);
    QCOMPARE(days[2].right, 0);

    // Picking another pupil saves the lesson as Ann's third day.
    choose(control<QComboBox>(window.get(), "namecb"), 0);
    choose(control<QComboBox>(window.get(), "namecb"), 1);
    QVERIFY(folder.exists(QStringLiteral("Ann3.txt")));
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        std::vector<quorvex::DayPoint> read = report.report().days();
        QCOMPARE(read.size(), size_t(3));
        QVERIFY(!read[2].unsaved);
        read[2].unsaved = true;
        QVERIFY(read == days);
        QCOMPARE(report.report().state(answered), FactState::Wrong);
        QVERIFY(!report.report().fromUnsaved(answered));
        QCOMPARE(drawnPage(report).pixelColor(topRightCorner(answered)), stateColour(FactState::Wrong));
    }));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

// On the offscreen screen, smaller than the page, the report takes the screen and draws the
// page smaller. Ctrl+P prints, proposing a file of the pupil's own; Escape closes.
void TestFluency::fitsASmallScreen()
{
    TestFolder folder;
    auto window = startWithAnn(folder);
    QStringList proposed;
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        proposed << QFileInfo(printer->outputFileName()).fileName();
        return false;
    };
    bool closedByEscape = false;
    const QDate before = QDate::currentDate();
    QVERIFY(whileReportShown(*window, [&](TFluencyReportfrm& report) {
        const QRect screen = report.screen()->availableGeometry();
        QVERIFY(screen.height() < fluencyPageSize.height());
        QVERIFY(screen.contains(report.frameGeometry()));
        QVERIFY(QTest::qWaitForWindowActive(&report));
        QTest::keyClick(report.windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(report.windowHandle(), Qt::Key_Escape);
        closedByEscape = !report.isVisible();
    }));
    QVERIFY(closedByEscape);
    QCOMPARE(proposed.size(), 1);
    const auto onDay
        = [](QDate day) { return QStringLiteral("Fluency Report - Ann - %1.pdf").arg(day.toString(Qt::ISODate)); };
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        QVERIFY2(proposed.first() == onDay(before) || proposed.first() == onDay(QDate::currentDate()),
            qPrintable(proposed.first()));
}

QTEST_MAIN(TestFluency)
#include "tst_fluency.moc"
