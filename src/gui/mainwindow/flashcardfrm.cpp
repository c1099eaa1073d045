// The main window's creation, first activation and close, its menus, and the About and Exit
// commands.

#include "gui/mainwindow/flashcardfrm.h"

#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/roster.h"
#include "generated/version.h"
#include "gui/controls/controlhelpers.h"
#include "gui/controls/imagecontrol.h"
#include "gui/controls/multilinelabel.h"
#include "gui/platform/accessibility.h"
#include "gui/platform/fonts.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/settings.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/aboutbox.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/faultwords.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
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
    //: Title of the main window.
    setWindowTitle(tr("Flash Cards"));
    installAccessibility();
    buildControls();
    tabToEveryRadioButton(this);
    sayDropDownValues(this);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(ui.FluencyReport1, &QAction::triggered, this, &Tflashcardfrm::FluencyReport1Click);
    connect(ui.ClassOverview1, &QAction::triggered, this, &Tflashcardfrm::ClassOverview1Click);
    connect(ui.ExportaPupil1, &QAction::triggered, this, &Tflashcardfrm::ExportaPupil1Click);
    connect(ui.ErasePupil1, &QAction::triggered, this, &Tflashcardfrm::ErasePupil1Click);
    connect(ui.Exit1, &QAction::triggered, this, &Tflashcardfrm::Exit1Click);
    connect(ui.About1, &QAction::triggered, this, &Tflashcardfrm::About1Click);

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
    wireZoom();
    wireHelp();
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

void Tflashcardfrm::FormCreate()
{
    session.random().seed(
        static_cast<quorvex::RandomEngine::result_type>(std::chrono::steady_clock::now().time_since_epoch().count()
            ^ std::chrono::system_clock::now().time_since_epoch().count()));
    QFont resultsFont(QStringLiteral("arial"));
    resultsFont.setPointSize(10);
    ui.resltsim->setFont(resultsFont);
    //: The speed-round panel's instructions, one line each, in a box 505 px wide and four lines high.
    QString instructions = tr("See how many questions you can answer in the time you decide!");
    for (const QString& line : { tr("Be sure to select the types of questions you want to see."),
             tr("Don't worry about wrong answers, they won't be counted."), tr("GOOD LUCK!!") })
        instructions += QLatin1Char('\r') + line;
    ui.srlb->setText(instructions);
}

void Tflashcardfrm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (activated)
        return;
    // As large as remembered where the screen has room, smaller where it has not; centred on
    // the desktop.
    zoomAtStart();
    placeAtStart();
    FormActivate();
}

void Tflashcardfrm::FormActivate()
{
    activated = true;
    opBoxes = { ui.acb, ui.scb, ui.mcb, ui.dcb };
    restoreChoices();
    if (aboutbox)
        aboutbox->setProductLines(tr("Product Name: %1").arg(QStringLiteral("Quorvex")),
            //: Followed by the version number without a blank, as in "Version:1.0".
            tr("Version:%1").arg(QStringLiteral(QUORVEX_VERSION)));

    reportNetworkShare();
    // What interrupted work left in the class folder is finished or swept before anything is
    // read: clean-ups half done, scratch files of writes that never ended.
    QStringList refused;
    for (const quorvex::DayFault& fault : quorvex::settleClassFolder().faults)
        refused << dayFaultText(fault);
    if (!refused.isEmpty())
        userDialogs().reportError(this, refused.join(QLatin1Char('\n')));
    reportLockNotices(this);

    ui.namecb->clear();
    auto roster = quorvex::loadOrCreateRoster();
    if (roster) {
        for (const quorvex::Bytes& name : *roster)
            ui.namecb->addItem(toQt(name));
        reportSharedDayFiles(*roster);
    } else {
        // Pupils can still drill as "Guest". The roster panels refuse to write while the file
        // cannot be read, so it is never replaced by this shorter list.
        reportFileError(this, roster.error());
        rosterUnreadable = true;
        ui.namecb->addItem(toQt(quorvex::guestName));
    }
    ui.namecb->setCurrentIndex(0);
    loadSavedDays();

    loadTeacherPassword();
    // A pupil starts with Start.
    ui.Questionbt->setFocus();
}

void Tflashcardfrm::reportNetworkShare()
{
    const quorvex::Bytes share = quorvex::networkShareOfWorkingFolder();
    if (share.empty())
        return;
    // Told once on each computer for each class folder: the teacher who sets the computer up
    // hears it, the pupils who start the program afterwards do not.
    const QString folder = QDir::currentPath();
    QSettings settings = programSettings();
    const QString key = QStringLiteral("classFolder/networkSharesTold");
    QStringList told = settings.value(key).toStringList();
    if (told.contains(folder))
        return;
    //: At start, once per computer. %1 is the class folder, %2 the share's kind of file system
    //: ("nfs4", "cifs", "fuse.sshfs"). The README's section keeps its English title.
    userDialogs().showNotice(this,
        tr("The class folder \"%1\" is on a network share (%2). Quorvex cannot see how this computer "
           "mounts it: pupils' answers are safe there only when every computer mounts the share without "
           "caching, as the README says under \"Network shares\".")
            .arg(QDir::toNativeSeparators(folder), toQt(share)));
    told << folder;
    settings.setValue(key, told);
}

void Tflashcardfrm::closeEvent(QCloseEvent* event)
{
    if (FormClose()) {
        keepChoices();
        event->accept();
    } else
        event->ignore();
}

bool Tflashcardfrm::FormClose()
{
    if (session.unsaved()) {
        SaveData1Click();
        // The failure has been reported; the answers are lost only if the pupil says so.
        if (session.unsaved())
            return userDialogs().askYesNo(this, tr("The answers could not be saved. Close without saving them?"));
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
        if (watched == ui.repeatpasseb)
            return repeatpassebKeyPress(key);
        if (watched == ui.passeb)
            return passebKeyPress(key);
        if (watched == ui.ttim)
            return boardKeyPress(key);
        if (watched == ui.resltsim)
            return resultsKeyPress(key);
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
