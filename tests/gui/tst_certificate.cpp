// The certificate: its wording from the main window's settings, the drawing of its lines over
// the background sheet, printing through a PDF printer, and the name dialog.

#include "core/reports/certificateart.h"
#include "gui/controls/imagecontrol.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/pdffile.h"
#include "gui/platform/printpicture.h"
#include "gui/platform/printsupport.h"
#include "gui/windows/certificatefrm.h"
#include "gui/windows/whoami.h"
#include "guitest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <functional>

using Setup = std::function<void(Tflashcardfrm&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

constexpr int sheetWidth = 1169;
constexpr int sheetHeight = 827;

// A user's choice in a drop-down list: the selection moves and the list reports the choice.
void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

TCertificatefrm* certificateOf(Tflashcardfrm& window)
{
    return window.findChild<TCertificatefrm*>(QStringLiteral("Certificatefrm"));
}

// Runs body while the modal certificate window is up, then closes it through its menu, as the
// user would; false when the window never came up.
bool whileShown(TCertificatefrm& certificate, const std::function<void()>& open, const std::function<void()>& body)
{
    bool shown = false;
    QTimer::singleShot(0, &certificate, [&] {
        shown = certificate.isVisible();
        body();
        if (certificate.isVisible())
            control<QAction>(&certificate, "Exit1")->trigger();
    });
    open();
    return shown && !certificate.isVisible();
}

// Asks for the certificate from the main window's File menu.
bool printCertificate(
    Tflashcardfrm& window, const std::function<void()>& body = [] {})
{
    return whileShown(
        *certificateOf(window), [&] { control<QAction>(&window, "Printcertificate1")->trigger(); }, body);
}

// Shows a certificate window on its own.
bool showAlone(
    TCertificatefrm& certificate, const std::function<void()>& body = [] {})
{
    return whileShown(
        certificate, [&] { certificate.exec(); }, body);
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The first and last columns in rows [top, bottom) where the shown picture has dark ink that
// the background does not have; -1, -1 when there is none.
std::pair<int, int> inkColumns(const QImage& shown, const QImage& background, int top, int bottom)
{
    int first = -1;
    int last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (isInk(shown.pixel(x, y)) && !isInk(background.pixel(x, y))) {
                if (first < 0 || x < first)
                    first = x;
                last = std::max(last, x);
            }
        }
    }
    return { first, last };
}

bool sameRegion(const QImage& a, const QImage& b, const QRect& region)
{
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

CertificateWords linesWith(const QString& name, const QString& score)
{
    return { name, score, QStringLiteral("in Practice"), QStringLiteral("Involving Multiplication"),
        QStringLiteral("Using all the numbers up to 5!") };
}

// The lines as written on a certificate.
CertificateWords lines(const char* name, const char* score, const char* type, const char* involve, const char* table)
{
    return { QString::fromUtf8(name), QString::fromUtf8(score), QString::fromUtf8(type), QString::fromUtf8(involve),
        QString::fromUtf8(table) };
}

// Where the picture must land on a rendered page, in that rendering's pixels: 150 device
// pixels right of the printable area's left edge and 300 below its top, as wide as the printable
// width less 300 and as high as that keeps the picture's proportions, both truncated to whole
// device pixels. (The printer places its printable area on whole device pixels.)
QRectF expectedPlacement(QPrinter& printer, int dpi, QSize picture = { sheetWidth, sheetHeight })
{
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = (printer.width() - 300) / static_cast<double>(picture.width());
    const double width = std::trunc(picture.width() * scale);
    const double height = std::trunc(picture.height() * scale);
    const double pixels = dpi / static_cast<double>(printer.resolution());
    return { (printable.left() + 150) * pixels, (printable.top() + 300) * pixels, width * pixels, height * pixels };
}

// A PDF printer writing into the test folder.
std::function<bool(QPrinter*)> confirmWithPdf(const QString& file, QPrinter** used = nullptr)
{
    return [file, used](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        if (used)
            *used = printer;
        return true;
    };
}

} // namespace

class TestCertificate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wordingFromTheSettings_data();
    void wordingFromTheSettings();
    void scoresFromAnsweredQuestions();
    void windowAndControls();
    void fitsASmallScreen();
    void longNameStaysClearOfTheRosette_data();
    void longNameStaysClearOfTheRosette();
    void pdfFileName_data();
    void pdfFileName();
    void eachPupilGetsAPdfOfTheirOwn();
    void nameStartsAt518_data();
    void nameStartsAt518();
    void composedLineIsCentredOn584_data();
    void composedLineIsCentredOn584();
    void fixedLinesAtTheirPlaces();
    void backgroundShowsThroughWhereNoTextIs();
    void secondShowingLeavesNoTraceOfTheFirst();
    void damagedArtworkIsReported();
    void givenArtworkIsKeptAsGiven();
    void printGoesToOneLandscapePage();
    void cancelPrintsNothing();
    void everyPrintForcesLandscape();
    void folderAsOutputIsReported();
    void printingWithoutItsModuleIsReported_data();
    void printingWithoutItsModuleIsReported();
    void picturePlacement_data();
    void picturePlacement();
    void printedByLine_data();
    void printedByLine();
    void nameDialog();
    void nameDialogNameGoesOnThePrintout();
};

