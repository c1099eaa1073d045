// The main window's creation, first activation and close, its menus, and the About and Exit
// commands.

#include "flashcardfrm.h"

#include "aboutbox.h"
#include "accessibility.h"
#include "controlhelpers.h"
#include "core/cleanup.h"
#include "core/roster.h"
#include "fonts.h"
#include "generated/version.h"
#include "imagecontrol.h"
#include "multilinelabel.h"
#include "screenfit.h"
#include "textcodec.h"
#include "userdialogs.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <chrono>

Tflashcardfrm::Tflashcardfrm(QWidget* parent)
    : QMainWindow(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("flashcardfrm"));
    setWindowTitle(QStringLiteral("Flash Cards"));
    installAccessibility();
    buildControls();
    tabToEveryRadioButton(this);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    wireQuestions();
    wireAnswers();
    wireTiming();
    wireBoard();
    wireResults();
    wireHistory();
    wireRoster();
    wireCleanup();
    wirePassword();
    wireCertificate();
    condenseNarrowCaptions(this);

    FormCreate();
}

Tflashcardfrm::~Tflashcardfrm() = default;

void Tflashcardfrm::setCompanions(TCertificatefrm* certificate, TWhoami* whoami, Taboutboxp* aboutBox)
{
    Certificatefrm = certificate;
    Whoami = whoami;
    aboutbox = aboutBox;
}

void Tflashcardfrm::buildMenus()
{
    auto menu = [this](QMenu*& member, const char* name, const QString& title, QWidget* parent) {
        member = new QMenu(title, parent);
        member->setObjectName(QString::fromLatin1(name));
        member->menuAction()->setObjectName(QString::fromLatin1(name));
        return member;
    };
    auto item = [](QAction*& member, const char* name, const QString& text, QMenu* menu) {
        member = menu->addAction(text);
        member->setObjectName(QString::fromLatin1(name));
        return member;
    };

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    bar->addMenu(menu(ui.File1, "File1", QStringLiteral("&File"), bar));
    item(ui.Printcertificate1, "Printcertificate1", QStringLiteral("Print &Certificate"), ui.File1);
    QAction* fluencyReport = nullptr;
    item(fluencyReport, "FluencyReport1", QStringLiteral("&Fluency Report"), ui.File1);
    connect(fluencyReport, &QAction::triggered, this, &Tflashcardfrm::FluencyReport1Click);
    ui.File1->addMenu(menu(ui.eacherStuff1, "eacherStuff1", QStringLiteral("Teacher Stuff"), ui.File1));
    item(ui.logintoaccess1, "logintoaccess1", QStringLiteral("Login to access"), ui.eacherStuff1);
    item(ui.Deleteastudent1, "Deleteastudent1", QStringLiteral("&Delete a student"), ui.eacherStuff1);
    item(ui.AddaStudent1, "AddaStudent1", QStringLiteral("&Add a Student"), ui.eacherStuff1);
    item(ui.Filecleanup1, "Filecleanup1", QStringLiteral("&File clean up"), ui.eacherStuff1);
    ui.N2 = ui.File1->addSeparator();
    ui.N2->setObjectName(QStringLiteral("N2"));
    item(ui.Exit1, "Exit1", QStringLiteral("E&xit"), ui.File1);

    bar->addMenu(menu(ui.Opton1, "Opton1", QStringLiteral("&Options"), bar));
    item(ui.Showtimer1, "Showtimer1", QStringLiteral("Show &Timer"), ui.Opton1)->setCheckable(true);
    ui.Opton1->addMenu(menu(ui.Redow1, "Redow1", QStringLiteral("Redo Wrong after"), ui.Opton1));
    ui.Redow1->menuAction()->setVisible(false);
    ui.Redow1->menuAction()->setToolTip(QStringLiteral("repeat wrong answers more than right"));
    auto* counts = new QActionGroup(ui.Redow1);
    const struct {
        QAction*& member;
        const char* name;
        const char* text;
        int tag;
    } countItems[] = {
        { ui.N5q1, "N5q1", "5 questions", 5 },
        { ui.N10q1, "N10q1", "10 Questions", 10 },
        { ui.N15Q1, "N15Q1", "15 Questions", 15 },
        { ui.n20q1, "n20q1", "20 Questions", 20 },
        { ui.alwaysrandom1, "alwaysrandom1", "Always &Random", 99999 },
    };
    for (const auto& count : countItems) {
        item(count.member, count.name, QString::fromLatin1(count.text), ui.Redow1)->setCheckable(true);
        count.member->setData(count.tag);
        count.member->setProperty("tag", count.tag);
        counts->addAction(count.member);
        connect(count.member, &QAction::triggered, this, &Tflashcardfrm::N10q1Click);
    }
    ui.N10q1->setChecked(true);
    item(ui.SaveData1, "SaveData1", QStringLiteral("&Save Data"), ui.Opton1)->setVisible(false);

    ui.About1 = bar->addAction(QStringLiteral("A&bout"));
    ui.About1->setObjectName(QStringLiteral("About1"));

    connect(ui.Exit1, &QAction::triggered, this, &Tflashcardfrm::Exit1Click);
    connect(ui.About1, &QAction::triggered, this, &Tflashcardfrm::About1Click);
}

