// The teacher password and access to the three teacher commands. accessState is 0 while no
// password exists, 1 while the commands are locked and 2 while a teacher is logged in.

#include "core/fileio.h"
#include "core/password.h"
#include "flashcardfrm.h"
#include "textcodec.h"
#include "userdialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool isCarriageReturn(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool passwordFileStands()
{
    return quorvex::fileKind(quorvex::passwordFileName) == quorvex::FileKind::Regular;
}

const QString passwordSetElsewhere
    = QStringLiteral("A teacher password has been set on another computer meanwhile. Log in with that password.");

} // namespace

void Tflashcardfrm::wirePassword()
{
    connect(ui.logintoaccess1, &QAction::triggered, this, &Tflashcardfrm::logintoaccess1Click);
    connect(ui.Button3, &QPushButton::clicked, this, &Tflashcardfrm::Button3Click);
    connect(ui.cspbt, &QPushButton::clicked, this, &Tflashcardfrm::cspbtClick);
    connect(ui.Button5, &QPushButton::clicked, this, &Tflashcardfrm::Button5Click);
    connect(ui.clibt, &QPushButton::clicked, this, &Tflashcardfrm::clibtClick);
    connect(ui.Button4, &QPushButton::clicked, this, &Tflashcardfrm::Button4Click);
    connect(ui.clobt, &QPushButton::clicked, this, &Tflashcardfrm::clobtClick);
    ui.newpasseb->installEventFilter(this);
    ui.passeb->installEventFilter(this);
}

void Tflashcardfrm::loadTeacherPassword()
{
    auto stored = quorvex::readPasswordFile();
    if (!stored) {
        // A password file that cannot be read still means a password was set: stay locked,
        // and let no typed text open the lock until the file can be read at a later start.
        reportFileError(this, stored.error());
        teacherPasswordUnreadable = true;
        lockTeacherCommands(QStringLiteral("Login"));
        return;
    }
    if (stored->has_value()) {
        teacherPassword = **stored;
        lockTeacherCommands(QStringLiteral("Login"));
    } else {
        ui.logintoaccess1->setText(QStringLiteral("Click here to create &Password"));
        accessState = 0;
        setTeacherCommandsEnabled(true);
    }
}

void Tflashcardfrm::setTeacherCommandsEnabled(bool enabled)
{
    ui.Deleteastudent1->setEnabled(enabled);
    ui.AddaStudent1->setEnabled(enabled);
    ui.Filecleanup1->setEnabled(enabled);
}

void Tflashcardfrm::lockTeacherCommands(const QString& caption)
{
    ui.logintoaccess1->setText(caption);
    accessState = 1;
    setTeacherCommandsEnabled(false);
}

void Tflashcardfrm::logintoaccess1Click()
{
    // Another computer may have set a password since this one started: it counts here too.
    if (accessState == 0 && passwordFileStands()) {
        userDialogs().reportError(this, passwordSetElsewhere);
        loadTeacherPassword();
    }
    if (accessState == 1) {
        ui.passeb->clear();
        ui.logingb->show();
        ui.passeb->setFocus();
    } else if (accessState == 0) {
        ui.nologingb->show();
        ui.newpasseb->setFocus();
    } else {
        ui.logoutgb->show();
    }
}

void Tflashcardfrm::Button3Click()
{
    const std::optional<quorvex::Bytes> password = toBytes(ui.newpasseb->text());
    if (!password || !quorvex::passwordFitsOneLine(*password)) {
        userDialogs().reportError(this,
            QStringLiteral("This password cannot be stored: it holds a character the password file cannot keep."));
        return;
    }
    bool existed = false;
    if (auto written = quorvex::createPasswordFile(*password, &existed); !written) {
        reportLockNotices(this);
        if (existed && passwordFileStands()) {
            // Nothing was written: the password set elsewhere is the password here too.
            ui.nologingb->hide();
            userDialogs().reportError(this, passwordSetElsewhere);
            loadTeacherPassword();
            return;
        }
        reportFileError(this, written.error());
        return;
    }
    reportLockNotices(this);
    teacherPassword = *password;
    teacherPasswordUnreadable = false;
    lockTeacherCommands(QStringLiteral("Login"));
    ui.nologingb->hide();
}

bool Tflashcardfrm::newpassebKeyPress(QKeyEvent* event)
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
    if (teacherPasswordUnreadable || !typed || !quorvex::passwordMatches(*typed, teacherPassword)) {
        ui.pfailedlb->show();
        return;
    }
    accessState = 2;
    setTeacherCommandsEnabled(true);
    ui.logingb->hide();
    ui.logintoaccess1->setText(QStringLiteral("&Logout"));
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
    lockTeacherCommands(QStringLiteral("&Login"));
    ui.logoutgb->hide();
}

void Tflashcardfrm::clobtClick()
{
    ui.logoutgb->hide();
}
