// Every control and menu of the main window: its name, kind, parent, place, caption, font, colour
// and initial state, one row each, made in the order of the table. Where controls overlap the later
// one lies on top: the teacher panels over the speed-round panel over the question strip.

#include "gui/controls/controlhelpers.h"
#include "gui/controls/imagecontrol.h"
#include "gui/controls/multilinelabel.h"
#include "gui/controls/wrappingradiobutton.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/accessibility.h"
#include "gui/platform/fonts.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <functional>

namespace {

// A member of the Controls struct and the object name it is made with.
struct Member {
    template <class W>
    Member(W*& member, const char* name)
        : name(name)
        , assign([&member](QWidget* made) { return (member = dynamic_cast<W*>(made)) != nullptr; })
    {
    }
    const char* name;
    std::function<bool(QWidget*)> assign;
};

enum class Kind {
    Label,
    MultiLineLabel, // a label whose lines are separated by a carriage return
    Group, // a group box: the caption is its title
    Radio,
    WrappingRadio, // a radio button whose caption wraps within its width
    Check,
    List, // a drop-down list: the caption holds its items, separated by '|'
    EditableList, // a drop-down list one can type into: the caption is the text in its box
    Edit,
    Button,
    HelperButton, // a button clicked from code only, never shown
    VScroll,
    HScroll,
    Notebook,
    Page, // a page of its parent notebook: the caption is the tab's
    Panel, // a raised frame
    Picture,
};

// A face and a character height in pixels, bold; no face takes the parent's font.
struct Face {
    const char* family = nullptr;
    int pixels = 0;
};
constexpr Face parentFont;
constexpr Face sans16 { "MS Sans Serif", 16 };
constexpr Face sans20 { "MS Sans Serif", 20 };
constexpr Face arial13 { "Arial", 13 };
constexpr Face arial16 { "Arial", 16 };
constexpr Face arial19 { "Arial", 19 };
constexpr Face arial20 { "Arial", 20 };
constexpr Face arial37 { "Arial", 37 };
constexpr Face arial40 { "Arial", 40 };
constexpr Face arial96 { "Arial", 96 };
constexpr Face narrow19 { "Arial Narrow", 19 };
constexpr Face narrow96 { "Arial Narrow", 96 };

// The initial state, any of these together.
enum State : unsigned {
    Shown = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2,
    AutoSize = 1u << 3, // a label that widens for a longer caption (setCaption)
    OwnBackground = 1u << 4, // paints its background, hiding what lies beneath
    SeeThrough = 1u << 5, // paints no background at all
    Centred = 1u << 6, // text centred at the top
    Wrapped = 1u << 7, // text at the top left, wrapped within the width
};

// The numbered items of a list (from, to, the one selected), or a scroll bar's range and
// position.
struct Numbers {
    int from = 0;
    int to = -1;
    int current = -1;
};
constexpr Numbers none;

// A width or height of 0 takes the control's natural size.
struct Place {
    int left, top, width, height;
};

struct Row {
    Member control;
    Kind kind;
    const char* parent; // the name of a row above, or "client"
    Place place;
    const char* caption;
    Face font;
    const QColor* colour;
    unsigned state;
    Numbers numbers;
};

// The captions of the tables are in English; each is shown in the user's language.
QString shown(const char* caption)
{
    return caption ? QCoreApplication::translate("Tflashcardfrm", caption) : QString();
}

QWidget* make(const Row& row, QWidget* parent)
{
    const QString caption = shown(row.caption);
    switch (row.kind) {
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::MultiLineLabel:
        return new MultiLineLabel(caption, parent);
    case Kind::Group:
        return new QGroupBox(caption, parent);
    case Kind::Radio:
        return new QRadioButton(caption, parent);
    case Kind::WrappingRadio:
        return new WrappingRadioButton(caption, parent);
    case Kind::Check:
        return new QCheckBox(caption, parent);
    case Kind::List: {
        auto* list = new QComboBox(parent);
        if (row.caption)
            list->addItems(caption.split(QLatin1Char('|')));
        for (int n = row.numbers.from; n <= row.numbers.to; ++n)
            list->addItem(QString::number(n));
        if (row.numbers.current >= 0)
            list->setCurrentIndex(row.numbers.current);
        return list;
    }
    case Kind::EditableList: {
        auto* list = new QComboBox(parent);
        list->setEditable(true);
        list->setEditText(caption);
        return list;
    }
    case Kind::Edit:
        return new QLineEdit(caption, parent);
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::HelperButton: {
        auto* button = new HelperButton(parent);
        button->setText(caption);
        return button;
    }
    case Kind::VScroll:
    case Kind::HScroll: {
        auto* bar = new QScrollBar(row.kind == Kind::VScroll ? Qt::Vertical : Qt::Horizontal, parent);
        bar->setRange(row.numbers.from, row.numbers.to);
        bar->setValue(row.numbers.current);
        return bar;
    }
    case Kind::Notebook:
        return new QTabWidget(parent);
    case Kind::Page: {
        auto* page = new QWidget;
        static_cast<QTabWidget*>(parent)->addTab(page, caption);
        return page;
    }
    case Kind::Panel: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(1);
        return frame;
    }
    case Kind::Picture:
        break;
    }
    return new ImageControl(parent);
}

void setUp(QWidget* widget, const Row& row)
{
    if (row.font.family)
        widget->setFont(pixelFont(QString::fromLatin1(row.font.family), row.font.pixels));
    if (row.colour)
        setTextColour(widget, *row.colour);
    if (row.state & Disabled)
        widget->setEnabled(false);
    if (row.state & Checked)
        static_cast<QAbstractButton*>(widget)->setChecked(true);
    if (row.state & OwnBackground)
        widget->setAutoFillBackground(true);
    if (row.state & SeeThrough)
        widget->setAttribute(Qt::WA_TranslucentBackground);
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && (row.state & Centred))
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (label && (row.state & Wrapped)) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    if (row.kind != Kind::Page) {
        // The natural size is asked for only where the row leaves a side to it: measuring a
        // caption loads its face, which a hidden control may not need for a long while.
        const Place& at = row.place;
        const QSize natural = at.width > 0 && at.height > 0 ? QSize() : widget->sizeHint();
        widget->setGeometry(
            at.left, at.top, at.width > 0 ? at.width : natural.width(), at.height > 0 ? at.height : natural.height());
    }
    if (row.state & Hidden)
        widget->hide();
    if (label && (row.state & AutoSize)) {
        setAutoSize(label);
        setCaption(label, label->text());
    }
}

