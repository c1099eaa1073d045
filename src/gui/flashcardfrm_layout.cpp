// Every control of the main window: its name, caption, place, font and initial state.
// Top-level controls are made in a fixed order, and where they overlap the later one lies on
// top: the teacher panels over the speed-round panel over the question strip.

#include "controlhelpers.h"
#include "flashcardfrm.h"
#include "fonts.h"
#include "imagecontrol.h"
#include "multilinelabel.h"
#include "wrappingradiobutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <type_traits>

namespace {

template <class W> W* makeControl(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Makes the control held by a member of the Controls struct, named after that member.
#define CONTROL(member, parent) (ui.member = makeControl<std::remove_pointer_t<decltype(ui.member)>>(parent, #member))

const QString arial = QStringLiteral("Arial");

// Places a control; a width or height of 0 takes the control's natural size.
void place(QWidget* widget, int left, int top, int width = 0, int height = 0)
{
    const QSize natural = widget->sizeHint();
    widget->setGeometry(left, top, width > 0 ? width : natural.width(), height > 0 ? height : natural.height());
}

void fillNumbers(QComboBox* list, int from, int to)
{
    for (int n = from; n <= to; ++n)
        list->addItem(QString::number(n));
}

void setTag(QObject* control, int tag)
{
    control->setProperty("tag", tag);
}

// The order in which Tab moves through a panel's controls.
void chainTabOrder(std::initializer_list<QWidget*> chain)
{
    for (auto it = chain.begin(); it + 1 != chain.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));
}

QPushButton* hiddenButton(QPushButton* button, int left, int top)
{
    button->setText(button->objectName());
    place(button, left, top, 75, 25);
    button->hide();
    return button;
}

} // namespace

