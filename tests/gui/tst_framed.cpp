// The separate windows under a real window manager: each lies within the screen's available
// area with its frame, which the window manager draws and tells only once the window shows.
// Run by underwm.sh on a private X server with openbox, at a laptop's 1366 x 768, a netbook's
// 1024 x 600 and with the desktop's scale at 1.5 and 2; skipped elsewhere.

#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>

class TestFramed : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void withinTheScreen_data();
    void withinTheScreen();
    void mainWindowFitsAtStart();
};

void TestFramed::initTestCase()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || qEnvironmentVariableIsEmpty("QUORVEX_WM"))
        QSKIP("needs an X server with a window manager (underwm.sh)");
}

void TestFramed::withinTheScreen_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("certificate") << QByteArray("Printcertificate1") << QByteArray("Certificatefrm");
    QTest::newRow("fluency report") << QByteArray("FluencyReport1") << QByteArray("FluencyReportfrm");
}

void TestFramed::withinTheScreen()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, window);
    TestFolder folder;
    auto main = startProgram();
    QRect frame;
    QRect area;
    QTimer look;
    connect(&look, &QTimer::timeout, this, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown || shown->objectName() != QLatin1String(window) || !frame.isNull())
            return;
        // The window manager frames the window and tells its frame a moment after it shows;
        // the window has a moment more to fit again (longer on a loaded machine).
        area = shown->screen()->availableGeometry();
        QTest::qWait(500);
        static_cast<void>(QTest::qWaitFor([&] { return area.contains(shown->frameGeometry()); }, 5000));
        frame = shown->frameGeometry();
        shown->close();
    });
    look.start(20);
    control<QAction>(main.get(), command.constData())->trigger();
    QVERIFY(!frame.isNull());
    QVERIFY2(area.contains(frame),
        qPrintable(QStringLiteral("frame %1,%2 %3x%4 in %5x%6")
                       .arg(frame.x())
                       .arg(frame.y())
                       .arg(frame.width())
                       .arg(frame.height())
                       .arg(area.width())
                       .arg(area.height())));
}

// On a netbook's 1024 x 600, or with the desktop's text scaled up, the main window starts
// zoomed out as a whole: with its frame on the screen, every control inside it.
void TestFramed::mainWindowFitsAtStart()
{
    TestFolder folder;
    auto main = startProgram();
    // Framed by the window manager, and fitted again if need be.
    const QRect area = main->screen()->availableGeometry();
    QTest::qWait(500);
    static_cast<void>(QTest::qWaitFor([&] { return area.contains(main->frameGeometry()); }, 5000));
    QVERIFY2(area.contains(main->frameGeometry()),
        qPrintable(QStringLiteral("%1 x %2 at zoom %3 in %4 x %5")
                       .arg(main->frameGeometry().width())
                       .arg(main->frameGeometry().height())
                       .arg(main->zoom())
                       .arg(area.width())
                       .arg(area.height())));
    auto* client = control<QWidget>(main.get(), "client");
    for (QWidget* shown : client->findChildren<QWidget*>()) {
        if (!shown->isVisible() || shown->objectName().isEmpty())
            continue;
        const QRect place(shown->mapTo(client, QPoint()), shown->size());
        QVERIFY2(client->rect().contains(place), qPrintable(shown->objectName()));
    }
    QVERIFY(main->zoom() <= 1);
}

QTEST_MAIN(TestFramed)
#include "tst_framed.moc"
