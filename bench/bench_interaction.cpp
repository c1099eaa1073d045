// The time from Enter in the answer box to the results page redrawn on screen, with a given
// number of answers already in the log: marking appends one record and the page draws the
// twenty lines in view; and the time a zoom takes to lay the window out again and repaint it.
// Run by hand (it is not a test), on a screen with room for twice the window:
//   QT_QPA_PLATFORM=offscreen:configfile=tests/gui/projector-screen.json
//       build/bench/quorvex_interaction_bench

#include "gui/mainwindow/flashcardfrm.h"
#include "guitest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

class BenchInteraction : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enterToResultsRedrawn_data();
    void enterToResultsRedrawn();
    void zoomRelaidAndRepainted_data();
    void zoomRelaidAndRepainted();
};

void BenchInteraction::enterToResultsRedrawn_data()
{
    QTest::addColumn<int>("held");
    for (const int held : { 0, 20, 3000, 100000 })
        QTest::addRow("%d answers in the log", held) << held;
}

void BenchInteraction::enterToResultsRedrawn()
{
    QFETCH(int, held);
    TestFolder folder;
    const std::unique_ptr<Tflashcardfrm> window = startProgram();
    auto* notebook = control<QTabWidget>(window.get(), "TabbedNotebook1");
    notebook->setCurrentWidget(control<QWidget>(window.get(), "resultsPage"));

    quorvex::AnswerLog& log = MainWindowTestAccess::changeableAnswerLog(*window);
    for (int k = 1; k <= held; ++k) {
        quorvex::Treslts record;
        record.question = "7 x 8 = 56";
        record.operation = "Multiplication";
        record.questionType = "Practice";
        record.answer = k % 3 == 0 ? "54" : "56";
        record.correct = k % 3 != 0;
        record.ticks = 5 + k % 70;
        record.number = k;
        log.append(record);
    }

    control<QPushButton>(window.get(), "Questionbt")->click();
    auto* anseb = control<QLineEdit>(window.get(), "anseb");
    auto* checkbt = control<QPushButton>(window.get(), "checkbt");
    const QString answer = QString::number(rightAnswer(control<QLabel>(window.get(), "qlb")->text()));
    QBENCHMARK
    {
        // The same question open again with its answer typed, and the log back at its size,
        // so that only the Enter key and what it sets off are timed.
        log.setAskedCount(held);
        checkbt->setEnabled(true);
        anseb->setEnabled(true);
        anseb->setText(answer);
        QTest::keyClick(anseb, Qt::Key_Return);
        QApplication::processEvents();
    }
    QCOMPARE(log.askedCount(), held + 1);
    QVERIFY(log.slot(held + 1).correct);
}

void BenchInteraction::zoomRelaidAndRepainted_data()
{
    QTest::addColumn<double>("zoom");
    for (const double zoom : { 0.8, 1.5, 2.0 })
        QTest::addRow("to %g and back to 1", zoom) << zoom;
}

// Two zooms in each round: to the factor and back.
void BenchInteraction::zoomRelaidAndRepainted()
{
    QFETCH(double, zoom);
    TestFolder folder;
    const std::unique_ptr<Tflashcardfrm> window = startProgram();
    QBENCHMARK
    {
        MainWindowTestAccess::zoom(*window, zoom);
        window->repaint();
        MainWindowTestAccess::zoom(*window, 1);
        window->repaint();
    }
    QCOMPARE(window->zoom(), 1.0);
}

QTEST_MAIN(BenchInteraction)
#include "bench_interaction.moc"