// Makes the controls of the table in its order and hands each to its member.
void build(std::initializer_list<Row> rows, QWidget* client)
{
    QHash<QByteArray, QWidget*> made { { "client", client } };
    for (const Row& row : rows) {
        QWidget* parent = made.value(row.parent);
        if (!parent)
            qFatal("layout: %s lies in %s, which is not made before it", row.control.name, row.parent);
        QWidget* widget = make(row, parent);
        widget->setObjectName(QString::fromLatin1(row.control.name));
        if (!row.control.assign(widget))
            qFatal("layout: %s is not of the kind its member holds", row.control.name);
        setUp(widget, row);
        made.insert(row.control.name, widget);
    }
}

// The order in which Tab moves through a panel's controls.
void chainTabOrder(std::initializer_list<QWidget*> chain)
{
    for (auto it = chain.begin(); it + 1 != chain.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));
}

// A menu or menu item of the Controls struct and the object name it is made with.
struct MenuMember {
    MenuMember(QMenu*& member, const char* name)
        : name(name)
        , menu(&member)
    {
    }
    MenuMember(QAction*& member, const char* name)
        : name(name)
        , action(&member)
    {
    }
    const char* name;
    QMenu** menu = nullptr;
    QAction** action = nullptr;
};

enum class MenuKind { Menu, Item, Separator };

// A menu item's initial state, any of these together.
enum ItemState : unsigned {
    ItemShown = 0,
    ItemHidden = 1u << 0,
    ItemCheckable = 1u << 1,
    ItemChecked = 1u << 2,
    ItemRadio = 1u << 3, // one of its menu's choices, of which exactly one is checked
};

struct MenuRow {
    MenuMember member;
    MenuKind kind;
    const char* parent; // the name of a menu above, or "MainMenu1", the menu bar
    const char* caption;
    const char* hint;
    int tag; // what the item's handler reads from it; 0 for none
    unsigned state;
};

// Makes the menus and items of the table in its order and hands each to its member.
void buildMenuTable(std::initializer_list<MenuRow> rows, QMenuBar* bar)
{
    QHash<QString, QMenu*> menus;
    QHash<QMenu*, QActionGroup*> choices;
    for (const MenuRow& row : rows) {
        const QString name = QString::fromLatin1(row.member.name);
        const QString caption = shown(row.caption);
        QMenu* parent = menus.value(QString::fromLatin1(row.parent));
        QAction* action = nullptr;
        switch (row.kind) {
        case MenuKind::Menu: {
            auto* menu = new QMenu(caption, parent ? static_cast<QWidget*>(parent) : bar);
            menu->setObjectName(name);
            action = parent ? parent->addMenu(menu) : bar->addMenu(menu);
            menus.insert(name, menu);
            *row.member.menu = menu;
            break;
        }
        case MenuKind::Item:
            action = parent ? parent->addAction(caption) : bar->addAction(caption);
            break;
        case MenuKind::Separator:
            action = parent->addSeparator();
            break;
        }
        action->setObjectName(name);
        if (row.member.action)
            *row.member.action = action;
        if (row.hint) {
            action->setToolTip(shown(row.hint));
            if (parent)
                parent->setToolTipsVisible(true);
        }
        if (row.tag != 0) {
            action->setData(row.tag);
            action->setProperty("tag", row.tag);
        }
        action->setCheckable((row.state & (ItemCheckable | ItemRadio)) != 0);
        if (row.state & ItemRadio) {
            QActionGroup*& group = choices[parent];
            if (!group)
                group = new QActionGroup(parent);
            group->addAction(action);
        }
        if (row.state & ItemChecked)
            action->setChecked(true);
        if (row.state & ItemHidden)
            action->setVisible(false);
    }
}

} // namespace

#define M(member) Member(ui.member, #member)
#define MM(member) MenuMember(ui.member, #member)

