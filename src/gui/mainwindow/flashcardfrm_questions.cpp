// Drill settings and the next question: Start / Next Question, the table number, the practice
// bound, the operations, Mix and Match and how often wrong answers come back.

#include "core/drill/board.h"
#include "gui/controls/controlhelpers.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/accessibility.h"
#include "gui/platform/textcodec.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

size_t indexOf(quorvex::Operation op)
{
    return static_cast<size_t>(quorvex::code(op) - 1);
}
} // namespace

void Tflashcardfrm::wireQuestions()
{
    opBoxes = { ui.acb, ui.scb, ui.mcb, ui.dcb };
    connect(ui.Questionbt, &QPushButton::clicked, this, &Tflashcardfrm::QuestionbtClick);
    // Enter on the focused button asks the next question, as space does.
    ui.Questionbt->setAutoDefault(true);
    connect(ui.ttcb, &QComboBox::activated, this, &Tflashcardfrm::ttcbChange);
    connect(ui.uptocb, &QComboBox::activated, this, &Tflashcardfrm::uptocbChange);
    connect(ui.ttrb, &QRadioButton::toggled, this, &Tflashcardfrm::ttrbClick);
    connect(ui.prb, &QRadioButton::toggled, this, &Tflashcardfrm::ttrbClick);
    // A radio button reports both its checking and the unchecking of the one before; only the
    // newly checked one acts.
    const QList<QRadioButton*> operations { ui.addrb, ui.subrb, ui.Multirb, ui.divrb };
    for (QRadioButton* radio : operations) {
        connect(radio, &QRadioButton::toggled, this, [this, radio, operations](bool checked) {
            if (!checked)
                return;
            // An arrow key checks the next button before it moves the focus there: the question,
            // which takes the focus to the answer box, waits until the focus has moved.
            if (operations.contains(QApplication::focusWidget()) && QApplication::focusWidget() != radio)
                QMetaObject::invokeMethod(this, &Tflashcardfrm::divrbClick, Qt::QueuedConnection);
            else
                divrbClick();
        });
    }
    for (const quorvex::Operation op : quorvex::allOperations)
        connect(opBoxes[indexOf(op)], &QCheckBox::toggled, this, [this, op] { acbClick(op); });
    connect(ui.mixcb, &QCheckBox::toggled, this, &Tflashcardfrm::mixcbClick);
    for (QAction* item : ui.Redow1->actions())
        connect(item, &QAction::triggered, this, &Tflashcardfrm::N10q1Click);
    N10q1Click();
}

quorvex::DrillSettings Tflashcardfrm::drillSettings() const
{
    quorvex::DrillSettings settings;
    settings.tableNumber = ui.ttcb->currentIndex() + 2;
    settings.practiceBound = ui.uptocb->currentIndex() + 2;
    settings.tablesOf = ui.ttrb->isChecked();
    settings.includeZero = ui.zerocb->isChecked();
    for (const quorvex::Operation op : quorvex::allOperations)
        settings.allowed[indexOf(op)] = opBoxes[indexOf(op)]->isChecked();
    return settings;
}

quorvex::Operation Tflashcardfrm::checkedOperation() const
{
    const QRadioButton* radios[] = { ui.addrb, ui.subrb, ui.Multirb, ui.divrb };
    for (const quorvex::Operation op : quorvex::allOperations) {
        if (radios[indexOf(op)]->isChecked())
            return op;
    }
    return session.operation();
}

void Tflashcardfrm::showStrip(QWidget* next)
{
    const quorvex::StripState state = session.state();
    //: The question button once the drill runs: asks the next question. Room: 185 px at 19 px bold.
    const QString nextCaption = tr("Next &Question");
    ui.Questionbt->setText(state == quorvex::StripState::Idle ? tr("&Start") : nextCaption);
    const bool asking = state == quorvex::StripState::Asking;
    (asking ? ui.checkbt : ui.Questionbt)->setEnabled(true);
    if (next == ui.anseb && isActiveWindow() && !ui.anseb->hasFocus()) {
        // Emptied as the focus comes (and not when it is there already), but before, and then a
        // new object to a screen reader, so that the focus brings the question and nothing else.
        ansebEnter();
        renewAccessibleObject(ui.anseb);
    }
    if (next)
        next->setFocus();
    (asking ? ui.Questionbt : ui.checkbt)->setEnabled(false);
}