void TestCertificate::wordingFromTheSettings_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("lines"); // name, score, type, operations, numbers

    const auto lines = [](const char* score, const char* type, const char* involve, const char* table) {
        return QStringList { QStringLiteral("Guest"), QString::fromLatin1(score), QString::fromLatin1(type),
            QString::fromLatin1(involve), QString::fromLatin1(table) };
    };
    QTest::newRow("nothing answered yet") << Setup([](Tflashcardfrm&) {})
                                          << lines("0 correct out of 0 asked!", "in Practice",
                                                 "Involving Multiplication", "Using all the numbers up to 5!");
    QTest::newRow("speed round of 300 s") << Setup([](Tflashcardfrm& w) {
        choose(control<QComboBox>(&w, "qtcb"), QStringLiteral("Speed Round"));
        control<QScrollBar>(&w, "srsb")->setValue(300);
    }) << lines("0 correct in 300 s!", "in Speed Round", "Involving Multiplication", "Using all the numbers up to 5!");
    QTest::newRow("tables of 12") << Setup(
        [](Tflashcardfrm& w) { choose(control<QComboBox>(&w, "ttcb"), QStringLiteral("12")); })
                                  << lines("0 correct out of 0 asked!", "in Practice", "Involving Multiplication",
                                         "Using all the numbers up to 12!");
    QTest::newRow("practice with up to") << Setup([](Tflashcardfrm& w) {
        control<QRadioButton>(&w, "prb")->setChecked(true);
        choose(control<QComboBox>(&w, "ttcb"), QStringLiteral("5"));
        choose(control<QComboBox>(&w, "uptocb"), QStringLiteral("12"));
    })
                                         << lines("0 correct out of 0 asked!", "in Practice",
                                                "Involving Multiplication",
                                                "Using only the number 5 and numbers up to 12!");
    // Without Mix and Match the line names the operation of the question on screen; choosing an
    // operation asks a question of it.
    QTest::newRow("single operation is the current question's")
        << Setup([](Tflashcardfrm& w) { control<QRadioButton>(&w, "divrb")->setChecked(true); })
        << lines("0 correct out of 0 asked!", "in Practice", "Involving Division", "Using all the numbers up to 5!");
    // Boxes left ticked from an earlier mix count only while Mix and Match is on.
    QTest::newRow("mix turned off again") << Setup([](Tflashcardfrm& w) {
        control<QCheckBox>(&w, "mixcb")->setChecked(true);
        control<QCheckBox>(&w, "acb")->setChecked(true);
        control<QCheckBox>(&w, "scb")->setChecked(true);
        control<QCheckBox>(&w, "mixcb")->setChecked(false);
    })
                                          << lines("0 correct out of 0 asked!", "in Practice",
                                                 "Involving Multiplication", "Using all the numbers up to 5!");
    QTest::newRow("mix of two") << Setup([](Tflashcardfrm& w) {
        control<QCheckBox>(&w, "mixcb")->setChecked(true);
        control<QCheckBox>(&w, "scb")->setChecked(true);
    })
                                << lines("0 correct out of 0 asked!", "in Practice",
                                       "Involving Subtraction and Multiplication", "Using all the numbers up to 5!");
    QTest::newRow("mix of three ticked out of order")
        << Setup([](Tflashcardfrm& w) {
               control<QCheckBox>(&w, "mixcb")->setChecked(true);
               control<QCheckBox>(&w, "scb")->setChecked(true);
               control<QCheckBox>(&w, "acb")->setChecked(true);
           })
        << lines("0 correct out of 0 asked!", "in Practice", "Involving Addition, Subtraction and Multiplication",
               "Using all the numbers up to 5!");
    QTest::newRow("mix of four") << Setup([](Tflashcardfrm& w) {
        control<QCheckBox>(&w, "mixcb")->setChecked(true);
        for (const char* box : { "dcb", "acb", "scb" })
            control<QCheckBox>(&w, box)->setChecked(true);
    })
                                 << lines("0 correct out of 0 asked!", "in Practice",
                                        "Involving Addition, Subtraction, Multiplication and Division",
                                        "Using all the numbers up to 5!");
    QTest::newRow("mix of one") << Setup([](Tflashcardfrm& w) {
        control<QCheckBox>(&w, "mixcb")->setChecked(true);
        control<QCheckBox>(&w, "dcb")->setChecked(true);
        control<QCheckBox>(&w, "mcb")->setChecked(false);
    }) << lines("0 correct out of 0 asked!", "in Practice", "Involving Division", "Using all the numbers up to 5!");
}

void TestCertificate::wordingFromTheSettings()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, lines);
    TestFolder folder;
    auto window = startProgram();
    setup(*window);
    QVERIFY(printCertificate(*window));
    QStringList shown;
    for (const char* label : { "namelb", "numlb", "typelb", "involvelb", "tablelb" })
        shown << control<QLabel>(window.get(), label)->text();
    QCOMPARE(shown, lines);
    QCOMPARE(control<QLabel>(window.get(), "l1lb")->text(), QStringLiteral("Congratulations!!!"));
    QCOMPARE(control<QLabel>(window.get(), "l3lb")->text(), QStringLiteral("You got"));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

