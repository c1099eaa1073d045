// The floors for start-up, shown and timed to their first finished frame the same way: with
// "bare", an empty main window with a client area the size of the program's; with "label" (the
// default), the same window showing one line of text in one label, the least any program that
// shows text pays (the font database and one face).

#include "startupprobe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QMainWindow window;
    QWidget* client = bare ? new QWidget : new QLabel(QStringLiteral("Flash Cards"));
    client->setFixedSize(1075, 684);
    window.setCentralWidget(client);
    const startupprobe::FirstFrame probe(&window);
    window.show();
    QApplication::exec();
    return probe.report(bare ? "bare floor" : "label floor");
}
