// The question timer, the speed round and the time box. Time is counted in ticks of the two
// 100 ms timers, never read from a clock.

#include "gui/controls/controlhelpers.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

void Tflashcardfrm::wireTiming()
{
    connect(ui.ctr, &QTimer::timeout, this, &Tflashcardfrm::ctrTimer);
    connect(ui.srtr, &QTimer::timeout, this, &Tflashcardfrm::srtrTimer);
    connect(ui.srsb, &QScrollBar::valueChanged, this, &Tflashcardfrm::srsbChange);
    connect(ui.qtcb, &QComboBox::activated, this, &Tflashcardfrm::qtcbChange);
    ui.ttimelb->installEventFilter(this);
    quietWhileHidden(ui.ttimelb, true);
    // The menu toggles the check mark itself; the handler inverts it, so undo the first.
    connect(ui.Showtimer1, &QAction::triggered, this, [this](bool checked) {
        ui.Showtimer1->setChecked(!checked);
        Showtimer1Click();
    });
}

void Tflashcardfrm::runClocks()
{
    const quorvex::Clocks clocks = session.clocks();
    for (const auto& [timer, running] :
        { std::pair { ui.ctr, clocks.question }, std::pair { ui.srtr, clocks.round } }) {
        if (running && !timer->isActive())
            timer->start();
        else if (!running && timer->isActive())
            timer->stop();
    }
}

void Tflashcardfrm::quietWhileHidden(QLabel* label, bool hidden)
{
    // A label with a name of its own sends no name change when its text changes; shown, it is
    // named by its text again.
    const QString name = hidden ? label->text().section(QLatin1Char(':'), 0, 0) : QString();
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}

void Tflashcardfrm::ctrTimer()
{
    session.tick();
    //: The time since the drill began. Room: about 115 px.
    setCaption(ui.ttimelb, tr("Total time: %1 s").arg(shownTenths(session.elapsedTenths())));
    showTimeOfQuestion();
}

// The big figure: the time of the last answered question while none is open, else the running
// time of the open one.
void Tflashcardfrm::showTimeOfQuestion()
{
    //: Seconds, after a number: "12.5 s".
    ui.tlb->setText(tr("%1 s").arg(shownTenths(session.questionTenths())));
}

void Tflashcardfrm::srtrTimer()
{
    const quorvex::DrillSession::RoundTicked ticked = session.roundTick();
    ui.tlb->setText(shownTenths(ticked.tenthsLeft));
    setTextColour(ui.tlb, ticked.lastTenSeconds ? red : green);
    if (!ticked.ended)
        return;

    showStrip();
    runClocks();
    ui.srgb->show();
    ui.ydlb->show();
    ui.srsb->setFocus();
    setCaption(ui.speedtlb, QStringLiteral("%1!").arg(session.roundRight()));
    ui.speedtlb->show();
}

void Tflashcardfrm::srsbChange()
{
    const int seconds = ui.srsb->value();
    session.setRoundSeconds(seconds);
    ui.ydlb->hide();
    ui.speedtlb->hide();
    ui.srtlb->setText(roundLengthCaption(seconds));
    ui.tlb->setText(shownTenths(seconds * 10));
}

void Tflashcardfrm::qtcbChange()
{
    const bool practice = ui.qtcb->currentIndex() == 0;
    session.changeQuestionType(practice ? quorvex::QuestionType::Practice : quorvex::QuestionType::SpeedRound);
    runClocks();
    showStrip();
    if (practice) {
        ui.srgb->hide();
        ui.ttimelb->show();
        ui.Showtimer1->setEnabled(true);
        ui.Timegb->setVisible(ui.Showtimer1->isChecked());
    } else {
        ui.tlb->setText(shownTenths(ui.srsb->value() * 10));
        ui.ydlb->hide();
        ui.speedtlb->hide();
        ui.ttimelb->hide();
        ui.srgb->show();
        ui.Showtimer1->setEnabled(false);
        ui.Timegb->show();
    }
    ui.qclb->setVisible(practice);
    ui.qalb->setVisible(practice);
}

void Tflashcardfrm::Showtimer1Click()
{
    ui.Showtimer1->setChecked(!ui.Showtimer1->isChecked());
    ui.Timegb->setVisible(ui.Showtimer1->isChecked());
}