// Answers a question: the right answer, or one more than it.
static void answer(Tflashcardfrm& window, bool right)
{
    control<QPushButton>(&window, "Questionbt")->click();
    auto* anseb = control<QLineEdit>(&window, "anseb");
    const int value = rightAnswer(control<QLabel>(&window, "qlb")->text());
    QTest::keyClicks(anseb, QString::number(right ? value : value + 1));
    QTest::keyClick(anseb, Qt::Key_Return);
}

void TestCertificate::scoresFromAnsweredQuestions()
{
    TestFolder folder;
    auto window = startProgram();
    auto* numlb = control<QLabel>(window.get(), "numlb");
    auto* typelb = control<QLabel>(window.get(), "typelb");
    for (const bool right : { true, false, true, true })
        answer(*window, right);
    QVERIFY(printCertificate(*window));
    QCOMPARE(numlb->text(), QStringLiteral("3 correct out of 4 asked!"));
    QCOMPARE(typelb->text(), QStringLiteral("in Practice"));

    // The type chosen now decides the sentence: the right answers of the practice run, over
    // the round length as it stands.
    choose(control<QComboBox>(window.get(), "qtcb"), QStringLiteral("Speed Round"));
    control<QScrollBar>(window.get(), "srsb")->setValue(45);
    QVERIFY(printCertificate(*window));
    QCOMPARE(numlb->text(), QStringLiteral("3 correct in 45 s!"));
    QCOMPARE(typelb->text(), QStringLiteral("in Speed Round"));

    for (const bool right : { true, true, false })
        answer(*window, right);
    QVERIFY(printCertificate(*window));
    QCOMPARE(numlb->text(), QStringLiteral("2 correct in 45 s!"));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestCertificate::windowAndControls()
{
    TestFolder folder;
    auto window = startProgram();
    TCertificatefrm* certificate = certificateOf(*window);
    QVERIFY(certificate);
    QVERIFY(!certificate->isVisible());
    QCOMPARE(certificate->windowTitle(), QStringLiteral("Certificate"));
    QCOMPARE(certificate->pos(), QPoint(659, 294));
    QCOMPARE(control<QWidget>(certificate, "client")->size(), QSize(1174, 831));
    QVERIFY(!(certificate->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(control<QAction>(certificate, "Print1")->text(), QStringLiteral("Print"));
    QCOMPARE(control<QAction>(certificate, "Exit1")->text(), QStringLiteral("Exit"));
    auto* background = control<ImageControl>(certificate, "certimjpeg");
    QCOMPARE(background->picture().size(), QSize(sheetWidth, sheetHeight));
    QCOMPARE(background->pos(), QPoint(0, 0));

    bool modal = false;
    QVERIFY(printCertificate(*window, [&] { modal = QApplication::activeModalWidget() == certificate; }));
    QVERIFY(modal);
    QCOMPARE(certificate->minimumSize(), certificate->maximumSize());
    auto* certim = control<ImageControl>(certificate, "certim");
    QCOMPARE(certim->picture().size(), QSize(sheetWidth, sheetHeight));
    QCOMPARE(certim->geometry(), QRect(0, 0, sheetWidth, sheetHeight));
    for (const char* name : { "l1lb", "namelb", "l3lb", "numlb", "typelb", "involvelb", "tablelb", "weblb" })
        QVERIFY2(!control<QLabel>(certificate, name)->isVisible(), name);
    QCOMPARE(control<QLabel>(certificate, "namelb")->font().pixelSize(), 40);
    QCOMPARE(control<QLabel>(certificate, "l1lb")->font().pixelSize(), 67);
    QCOMPARE(control<QLabel>(certificate, "typelb")->font().pixelSize(), 40);
    QCOMPARE(control<QLabel>(certificate, "numlb")->font().pixelSize(), 27);
    QVERIFY(control<QLabel>(certificate, "numlb")->font().bold());
    QVERIFY(folder.dialogs().errors.isEmpty());
}

// The offscreen screen is smaller than the sheet: the window takes the screen and scrolls the sheet, which
// keeps its full size and opens at its top left. Ctrl+P prints, Escape closes.
void TestCertificate::fitsASmallScreen()
{
    TestFolder folder;
    auto window = startProgram();
    TCertificatefrm* certificate = certificateOf(*window);
    const QRect screen = certificate->screen()->availableGeometry();
    QVERIFY(screen.width() < 1174 && screen.height() < 831);
    QVERIFY(screen.contains(window->frameGeometry().topLeft()));
    int printDialogs = 0;
    folder.dialogs().printDialog = [&](QPrinter*) { return ++printDialogs, false; };
    bool closedByEscape = false;
    QVERIFY(whileShown(
        *certificate, [&] { control<QAction>(window.get(), "Printcertificate1")->trigger(); },
        [&] {
            QVERIFY(screen.contains(certificate->frameGeometry()));
            auto* certim = control<ImageControl>(certificate, "certim");
            QCOMPARE(certim->picture().size(), QSize(sheetWidth, sheetHeight));
            QCOMPARE(certim->mapTo(certificate, QPoint(0, 0)), control<QWidget>(certificate, "certscroll")->pos());
            auto* scroll = control<QScrollArea>(certificate, "certscroll");
            QVERIFY(scroll->horizontalScrollBar()->maximum() > 0 && scroll->verticalScrollBar()->maximum() > 0);
            QVERIFY(QTest::qWaitForWindowActive(certificate));
            QTest::keyClick(certificate->windowHandle(), Qt::Key_P, Qt::ControlModifier);
            QTest::keyClick(certificate->windowHandle(), Qt::Key_Escape);
            closedByEscape = !certificate->isVisible();
        }));
    QCOMPARE(printDialogs, 1);
    QVERIFY(closedByEscape);
}

void TestCertificate::longNameStaysClearOfTheRosette_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("drawn smaller") << QStringLiteral("Alexandra Fitzgerald-Worthington");
    QTest::newRow("cut short") << QStringLiteral("Maximiliana Josephine Alexandra Fitzgerald-Worthington");
}

// The ribbon of the rosette reaches down into the name's line from x 908. A long name starts at
// 518 as any other, and uses the room up to 900 without covering anything beyond it.
void TestCertificate::longNameStaysClearOfTheRosette()
{
    QFETCH(QString, name);
    TestFolder folder;
    TCertificatefrm certificate;
    certificate.setComposedWords(linesWith(name, QStringLiteral("1 correct out of 1 asked!")));
    QVERIFY(showAlone(certificate));
    const QImage shown = certificate.controls().certim->picture();
    const QImage background = certificate.controls().certimjpeg->picture();
    const auto [first, last] = inkColumns(shown, background, 272, 272 + 46);
    QVERIFY2(first >= 518 && first <= 522, qPrintable(QString::number(first)));
    QVERIFY2(last >= 860 && last < 900, qPrintable(QString::number(last)));
    QVERIFY(sameRegion(shown, background, QRect(900, 250, sheetWidth - 900, 80)));
}

void TestCertificate::pdfFileName_data()
{
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pupil") << QStringLiteral("Ann") << QStringLiteral("Certificate - Ann - 2026-03-07.pdf");
    QTest::newRow("no pupil") << QString() << QStringLiteral("Certificate - 2026-03-07.pdf");
    QTest::newRow("characters no file name carries")
        << QStringLiteral("A/B\\C:D*?\"<>|") << QStringLiteral("Certificate - A_B_C_D______ - 2026-03-07.pdf");
}

void TestCertificate::pdfFileName()
{
    QFETCH(QString, pupil);
    QFETCH(QString, expected);
    QCOMPARE(::pdfFileName(QStringLiteral("Certificate"), pupil, QDate(2026, 3, 7)), expected);
}

// Without a printer each pupil's certificate is proposed as a file of its own, first in the
// documents folder and then in the folder the user chose last, and the user is told where it went.
void TestCertificate::eachPupilGetsAPdfOfTheirOwn()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed: the print dialog proposes no file");
    TestFolder folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\n");
    auto window = startProgram();
    QStringList proposed;
    // The user keeps the name and chooses the test folder.
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        proposed << printer->outputFileName();
        printer->setOutputFileName(QDir(folder.path()).filePath(QFileInfo(proposed.last()).fileName()));
        return true;
    };
    TCertificatefrm* certificate = certificateOf(*window);
    const QString day = QDate::currentDate().toString(Qt::ISODate);
    for (const int pupil : { 0, 1 }) {
        choose(control<QComboBox>(window.get(), "namecb"), pupil);
        QVERIFY(printCertificate(*window, [&] { control<QAction>(certificate, "Print1")->trigger(); }));
    }
    if (QDate::currentDate().toString(Qt::ISODate) != day)
        QSKIP("the day changed while the certificates were printed");
    const QString guest = QStringLiteral("Certificate - Guest - %1.pdf").arg(day);
    const QString ann = QStringLiteral("Certificate - Ann - %1.pdf").arg(day);
    QCOMPARE(proposed, (QStringList { QDir(pdfFolder()).filePath(guest), QDir(folder.path()).filePath(ann) }));
    QVERIFY(folder.exists(guest) && folder.exists(ann));
    QCOMPARE(folder.dialogs().notices,
        (QStringList { QStringLiteral("The certificate was saved as \"%1/%2\".").arg(folder.path(), guest),
            QStringLiteral("The certificate was saved as \"%1/%2\".").arg(folder.path(), ann) }));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestCertificate::nameStartsAt518_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reachesPastCentre");
    QTest::newRow("short") << QStringLiteral("Mo") << false;
    QTest::newRow("as wide as the label") << QStringLiteral("Mary") << false;
    QTest::newRow("long") << QStringLiteral("Maximilian Fitzgerald") << true;
}

