// The class overview: opened from the teacher menu, sorted by its headings, a double-click
// opening a pupil's fluency report, printed on landscape pages and exported as a CSV file.

#include "gui/mainwindow/flashcardfrm.h"
#include "gui/windows/classoverviewfrm.h"
#include "gui/windows/fluencyreport.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

// Opens the overview from the teacher menu and runs body while it is up, then closes it;
// false when no overview came up.
bool whileOverviewShown(Tflashcardfrm& window, const std::function<void(TClassOverviewfrm&)>& body)
{
    bool shown = false;
    QTimer wait;
    QObject::connect(&wait, &QTimer::timeout, &window, [&] {
        auto* overview = qobject_cast<TClassOverviewfrm*>(QApplication::activeModalWidget());
        if (!overview || shown)
            return;
        shown = true;
        wait.stop();
        body(*overview);
        if (overview->isVisible())
            control<QAction>(overview, "Closeoverview1")->trigger();
    });
    wait.start(5);
    control<QAction>(&window, "ClassOverview1")->trigger();
    return shown;
}

QStringList column(QTableWidget* grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << grid->item(row, column)->text();
    return texts;
}

void clickHeading(QTableWidget* grid, int column)
{
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
}

const QByteArray annDay1 = "Multiplication ,1 ,3 x 4 = 12 ,12 ,20\r\n"
                           "Subtraction ,0 ,7 - 2 = 5 ,5 ,12\r\n"
                           "Addition ,1 ,2 + 3 = 5 ,5 ,14\r\n";
const QByteArray bobDay1 = "Division ,1 ,12 \xf7 3 = 4 ,4 ,9\r\n";

} // namespace

class TestOverview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sortsByHeadingAndOpensAReport();
    void printsLandscapePagesWithTheHeadingRepeated();
    void exportsTheRowsAsCsv();
    void notesUnreadableDays();
    void refreshReadsADayEditedInPlace();
    void barsOnlyInTheOperationColumns();
    void exportsEverythingOfOnePupil();
    void erasesAPupilOnceConfirmed();
};