void Tflashcardfrm::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(1075, 684);
    client->setAutoFillBackground(true);
    QPalette white = client->palette();
    white.setColor(QPalette::Window, Qt::white);
    client->setPalette(white);
    client->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setCentralWidget(client);

    CONTROL(qalb, client)->setText(QStringLiteral("Questions asked: 0"));
    ui.qalb->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 20));
    place(ui.qalb, 840, 192, 179, 24);
    setAutoSize(ui.qalb);
    setCaption(ui.qalb, ui.qalb->text());

    CONTROL(qclb, client)->setText(QStringLiteral("Questions correct: 0"));
    ui.qclb->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 20));
    place(ui.qclb, 840, 160, 189, 24);
    setAutoSize(ui.qclb);
    setCaption(ui.qclb, ui.qclb->text());

    CONTROL(Label1, client)->setText(QStringLiteral("User Name"));
    ui.Label1->setFont(pixelFont(arial, 19));
    place(ui.Label1, 840, 536, 100, 22);

    CONTROL(GroupBox2, client)->setTitle(QStringLiteral("Involving"));
    ui.GroupBox2->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));
    place(ui.GroupBox2, 840, 224, 185, 113);
    CONTROL(ttrb, ui.GroupBox2)->setText(QStringLiteral("Tables of"));
    ui.ttrb->setChecked(true);
    place(ui.ttrb, 16, 29, 161, 17);
    ui.prb = new WrappingRadioButton(QStringLiteral("Practice with up to #"), ui.GroupBox2);
    ui.prb->setObjectName(QStringLiteral("prb"));
    place(ui.prb, 16, 56, 145, 41);
    CONTROL(uptocb, ui.GroupBox2);
    fillNumbers(ui.uptocb, 2, 12);
    ui.uptocb->setCurrentIndex(3);
    ui.uptocb->setEnabled(false);
    place(ui.uptocb, 104, 75, 57, 30);

    CONTROL(ttcb, client);
    fillNumbers(ui.ttcb, 2, 12);
    ui.ttcb->setCurrentIndex(3);
    ui.ttcb->setFont(pixelFont(arial, 19));
    place(ui.ttcb, 937, 219, 57, 30);

    hiddenButton(CONTROL(ttimbt, client), 0, 80);

    CONTROL(GroupBox1, client)->setTitle(QStringLiteral("Result"));
    ui.GroupBox1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));
    place(ui.GroupBox1, 840, 345, 185, 184);
    const struct {
        QRadioButton*& radio;
        QCheckBox*& box;
        const char* radioName;
        const char* boxName;
        const char* caption;
        int code;
        int top;
    } operations[] = {
        { ui.addrb, ui.acb, "addrb", "acb", "Addition", 1, 29 },
        { ui.subrb, ui.scb, "subrb", "scb", "Subtraction", 2, 53 },
        { ui.Multirb, ui.mcb, "Multirb", "mcb", "Multiplication", 3, 78 },
        { ui.divrb, ui.dcb, "divrb", "dcb", "Division", 4, 103 },
    };
    // The radio buttons first, so that the check boxes made afterwards lie over them.
    for (const auto& op : operations) {
        op.radio = makeControl<QRadioButton>(ui.GroupBox1, op.radioName);
        op.radio->setText(QString::fromLatin1(op.caption));
        op.radio->setFont(pixelFont(arial, 19));
        setTag(op.radio, op.code);
        place(op.radio, 16, op.top, 161, 21);
    }
    ui.Multirb->setChecked(true);
    for (const auto& op : operations) {
        op.box = makeControl<QCheckBox>(ui.GroupBox1, op.boxName);
        op.box->setText(QString::fromLatin1(op.caption));
        op.box->setFont(pixelFont(arial, 19));
        setTag(op.box, op.code);
        place(op.box, 16, op.top, 161, 21);
        op.box->setAutoFillBackground(true);
        op.box->hide();
    }
    ui.mcb->setChecked(true);
    CONTROL(zerocb, ui.GroupBox1)->setText(QStringLiteral("Include zero"));
    ui.zerocb->setFont(pixelFont(arial, 16));
    setTag(ui.zerocb, 0);
    place(ui.zerocb, 16, 128, 161, 19);
    CONTROL(mixcb, ui.GroupBox1)->setText(QStringLiteral("Mix and Match"));
    ui.mixcb->setFont(pixelFont(arial, 16));
    setTag(ui.mixcb, 0);
    place(ui.mixcb, 16, 152, 161, 19);

    CONTROL(Timegb, client)->setTitle(QStringLiteral("Time"));
    place(ui.Timegb, 928, 24, 129, 121);
    ui.Timegb->hide();
    CONTROL(tlb, ui.Timegb)->setText(QStringLiteral("0.0"));
    ui.tlb->setFont(pixelFont(arial, 37));
    ui.tlb->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(ui.tlb, QColor(0, 128, 0));
    place(ui.tlb, 8, 24, 113, 44);
    CONTROL(ttimelb, ui.Timegb)->setText(QStringLiteral("Total Time: 0.0 s"));
    place(ui.ttimelb, 8, 96, 115, 13);
    setAutoSize(ui.ttimelb);
    setCaption(ui.ttimelb, ui.ttimelb->text());

    CONTROL(TabbedNotebook1, client);
    ui.TabbedNotebook1->setFont(pixelFont(arial, 13));
    place(ui.TabbedNotebook1, 16, 160, 809, 513);
    ui.arraysPage = new QWidget;
    ui.arraysPage->setObjectName(QStringLiteral("Arrays"));
    ui.TabbedNotebook1->addTab(ui.arraysPage, QStringLiteral("&Arrays"));
    ui.resultsPage = new QWidget;
    ui.resultsPage->setObjectName(QStringLiteral("Results"));
    ui.TabbedNotebook1->addTab(ui.resultsPage, QStringLiteral("&Results"));

    CONTROL(totalseelb, ui.arraysPage)->setText(QStringLiteral("0 dots drawn"));
    ui.totalseelb->setFont(pixelFont(arial, 20));
    place(ui.totalseelb, 8, 8, 160, 23);
    setAutoSize(ui.totalseelb);
    setCaption(ui.totalseelb, ui.totalseelb->text());
    ui.totalseelb->hide();
    CONTROL(Panel1, ui.arraysPage)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.Panel1->setLineWidth(1);
    place(ui.Panel1, 3, 34, 793, 448);
    CONTROL(ttim, ui.Panel1);
    place(ui.ttim, 1, 1, 791, 446);

    CONTROL(resltsim, ui.resultsPage);
    place(ui.resltsim, 16, 48, 721, 425);
    CONTROL(resltssb, ui.resultsPage)->setOrientation(Qt::Vertical);
    ui.resltssb->setRange(0, 0);
    ui.resltssb->setSingleStep(1);
    ui.resltssb->setPageStep(1);
    place(ui.resltssb, 736, 49, 17, 425);
    CONTROL(Showallrb, ui.resultsPage)->setText(QStringLiteral("&Show in order"));
    ui.Showallrb->setChecked(true);
    place(ui.Showallrb, 8, 16);
    CONTROL(showwrongrb, ui.resultsPage)->setText(QStringLiteral("Show &Wrong first"));
    place(ui.showwrongrb, 136, 16);
    CONTROL(longestrb, ui.resultsPage)->setText(QStringLiteral("&Longest times first"));
    place(ui.longestrb, 280, 16);
    CONTROL(shortestrb, ui.resultsPage)->setText(QStringLiteral("Shortest &times first"));
    place(ui.shortestrb, 432, 16);
    CONTROL(showhistorycb, ui.resultsPage)->setText(QStringLiteral("Show &History"));
    place(ui.showhistorycb, 592, 16);
    CONTROL(hiscb, ui.resultsPage)->addItem(QStringLiteral("1"));
    place(ui.hiscb, 704, 14, 89, 24);
    ui.hiscb->hide();
    hiddenButton(CONTROL(resltsbt, ui.resultsPage), 720, 184);
    hiddenButton(CONTROL(sortbt, ui.resultsPage), 720, 152);
    hiddenButton(CONTROL(hisbt, ui.resultsPage), 704, 104);

    CONTROL(namecb, client)->addItem(QStringLiteral("Guest"));
    ui.namecb->setFont(pixelFont(arial, 19));
    place(ui.namecb, 840, 560, 217, 30);

    CONTROL(questiongb, client)->setTitle(QStringLiteral("Question"));
    ui.questiongb->setFont(pixelFont(arial, 16));
    place(ui.questiongb, 16, 8, 905, 145);
    CONTROL(qlb, ui.questiongb)->setText(QStringLiteral("? x ? = ?"));
    ui.qlb->setFont(pixelFont(QStringLiteral("Arial Narrow"), 96));
    ui.qlb->setAttribute(Qt::WA_TranslucentBackground);
    place(ui.qlb, 32, 16, 322, 110);
    setAutoSize(ui.qlb);
    setCaption(ui.qlb, ui.qlb->text());
    CONTROL(anseb, ui.questiongb)->setText(QStringLiteral("?"));
    ui.anseb->setFont(pixelFont(arial, 96));
    place(ui.anseb, 512, 16, 193, 119);
    CONTROL(Questionbt, ui.questiongb)->setText(QStringLiteral("&Start"));
    ui.Questionbt->setFont(pixelFont(arial, 19));
    place(ui.Questionbt, 712, 16, 185, 57);
    CONTROL(checkbt, ui.questiongb)->setText(QStringLiteral("&Check"));
    ui.checkbt->setEnabled(false);
    place(ui.checkbt, 712, 88, 185, 49);

    CONTROL(GroupBox3, client)->setTitle(QStringLiteral("Question Type"));
    ui.GroupBox3->setFont(pixelFont(arial, 16));
    place(ui.GroupBox3, 840, 600, 217, 73);
    CONTROL(qtcb, ui.GroupBox3)->addItems({ QStringLiteral("Practice"), QStringLiteral("Speed Round") });
    ui.qtcb->setCurrentIndex(0);
    place(ui.qtcb, 24, 28, 145, 27);

    CONTROL(srgb, client)->setTitle(QStringLiteral("Speed Round "));
    place(ui.srgb, 8, 8, 705, 145);
    ui.srgb->setAutoFillBackground(true);
    ui.srgb->hide();
    CONTROL(srlb, ui.srgb)->setText(QStringLiteral("srlb"));
    ui.srlb->setWordWrap(true);
    ui.srlb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(ui.srlb, 32, 32, 505, 97);
    CONTROL(srtlb, ui.srgb)->setText(QStringLiteral("Time: 60 s"));
    ui.srtlb->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(ui.srtlb, 560, 24, 129, 19);
    CONTROL(ydlb, ui.srgb)->setText(QStringLiteral("You did:"));
    place(ui.ydlb, 600, 72);
    ui.ydlb->hide();
    CONTROL(speedtlb, ui.srgb)->setText(QStringLiteral("10"));
    ui.speedtlb->setFont(pixelFont(arial, 40));
    setTextColour(ui.speedtlb, QColor(0, 128, 0));
    place(ui.speedtlb, 608, 88, 44, 46);
    setAutoSize(ui.speedtlb);
    setCaption(ui.speedtlb, ui.speedtlb->text());
    ui.speedtlb->hide();
    CONTROL(srsb, ui.srgb)->setOrientation(Qt::Horizontal);
    ui.srsb->setRange(1, 300);
    ui.srsb->setValue(60);
    ui.srsb->setPageStep(30);
    ui.srsb->setSingleStep(1);
    place(ui.srsb, 568, 48, 121, 17);

    buildTeacherPanels(client);
    setAccessibleNamesAndTabOrder();

    CONTROL(ctr, this)->setInterval(100);
    CONTROL(srtr, this)->setInterval(100);
}