// The name is centred on the label's fixed width of 132, so it always starts at 518: a short
// name sits left of the centre line and a long one runs to the right.
void TestCertificate::nameStartsAt518()
{
    QFETCH(QString, name);
    QFETCH(bool, reachesPastCentre);
    TestFolder folder;
    TCertificatefrm certificate;
    certificate.setComposedWords(linesWith(name, QStringLiteral("1 correct out of 1 asked!")));
    QVERIFY(showAlone(certificate));
    const QImage shown = certificate.controls().certim->picture();
    const QImage background = certificate.controls().certimjpeg->picture();
    const auto [first, last] = inkColumns(shown, background, 272, 272 + 40);
    // The first letter's ink begins within its side bearing of the cell.
    QVERIFY2(first >= 518 && first <= 522, qPrintable(QString::number(first)));
    QCOMPARE(last > 584 + 66, reachesPastCentre);
}

void TestCertificate::composedLineIsCentredOn584_data()
{
    QTest::addColumn<QString>("score");
    QTest::newRow("short") << QStringLiteral("0 correct out of 0 asked!");
    QTest::newRow("speed round") << QStringLiteral("12 correct in 300 s!");
    QTest::newRow("long") << QStringLiteral("1234 correct out of 99999 asked!");
}

void TestCertificate::composedLineIsCentredOn584()
{
    QFETCH(QString, score);
    TestFolder folder;
    TCertificatefrm certificate;
    certificate.setComposedWords(linesWith(QStringLiteral("Guest"), score));
    QVERIFY(showAlone(certificate));
    const QLabel* numlb = certificate.controls().numlb;
    QCOMPARE(numlb->width(), textWidth(numlb, score));
    const int cell = 584 - numlb->width() / 2;
    const QImage shown = certificate.controls().certim->picture();
    const auto [first, last] = inkColumns(shown, certificate.controls().certimjpeg->picture(), 384, 384 + 27);
    QVERIFY2(first >= cell && first <= cell + 3, qPrintable(QStringLiteral("%1 from %2").arg(first).arg(cell)));
    QVERIFY2(last <= cell + numlb->width() && last >= cell + numlb->width() - 4, qPrintable(QString::number(last)));
    QVERIFY(std::abs((first + last) / 2 - 584) <= 3);
}