void TestOverview::sortsByHeadingAndOpensAReport()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nbob\r\nAnn\r\n");
    folder.write(QStringLiteral("Ann1.txt"), annDay1);
    folder.write(QStringLiteral("bob1.txt"), bobDay1);
    auto window = startProgram();
    QString reportTitle;
    QVERIFY(whileOverviewShown(*window, [&](TClassOverviewfrm& overview) {
        auto* grid = control<QTableWidget>(&overview, "overviewgrid");
        QCOMPARE(
            column(grid, 0), (QStringList { QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("Guest") }));
        QCOMPARE(column(grid, 2), (QStringList { QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("0") }));
        QCOMPARE(column(grid, 3), (QStringList { QStringLiteral("67%"), QStringLiteral("100%"), QString() }));
        QCOMPARE(column(grid, 7),
            (QStringList { QStringLiteral("0/156"), QStringLiteral("1/156"), QStringLiteral("0/156") }));

        clickHeading(grid, 2); // fewest answers first, Guest last whatever the order
        QCOMPARE(
            column(grid, 0), (QStringList { QStringLiteral("bob"), QStringLiteral("Ann"), QStringLiteral("Guest") }));
        clickHeading(grid, 3);
        clickHeading(grid, 3); // the same heading again: the other way round
        QCOMPARE(
            column(grid, 0), (QStringList { QStringLiteral("bob"), QStringLiteral("Ann"), QStringLiteral("Guest") }));
        QCOMPARE(grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        clickHeading(grid, 0);
        QCOMPARE(
            column(grid, 0), (QStringList { QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("Guest") }));

        QTimer closeReport;
        QObject::connect(&closeReport, &QTimer::timeout, &overview, [&] {
            if (auto* report = qobject_cast<TFluencyReportfrm*>(QApplication::activeModalWidget())) {
                reportTitle = report->windowTitle();
                report->accept();
            }
        });
        closeReport.start(5);
        const QRect bob = grid->visualRect(grid->model()->index(1, 4));
        // A double-click as the mouse sends it: a click, then the second press.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, bob.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, bob.center());
    }));
    QCOMPARE(reportTitle, QStringLiteral("Fluency Report - bob"));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestOverview::printsLandscapePagesWithTheHeadingRepeated()
{
    TestFolder folder;
    QByteArray roster = "Guest\r\n";
    for (int n = 1; n <= 80; ++n)
        roster += QStringLiteral("Pupil %1\r\n").arg(n, 2, 10, QLatin1Char('0')).toLatin1();
    folder.write(QStringLiteral("studnames.txt"), roster);
    auto window = startProgram();
    const QString pdf = folder.path() + QStringLiteral("/overview.pdf");
    QString proposed;
    bool landscape = false;
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        proposed = printer->outputFileName();
        landscape = printer->pageLayout().orientation() == QPageLayout::Landscape;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    };
    QVERIFY(whileOverviewShown(*window, [&](TClassOverviewfrm& overview) {
        // Eighty rows are taller than the screen: the window keeps within it and scrolls.
        QVERIFY(overview.screen()->availableGeometry().contains(overview.frameGeometry()));
        control<QAction>(&overview, "Printoverview1")->trigger();
    }));
    QVERIFY2(folder.dialogs().errors.isEmpty(), qPrintable(folder.dialogs().errors.join(QLatin1Char('\n'))));
    QVERIFY(landscape);
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        QVERIFY2(proposed.endsWith(QStringLiteral("/Class Overview - %1 - %2.pdf")
                                       .arg(QDir(folder.path()).dirName(), QDate::currentDate().toString(Qt::ISODate))),
            qPrintable(proposed));

    const QList<QImage> pages = renderPdf(pdf, 20);
    QVERIFY(pages.size() >= 2);
    for (const QImage& page : pages)
        QVERIFY(page.width() > page.height());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
    QVERIFY(text.waitForFinished());
    const QStringList pageTexts = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    int pupils = 0;
    for (int n = 0; n < pages.size(); ++n) {
        QVERIFY2(pageTexts[n].contains(QStringLiteral("Multiplication")), qPrintable(pageTexts[n]));
        pupils += static_cast<int>(pageTexts[n].count(QStringLiteral("Pupil ")));
    }
    QCOMPARE(pupils, 80);
    QVERIFY(pageTexts[pages.size() - 1].contains(QStringLiteral("Guest")));
}

void TestOverview::exportsTheRowsAsCsv()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nSmith, Jo\r\nRen\xe9 \"RJ\"\r\n=1+1\r\n");
    folder.write(QStringLiteral("Smith, Jo1.txt"), annDay1);
    auto window = startProgram();
    folder.dialogs().saveFileName = folder.path() + QStringLiteral("/class.csv");
    QVERIFY(whileOverviewShown(*window, [&](TClassOverviewfrm& overview) {
        control<QAction>(&overview, "Exportoverview1")->trigger();
        folder.dialogs().saveFileName = folder.path() + QStringLiteral("/no such folder/class.csv");
        control<QAction>(&overview, "Exportoverview1")->trigger();
    }));
    QCOMPARE(folder.read(QStringLiteral("class.csv")),
        QByteArray("Name,Days,Answers,Last day % right,Addition fluent of 156,Subtraction fluent of 156,"
                   "Multiplication fluent of 156,Division fluent of 156,Trend,Due today\r\n"
                   "'=1+1,0,0,,0,0,0,0,,0\r\n" // a formula to a spreadsheet, but for the apostrophe
                   "\"Ren\xc3\xa9 \"\"RJ\"\"\",0,0,,0,0,0,0,,0\r\n"
                   "\"Smith, Jo\",1,3,67,1,0,1,0,,3\r\n"
                   "Guest,0,0,,0,0,0,0,,0\r\n"));
    QVERIFY(folder.dialogs().proposedFileName.endsWith(QStringLiteral(".csv")));
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY2(folder.dialogs().errors.first().contains(QStringLiteral("no such folder/class.csv")),
        qPrintable(folder.dialogs().errors.first()));
}

void TestOverview::notesUnreadableDays()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    folder.write(QStringLiteral("Ann1.txt"), QByteArray());
    QVERIFY(QFile::resize(folder.path() + QStringLiteral("/Ann1.txt"), 65 << 20)); // sparse, too large
    folder.write(QStringLiteral("Ann2.txt"), bobDay1);
    auto window = startProgram();
    QVERIFY(whileOverviewShown(*window, [&](TClassOverviewfrm& overview) {
        auto* note = control<QLabel>(&overview, "notelb");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("1 day file could not be read and is left out: Ann1.txt."));
        QCOMPARE(control<QTableWidget>(&overview, "overviewgrid")->item(0, 2)->text(), QStringLiteral("1"));
    }));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