void Tflashcardfrm::FormCreate()
{
    session.random().seed(
        static_cast<quorvex::RandomEngine::result_type>(std::chrono::steady_clock::now().time_since_epoch().count()
            ^ std::chrono::system_clock::now().time_since_epoch().count()));
    QFont resultsFont(QStringLiteral("arial"));
    resultsFont.setPointSize(10);
    ui.resltsim->setFont(resultsFont);
    QString instructions = QStringLiteral("See how many questions you can answer in the time you decide!");
    for (const char* line : { "Be sure to select the types of questions you want to see.",
             "Don't worry about wrong answers, they won't be counted.", "GOOD LUCK!!" })
        instructions += QLatin1Char('\r') + QString::fromLatin1(line);
    ui.srlb->setText(instructions);
}

void Tflashcardfrm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (activated)
        return;
    // Centred on the desktop; on a screen smaller than the window, from its top left corner.
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(topLeftWithin(screen->availableGeometry(), frame.size(), frame.topLeft()));
    }
    FormActivate();
}

void Tflashcardfrm::FormActivate()
{
    activated = true;
    opBoxes = { ui.acb, ui.scb, ui.mcb, ui.dcb };
    if (aboutbox)
        aboutbox->setProductLines(QStringLiteral("Product Name: Quorvex"), QStringLiteral("Version:" QUORVEX_VERSION));

    // What interrupted work left in the class folder is finished or swept before anything is
    // read: clean-ups half done, scratch files of writes that never ended.
    QStringList refused;
    for (const quorvex::DayFault& fault : quorvex::settleClassFolder().faults)
        refused << toQt(quorvex::dayFaultMessage(fault));
    if (!refused.isEmpty())
        userDialogs().reportError(this, refused.join(QLatin1Char('\n')));
    reportLockNotices(this);

    ui.namecb->clear();
    auto roster = quorvex::loadOrCreateRoster();
    if (roster) {
        for (const quorvex::Bytes& name : *roster)
            ui.namecb->addItem(toQt(name));
    } else {
        // Pupils can still drill as "Guest". The roster panels refuse to write while the file
        // cannot be read, so it is never replaced by this shorter list.
        reportFileError(this, roster.error());
        rosterUnreadable = true;
        ui.namecb->addItem(toQt(quorvex::guestName));
    }
    ui.namecb->setCurrentIndex(0);

    loadTeacherPassword();
    // A pupil starts with Start.
    ui.Questionbt->setFocus();
}

void Tflashcardfrm::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool Tflashcardfrm::FormClose()
{
    if (session.unsaved()) {
        SaveData1Click();
        // The failure has been reported; the answers are lost only if the pupil says so.
        if (session.unsaved())
            return userDialogs().askYesNo(
                this, QStringLiteral("The answers could not be saved. Close without saving them?"));
    }
    return true;
}

void Tflashcardfrm::Exit1Click()
{
    close();
}

void Tflashcardfrm::About1Click()
{
    if (aboutbox)
        aboutbox->exec();
}

// Key presses and focus changes of the edit boxes go to their handlers from here, so that a
// key typed by a user and one sent by a test take the same road.
bool Tflashcardfrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == ui.anseb)
            return ansebKeyPress(key);
        if (watched == ui.nstudeb)
            return nstudebKeyPress(key);
        if (watched == ui.newpasseb)
            return newpassebKeyPress(key);
        if (watched == ui.passeb)
            return passebKeyPress(key);
        if (watched == ui.ttim)
            return boardKeyPress(key);
    } else if (event->type() == QEvent::FocusIn) {
        if (watched == ui.anseb)
            ansebEnter();
        else if (watched == ui.passeb)
            passebEnter();
        else if (watched == ui.ttim)
            showBoardCursor();
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == ui.ttim)
            showBoardCursor();
    } else if (watched == ui.ttimelb && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        quietWhileHidden(ui.ttimelb, event->type() == QEvent::Hide);
    }
    return QMainWindow::eventFilter(watched, event);
}