void TestCertificate::fixedLinesAtTheirPlaces()
{
    TestFolder folder;
    TCertificatefrm certificate;
    certificate.setComposedWords(linesWith(QStringLiteral("Guest"), QStringLiteral("1 correct out of 1 asked!")));
    QVERIFY(showAlone(certificate));
    const QImage shown = certificate.controls().certim->picture();
    const QImage background = certificate.controls().certimjpeg->picture();
    const auto congratulations = inkColumns(shown, background, 184, 184 + 67);
    QVERIFY2(congratulations.first >= 216 && congratulations.first <= 222,
        qPrintable(QString::number(congratulations.first)));
    const auto youGot = inkColumns(shown, background, 336, 336 + 27);
    QVERIFY2(youGot.first >= 518 && youGot.first <= 522, qPrintable(QString::number(youGot.first)));
    // The grey address: the first pixel that differs from the sheet.
    int addressStart = -1;
    for (int x = 1000; x < 1100 && addressStart < 0; ++x)
        for (int y = 740; y < 740 + 16; ++y)
            if (shown.pixel(x, y) != background.pixel(x, y) && qGray(shown.pixel(x, y)) < 200) {
                addressStart = x;
                break;
            }
    QVERIFY2(addressStart >= 1015 && addressStart <= 1018, qPrintable(QString::number(addressStart)));
}

void TestCertificate::backgroundShowsThroughWhereNoTextIs()
{
    TestFolder folder;
    TCertificatefrm certificate;
    certificate.setComposedWords(lines("Guest", "7 correct out of 10 asked!", "in Speed Round",
        "Involving Addition, Subtraction, Multiplication and Division",
        "Using only the number 12 and numbers up to 12!"));
    QVERIFY(showAlone(certificate));
    const QImage shown = certificate.controls().certim->picture();
    const QImage background = certificate.controls().certimjpeg->picture();
    QVERIFY(shown != background);
    // Above the first line (the top border, the top chain and the rosette), between the last
    // line and the address (the bottom chain), and the left border beside every line.
    QVERIFY(sameRegion(shown, background, QRect(0, 0, sheetWidth, 184)));
    QVERIFY(sameRegion(shown, background, QRect(0, 600, sheetWidth, 140)));
    QVERIFY(sameRegion(shown, background, QRect(0, 0, 200, sheetHeight)));
    QVERIFY(sameRegion(shown, background, QRect(1100, 0, 69, 740)));
}

void TestCertificate::secondShowingLeavesNoTraceOfTheFirst()
{
    TestFolder folder;
    const CertificateWords second
        = lines("Al", "1 correct in 5 s!", "in Speed Round", "Involving Division", "Using all the numbers up to 2!");
    TCertificatefrm certificate;
    certificate.setComposedWords(lines("Bartholomew Fitzgerald", "1234 correct out of 99999 asked!", "in Practice",
        "Involving Addition, Subtraction, Multiplication and Division",
        "Using only the number 12 and numbers up to 12!"));
    QVERIFY(showAlone(certificate));
    const QImage first = certificate.controls().certim->picture();
    certificate.setComposedWords(second);
    QVERIFY(showAlone(certificate));

    TCertificatefrm fresh;
    fresh.setComposedWords(second);
    QVERIFY(showAlone(fresh));
    QVERIFY(first != fresh.controls().certim->picture());
    QVERIFY(certificate.controls().certim->picture() == fresh.controls().certim->picture());
}