void Tflashcardfrm::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // clang-format off
    buildMenuTable({
    // member                 kind              parent          caption                hint                                     tag    state
    { MM(File1),              MenuKind::Menu,      "MainMenu1",    /*: Menu title. & marks the Alt key letter. */ QT_TR_NOOP("&File"),               /*: Tooltip. */ QT_TR_NOOP("Certificates, reports, the teacher's commands and closing"),                                     0, ItemShown },
    { MM(Printcertificate1),  MenuKind::Item,      "File1",        QT_TR_NOOP("Print &Certificate"),  /*: Tooltip. */ QT_TR_NOOP("A certificate for what you did, to print"),                                     0, ItemShown },
    { MM(FluencyReport1),     MenuKind::Item,      "File1",        QT_TR_NOOP("&Fluency Report"),     /*: Tooltip. */ QT_TR_NOOP("Which facts you know by heart, and how each day went"),                                     0, ItemShown },
    { MM(eacherStuff1),       MenuKind::Menu,      "File1",        /*: Submenu of File holding the teacher's commands. */ QT_TR_NOOP("Teacher Stuff"),       /*: Tooltip. */ QT_TR_NOOP("The teacher's commands, behind the teacher password"),                                     0, ItemShown },
    { MM(logintoaccess1),     MenuKind::Item,      "eacherStuff1", /*: Teacher menu: shows the panel to log in or set a password. */ QT_TR_NOOP("Login to access"),     /*: Tooltip. */ QT_TR_NOOP("Set the teacher password, log in or log out"),                                     0, ItemShown },
    { MM(Deleteastudent1),    MenuKind::Item,      "eacherStuff1", QT_TR_NOOP("&Delete a student"),   /*: Tooltip. */ QT_TR_NOOP("Take a pupil off the list"),                                     0, ItemShown },
    { MM(AddaStudent1),       MenuKind::Item,      "eacherStuff1", QT_TR_NOOP("&Add a Student"),      /*: Tooltip. */ QT_TR_NOOP("Put a new pupil on the list"),                                     0, ItemShown },
    { MM(Filecleanup1),       MenuKind::Item,      "eacherStuff1", QT_TR_NOOP("&File clean up"),      /*: Tooltip. */ QT_TR_NOOP("Delete the oldest days of one pupil or of everyone"),                                     0, ItemShown },
    { MM(ClassOverview1),     MenuKind::Item,      "eacherStuff1", QT_TR_NOOP("Class &Overview"),     /*: Tooltip. */ QT_TR_NOOP("How every pupil is doing, on one page"),                                     0, ItemShown },
    { MM(ExportaPupil1),      MenuKind::Item,      "eacherStuff1", QT_TR_NOOP("&Export a Pupil..."),  /*: Tooltip. */ QT_TR_NOOP("Copy everything kept about the selected pupil into a folder"),                                     0, ItemShown },
    { MM(ErasePupil1),        MenuKind::Item,      "eacherStuff1", QT_TR_NOOP("E&rase a Pupil..."),   /*: Tooltip. */ QT_TR_NOOP("Delete the selected pupil and everything kept about them, for good"),                                     0, ItemShown },
    { MM(N2),                 MenuKind::Separator, "File1",        nullptr,               nullptr,                                     0, ItemShown },
    { MM(Exit1),              MenuKind::Item,      "File1",        QT_TR_NOOP("E&xit"),               /*: Tooltip. */ QT_TR_NOOP("Save your answers and close Quorvex"),                                     0, ItemShown },
    { MM(Opton1),             MenuKind::Menu,      "MainMenu1",    QT_TR_NOOP("&Options"),            /*: Tooltip. */ QT_TR_NOOP("Choices for the drill and for the window"),                                     0, ItemShown },
    { MM(Showtimer1),         MenuKind::Item,      "Opton1",       QT_TR_NOOP("Show &Timer"),         /*: Tooltip. */ QT_TR_NOOP("Show the clock while you answer"),                                     0, ItemCheckable },
    // How often what a pupil has still to learn comes back (flashcardfrm_questions.cpp).
    { MM(Redow1),             MenuKind::Menu,      "Opton1",       /*: Submenu: after how many questions a wrongly answered question comes back. */ QT_TR_NOOP("Redo Wrong after"),    QT_TR_NOOP("repeat wrong answers more than right"),      0, ItemShown },
    { MM(N5q1),               MenuKind::Item,      "Redow1",       /*: Choice in "Redo Wrong after". */ QT_TR_NOOP("5 questions"),         /*: Tooltip. */ QT_TR_NOOP("A question you got wrong comes back after 5 questions"),                                     5, ItemRadio },
    { MM(N10q1),              MenuKind::Item,      "Redow1",       QT_TR_NOOP("10 Questions"),        /*: Tooltip. */ QT_TR_NOOP("A question you got wrong comes back after 10 questions"),                                    10, ItemRadio | ItemChecked },
    { MM(N15Q1),              MenuKind::Item,      "Redow1",       QT_TR_NOOP("15 Questions"),        /*: Tooltip. */ QT_TR_NOOP("A question you got wrong comes back after 15 questions"),                                    15, ItemRadio },
    { MM(n20q1),              MenuKind::Item,      "Redow1",       QT_TR_NOOP("20 Questions"),        /*: Tooltip. */ QT_TR_NOOP("A question you got wrong comes back after 20 questions"),                                    20, ItemRadio },
    { MM(alwaysrandom1),      MenuKind::Item,      "Redow1",       /*: Choice in "Redo Wrong after": questions never come back on purpose. */ QT_TR_NOOP("Always &Random"),      /*: Tooltip. */ QT_TR_NOOP("Every question is picked at random"),                                 99999, ItemRadio },
    { MM(SaveData1),          MenuKind::Item,      "Opton1",       /*: Hidden menu item. */ QT_TR_NOOP("&Save Data"),          /*: Tooltip. */ QT_TR_NOOP("Save your answers now"),                                     0, ItemHidden },
    // The window larger or smaller, and on the whole screen (flashcardfrm_zoom.cpp).
    { MM(N6),                 MenuKind::Separator, "Opton1",       nullptr,               nullptr,                                     0, ItemShown },
    { MM(ZoomIn1),            MenuKind::Item,      "Opton1",       /*: Menu item: the whole window larger (Ctrl+Plus). */ QT_TR_NOOP("Zoom &In"),            /*: Tooltip. */ QT_TR_NOOP("Make everything bigger"),                                     0, ItemShown },
    { MM(ZoomOut1),           MenuKind::Item,      "Opton1",       /*: Menu item: the whole window smaller (Ctrl+Minus). */ QT_TR_NOOP("Zoom &Out"),           /*: Tooltip. */ QT_TR_NOOP("Make everything smaller"),                                     0, ItemShown },
    { MM(ActualSize1),        MenuKind::Item,      "Opton1",       /*: Menu item: the window at its normal size (Ctrl+0). */ QT_TR_NOOP("&Normal Size"),        /*: Tooltip. */ QT_TR_NOOP("Everything back to its normal size"),                                     0, ItemShown },
    { MM(FullScreen1),        MenuKind::Item,      "Opton1",       /*: Menu item: the window fills the whole screen (F11). */ QT_TR_NOOP("F&ull Screen"),        /*: Tooltip. */ QT_TR_NOOP("Fill the whole screen; press F11 again to go back"),                                     0, ItemCheckable },
    { MM(About1),             MenuKind::Item,      "MainMenu1",    QT_TR_NOOP("A&bout"),              /*: Tooltip. */ QT_TR_NOOP("Which version of Quorvex this is"),                                     0, ItemShown },
    // The manual and the tooltips (flashcardfrm_help.cpp).
    { MM(Help1),              MenuKind::Menu,      "MainMenu1",    /*: Menu title, after the others. */ QT_TR_NOOP("&Help"), /*: Tooltip. */ QT_TR_NOOP("How Quorvex works"),                                     0, ItemShown },
    { MM(QuorvexHelp1),       MenuKind::Item,      "Help1",         /*: Menu item that opens the manual (F1). */ QT_TR_NOOP("Quorvex &Help"), /*: Tooltip. */ QT_TR_NOOP("How Quorvex works, for pupils and for teachers"),                                     0, ItemShown },
    }, bar);
    // clang-format on
    // F10 opens the first menu, as on every desktop.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("menuKey"));
    connect(menuKey, &QShortcut::activated, bar, [this, bar] { bar->setActiveAction(ui.File1->menuAction()); });
}

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
    // The client lies centred on a stage, which is just its size, but for the whole screen.
    auto* stage = new QWidget(this);
    stage->setObjectName(QStringLiteral("stage"));
    stage->setAutoFillBackground(true);
    stage->setPalette(white);
    auto* centred = new QGridLayout(stage);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(client, 0, 0, Qt::AlignCenter);
    setCentralWidget(stage);

    const QColor* const plain = nullptr; // the parent's text colour
    // clang-format off
    build({
    //   control             kind                  parent             left top  width height  caption                                   font        colour state                                        numbers
    // Counters, settings and the name on the right
    { M(qalb),            Kind::Label,         "client",         { 840, 192, 179, 24 }, /*: Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold. */ QT_TR_NOOP("Questions asked: 0"),                     sans20,     plain, AutoSize,                                     none },
    { M(qclb),            Kind::Label,         "client",         { 840, 160, 189, 24 }, /*: Counter, replaced as soon as a question is asked. Room: about 180 px at 20 px bold. */ QT_TR_NOOP("Questions correct: 0"),                   sans20,     plain, AutoSize,                                     none },
    { M(Label1),          Kind::Label,         "client",         { 840, 536, 100, 22 }, /*: Label above the list of pupils. Room: 100 px at 19 px bold. */ QT_TR_NOOP("User Name"),                              arial19,    plain, Shown,                                        none },
    { M(GroupBox2),       Kind::Group,         "client",         { 840, 224, 185, 113 }, /*: Group title: which numbers the questions involve. Room: 185 px. */ QT_TR_NOOP("Involving"),                             sans16,     plain, Shown,                                        none },
    { M(ttrb),            Kind::Radio,         "GroupBox2",      {  16,  29, 161, 17 }, /*: Radio button; a number list follows to its right. Room: 90 px at 19 px bold. */ QT_TR_NOOP("Tables of"),                              parentFont, plain, Checked,                                      none },
    { M(prb),             Kind::WrappingRadio, "GroupBox2",      {  16,  56, 145, 41 }, /*: Radio button wrapping onto two lines; a number list sits in the second line after about 85 px. # stands for that number. */ QT_TR_NOOP("Practice with up to #"),                  parentFont, plain, Shown,                                        none },
    { M(uptocb),          Kind::List,          "GroupBox2",      { 104,  75,  57, 30 }, nullptr,                                  parentFont, plain, Disabled,                                     { 2, 12, 3 } },
    { M(ttcb),            Kind::List,          "client",         { 937, 219,  57, 30 }, nullptr,                                  arial19,    plain, Shown,                                        { 2, 12, 3 } },
    { M(ttimbt),          Kind::HelperButton,  "client",         {   0,  80,  75, 25 }, "ttimbt",                                 parentFont, plain, Hidden,                                       none },
    { M(GroupBox1),       Kind::Group,         "client",         { 840, 345, 185, 184 }, /*: Group title above the four operations (what the question asks for). Room: 185 px. */ QT_TR_NOOP("Result"),                                sans16,     plain, Shown,                                        none },
    // The radio buttons first, so that the check boxes made afterwards lie over them.
    { M(addrb),           Kind::Radio,         "GroupBox1",      {  16,  29, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Addition"),                               arial19,    plain, Shown,                                        none },
    { M(subrb),           Kind::Radio,         "GroupBox1",      {  16,  53, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Subtraction"),                            arial19,    plain, Shown,                                        none },
    { M(Multirb),         Kind::Radio,         "GroupBox1",      {  16,  78, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Multiplication"),                         arial19,    plain, Checked,                                      none },
    { M(divrb),           Kind::Radio,         "GroupBox1",      {  16, 103, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Division"),                               arial19,    plain, Shown,                                        none },
    { M(acb),             Kind::Check,         "GroupBox1",      {  16,  29, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Addition"),                               arial19,    plain, OwnBackground | Hidden,                       none },
    { M(scb),             Kind::Check,         "GroupBox1",      {  16,  53, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Subtraction"),                            arial19,    plain, OwnBackground | Hidden,                       none },
    { M(mcb),             Kind::Check,         "GroupBox1",      {  16,  78, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Multiplication"),                         arial19,    plain, Checked | OwnBackground | Hidden,             none },
    { M(dcb),             Kind::Check,         "GroupBox1",      {  16, 103, 161, 21 }, /*: Operation. Room: 160 px at 19 px bold. */ QT_TR_NOOP("Division"),                               arial19,    plain, OwnBackground | Hidden,                       none },
    { M(zerocb),          Kind::Check,         "GroupBox1",      {  16, 128, 161, 19 }, /*: Check box: questions may use the number 0. Room: 160 px at 16 px bold. */ QT_TR_NOOP("Include zero"),                           arial16,    plain, Shown,                                        none },
    { M(mixcb),           Kind::Check,         "GroupBox1",      {  16, 152, 161, 19 }, /*: Check box: ask several ticked operations mixed. Room: 160 px at 16 px bold. */ QT_TR_NOOP("Mix and Match"),                          arial16,    plain, Shown,                                        none },
    { M(Timegb),          Kind::Group,         "client",         { 928,  24, 129, 121 }, QT_TR_NOOP("Time"),                                  parentFont, plain, Hidden,                                       none },
    { M(tlb),             Kind::Label,         "Timegb",         {   8,  24, 113, 44 }, "0.0",                                    arial37,    &green, Centred,                                     none },
    { M(ttimelb),         Kind::Label,         "Timegb",         {   8,  96, 115, 13 }, /*: Replaced while the clock runs. Room: 115 px. */ QT_TR_NOOP("Total Time: 0.0 s"),                      parentFont, plain, AutoSize,                                     none },
    // The notebook: the array board and the results page
    { M(TabbedNotebook1), Kind::Notebook,      "client",         {  16, 160, 809, 513 }, nullptr,                                 arial13,    plain, Shown,                                        none },
    { Member(ui.arraysPage, "Arrays"), Kind::Page, "TabbedNotebook1", { 0, 0, 0, 0 }, /*: Tab of the dot board. */ QT_TR_NOOP("&Arrays"), parentFont, plain, Shown,                                        none },
    { Member(ui.resultsPage, "Results"), Kind::Page, "TabbedNotebook1", { 0, 0, 0, 0 }, /*: Tab of the list of answers. */ QT_TR_NOOP("&Results"),                              parentFont, plain, Shown,                                        none },
    { M(totalseelb),      Kind::Label,         "Arrays",         {   8,   8, 160, 23 }, /*: Above the dot board. */ QT_TR_NOOP("0 dots drawn"),                           arial20,    plain, AutoSize | Hidden,                            none },
    { M(Panel1),          Kind::Panel,         "Arrays",         {   3,  34, 793, 448 }, nullptr,                                 parentFont, plain, Shown,                                        none },
    { M(ttim),            Kind::Picture,       "Panel1",         {   1,   1, 791, 446 }, nullptr,                                 parentFont, plain, Shown,                                        none },
    { M(resltsim),        Kind::Picture,       "Results",        {  16,  48, 721, 425 }, nullptr,                                 parentFont, plain, Shown,                                        none },
    { M(resltssb),        Kind::VScroll,       "Results",        { 736,  49,  17, 425 }, nullptr,                                 parentFont, plain, Shown,                                        { 0, 0, 0 } },
    { M(Showallrb),       Kind::Radio,         "Results",        {   8,  16,   0,  0 }, /*: Radio button on the results tab; the next one starts 128 px to the right. */ QT_TR_NOOP("&Show in order"),                         parentFont, plain, Checked,                                      none },
    { M(showwrongrb),     Kind::Radio,         "Results",        { 136,  16,   0,  0 }, /*: Radio button on the results tab; the next one starts 144 px to the right. */ QT_TR_NOOP("Show &Wrong first"),                      parentFont, plain, Shown,                                        none },
    { M(longestrb),       Kind::Radio,         "Results",        { 280,  16,   0,  0 }, /*: Radio button on the results tab; the next one starts 152 px to the right. */ QT_TR_NOOP("&Longest times first"),                   parentFont, plain, Shown,                                        none },
    { M(shortestrb),      Kind::Radio,         "Results",        { 432,  16,   0,  0 }, /*: Radio button on the results tab; the next one starts 160 px to the right. */ QT_TR_NOOP("Shortest &times first"),                  parentFont, plain, Shown,                                        none },
    { M(showhistorycb),   Kind::Check,         "Results",        { 592,  16,   0,  0 }, /*: Check box on the results tab: show the answers of an earlier day. Room: about 110 px. */ QT_TR_NOOP("Show &History"),                          parentFont, plain, Shown,                                        none },
    { M(hiscb),           Kind::List,          "Results",        { 704,  14,  89, 24 }, "1",                                      parentFont, plain, Hidden,                                       none },
    { M(resltsbt),        Kind::HelperButton,  "Results",        { 720, 184,  75, 25 }, "resltsbt",                               parentFont, plain, Hidden,                                       none },
    { M(sortbt),          Kind::HelperButton,  "Results",        { 720, 152,  75, 25 }, "sortbt",                                 parentFont, plain, Hidden,                                       none },
    { M(hisbt),           Kind::HelperButton,  "Results",        { 704, 104,  75, 25 }, "hisbt",                                  parentFont, plain, Hidden,                                       none },
    { M(namecb),          Kind::List,          "client",         { 840, 560, 217, 30 }, "Guest",                                  arial19,    plain, Shown,                                        none },
    // The question strip, and the speed-round panel over its left part
    { M(questiongb),      Kind::Group,         "client",         {  16,   8, 905, 145 }, /*: Group title of the question strip. */ QT_TR_NOOP("Question"),                               arial16,    plain, Shown,                                        none },
    { M(qlb),             Kind::Label,         "questiongb",     {  32,  16, 322, 110 }, "? x ? = ?",                             narrow96,   plain, SeeThrough | AutoSize,                        none },
    { M(qmarklb),         Kind::Label,         "questiongb",     {   6,  60,  22, 22 }, "",                                       parentFont, plain, Hidden,                                       none },
    { M(anseb),           Kind::Edit,          "questiongb",     { 512,  16, 193, 119 }, "?",                                     arial96,    plain, Shown,                                        none },
    { M(Questionbt),      Kind::Button,        "questiongb",     { 712,  16, 185, 57 }, /*: Button that starts the drill. Room: 185 px at 19 px bold. */ QT_TR_NOOP("&Start"),                                 arial19,    plain, Shown,                                        none },
    { M(checkbt),         Kind::Button,        "questiongb",     { 712,  88, 185, 49 }, /*: Button: check the typed answer. Room: 185 px. */ QT_TR_NOOP("&Check"),                                 parentFont, plain, Disabled,                                     none },
    { M(historynotelb),   Kind::Label,         "client",         {  48, 132, 560, 18 }, /*: Shown in the question strip while an earlier day shows on the results tab. Room: 560 px at 13 px bold. */ QT_TR_NOOP("Start comes back when Show History is unticked"), arial13,    plain, Hidden,                                       none },
    { M(GroupBox3),       Kind::Group,         "client",         { 840, 600, 217, 73 }, /*: Group title. Room: 215 px at 16 px bold. */ QT_TR_NOOP("Question Type"),                          arial16,    plain, Shown,                                        none },
    { M(qtcb),            Kind::List,          "GroupBox3",      {  24,  28, 145, 27 }, /*: The two items of a drop-down list, separated by |. Keep the |. Room: 120 px each. */ QT_TR_NOOP("Practice|Speed Round"),                   parentFont, plain, Shown,                                        none },
    { M(srgb),            Kind::Group,         "client",         {   8,   8, 705, 145 }, /*: Title of the speed-round panel. */ QT_TR_NOOP("Speed Round "),                           parentFont, plain, OwnBackground | Hidden,                       none },
    { M(srlb),            Kind::MultiLineLabel, "srgb",          {  32,  32, 505, 97 }, "srlb",                                   parentFont, plain, Wrapped,                                      none },
    { M(srtlb),           Kind::Label,         "srgb",           { 560,  24, 129, 19 }, /*: Replaced when the round length is changed. Room: 130 px. */ QT_TR_NOOP("Time: 60 s"),                             parentFont, plain, Centred,                                      none },
    { M(ydlb),            Kind::Label,         "srgb",           { 600,  72,   0,  0 }, /*: Shown above the number of right answers at the end of a speed round. */ QT_TR_NOOP("You did:"),                               parentFont, plain, Hidden,                                       none },
    { M(speedtlb),        Kind::Label,         "srgb",           { 608,  88,  44, 46 }, "10",                                     arial40,    &green, AutoSize | Hidden,                           none },
    { M(srsb),            Kind::HScroll,       "srgb",           { 568,  48, 121, 17 }, nullptr,                                  parentFont, plain, Shown,                                        { 1, 300, 60 } },
    // The teacher panels, over the left end of the question strip
    { M(cleanupgb),       Kind::Group,         "client",         { 280,  24, 321, 305 }, /*: Title of the teacher panel that deletes old day files. */ QT_TR_NOOP("File Clean Up"),                         arial16,    plain, OwnBackground | Hidden,                       none },
    { M(Label6),          Kind::Label,         "cleanupgb",      {  32,  24, 237, 19 }, /*: Room: 237 px. */ QT_TR_NOOP("Delete some of the  history files"),      parentFont, plain, Shown,                                        none },
    { M(keeprb),          Kind::Radio,         "cleanupgb",      {  40,  48, 257, 17 }, /*: Radio button. A number list of 49 px lies over the blanks, starting 162 px from the left of the text: keep enough blanks so the list covers no word. Room: 257 px. */ QT_TR_NOOP("Keep only the last                files"), parentFont, plain, Checked,                                    none },
    { M(keepcb),          Kind::List,          "cleanupgb",      { 202,  44,  49, 27 }, nullptr,                                  parentFont, plain, Shown,                                        { 0, 20, 10 } },
    { M(delrb),           Kind::Radio,         "cleanupgb",      {  40,  80, 249, 17 }, /*: Radio button. A number list of 49 px lies over the blanks, starting 134 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px. */ QT_TR_NOOP("Delete the first               files"),  parentFont, plain, Shown,                                        none },
    { M(delfirstcb),      Kind::List,          "cleanupgb",      { 174,  74,  49, 27 }, nullptr,                                  parentFont, plain, Shown,                                        { 0, 20, 10 } },
    { M(oldrb),           Kind::Radio,         "cleanupgb",      {  40, 112, 249, 17 }, /*: Radio button: delete the days saved more than that many months ago. A number list of 49 px lies over the blanks, starting 100 px from the left of the text: keep enough blanks so the list covers no word. Room: 249 px. */ QT_TR_NOOP("Older than                 months"),  parentFont, plain, Shown,                                        none },
    { M(oldcb),           Kind::List,          "cleanupgb",      { 140, 106,  49, 27 }, nullptr,                                  parentFont, plain, Shown,                                        { 1, 60, 11 } },
    { M(Label8),          Kind::Label,         "cleanupgb",      {  56, 136, 210, 19 }, /*: Warning in red. Room: 210 px. */ QT_TR_NOOP("Note:  All deletions are final!"),        parentFont, &red,  Shown,                                        none },
    { M(Label7),          Kind::Label,         "cleanupgb",      {  40, 160, 209, 19 }, /*: A list of pupils (or "All") follows below. Room: 209 px. */ QT_TR_NOOP("For the following student(s)"),           parentFont, plain, Shown,                                        none },
    { M(cleanupcb),       Kind::EditableList,  "cleanupgb",      {  48, 185, 217, 27 }, "cleanupcb",                              parentFont, plain, Shown,                                        none },
    { M(dlb),             Kind::Label,         "cleanupgb",      {  96, 216, 102, 22 }, /*: Shown in red after files were deleted. Room: 102 px at 19 px bold. */ QT_TR_NOOP("DELETED!!"),                              arial19,    &red,  Hidden,                                       none },
    { M(cleanupbt),       Kind::Button,        "cleanupgb",      {  32, 248, 105, 41 }, /*: Button. Room: 105 px. */ QT_TR_NOOP("De&lete"),                                parentFont, plain, Shown,                                        none },
    { M(Button2),         Kind::Button,        "cleanupgb",      { 168, 248, 105, 41 }, /*: Button: close the panel. Room: about 100 px. */ QT_TR_NOOP("Do&ne"),                                  parentFont, plain, Shown,                                        none },
    { M(nstudgb),         Kind::Group,         "client",         { 280,  24, 297, 177 }, /*: Title of the teacher panel that adds a pupil to the list. */ QT_TR_NOOP("Add a Student"),                         arial16,    plain, OwnBackground | Hidden,                       none },
    { M(Label2),          Kind::Label,         "nstudgb",        {  16, 128, 259, 19 }, /*: Note under the name box. Room: 259 px. */ QT_TR_NOOP("No spaces in name use __ instead"),       parentFont, plain, Shown,                                        none },
    { M(Label3),          Kind::Label,         "nstudgb",        {   8, 109,  49, 19 }, /*: Room: 49 px. */ QT_TR_NOOP("notes:"),                                 parentFont, plain, Shown,                                        none },
    { M(Label4),          Kind::Label,         "nstudgb",        {  16, 152, 261, 19 }, /*: Note under the name box. Room: 261 px. */ QT_TR_NOOP("For long names, please abbreviate"),      parentFont, plain, Shown,                                        none },
    { M(addedlb),         Kind::Label,         "nstudgb",        {  72, 109, 151, 19 }, /*: Shown in green after adding a pupil. Room: 150 px. */ QT_TR_NOOP("Student was added!"),                     parentFont, &green, OwnBackground | AutoSize | Hidden,      none },
    { M(nstudeb),         Kind::Edit,          "nstudgb",        {  16,  24, 257, 30 }, nullptr,                                  arial19,    plain, Shown,                                        none },
    { M(asbt),            Kind::Button,        "nstudgb",        {  16,  64, 113, 41 }, /*: Button. Room: 113 px at 19 px bold. */ QT_TR_NOOP("&Add"),                                   arial19,    plain, Shown,                                        none },
    { M(addonebt),        Kind::Button,        "nstudgb",        { 160,  64, 113, 41 }, /*: Button: close the panel. Room: 113 px at 19 px bold. */ QT_TR_NOOP("&Done"),                                  arial19,    plain, Shown,                                        none },
    // Why a name was refused, over the notes line until the next key.
    { M(nameproblemlb),   Kind::Label,         "nstudgb",        {   8, 109, 281, 19 }, nullptr,                                  parentFont, &red,  OwnBackground | Hidden,                       none },
    { M(deletegb),        Kind::Group,         "client",         { 280,  24, 241, 193 }, /*: Title of the teacher panel that removes a pupil from the list. */ QT_TR_NOOP("Delete a student"),                      arial16,    plain, OwnBackground | Hidden,                       none },
    { M(Label5),          Kind::Label,         "deletegb",       {  24,  24, 178, 19 }, /*: Room: 178 px. */ QT_TR_NOOP("Select student to delete"),               parentFont, plain, Shown,                                        none },
    { M(deletecb),        Kind::EditableList,  "deletegb",       {  16,  56, 217, 27 }, "deletecb",                               parentFont, plain, Shown,                                        none },
    { M(deletebt),        Kind::Button,        "deletegb",       {  16,  96,  97, 33 }, /*: Button. Room: 97 px. */ QT_TR_NOOP("&Delete"),                                parentFont, plain, Shown,                                        none },
    { M(ddbt),            Kind::Button,        "deletegb",       { 128,  96,  97, 33 }, /*: Button: close the panel. Room: about 100 px. */ QT_TR_NOOP("Do&ne"),                                  parentFont, plain, Shown,                                        none },
    { M(Button1),         Kind::Button,        "deletegb",       {  72, 144,  99, 33 }, /*: Button. Room: 99 px. */ QT_TR_NOOP("&Cancel"),                                parentFont, plain, Shown,                                        none },
    { M(nologingb),       Kind::Group,         "client",         {   8,   8, 281, 221 }, /*: Title of the panels for the teacher password. */ QT_TR_NOOP("Log-in"),                                 narrow19,   plain, OwnBackground | Hidden,                       none },
    { M(Label9),          Kind::Label,         "nologingb",      {  64,  24, 144, 23 }, /*: Room: 144 px, centred. */ QT_TR_NOOP("No password is set"),                     parentFont, plain, Shown,                                        none },
    { M(Label10),         Kind::Label,         "nologingb",      {  40,  48, 221, 23 }, /*: First half of a sentence continued by the next line ("Student data manipulation"). Room: 221 px. */ QT_TR_NOOP("Create a password to restrict "),         parentFont, plain, Shown,                                        none },
    { M(Label11),         Kind::Label,         "nologingb",      {  48,  72, 199, 23 }, /*: Second half of "Create a password to restrict ... ". Room: 199 px. */ QT_TR_NOOP("Student data manipulation"),              parentFont, plain, Shown,                                        none },
    { M(newpasseb),       Kind::Edit,          "nologingb",      {  72, 104, 145, 31 }, nullptr,                                  parentFont, plain, Shown,                                        none },
    // The same password once more: a typo in a hidden password would lock the teacher out.
    { M(repeatpasseb),    Kind::Edit,          "nologingb",      {  72, 140, 145, 31 }, nullptr,                                  parentFont, plain, Shown,                                        none },
    { M(Button3),         Kind::Button,        "nologingb",      {   8, 180, 129, 25 }, /*: Button. Room: 129 px. */ QT_TR_NOOP("Set Password"),                           parentFont, plain, Shown,                                        none },
    { M(cspbt),           Kind::Button,        "nologingb",      { 144, 180, 129, 25 }, /*: Button. Room: 129 px. */ QT_TR_NOOP("Cancel"),                                 parentFont, plain, Shown,                                        none },
    { M(logoutgb),        Kind::Group,         "client",         {   8,  16, 305, 73 }, /*: Title of the panel for logging the teacher out. */ QT_TR_NOOP("Log-out"),                                arial19,    plain, OwnBackground | Hidden,                       none },
    { M(Button4),         Kind::Button,        "logoutgb",       {   8,  32, 129, 25 }, /*: Button. Room: 129 px. */ QT_TR_NOOP("Log out"),                                parentFont, plain, Shown,                                        none },
    { M(clobt),           Kind::Button,        "logoutgb",       { 152,  32, 129, 25 }, /*: Button. Room: 129 px. */ QT_TR_NOOP("Cancel"),                                 parentFont, plain, Shown,                                        none },
    { M(logingb),         Kind::Group,         "client",         {   8,   8, 289, 137 }, /*: Title of the panels for the teacher password. */ QT_TR_NOOP("Log-in"),                                 arial19,    plain, OwnBackground | Hidden,                       none },
    { M(Label12),         Kind::Label,         "logingb",        {  16,  24,  93, 22 }, /*: Label beside the password box. Room: 93 px. */ QT_TR_NOOP("Password"),                               parentFont, plain, Shown,                                        none },
    { M(pfailedlb),       Kind::Label,         "logingb",        { 128,  26,  93, 19 }, /*: Shown in red. Room: 93 px at 16 px bold. */ QT_TR_NOOP("Log in failed"),                          arial16,    &red,  Hidden,                                       none },
    { M(passeb),          Kind::Edit,          "logingb",        {  56,  56, 161, 30 }, nullptr,                                  parentFont, plain, Shown,                                        none },
    { M(Button5),         Kind::Button,        "logingb",        {  16,  96, 129, 25 }, /*: Button. Room: 129 px. */ QT_TR_NOOP("Log in"),                                 parentFont, plain, Shown,                                        none },
    { M(clibt),           Kind::Button,        "logingb",        { 152,  96, 129, 25 }, /*: Button. Room: 129 px. */ QT_TR_NOOP("Cancel"),                                 parentFont, plain, Shown,                                        none },
    }, client);
    // clang-format on

    // What a row does not say: the steps of the scroll bars.
    ui.resltssb->setSingleStep(1);
    ui.resltssb->setPageStep(1);
    ui.srsb->setPageStep(30);
    ui.srsb->setSingleStep(1);

    chainTabOrder(
        { ui.keeprb, ui.keepcb, ui.delrb, ui.delfirstcb, ui.oldrb, ui.oldcb, ui.cleanupcb, ui.cleanupbt, ui.Button2 });
    chainTabOrder({ ui.nstudeb, ui.asbt, ui.addonebt });
    chainTabOrder({ ui.deletecb, ui.deletebt, ui.ddbt, ui.Button1 });
    chainTabOrder({ ui.newpasseb, ui.repeatpasseb, ui.Button3, ui.cspbt });
    chainTabOrder({ ui.Button4, ui.clobt });
    chainTabOrder({ ui.passeb, ui.Button5, ui.clibt });
    setAccessibleNamesAndTabOrder();

    ui.ctr = new QTimer(this);
    ui.ctr->setObjectName(QStringLiteral("ctr"));
    ui.ctr->setInterval(100);
    ui.srtr = new QTimer(this);
    ui.srtr->setObjectName(QStringLiteral("srtr"));
    ui.srtr->setInterval(100);
}

// Names a screen reader speaks where a control's own caption does not say what it is, and an
// order for Tab that follows a pupil's work: answer, ask, settings, then the notebook.
void Tflashcardfrm::setAccessibleNamesAndTabOrder()
{
    const std::pair<QWidget*, const char*> names[] = {
        { ui.qlb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Press Start for a question") },
        { ui.anseb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Answer") },
        { ui.ttcb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Tables of") },
        { ui.uptocb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Practice with up to") },
        { ui.prb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Practice with up to") },
        { ui.GroupBox1,
            /*: Read out by a screen reader as the name of the group of the four operations. */
            QT_TR_NOOP("Operation") },
        { ui.namecb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("User Name") },
        { ui.qtcb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Question Type") },
        { ui.tlb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Time") },
        { ui.srsb,
            /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Speed round length in seconds") },
        { ui.ttim, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Array board") },
        { ui.resltsim, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Results") },
        { ui.TabbedNotebook1,
            /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Arrays and results") },
        { ui.resltssb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Scroll the results") },
        { ui.hiscb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Day") },
        { ui.keepcb,
            /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Number of last files to keep") },
        { ui.delfirstcb,
            /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Number of first files to delete") },
        { ui.oldcb, /*: Read out by a screen reader as the control's name. */
            QT_TR_NOOP("Months after which days are deleted") },
        { ui.cleanupcb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Student to clean up") },
        { ui.deletecb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Student to delete") },
        { ui.nstudeb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Name of the new student") },
        { ui.newpasseb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("New password") },
        { ui.repeatpasseb, /*: Read out by a screen reader as the control's name: the second box, where the new password
                              is typed again. */
            QT_TR_NOOP("New password again") },
        { ui.passeb, /*: Read out by a screen reader as the control's name. */ QT_TR_NOOP("Password") },
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(tr(name));
    // Hidden text says nothing by itself: the two boxes for a new password say what they want.
    ui.newpasseb->setPlaceholderText(tr("Password"));
    //: Shown in the empty second box for a new password, where it is typed again. Room: about 100 px.
    ui.repeatpasseb->setPlaceholderText(tr("Once more"));

    // A drop-down is announced by its value and labelled by the label whose buddy it is (or by
    // its group box's title, as "Question Type" is). Where no label is drawn beside it, a hidden
    // one carries its name.
    ui.Label1->setBuddy(ui.namecb);
    ui.Label5->setBuddy(ui.deletecb);
    ui.Label7->setBuddy(ui.cleanupcb);
    for (QComboBox* list : { ui.ttcb, ui.uptocb, ui.hiscb, ui.keepcb, ui.delfirstcb, ui.oldcb }) {
        auto* label = new QLabel(list->accessibleName(), list->parentWidget());
        label->setObjectName(list->objectName() + QStringLiteral("Label"));
        label->hide();
        label->setBuddy(list);
    }
    ui.resltsim->setAccessibleDescription(tr("No answers"));
    // The board and the results page are read cell by cell and line by line.
    ui.ttim->setItems(0, {});
    ui.resltsim->setItems(0, {});

    // The board takes the keyboard too: arrows move over the cells, space places or removes a dot.
    ui.ttim->setFocusPolicy(Qt::TabFocus);
    ui.resltsim->setFocusPolicy(Qt::TabFocus);
    chainTabOrder({ ui.anseb, ui.Questionbt, ui.checkbt, ui.qtcb, ui.namecb, ui.ttcb, ui.ttrb, ui.prb, ui.uptocb,
        ui.addrb, ui.subrb, ui.Multirb, ui.divrb, ui.acb, ui.scb, ui.mcb, ui.dcb, ui.zerocb, ui.mixcb, ui.srsb,
        ui.TabbedNotebook1, ui.ttim, ui.Showallrb, ui.showwrongrb, ui.longestrb, ui.shortestrb, ui.showhistorycb,
        ui.hiscb, ui.resltsim, ui.resltssb });
}