void Tflashcardfrm::buildTeacherPanels(QWidget* client)
{
    const QFont panelFont = pixelFont(arial, 16);
    const QFont entryFont = pixelFont(arial, 19);

    CONTROL(cleanupgb, client)->setTitle(QStringLiteral("File Clean Up"));
    ui.cleanupgb->setFont(panelFont);
    place(ui.cleanupgb, 280, 24, 321, 273);
    CONTROL(Label6, ui.cleanupgb)->setText(QStringLiteral("Delete some of the  history files"));
    place(ui.Label6, 32, 24, 237, 19);
    CONTROL(keeprb, ui.cleanupgb)->setText(QStringLiteral("Keep only the last                files"));
    ui.keeprb->setChecked(true);
    place(ui.keeprb, 40, 48, 257, 17);
    CONTROL(keepcb, ui.cleanupgb);
    fillNumbers(ui.keepcb, 0, 20);
    ui.keepcb->setCurrentIndex(10);
    place(ui.keepcb, 202, 44, 49, 27);
    CONTROL(delrb, ui.cleanupgb)->setText(QStringLiteral("Delete the first               files"));
    place(ui.delrb, 40, 80, 249, 17);
    CONTROL(delfirstcb, ui.cleanupgb);
    fillNumbers(ui.delfirstcb, 0, 20);
    ui.delfirstcb->setCurrentIndex(10);
    place(ui.delfirstcb, 174, 74, 49, 27);
    CONTROL(Label8, ui.cleanupgb)->setText(QStringLiteral("Note:  All deletions are final!"));
    setTextColour(ui.Label8, QColor(255, 0, 0));
    place(ui.Label8, 56, 104, 210, 19);
    CONTROL(Label7, ui.cleanupgb)->setText(QStringLiteral("For the following student(s)"));
    place(ui.Label7, 40, 128, 209, 19);
    CONTROL(cleanupcb, ui.cleanupgb)->setEditable(true);
    ui.cleanupcb->setEditText(QStringLiteral("cleanupcb"));
    place(ui.cleanupcb, 48, 153, 217, 27);
    CONTROL(dlb, ui.cleanupgb)->setText(QStringLiteral("DELETED!!"));
    ui.dlb->setFont(entryFont);
    setTextColour(ui.dlb, QColor(255, 0, 0));
    place(ui.dlb, 96, 184, 102, 22);
    ui.dlb->hide();
    CONTROL(cleanupbt, ui.cleanupgb)->setText(QStringLiteral("De&lete"));
    place(ui.cleanupbt, 32, 216, 105, 41);
    CONTROL(Button2, ui.cleanupgb)->setText(QStringLiteral("Do&ne"));
    place(ui.Button2, 168, 216, 105, 41);
    chainTabOrder({ ui.keeprb, ui.keepcb, ui.delrb, ui.delfirstcb, ui.cleanupcb, ui.cleanupbt, ui.Button2 });
    ui.cleanupgb->hide();

    CONTROL(nstudgb, client)->setTitle(QStringLiteral("Add a Student"));
    ui.nstudgb->setFont(panelFont);
    place(ui.nstudgb, 280, 24, 297, 177);
    CONTROL(Label2, ui.nstudgb)->setText(QStringLiteral("No spaces in name use __ instead"));
    place(ui.Label2, 16, 128, 259, 19);
    CONTROL(Label3, ui.nstudgb)->setText(QStringLiteral("notes:"));
    place(ui.Label3, 8, 109, 49, 19);
    CONTROL(Label4, ui.nstudgb)->setText(QStringLiteral("For long names, please abbreviate"));
    place(ui.Label4, 16, 152, 261, 19);
    CONTROL(addedlb, ui.nstudgb)->setText(QStringLiteral("Student was added!"));
    setTextColour(ui.addedlb, QColor(0, 128, 0));
    ui.addedlb->setAutoFillBackground(true);
    place(ui.addedlb, 72, 109, 151, 19);
    setAutoSize(ui.addedlb);
    setCaption(ui.addedlb, ui.addedlb->text());
    ui.addedlb->hide();
    CONTROL(nstudeb, ui.nstudgb)->setFont(entryFont);
    place(ui.nstudeb, 16, 24, 257, 30);
    CONTROL(asbt, ui.nstudgb)->setText(QStringLiteral("&Add"));
    ui.asbt->setFont(entryFont);
    place(ui.asbt, 16, 64, 113, 41);
    CONTROL(addonebt, ui.nstudgb)->setText(QStringLiteral("&Done"));
    ui.addonebt->setFont(entryFont);
    place(ui.addonebt, 160, 64, 113, 41);
    chainTabOrder({ ui.nstudeb, ui.asbt, ui.addonebt });
    ui.nstudgb->hide();

    CONTROL(deletegb, client)->setTitle(QStringLiteral("Delete a student"));
    ui.deletegb->setFont(panelFont);
    place(ui.deletegb, 280, 24, 241, 193);
    CONTROL(Label5, ui.deletegb)->setText(QStringLiteral("Select student to delete"));
    place(ui.Label5, 24, 24, 178, 19);
    CONTROL(deletecb, ui.deletegb)->setEditable(true);
    ui.deletecb->setEditText(QStringLiteral("deletecb"));
    place(ui.deletecb, 16, 56, 217, 27);
    CONTROL(deletebt, ui.deletegb)->setText(QStringLiteral("&Delete"));
    place(ui.deletebt, 16, 96, 97, 33);
    CONTROL(ddbt, ui.deletegb)->setText(QStringLiteral("Do&ne"));
    place(ui.ddbt, 128, 96, 97, 33);
    CONTROL(Button1, ui.deletegb)->setText(QStringLiteral("&Cancel"));
    place(ui.Button1, 72, 144, 99, 33);
    chainTabOrder({ ui.deletecb, ui.deletebt, ui.ddbt, ui.Button1 });
    ui.deletegb->hide();

    CONTROL(nologingb, client)->setTitle(QStringLiteral("Log-in"));
    ui.nologingb->setFont(pixelFont(QStringLiteral("Arial Narrow"), 19));
    place(ui.nologingb, 8, 8, 281, 185);
    CONTROL(Label9, ui.nologingb)->setText(QStringLiteral("No password is set"));
    place(ui.Label9, 64, 24, 144, 23);
    CONTROL(Label10, ui.nologingb)->setText(QStringLiteral("Create a password to restrict "));
    place(ui.Label10, 40, 48, 221, 23);
    CONTROL(Label11, ui.nologingb)->setText(QStringLiteral("Student data manipulation"));
    place(ui.Label11, 48, 72, 199, 23);
    CONTROL(newpasseb, ui.nologingb);
    place(ui.newpasseb, 72, 104, 145, 31);
    CONTROL(Button3, ui.nologingb)->setText(QStringLiteral("Set Password"));
    place(ui.Button3, 8, 144, 129, 25);
    CONTROL(cspbt, ui.nologingb)->setText(QStringLiteral("Cancel"));
    place(ui.cspbt, 144, 144, 129, 25);
    chainTabOrder({ ui.newpasseb, ui.Button3, ui.cspbt });
    ui.nologingb->hide();

    CONTROL(logoutgb, client)->setTitle(QStringLiteral("Log-out"));
    ui.logoutgb->setFont(entryFont);
    place(ui.logoutgb, 8, 16, 305, 73);
    CONTROL(Button4, ui.logoutgb)->setText(QStringLiteral("Log out"));
    place(ui.Button4, 8, 32, 129, 25);
    CONTROL(clobt, ui.logoutgb)->setText(QStringLiteral("Cancel"));
    place(ui.clobt, 152, 32, 129, 25);
    chainTabOrder({ ui.Button4, ui.clobt });
    ui.logoutgb->hide();

    CONTROL(logingb, client)->setTitle(QStringLiteral("Log-in"));
    ui.logingb->setFont(entryFont);
    place(ui.logingb, 8, 8, 289, 137);
    CONTROL(Label12, ui.logingb)->setText(QStringLiteral("Password"));
    place(ui.Label12, 16, 24, 93, 22);
    CONTROL(pfailedlb, ui.logingb)->setText(QStringLiteral("Log in failed"));
    ui.pfailedlb->setFont(panelFont);
    setTextColour(ui.pfailedlb, QColor(255, 0, 0));
    place(ui.pfailedlb, 128, 26, 93, 19);
    ui.pfailedlb->hide();
    CONTROL(passeb, ui.logingb);
    place(ui.passeb, 56, 56, 161, 30);
    CONTROL(Button5, ui.logingb)->setText(QStringLiteral("Log in"));
    place(ui.Button5, 16, 96, 129, 25);
    CONTROL(clibt, ui.logingb)->setText(QStringLiteral("Cancel"));
    place(ui.clibt, 152, 96, 129, 25);
    chainTabOrder({ ui.passeb, ui.Button5, ui.clibt });
    ui.logingb->hide();

    // Panels, the speed-round panel and the question strip paint their own background, so that
    // a panel shown over another control hides it.
    for (QGroupBox* panel : { ui.cleanupgb, ui.nstudgb, ui.deletegb, ui.nologingb, ui.logoutgb, ui.logingb })
        panel->setAutoFillBackground(true);
}

