// The floor for start-up: a bare main window with a client area the size of the program's,
// shown and timed to its first paint the same way.

#include "startupprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* client = new QWidget;
    client->setFixedSize(1075, 684);
    window.setCentralWidget(client);
    const startupprobe::FirstPaint probe(&window);
    window.show();
    QApplication::exec();
    return probe.report("floor");
}
