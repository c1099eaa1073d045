// The teacher password and access to the three teacher commands.

#include "core/fileio.h"
#include "core/textlines.h"
#include "flashcardfrm.h"

#include <QAction>
#include <QKeyEvent>

void Tflashcardfrm::wirePassword() { }

void Tflashcardfrm::loadTeacherPassword()
{
    if (quorvex::fileExists("password.txt")) {
        ui.logintoaccess1->setText(QStringLiteral("Login"));
        accessState = 1;
        setTeacherCommandsEnabled(false);
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

void Tflashcardfrm::logintoaccess1Click() { }

void Tflashcardfrm::Button3Click() { }

bool Tflashcardfrm::newpassebKeyPress(QKeyEvent*)
{
    return false;
}

void Tflashcardfrm::cspbtClick() { }

void Tflashcardfrm::Button5Click() { }

bool Tflashcardfrm::passebKeyPress(QKeyEvent*)
{
    return false;
}

void Tflashcardfrm::passebEnter() { }

void Tflashcardfrm::clibtClick() { }

void Tflashcardfrm::Button4Click() { }

void Tflashcardfrm::clobtClick() { }
