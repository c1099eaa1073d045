// The teacher password and access to the three teacher commands: the panels through which a
// password is created, a teacher logs in and logs out, as views of the access state.

#include "core/classfolder/fileio.h"
#include "core/classfolder/password.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace {

bool isCarriageReturn(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool passwordFileStands()
{
    return quorvex::fileKind(quorvex::passwordFileName) == quorvex::FileKind::Regular;
}

QString passwordSetElsewhere()
{
    return Tflashcardfrm::tr(
        "A teacher password has been set on another computer meanwhile. Log in with that password.");
}

} // namespace

namespace {

// An eye: the picture of the button that shows a hidden password; struck through while the
// password shows, for the button then hides it.
QIcon eyeIcon(const QColor& colour, bool struck)
{
    QPixmap eye(32, 32);
    eye.fill(Qt::transparent);
    QPainter painter(&eye);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.5));
    QPainterPath lids;
    lids.moveTo(3, 16);
    lids.quadTo(16, 3, 29, 16);
    lids.quadTo(16, 29, 3, 16);
    painter.drawPath(lids);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(16, 16), 5, 5);
    if (struck) {
        painter.setPen(QPen(colour, 3));
        painter.drawLine(QPointF(5, 27), QPointF(27, 5));
    }
    return QIcon(eye);
}

} // namespace

