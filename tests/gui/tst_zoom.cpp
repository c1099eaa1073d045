// The main window zoomed: every control's place and font scaled together, the board and the
// results page drawn larger, the zoom from the Options menu and its keys, remembered for the
// next start, and the whole screen. Run on a projector's screen of 2560 x 1600.

#include "gui/controls/imagecontrol.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace {

// Every control the window places itself, by name, with its place at zoom 1. A label that
// widens for its caption is left out: its width follows its text.
QHash<QString, QRect> placesOf(const QWidget& window)
{
    QHash<QString, QRect> places;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->parentWidget()->layout()
            || control->property("autoSize").toBool() || control->window() != &window)
            continue;
        places.insert(name, control->geometry());
    }
    return places;
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlScales_data();
    void everyControlScales();
    void menuKeysAndNextStart();
    void theBoardTakesPressesWhereItShowsThem();
    void wholeScreen();
    void theCertificateFollows();
    void theResultsPageIsDrawnAsAtZoomOne();
    void zoomInKeepsTheWindowOnTheScreen();
};

void TestZoom::everyControlScales_data()
{
    QTest::addColumn<double>("zoom");
    for (const double zoom : { 0.5, 0.8, 1.5, 2.0 })
        QTest::addRow("%g", zoom) << zoom;
}

// Each edge at zoom times its design place, within a pixel; the fonts in proportion.
void TestZoom::everyControlScales()
{
    QFETCH(double, zoom);
    TestFolder folder;
    auto window = startProgram();
    const QHash<QString, QRect> design = placesOf(*window);
    QVERIFY2(design.size() > 80, qPrintable(QString::number(design.size())));
    MainWindowTestAccess::zoom(*window, zoom);
    QCOMPARE(window->zoom(), zoom);
    for (auto it = design.begin(); it != design.end(); ++it) {
        const QRect now = control<QWidget>(control<QWidget>(window.get(), "client"), qPrintable(it.key()))->geometry();
        const QRectF wanted(it->left() * zoom, it->top() * zoom, it->width() * zoom, it->height() * zoom);
        QVERIFY2(std::abs(now.left() - wanted.left()) <= 1 && std::abs(now.top() - wanted.top()) <= 1
                && std::abs(now.right() + 1 - wanted.right()) <= 1 && std::abs(now.bottom() + 1 - wanted.bottom()) <= 1,
            qPrintable(it.key()));
    }
    QCOMPARE(control<QWidget>(window.get(), "client")->size(), (QSizeF(1075, 684) * zoom).toSize());
    QCOMPARE(control<QLabel>(window.get(), "qlb")->font().pixelSize(), int(96 * zoom));
    // The board's picture keeps the design's size and is shown scaled.
    QCOMPARE(control<ImageControl>(window.get(), "ttim")->pictureSize(), QSize(791, 446));
}

// Ctrl+Plus, Ctrl+Minus and Ctrl+0 as the menu's items, and the zoom of the last run at the
// next start.
void TestZoom::menuKeysAndNextStart()
{
    TestFolder folder;
    const RememberingChoices remembering;
    {
        auto window = startProgram();
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(window->zoom(), 1.1);
        control<QAction>(window.get(), "ZoomIn1")->trigger();
        QCOMPARE(window->zoom(), 1.25);
        QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(window->zoom(), 1.1);
        QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(window->zoom(), 1.0);
        for (int k = 0; k < 20; ++k)
            control<QAction>(window.get(), "ZoomOut1")->trigger();
        QCOMPARE(window->zoom(), 0.5);
        for (int k = 0; k < 20; ++k)
            control<QAction>(window.get(), "ZoomIn1")->trigger();
        QCOMPARE(window->zoom(), 2.0);
        control<QAction>(window.get(), "ZoomOut1")->trigger();
        window->close();
    }
    auto again = startProgram();
    QCOMPARE(again->zoom(), 1.75);
    QVERIFY(again->screen()->availableGeometry().contains(again->frameGeometry()));
    control<QAction>(again.get(), "ActualSize1")->trigger();
}