QTEST_MAIN(TestOverview)
// A day edited in place keeps its size and time, so only reading every day again sees it:
// Refresh in the overview and in the report does.
void TestOverview::refreshReadsADayEditedInPlace()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    folder.write(QStringLiteral("Ann1.txt"), annDay1);
    const auto dated = QDateTime::currentDateTime().addSecs(-3600);
    const auto editInPlace = [&](const QByteArray& from, const QByteArray& to) {
        QByteArray day = folder.read(QStringLiteral("Ann1.txt"));
        day.replace(from, to);
        folder.write(QStringLiteral("Ann1.txt"), day);
        QFile file(folder.path() + QStringLiteral("/Ann1.txt"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(dated, QFileDevice::FileModificationTime));
    };
    editInPlace({}, {});
    auto window = startProgram();
    QVERIFY(whileOverviewShown(*window, [&](TClassOverviewfrm& overview) {
        auto* grid = control<QTableWidget>(&overview, "overviewgrid");
        QCOMPARE(column(grid, 3), (QStringList { QStringLiteral("67%"), QString() }));
        editInPlace("Addition ,1 ,", "Addition ,0 ,");
        control<QAction>(&overview, "Refreshoverview1")->trigger();
        QCOMPARE(column(grid, 3), (QStringList { QStringLiteral("33%"), QString() }));

        editInPlace("Multiplication ,1 ,", "Multiplication ,0 ,");
        std::optional<int32_t> shown;
        std::optional<int32_t> refreshed;
        QTimer inReport;
        QObject::connect(&inReport, &QTimer::timeout, &overview, [&] {
            auto* report = qobject_cast<TFluencyReportfrm*>(QApplication::activeModalWidget());
            if (!report)
                return;
            inReport.stop();
            shown = report->report().days().front().right;
            control<QAction>(report, "Refreshreport1")->trigger();
            refreshed = report->report().days().front().right;
            report->accept();
        });
        inReport.start(5);
        overview.openReport("Ann");
        QCOMPARE(shown, std::optional<int32_t>(1));
        QCOMPARE(refreshed, std::optional<int32_t>(0));
    }));
}

// A bar's frame is a line of dark pixels 40 or more long near the left of its cell: the
// operations' cells have one, no other cell has.
void TestOverview::barsOnlyInTheOperationColumns()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    folder.write(QStringLiteral("Ann1.txt"), annDay1);
    auto window = startProgram();
    QVERIFY(whileOverviewShown(*window, [&](TClassOverviewfrm& overview) {
        auto* grid = control<QTableWidget>(&overview, "overviewgrid");
        grid->clearSelection();
        const QImage shown = grid->viewport()->grab().toImage();
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QRect cell = grid->visualRect(grid->model()->index(0, column));
            int longest = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                int run = 0;
                for (int x = cell.left(); x < std::min(cell.right(), cell.left() + 60); ++x) {
                    run = qGray(shown.pixel(x, y)) < 128 ? run + 1 : 0;
                    longest = std::max(longest, run);
                }
            }
            const bool operation = column >= 4 && column <= 7;
            QVERIFY2(
                (longest >= 40) == operation, qPrintable(QStringLiteral("column %1: %2").arg(column).arg(longest)));
        }
    }));
}

#include "tst_overview.moc"