void Tflashcardfrm::wirePassword()
{
    // A password typed on a classroom's projector is read by the class: it is hidden while
    // typed, and a button in the box shows it to whoever wants to check it.
    for (QLineEdit* box : { ui.newpasseb, ui.repeatpasseb, ui.passeb }) {
        box->setEchoMode(QLineEdit::Password);
        QAction* show
            = box->addAction(eyeIcon(box->palette().color(QPalette::Text), false), QLineEdit::TrailingPosition);
        show->setObjectName(box->objectName() + QStringLiteral("Show"));
        show->setCheckable(true);
        //: The button in a password box that shows or hides what was typed.
        show->setToolTip(tr("Show the password"));
        connect(show, &QAction::toggled, box, [box, show](bool shown) {
            box->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
            show->setIcon(eyeIcon(box->palette().color(QPalette::Text), shown));
            //: The button in a password box while it shows what was typed.
            show->setToolTip(shown ? tr("Hide the password") : tr("Show the password"));
        });
    }
    // Escape in a teacher panel does what its Cancel does (Done where it has no Cancel).
    const std::pair<QWidget*, QAbstractButton*> panels[]
        = { { ui.nologingb, ui.cspbt }, { ui.logingb, ui.clibt }, { ui.logoutgb, ui.clobt },
              { ui.nstudgb, ui.addonebt }, { ui.deletegb, ui.Button1 }, { ui.cleanupgb, ui.Button2 } };
    for (const auto& [panel, cancel] : panels) {
        auto* escape
            = new QShortcut(QKeySequence(Qt::Key_Escape), panel, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        escape->setObjectName(panel->objectName() + QStringLiteral("Escape"));
        connect(escape, &QShortcut::activated, cancel, &QAbstractButton::click);
    }
    connect(ui.logintoaccess1, &QAction::triggered, this, &Tflashcardfrm::logintoaccess1Click);
    connect(ui.Button3, &QPushButton::clicked, this, &Tflashcardfrm::Button3Click);
    connect(ui.cspbt, &QPushButton::clicked, this, &Tflashcardfrm::cspbtClick);
    connect(ui.Button5, &QPushButton::clicked, this, &Tflashcardfrm::Button5Click);
    connect(ui.clibt, &QPushButton::clicked, this, &Tflashcardfrm::clibtClick);
    connect(ui.Button4, &QPushButton::clicked, this, &Tflashcardfrm::Button4Click);
    connect(ui.clobt, &QPushButton::clicked, this, &Tflashcardfrm::clobtClick);
    ui.newpasseb->installEventFilter(this);
    ui.repeatpasseb->installEventFilter(this);
    ui.passeb->installEventFilter(this);
}

void Tflashcardfrm::loadTeacherPassword()
{
    auto stored = quorvex::readPasswordFile();
    if (stored)
        access.loadStored(*std::move(stored));
    else {
        reportFileError(this, stored.error());
        access.loadUnreadable();
    }
    showAccess();
}

bool Tflashcardfrm::followPasswordSetElsewhere()
{
    // Another computer may have set a password since this one started: it counts here too.
    if (access.state() != quorvex::AccessState::NoPassword || !passwordFileStands())
        return false;
    userDialogs().reportError(this, passwordSetElsewhere());
    loadTeacherPassword();
    return true;
}

void Tflashcardfrm::showAccess()
{
    ui.logintoaccess1->setText(accessOfferCaption(access.offer()));
    const bool enabled = access.teacherCommandsEnabled();
    ui.Deleteastudent1->setEnabled(enabled);
    ui.AddaStudent1->setEnabled(enabled);
    ui.Filecleanup1->setEnabled(enabled);
    ui.ClassOverview1->setEnabled(enabled);
    ui.ExportaPupil1->setEnabled(enabled);
    ui.ErasePupil1->setEnabled(enabled);
}

void Tflashcardfrm::hidePasswords()
{
    for (QLineEdit* box : { ui.newpasseb, ui.repeatpasseb, ui.passeb }) {
        if (auto* eye = box->findChild<QAction*>(box->objectName() + QStringLiteral("Show")))
            eye->setChecked(false);
    }
}

void Tflashcardfrm::logintoaccess1Click()
{
    followPasswordSetElsewhere();
    // A password shown to check it is hidden again for whoever opens the panel next.
    hidePasswords();
    switch (access.panel()) {
    case quorvex::AccessPanel::LogIn:
        ui.passeb->clear();
        ui.logingb->show();
        ui.passeb->setFocus();
        break;
    case quorvex::AccessPanel::CreatePassword:
        ui.nologingb->show();
        ui.newpasseb->setFocus();
        break;
    case quorvex::AccessPanel::LogOut:
        ui.logoutgb->show();
        ui.Button4->setFocus();
        break;
    }
}

void Tflashcardfrm::Button3Click()
{
    if (ui.newpasseb->text() != ui.repeatpasseb->text()) {
        userDialogs().reportError(
            this, tr("The two passwords are not the same. Type the new password in both boxes again."));
        ui.newpasseb->clear();
        ui.repeatpasseb->clear();
        ui.newpasseb->setFocus();
        return;
    }
    const std::optional<quorvex::Bytes> password = toBytes(ui.newpasseb->text());
    if (!password || !quorvex::passwordFitsOneLine(*password)) {
        userDialogs().reportError(
            this, tr("This password cannot be stored: it holds a character the password file cannot keep."));
        return;
    }
    bool existed = false;
    if (auto written = quorvex::createPasswordFile(*password, &existed); !written) {
        reportLockNotices(this);
        if (existed && passwordFileStands()) {
            // Nothing was written: the password set elsewhere is the password here too.
            ui.nologingb->hide();
            userDialogs().reportError(this, passwordSetElsewhere());
            loadTeacherPassword();
            return;
        }
        reportFileError(this, written.error());
        return;
    }
    reportLockNotices(this);
    access.passwordSet(*password);
    showAccess();
    ui.nologingb->hide();
}

bool Tflashcardfrm::newpassebKeyPress(QKeyEvent* event)
{
    // Enter goes on to the box where the password is typed again.
    if (isCarriageReturn(event))
        ui.repeatpasseb->setFocus();
    return false;
}

bool Tflashcardfrm::repeatpassebKeyPress(QKeyEvent* event)
{
    if (isCarriageReturn(event))
        Button3Click();
    return false;
}

void Tflashcardfrm::cspbtClick()
{
    ui.nologingb->hide();
}

void Tflashcardfrm::Button5Click()
{
    const std::optional<quorvex::Bytes> typed = toBytes(ui.passeb->text());
    if (!typed || !access.logIn(*typed)) {
        ui.pfailedlb->show();
        // Tried again from an empty box, hidden: a wrong password is left on show to nobody.
        ui.passeb->clear();
        hidePasswords();
        return;
    }
    showAccess();
    ui.logingb->hide();
}

bool Tflashcardfrm::passebKeyPress(QKeyEvent* event)
{
    if (isCarriageReturn(event))
        Button5Click();
    return false;
}

void Tflashcardfrm::passebEnter()
{
    ui.pfailedlb->hide();
}

void Tflashcardfrm::clibtClick()
{
    ui.pfailedlb->hide();
    ui.logingb->hide();
}

void Tflashcardfrm::Button4Click()
{
    access.logOut();
    showAccess();
    ui.logoutgb->hide();
}

void Tflashcardfrm::clobtClick()
{
    ui.logoutgb->hide();
}