// Artwork other than the built-in one belongs to the caller: the certificate keeps it as it was
// given, whatever the caller does with its bytes before the sheet is first drawn.
void TestCertificate::givenArtworkIsKeptAsGiven()
{
    TestFolder folder;
    quorvex::Bytes art(quorvex::certificateArtJpeg());
    TCertificatefrm certificate(nullptr, art);
    std::fill(art.begin(), art.end(), '\0');
    certificate.setComposedWords(linesWith(QStringLiteral("Guest"), QStringLiteral("1 correct out of 1 asked!")));
    QVERIFY(showAlone(certificate));
    QCOMPARE(folder.dialogs().errors.size(), 0);
    const TCertificatefrm builtIn;
    QCOMPARE(certificate.controls().certimjpeg->picture(), builtIn.controls().certimjpeg->picture());
}

void TestCertificate::damagedArtworkIsReported()
{
    TestFolder folder;
    const quorvex::Bytes art(quorvex::certificateArtJpeg());
    const quorvex::Bytes truncated = art.substr(0, art.size() / 2);
    TCertificatefrm certificate(nullptr, truncated);
    certificate.setComposedWords(linesWith(QStringLiteral("Guest"), QStringLiteral("1 correct out of 1 asked!")));
    QVERIFY(showAlone(certificate));
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(QStringLiteral("certificate.jpg")));
    // The words are still there, on a plain sheet.
    const QImage shown = certificate.controls().certim->picture();
    QCOMPARE(shown.size(), QSize(sheetWidth, sheetHeight));
    QCOMPARE(QColor(shown.pixel(5, 5)), QColor(Qt::white));
    QVERIFY(inkColumns(shown, certificate.controls().certimjpeg->picture(), 384, 384 + 27).first > 0);
    // Once is enough.
    QVERIFY(showAlone(certificate));
    QCOMPARE(folder.dialogs().errors.size(), 1);
}

void TestCertificate::printGoesToOneLandscapePage()
{
    TestFolder folder;
    auto window = startProgram();
    const QString pdf = folder.path() + QStringLiteral("/certificate.pdf");
    QPrinter* printer = nullptr;
    folder.dialogs().printDialog = confirmWithPdf(pdf, &printer);
    TCertificatefrm* certificate = certificateOf(*window);
    QVERIFY(printCertificate(*window, [&] { control<QAction>(certificate, "Print1")->trigger(); }));
    QVERIFY(folder.dialogs().errors.isEmpty());
    QVERIFY(printer);
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);

    constexpr int dpi = 100;
    const QList<QImage> pages = renderPdf(pdf, dpi);
    QCOMPARE(pages.size(), 1);
    const QImage& page = pages.first();
    QVERIFY(page.width() > page.height());

    // The sheet's outer black rule lies 8.5 to 11.5 of its pixels in from each edge.
    const QRectF placed = expectedPlacement(*printer, dpi);
    const double scale = placed.width() / sheetWidth;
    const int middleRow = qRound(placed.top() + 400 * scale);
    const int middleColumn = qRound(placed.left() + 400 * scale);
    int left = -1;
    int right = -1;
    for (int x = 0; x < page.width(); ++x)
        if (isInk(page.pixel(x, middleRow))) {
            if (left < 0)
                left = x;
            right = x;
        }
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        if (isInk(page.pixel(middleColumn, y)))
            top = y;
    const auto near = [](double actual, double expected) { return std::abs(actual - expected) <= 2.0; };
    QVERIFY2(near(left, placed.left() + 8.5 * scale), qPrintable(QStringLiteral("left %1").arg(left)));
    QVERIFY2(near(right, placed.left() + 1160.5 * scale), qPrintable(QStringLiteral("right %1").arg(right)));
    QVERIFY2(near(top, placed.top() + 8.5 * scale), qPrintable(QStringLiteral("top %1").arg(top)));
}

void TestCertificate::cancelPrintsNothing()
{
    TestFolder folder;
    auto window = startProgram();
    int asked = 0;
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        ++asked;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.path() + QStringLiteral("/cancelled.pdf"));
        return false;
    };
    TCertificatefrm* certificate = certificateOf(*window);
    bool stillShown = false;
    QVERIFY(printCertificate(*window, [&] {
        control<QAction>(certificate, "Print1")->trigger();
        stillShown = certificate->isVisible();
    }));
    QCOMPARE(asked, 1);
    QVERIFY(stillShown);
    QVERIFY(!folder.exists(QStringLiteral("cancelled.pdf")));
    QVERIFY(folder.dialogs().errors.isEmpty());
}

void TestCertificate::everyPrintForcesLandscape()
{
    TestFolder folder;
    TCertificatefrm certificate;
    QList<QPageLayout::Orientation> seen;
    folder.dialogs().printDialog = [&](QPrinter* printer) {
        seen << printer->pageLayout().orientation();
        printer->setPageOrientation(QPageLayout::Portrait);
        return false;
    };
    QVERIFY(showAlone(certificate, [&] {
        certificate.Print1Click();
        certificate.Print1Click();
    }));
    QCOMPARE(seen, (QList<QPageLayout::Orientation> { QPageLayout::Landscape, QPageLayout::Landscape }));
}