// Names a screen reader speaks where a control's own caption does not say what it is, and an
// order for Tab that follows a pupil's work: answer, ask, settings, then the notebook.
void Tflashcardfrm::setAccessibleNamesAndTabOrder()
{
    const std::pair<QWidget*, const char*> names[] = {
        { ui.qlb, "Press Start for a question" },
        { ui.anseb, "Answer" },
        { ui.ttcb, "Tables of" },
        { ui.uptocb, "Practice with up to" },
        { ui.namecb, "User Name" },
        { ui.qtcb, "Question Type" },
        { ui.tlb, "Time" },
        { ui.srsb, "Speed round length in seconds" },
        { ui.ttim, "Array board" },
        { ui.resltsim, "Results" },
        { ui.TabbedNotebook1, "Arrays and results" },
        { ui.resltssb, "Scroll the results" },
        { ui.hiscb, "Day" },
        { ui.keepcb, "Number of last files to keep" },
        { ui.delfirstcb, "Number of first files to delete" },
        { ui.cleanupcb, "Student to clean up" },
        { ui.deletecb, "Student to delete" },
        { ui.nstudeb, "Name of the new student" },
        { ui.newpasseb, "New password" },
        { ui.passeb, "Password" },
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromLatin1(name));
    ui.resltsim->setAccessibleDescription(QStringLiteral("No answers"));

    // The board takes the keyboard too: arrows move over the cells, space places or removes a dot.
    ui.ttim->setFocusPolicy(Qt::TabFocus);
    ui.resltsim->setFocusPolicy(Qt::TabFocus);
    chainTabOrder({ ui.anseb, ui.Questionbt, ui.checkbt, ui.qtcb, ui.namecb, ui.ttcb, ui.ttrb, ui.prb, ui.uptocb,
        ui.addrb, ui.subrb, ui.Multirb, ui.divrb, ui.acb, ui.scb, ui.mcb, ui.dcb, ui.zerocb, ui.mixcb, ui.srsb,
        ui.TabbedNotebook1, ui.ttim, ui.Showallrb, ui.showwrongrb, ui.longestrb, ui.shortestrb, ui.showhistorycb,
        ui.hiscb, ui.resltsim, ui.resltssb });
}