// A press on the board, zoomed, toggles the cell drawn under the pointer.
void TestZoom::theBoardTakesPressesWhereItShowsThem()
{
    TestFolder folder;
    auto window = startProgram();
    MainWindowTestAccess::zoom(*window, 1.5);
    control<QRadioButton>(window.get(), "subrb")->click();
    auto* board = control<ImageControl>(window.get(), "ttim");
    // Row 2, column 3 of the design (from 0), at its centre: 7 + 36 x 3 + 18, 7 + 36 x 2 + 18.
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(int(133 * 1.5), int(97 * 1.5)));
    QCOMPARE(board->picture().pixelColor(133, 97), QColor(255, 0, 0));
    const QImage shown = board->grab().toImage();
    QCOMPARE(shown.pixelColor(int(133 * 1.5), int(97 * 1.5)), QColor(255, 0, 0));
    QCOMPARE(control<QLabel>(window.get(), "totalseelb")->text(), QStringLiteral("1 dots drawn"));
}

// F11 fills the screen, the design scaled to it; F11 again gives the window back at its zoom.
void TestZoom::wholeScreen()
{
    TestFolder folder;
    auto window = startProgram();
    MainWindowTestAccess::zoom(*window, 0.8);
    control<QAction>(window.get(), "FullScreen1")->trigger();
    QVERIFY(window->isFullScreen());
    QCOMPARE(window->zoom(), 2.0);
    auto* client = control<QWidget>(window.get(), "client");
    QTRY_VERIFY(window->rect().contains(QRect(client->mapTo(window.get(), QPoint()), client->size())));
    control<QAction>(window.get(), "FullScreen1")->trigger();
    QVERIFY(!window->isFullScreen());
    QCOMPARE(window->zoom(), 0.8);
}

// The certificate is shown at the window's zoom; its sheet, which is printed, keeps its size.
void TestZoom::theCertificateFollows()
{
    TestFolder folder;
    auto window = startProgram();
    MainWindowTestAccess::zoom(*window, 1.5);
    QWidget* certificate = control<QWidget>(window.get(), "Certificatefrm");
    QSize shown;
    QSize sheet;
    QTimer look;
    connect(&look, &QTimer::timeout, this, [&] {
        if (QApplication::activeModalWidget() != certificate || shown.isValid())
            return;
        auto* certim = control<ImageControl>(certificate, "certim");
        shown = certim->size();
        sheet = certim->picture().size();
        QVERIFY(certificate->screen()->availableGeometry().contains(certificate->frameGeometry()));
        certificate->close();
    });
    look.start(10);
    control<QAction>(window.get(), "Printcertificate1")->trigger();
    QCOMPARE(sheet, QSize(1169, 827));
    QCOMPARE(shown, (QSizeF(1169, 827) * 1.5).toSize());
}

// The page is drawn in its design font at every zoom: the same picture, shown scaled.
void TestZoom::theResultsPageIsDrawnAsAtZoomOne()
{
    TestFolder folder;
    folder.write(
        QStringLiteral("Guest1.txt"), "Division ,1 ,144 \xf7 12 = 12 ,12 ,30\r\nAddition ,0 ,2 + 3 = 5 ,6 ,12\r\n");
    auto window = startProgram();
    control<QAction>(window.get(), "Showtimer1")->trigger();
    control<QCheckBox>(window.get(), "showhistorycb")->click();
    auto* page = control<ImageControl>(window.get(), "resltsim");
    const QImage atOne = page->picture().copy();
    for (const double zoom : { 0.5, 2.0, 1.0 }) {
        MainWindowTestAccess::zoom(*window, zoom);
        invoke(window.get(), "resltsbtClick");
        QCOMPARE(page->picture(), atOne);
    }
}

// A window zoomed larger near the screen's edge moves to stay on it.
void TestZoom::zoomInKeepsTheWindowOnTheScreen()
{
    TestFolder folder;
    auto window = startProgram();
    const QRect area = window->screen()->availableGeometry();
    window->move(area.right() - window->frameGeometry().width(), area.bottom() - window->frameGeometry().height());
    for (int k = 0; k < 8; ++k) {
        control<QAction>(window.get(), "ZoomIn1")->trigger();
        QVERIFY(area.contains(window->frameGeometry()));
    }
    QCOMPARE(window->zoom(), 2.0);
    QVERIFY(!control<QAction>(window.get(), "ZoomIn1")->isEnabled());
    control<QAction>(window.get(), "ActualSize1")->trigger();
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