// A print dialog can be confirmed with a folder as the output file; nothing can be written
// there, and the user is told so instead of believing the certificate was printed.
void TestCertificate::folderAsOutputIsReported()
{
    TestFolder folder;
    TCertificatefrm certificate;
    folder.dialogs().printDialog = confirmWithPdf(folder.path());
    QVERIFY(showAlone(certificate, [&] { certificate.Print1Click(); }));
    QCOMPARE(folder.dialogs().errors.size(), 1);
    QVERIFY(folder.dialogs().errors.first().contains(folder.path()));
}

void TestCertificate::printingWithoutItsModuleIsReported_data()
{
    QTest::addColumn<QByteArray>("content"); // of the module's file; empty: there is none
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("damaged") << QByteArray("\177ELF but nothing after it");
}

// Printing loads its module with the first printout. Where that cannot be loaded, the user is
// told which file and why, no print dialog opens, and the window carries on.
void TestCertificate::printingWithoutItsModuleIsReported()
{
    QFETCH(QByteArray, content);
    TestFolder folder;
    const QString module = folder.path() + QStringLiteral("/quorvex_printsupport.so");
    if (!content.isEmpty())
        folder.write(QStringLiteral("quorvex_printsupport.so"), content);
    setPrintSupportPath(module);
    const auto usual = qScopeGuard([] { setPrintSupportPath(QString()); });
    int printDialogs = 0;
    folder.dialogs().printDialog = [&](QPrinter*) { return ++printDialogs, false; };
    TCertificatefrm certificate;
    QVERIFY(showAlone(certificate, [&] { certificate.Print1Click(); }));
    QCOMPARE(printDialogs, 0);
    QCOMPARE(folder.dialogs().errors.size(), 1);
    const QString expected
        = QStringLiteral("The file \"%1\" could not be used: ").arg(QDir::toNativeSeparators(module));
    QVERIFY2(folder.dialogs().errors.first().startsWith(expected), qPrintable(folder.dialogs().errors.first()));
}

void TestCertificate::picturePlacement_data()
{
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<int>("dpi"); // of the rendering
    // Rendered at the printer's own resolution, a device pixel is a rendered pixel.
    QTest::newRow("A4 at 100 dpi") << QPageSize(QPageSize::A4) << 100 << 100;
    QTest::newRow("A4 at 150 dpi") << QPageSize(QPageSize::A4) << 150 << 150;
    QTest::newRow("Letter at 120 dpi") << QPageSize(QPageSize::Letter) << 120 << 120;
    QTest::newRow("A4 at 1200 dpi") << QPageSize(QPageSize::A4) << 1200 << 100;
    // Short for its width: only the width is fitted, the bottom falls off the page.
    QTest::newRow("short page") << QPageSize(QSizeF(100, 250), QPageSize::Millimeter) << 100 << 100;
}

// A solid picture shows exactly where printPicture puts it: 150 device pixels in from the
// printable area's left, 300 down, scaled to the printable width less 300.
void TestCertificate::picturePlacement()
{
    QFETCH(QPageSize, paper);
    QFETCH(int, resolution);
    QFETCH(int, dpi);
    TestFolder folder;
    ImageControl image;
    QImage solid(sheetWidth, sheetHeight, QImage::Format_RGB32);
    solid.fill(QColor(0, 0, 255));
    image.setPicture(solid);
    image.resize(solid.size());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path() + QStringLiteral("/placement.pdf"));
    printer.setPageSize(paper);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setResolution(resolution);
    QCOMPARE(printPicture(image, printer, QString()), std::nullopt);

    const QList<QImage> pages = renderPdf(printer.outputFileName(), dpi);
    QCOMPARE(pages.size(), 1);
    const QImage& page = pages.first();
    QRect blue;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
                blue |= QRect(x, y, 1, 1);
        }
    const QRectF placed = expectedPlacement(printer, dpi);
    const double pageBottom = page.height();
    const auto near = [](double actual, double expected) { return std::abs(actual - expected) <= 1.0; };
    QVERIFY2(near(blue.left(), placed.left()), qPrintable(QStringLiteral("left %1").arg(blue.left())));
    QVERIFY2(near(blue.top(), placed.top()), qPrintable(QStringLiteral("top %1").arg(blue.top())));
    QVERIFY2(near(blue.right() + 1, placed.right()), qPrintable(QStringLiteral("right %1").arg(blue.right())));
    QVERIFY2(near(blue.bottom() + 1, std::min(placed.bottom(), pageBottom)),
        qPrintable(QStringLiteral("bottom %1").arg(blue.bottom())));
}

void TestCertificate::printedByLine_data()
{
    QTest::addColumn<QString>("printedBy");
    QTest::newRow("no name") << QString();
    QTest::newRow("a name") << QStringLiteral("Ms Lee");
}

