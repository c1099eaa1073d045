// Drill settings and the next question: Start / Next Question, the table number, the practice
// bound, the operations and Mix and Match.

#include "controlhelpers.h"
#include "core/spoken.h"
#include "flashcardfrm.h"
#include "textcodec.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {
const QString startCaption = QStringLiteral("&Start");
const QString nextCaption = QStringLiteral("Next &Question");

int tagOf(const QObject* control)
{
    return control ? control->property("tag").toInt() : 0;
}
} // namespace

void Tflashcardfrm::wireQuestions()
{
    opBoxes = { nullptr, ui.acb, ui.scb, ui.mcb, ui.dcb };
    connect(ui.Questionbt, &QPushButton::clicked, this, &Tflashcardfrm::QuestionbtClick);
    // Enter on the focused button asks the next question, as space does.
    ui.Questionbt->setAutoDefault(true);
    connect(ui.ttcb, &QComboBox::activated, this, &Tflashcardfrm::ttcbChange);
    connect(ui.uptocb, &QComboBox::activated, this, &Tflashcardfrm::uptocbChange);
    connect(ui.ttrb, &QRadioButton::toggled, this, &Tflashcardfrm::ttrbClick);
    connect(ui.prb, &QRadioButton::toggled, this, &Tflashcardfrm::ttrbClick);
    for (QRadioButton* radio : { ui.addrb, ui.subrb, ui.Multirb, ui.divrb })
        connect(radio, &QRadioButton::toggled, this, &Tflashcardfrm::divrbClick);
    for (QCheckBox* box : { ui.acb, ui.scb, ui.mcb, ui.dcb })
        connect(box, &QCheckBox::toggled, this, &Tflashcardfrm::acbClick);
    connect(ui.mixcb, &QCheckBox::toggled, this, &Tflashcardfrm::mixcbClick);
}

quorvex::DrillSettings Tflashcardfrm::drillSettings() const
{
    quorvex::DrillSettings settings;
    settings.tableNumber = ui.ttcb->currentIndex() + 2;
    settings.practiceBound = ui.uptocb->currentIndex() + 2;
    settings.tablesOf = ui.ttrb->isChecked();
    settings.includeZero = ui.zerocb->isChecked();
    for (const quorvex::Operation op : quorvex::allOperations) {
        const int k = quorvex::code(op);
        settings.allowed[static_cast<size_t>(k - 1)] = opBoxes[static_cast<size_t>(k)]->isChecked();
    }
    return settings;
}

int Tflashcardfrm::checkedOperationCode() const
{
    for (const QRadioButton* radio : { ui.addrb, ui.subrb, ui.Multirb, ui.divrb }) {
        if (radio->isChecked())
            return tagOf(radio);
    }
    return currentOp;
}

void Tflashcardfrm::QuestionbtClick()
{
    ui.srgb->hide();
    unsavedAnswers = 1;
    const quorvex::DrillSettings settings = drillSettings();
    currentOp = quorvex::code(quorvex::drawOperation(random, settings.allowed));

    if (ui.Questionbt->text() == startCaption) {
        setTextColour(ui.tlb, green);
        roundTenthsLeft = ui.srsb->value() * 10;
        roundRightCount = 0;
        setCaption(ui.qclb, QStringLiteral("Questions Correct: 0"));
        setCaption(ui.qalb, QStringLiteral("Questions Asked: 0"));
        questionStartTenths = 0;
        elapsedTenths = 0;
        lastFirstNum = 0;
        ui.Questionbt->setText(nextCaption);
        correctCount = 0;
    } else {
        questionStartTenths = elapsedTenths;
    }

    QTimer* timer = ui.qtcb->currentIndex() == 0 ? ui.ctr : ui.srtr;
    if (!timer->isActive())
        timer->start();

    dotsDrawn = 0;
    setCaption(ui.totalseelb, QStringLiteral("0 dots drawn"));
    ui.checkbt->setEnabled(true);

    const quorvex::Question question
        = quorvex::drawOperands(random, settings, quorvex::operationFromCode(currentOp), lastFirstNum);
    firstNum = question.firstNum;
    secondNum = question.secondNum;
    dotGrid.fill(0);

    ui.anseb->setEnabled(true);
    setTextColour(ui.qlb, Qt::black);
    ui.anseb->setText(QStringLiteral("?"));
    setCaption(ui.qlb, toQt(quorvex::questionLine(question)));
    ui.qlb->setAccessibleName(toQt(quorvex::spokenQuestion(question)));
    ttimbtClick();
    ui.Questionbt->setEnabled(false);
    ui.anseb->setFocus();
}

void Tflashcardfrm::ttcbChange()
{
    ui.uptocb->setCurrentIndex(ui.ttcb->currentIndex());
    QuestionbtClick();
}

void Tflashcardfrm::uptocbChange()
{
    QuestionbtClick();
}

void Tflashcardfrm::ttrbClick()
{
    ui.uptocb->setEnabled(!ui.ttrb->isChecked());
}

void Tflashcardfrm::divrbClick()
{
    // A radio button reports both its checking and the unchecking of the one before; only the
    // newly checked one acts.
    const auto* radio = qobject_cast<const QRadioButton*>(sender());
    if (radio && !radio->isChecked())
        return;
    const int k = radio ? tagOf(radio) : checkedOperationCode();

    ui.totalseelb->setVisible(ui.divrb->isChecked() || ui.subrb->isChecked());
    opBoxes[static_cast<size_t>(k)]->setChecked(true);
    ui.acb->setChecked(ui.addrb->isChecked());
    ui.scb->setChecked(ui.subrb->isChecked());
    ui.mcb->setChecked(ui.Multirb->isChecked());
    ui.dcb->setChecked(ui.divrb->isChecked());
    QuestionbtClick();
}

void Tflashcardfrm::acbClick()
{
    int checked = 0;
    for (size_t k = 1; k <= 4; ++k)
        checked += opBoxes[k]->isChecked() ? 1 : 0;
    if (checked > 0)
        return;
    // The last ticked operation cannot be cleared.
    const int k = tagOf(sender());
    opBoxes[static_cast<size_t>(quorvex::isOperationCode(k) ? k : currentOp)]->setChecked(true);
}

void Tflashcardfrm::mixcbClick()
{
    for (size_t k = 1; k <= 4; ++k)
        opBoxes[k]->setVisible(ui.mixcb->isChecked());
}

void Tflashcardfrm::N10q1Click()
{
    auto* chosen = qobject_cast<QAction*>(sender());
    if (!chosen)
        return;
    chosen->setChecked(true);
    redoWrongAfter = chosen->data().toInt();
}