void Tflashcardfrm::QuestionbtClick()
{
    ui.srgb->hide();
    const quorvex::DrillSession::Asked asked = session.nextQuestion(drillSettings());
    if (asked.runBegan) {
        setTextColour(ui.tlb, green);
        setCaption(ui.qclb, tr("Questions Correct: %1").arg(session.correct()));
        setCaption(ui.qalb, tr("Questions Asked: %1").arg(session.askedShown()));
    }
    runClocks();

    setCaption(ui.totalseelb, tr("%n dots drawn", nullptr, 0));
    dotGrid.fill(false);
    ui.anseb->setEnabled(true);
    setTextColour(ui.qlb, Qt::black);
    ui.qmarklb->hide();
    ui.anseb->setText(QStringLiteral("?"));
    setCaption(ui.qlb, toQt(quorvex::questionLine(asked.question)));
    const QString spoken = spokenQuestionText(asked.question);
    ui.qlb->setAccessibleName(spoken);
    // The answer box says the question when the focus arrives, after the choice that asked it, if
    // one did: the focus leaves the list before a screen reader could say the new value. The
    // result said by the button belongs to the question before.
    ui.anseb->setAccessibleDescription(choiceThatAsks.isEmpty()
            ? spoken
            : tr("%1. %2", "a choice just made, then the question").arg(choiceThatAsks, spoken));
    choiceThatAsks.clear();
    ttimbtClick();
    showStrip(ui.anseb);
    ui.Questionbt->setAccessibleDescription(QString());
}

void Tflashcardfrm::ttcbChange()
{
    ui.uptocb->setCurrentIndex(ui.ttcb->currentIndex());
    choiceThatAsks = ui.ttcb->accessibleName() + QLatin1Char(' ') + ui.ttcb->currentText();
    QuestionbtClick();
}

void Tflashcardfrm::uptocbChange()
{
    choiceThatAsks = ui.uptocb->accessibleName() + QLatin1Char(' ') + ui.uptocb->currentText();
    QuestionbtClick();
}

void Tflashcardfrm::ttrbClick()
{
    ui.uptocb->setEnabled(!ui.ttrb->isChecked());
}

void Tflashcardfrm::divrbClick()
{
    showOperationBoard();
    opBoxes[indexOf(checkedOperation())]->setChecked(true);
    ui.acb->setChecked(ui.addrb->isChecked());
    ui.scb->setChecked(ui.subrb->isChecked());
    ui.mcb->setChecked(ui.Multirb->isChecked());
    ui.dcb->setChecked(ui.divrb->isChecked());
    QuestionbtClick();
}

void Tflashcardfrm::showOperationBoard()
{
    // The dots the pupil places are counted where the board shows the empty grid.
    ui.totalseelb->setVisible(quorvex::showsGrid(checkedOperation()));
}

void Tflashcardfrm::acbClick()
{
    acbClick(session.operation());
}

void Tflashcardfrm::acbClick(quorvex::Operation cleared)
{
    const std::array<bool, 4> allowed = quorvex::keepOneAllowed(drillSettings().allowed, cleared);
    for (const quorvex::Operation op : quorvex::allOperations)
        opBoxes[indexOf(op)]->setChecked(allowed[indexOf(op)]);
}

void Tflashcardfrm::mixcbClick()
{
    for (QCheckBox* box : opBoxes)
        box->setVisible(ui.mixcb->isChecked());
}

void Tflashcardfrm::N10q1Click()
{
    // The menu's items form one exclusive group: the checked one is the choice, kept for the
    // rest of the sitting. Its tag is the number of questions after which a re-ask comes.
    for (const QAction* item : ui.Redow1->actions()) {
        if (item->isCheckable() && item->isChecked()) {
            ui.Redow1->menuAction()->setData(item->data());
            session.setRedoWrongAfter(item->data().toInt());
        }
    }
}