// "Printed by: " and the name stand 150 device pixels below the printable top, above the
// picture; without a name there is nothing there.
void TestCertificate::printedByLine()
{
    QFETCH(QString, printedBy);
    TestFolder folder;
    ImageControl image;
    QImage white(sheetWidth, sheetHeight, QImage::Format_RGB32);
    white.fill(Qt::white);
    image.setPicture(white);
    image.resize(white.size());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path() + QStringLiteral("/printedby.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    QCOMPARE(printPicture(image, printer, printedBy), std::nullopt);

    constexpr int dpi = 100;
    const QList<QImage> pages = renderPdf(printer.outputFileName(), dpi);
    QCOMPARE(pages.size(), 1);
    const QRectF placed = expectedPlacement(printer, dpi);
    const double pixelsPerDevice = dpi / static_cast<double>(printer.resolution());
    const int lineTop = qFloor(placed.top() - 150 * pixelsPerDevice);
    QRect ink;
    for (int y = 0; y < pages.first().height(); ++y)
        for (int x = 0; x < pages.first().width(); ++x)
            if (isInk(pages.first().pixel(x, y)))
                ink |= QRect(x, y, 1, 1);
    if (printedBy.isEmpty()) {
        QVERIFY(ink.isEmpty());
        return;
    }
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.top() >= lineTop && ink.bottom() < placed.top(), qPrintable(QString::number(ink.top())));
    const double printableLeft
        = printer.pageLayout().paintRectPixels(printer.resolution()).left() * dpi / double(printer.resolution());
    QVERIFY2(
        ink.left() >= printableLeft - 1 && ink.left() <= printableLeft + 4, qPrintable(QString::number(ink.left())));
}

void TestCertificate::nameDialog()
{
    TestFolder folder;
    auto window = startProgram();
    auto* whoami = window->findChild<TWhoami*>(QStringLiteral("Whoami"));
    QVERIFY(whoami);
    QVERIFY(!whoami->isVisible());
    QCOMPARE(whoami->windowTitle(), QStringLiteral("I am ...."));
    QCOMPARE(whoami->size(), QSize(204, 143));
    QCOMPARE(control<QGroupBox>(whoami, "GroupBox1")->title(), QStringLiteral("Name"));
    QCOMPARE(control<QGroupBox>(whoami, "GroupBox1")->geometry(), QRect(10, 12, 180, 63));
    QCOMPARE(control<QLineEdit>(whoami, "Iam")->geometry(), QRect(23, 23, 121, 24));
    QCOMPARE(control<QLineEdit>(whoami, "Iam")->text(), QString());
    QCOMPARE(control<QLabel>(whoami, "Label1")->text(), QStringLiteral("Name will appear on printout"));
    QCOMPARE(control<QPushButton>(whoami, "Button1")->text(), QStringLiteral("Ok"));
    QCOMPARE(control<QPushButton>(whoami, "Button1")->geometry(), QRect(51, 101, 89, 33));
    QCOMPARE(whoami->palette().color(QPalette::Window), QColor(254, 253, 199));

    // Opened from the certificate's menu; the name is typed straight away and Enter confirms.
    TCertificatefrm* certificate = certificateOf(*window);
    bool focused = false;
    int result = -1;
    QVERIFY(printCertificate(*window, [&] {
        QTimer::singleShot(0, whoami, [&] {
            auto* iam = control<QLineEdit>(whoami, "Iam");
            QTRY_VERIFY(iam->hasFocus());
            focused = true;
            QTest::keyClicks(iam, QStringLiteral("Ms Lee"));
            QTest::keyClick(iam, Qt::Key_Return);
        });
        control<QAction>(certificate, "Printedby1")->trigger();
        result = whoami->result();
    }));
    QVERIFY(focused);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!whoami->isVisible());
    QCOMPARE(whoami->name(), QStringLiteral("Ms Lee"));
}

void TestCertificate::nameDialogNameGoesOnThePrintout()
{
    TestFolder folder;
    auto window = startProgram();
    auto* whoami = window->findChild<TWhoami*>(QStringLiteral("Whoami"));
    const QString withName = folder.path() + QStringLiteral("/named.pdf");
    const QString without = folder.path() + QStringLiteral("/plain.pdf");
    TCertificatefrm* certificate = certificateOf(*window);
    QPrinter* printer = nullptr;
    QVERIFY(printCertificate(*window, [&] {
        folder.dialogs().printDialog = confirmWithPdf(without, &printer);
        control<QAction>(certificate, "Print1")->trigger();
        QTimer::singleShot(0, whoami, [&] {
            QTest::keyClicks(control<QLineEdit>(whoami, "Iam"), QStringLiteral("Ms Lee"));
            control<QPushButton>(whoami, "Button1")->click();
        });
        control<QAction>(certificate, "Printedby1")->trigger();
        folder.dialogs().printDialog = confirmWithPdf(withName);
        control<QAction>(certificate, "Print1")->trigger();
    }));
    QVERIFY(folder.dialogs().errors.isEmpty());
    const QList<QImage> plain = renderPdf(without, 100);
    const QList<QImage> named = renderPdf(withName, 100);
    QCOMPARE(plain.size(), 1);
    QCOMPARE(named.size(), 1);
    const int pictureTop = qFloor(expectedPlacement(*printer, 100).top());
    const auto inkAbove = [pictureTop](const QImage& page) {
        for (int y = 0; y < pictureTop; ++y)
            for (int x = 0; x < page.width(); ++x)
                if (isInk(page.pixel(x, y)))
                    return true;
        return false;
    };
    QVERIFY(!inkAbove(plain.first()));
    QVERIFY(inkAbove(named.first()));
}

QTEST_MAIN(TestCertificate)
#include "tst_certificate.moc"