// Everything kept about the selected pupil goes into a folder of its own, and nothing of
// another pupil: the day files byte for byte, every answer as CSV, the fluency report as PDF
// and a README. A second export never writes over the first.
void TestOverview::exportsEverythingOfOnePupil()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\n@Ann\r\nBob\r\n");
    folder.write(QStringLiteral("@Ann1.txt"), annDay1);
    folder.write(QStringLiteral("@Ann2.txt"), bobDay1);
    folder.write(QStringLiteral("Bob1.txt"), bobDay1);
    QTemporaryDir target;
    auto window = startProgram();
    choose(control<QComboBox>(window.get(), "namecb"), 1);
    folder.dialogs().folderName = target.path();
    for (int time = 0; time < 2; ++time)
        control<QAction>(window.get(), "ExportaPupil1")->trigger();
    QVERIFY2(folder.dialogs().errors.isEmpty(), qPrintable(folder.dialogs().errors.join(QLatin1Char('\n'))));
    const QStringList made = QDir(target.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    const QString first = QStringLiteral("Quorvex export - @Ann - %1").arg(QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(made, (QStringList { first, first + QStringLiteral(" (2)") }));
    const QDir exported(QDir(target.path()).filePath(first));
    QCOMPARE(exported.entryList(QDir::Files | QDir::Hidden, QDir::Name),
        (QStringList { QStringLiteral("@Ann1.txt"), QStringLiteral("@Ann2.txt"), QStringLiteral("README.txt"),
            QStringLiteral("answers.csv"), QStringLiteral("fluency-report.pdf") }));
    const auto read = [&](const QString& name) {
        QFile file(exported.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(read(QStringLiteral("@Ann1.txt")), annDay1);
    QCOMPARE(read(QStringLiteral("@Ann2.txt")), bobDay1);
    QCOMPARE(read(QStringLiteral("answers.csv")),
        QByteArray("Day,Question type,Operation,Fact,Answer typed,Right,Tenths of a second\r\n"
                   "1,practice,Multiplication,3 x 4 = 12,12,yes,20\r\n"
                   "1,practice,Subtraction,7 - 2 = 5,5,no,12\r\n"
                   "1,practice,Addition,2 + 3 = 5,5,yes,14\r\n"
                   "2,practice,Division,12 \xc3\xb7 3 = 4,4,yes,9\r\n"));
    QVERIFY(read(QStringLiteral("README.txt")).contains("@Ann1.txt to @Ann2.txt: the 2 day files"));
    QProcess text;
    text.start(
        QStringLiteral("pdftotext"), { exported.filePath(QStringLiteral("fluency-report.pdf")), QStringLiteral("-") });
    QVERIFY(text.waitForFinished());
    QVERIFY(text.readAllStandardOutput().contains("Fluency Report: @Ann"));
    QCOMPARE(folder.dialogs().notices.size(), 2);
}

// The teacher sees the name and the days before anything goes; then the pupil leaves the list
// and the folder, and an answer the pupil gave meanwhile is never saved for them.
void TestOverview::erasesAPupilOnceConfirmed()
{
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
    folder.write(QStringLiteral("Ann1.txt"), annDay1);
    folder.write(QStringLiteral("Ann2.txt"), annDay1);
    folder.write(QStringLiteral("Bob1.txt"), bobDay1);
    auto window = startProgram();
    auto* names = control<QComboBox>(window.get(), "namecb");
    choose(names, 1);
    QVERIFY(askUntil(*window, QStringLiteral("3 x 4 = ?")));
    control<QLineEdit>(window.get(), "anseb")->setText(QStringLiteral("12"));
    control<QPushButton>(window.get(), "checkbt")->click();

    control<QAction>(window.get(), "ErasePupil1")->trigger();
    QCOMPARE(folder.dialogs().questions,
        QStringList { QStringLiteral("Erase Ann and everything kept about them: 2 saved days and their place on the "
                                     "class list? They are deleted for good.") });
    QVERIFY(folder.exists(QStringLiteral("Ann1.txt")));
    QCOMPARE(names->count(), 3);

    folder.dialogs().answerYes = true;
    control<QAction>(window.get(), "ErasePupil1")->trigger();
    QVERIFY2(folder.dialogs().errors.isEmpty(), qPrintable(folder.dialogs().errors.join(QLatin1Char('\n'))));
    QCOMPARE(
        folder.dialogs().notices, QStringList { QStringLiteral("Ann and everything kept about them were erased.") });
    QCOMPARE(names->count(), 2);
    QCOMPARE(names->currentText(), QStringLiteral("Guest"));
    choose(names, 1);
    window->close();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
        (QStringList { QStringLiteral("Bob1.txt"), QStringLiteral("studnames.txt") }));
    QCOMPARE(folder.read(QStringLiteral("studnames.txt")), QByteArray("Guest\r\nBob\r\n"));
}
