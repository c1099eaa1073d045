// Help where it is needed: the manual on F1, and a tooltip on every control saying in a child's
// words what it does. The menu items' tooltips are in the menu table (flashcardfrm_layout.cpp).

#include "gui/controls/imagecontrol.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/windows/helpfrm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

void Tflashcardfrm::wireHelp()
{
    ui.QuorvexHelp1->setShortcut(QKeySequence(Qt::Key_F1));
    ui.QuorvexHelp1->setShortcutContext(Qt::ApplicationShortcut);
    connect(ui.QuorvexHelp1, &QAction::triggered, this, &Tflashcardfrm::QuorvexHelp1Click);

    // clang-format off
    const std::pair<QWidget*, const char*> tips[] = {
        // What the questions ask
        { ui.uptocb,        /*: Tooltip of the number list in "Practice with up to #". */ QT_TR_NOOP("How far the numbers go when you practise one table") },
        { ui.addrb,         /*: Tooltip. */ QT_TR_NOOP("Questions that add: 3 + 4 = ?") },
        { ui.subrb,         /*: Tooltip. */ QT_TR_NOOP("Questions that take away: 9 - 4 = ?") },
        { ui.Multirb,       /*: Tooltip. */ QT_TR_NOOP("Questions that multiply: 3 x 4 = ?") },
        { ui.divrb,         /*: Tooltip. */ QT_TR_NOOP("Questions that divide: 12 ÷ 4 = ?") },
        { ui.acb,           /*: Tooltip. */ QT_TR_NOOP("Tick to mix in questions that add") },
        { ui.scb,           /*: Tooltip. */ QT_TR_NOOP("Tick to mix in questions that take away") },
        { ui.mcb,           /*: Tooltip. */ QT_TR_NOOP("Tick to mix in questions that multiply") },
        { ui.dcb,           /*: Tooltip. */ QT_TR_NOOP("Tick to mix in questions that divide") },
        { ui.zerocb,        /*: Tooltip. */ QT_TR_NOOP("The questions may use the number 0 too") },
        { ui.mixcb,         /*: Tooltip. */ QT_TR_NOOP("Tick more than one kind of question and get them mixed") },
        { ui.qtcb,          /*: Tooltip. */ QT_TR_NOOP("Practice: one question after another, as long as you like. Speed Round: as many as you can before the time runs out") },
        { ui.srsb,          /*: Tooltip. */ QT_TR_NOOP("How many seconds the speed round lasts") },
        { ui.namecb,        /*: Tooltip. */ QT_TR_NOOP("Pick your name before you start: your answers are saved under it") },
        // Asking and answering
        { ui.Questionbt,    /*: Tooltip. */ QT_TR_NOOP("Start, and then the next question (Enter)") },
        { ui.checkbt,       /*: Tooltip. */ QT_TR_NOOP("See if your answer is right (Enter)") },
        { ui.anseb,         /*: Tooltip. */ QT_TR_NOOP("Type your answer here and press Enter") },
        { ui.ttim,          /*: Tooltip. */ QT_TR_NOOP("Dots that show the question. For take-away and divide questions, click to put dots down and count them") },
        // The results page
        { ui.resltsim,      /*: Tooltip. */ QT_TR_NOOP("Your answers: green with a tick is right, red with a cross is wrong") },
        { ui.resltssb,      /*: Tooltip. */ QT_TR_NOOP("Scroll through your answers") },
        { ui.Showallrb,     /*: Tooltip. */ QT_TR_NOOP("Your answers in the order you gave them") },
        { ui.showwrongrb,   /*: Tooltip. */ QT_TR_NOOP("Wrong answers at the top") },
        { ui.longestrb,     /*: Tooltip. */ QT_TR_NOOP("The slowest answers at the top") },
        { ui.shortestrb,    /*: Tooltip. */ QT_TR_NOOP("The fastest answers at the top") },
        { ui.showhistorycb, /*: Tooltip. */ QT_TR_NOOP("Look at the answers of an earlier day") },
        { ui.hiscb,         /*: Tooltip. */ QT_TR_NOOP("Which day to look at: 1 is the first") },
        // The teacher's panels
        { ui.nstudeb,       /*: Tooltip. */ QT_TR_NOOP("The new pupil's name, without spaces") },
        { ui.asbt,          /*: Tooltip. */ QT_TR_NOOP("Put the name on the list") },
        { ui.addonebt,      /*: Tooltip. */ QT_TR_NOOP("Close this panel") },
        { ui.deletecb,      /*: Tooltip. */ QT_TR_NOOP("The pupil to take off the list") },
        { ui.deletebt,      /*: Tooltip. */ QT_TR_NOOP("Take this pupil off the list, with all their saved days") },
        { ui.ddbt,          /*: Tooltip. */ QT_TR_NOOP("Close this panel") },
        { ui.Button1,       /*: Tooltip. */ QT_TR_NOOP("Close this panel without taking anyone off") },
        { ui.keeprb,        /*: Tooltip. */ QT_TR_NOOP("Keep only the newest days") },
        { ui.keepcb,        /*: Tooltip. */ QT_TR_NOOP("How many of the newest days to keep") },
        { ui.delrb,         /*: Tooltip. */ QT_TR_NOOP("Delete the oldest days") },
        { ui.delfirstcb,    /*: Tooltip. */ QT_TR_NOOP("How many of the oldest days to delete") },
        { ui.oldrb,         /*: Tooltip. */ QT_TR_NOOP("Delete the days saved longer ago than the school keeps them") },
        { ui.oldcb,         /*: Tooltip. */ QT_TR_NOOP("After how many months a saved day is deleted") },
        { ui.cleanupcb,     /*: Tooltip. */ QT_TR_NOOP("Whose days: one pupil, or everyone") },
        { ui.cleanupbt,     /*: Tooltip. */ QT_TR_NOOP("Delete those days now: this cannot be undone") },
        { ui.Button2,       /*: Tooltip. */ QT_TR_NOOP("Close this panel") },
        { ui.newpasseb,     /*: Tooltip. */ QT_TR_NOOP("The new teacher password") },
        { ui.repeatpasseb,  /*: Tooltip. */ QT_TR_NOOP("The same password again, to be sure it has no typo") },
        { ui.Button3,       /*: Tooltip. */ QT_TR_NOOP("Keep this password: the teacher's commands then ask for it") },
        { ui.cspbt,         /*: Tooltip. */ QT_TR_NOOP("Close without setting a password") },
        { ui.passeb,        /*: Tooltip. */ QT_TR_NOOP("The teacher password") },
        { ui.Button5,       /*: Tooltip. */ QT_TR_NOOP("Open the teacher's commands") },
        { ui.clibt,         /*: Tooltip. */ QT_TR_NOOP("Close without logging in") },
        { ui.Button4,       /*: Tooltip. */ QT_TR_NOOP("Lock the teacher's commands again") },
        { ui.clobt,         /*: Tooltip. */ QT_TR_NOOP("Close and stay logged in") },
    };
    // clang-format on
    for (const auto& [control, tip] : tips)
        control->setToolTip(tr(tip));
    //: Tooltip of the Arrays tab.
    ui.TabbedNotebook1->setTabToolTip(0, tr("Dots that show the question"));
    //: Tooltip of the Results tab.
    ui.TabbedNotebook1->setTabToolTip(1, tr("Every answer you gave, right or wrong"));

    connect(ui.ttcb, &QComboBox::currentIndexChanged, this, &Tflashcardfrm::showRangeTips);
    connect(ui.uptocb, &QComboBox::currentIndexChanged, this, &Tflashcardfrm::showRangeTips);
    showRangeTips();
}

void Tflashcardfrm::showRangeTips()
{
    const QString table = ui.ttcb->currentText();
    const QString upTo = ui.uptocb->currentText();
    //: Tooltip of "Tables of" with the number chosen beside it.
    ui.ttrb->setToolTip(tr("Tables of %1: every table from 1 to %1").arg(table));
    //: Tooltip of the number beside "Tables of"; it is also the table practised with "Practice with up to #".
    ui.ttcb->setToolTip(
        tr("Tables of %1 asks every table from 1 to %1; Practice asks only the table of %1").arg(table));
    //: Tooltip of "Practice with up to #": %1 is the number in its list, %2 the one beside "Tables of".
    ui.prb->setToolTip(tr("Practice with up to %1: only the table of %2, with numbers from 1 to %1").arg(upTo, table));
}

void Tflashcardfrm::QuorvexHelp1Click()
{
    showHelpOver(this);
}
