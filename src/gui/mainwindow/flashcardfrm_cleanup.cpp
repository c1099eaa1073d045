// History clean-up: removing the oldest days of one student or of all.

#include "core/classfolder/cleanup.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/folderwait.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/faultwords.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void Tflashcardfrm::wireCleanup()
{
    connect(ui.Filecleanup1, &QAction::triggered, this, &Tflashcardfrm::Filecleanup1Click);
    connect(ui.cleanupbt, &QPushButton::clicked, this, &Tflashcardfrm::cleanupbtClick);
    connect(ui.Button2, &QPushButton::clicked, this, &Tflashcardfrm::Button2Click);
    connect(ui.cleanupcb, &QComboBox::activated, this, &Tflashcardfrm::cleanupcbChange);
    connect(ui.cleanupcb->lineEdit(), &QLineEdit::textEdited, this, &Tflashcardfrm::cleanupcbChange);
    // A click on the radio button already chosen changes nothing and runs nothing.
    for (QRadioButton* radio : { ui.keeprb, ui.delrb, ui.oldrb }) {
        connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                delrbClick();
        });
    }
    // Text typed into the list picks nothing and never becomes an entry of its own.
    ui.cleanupcb->setInsertPolicy(QComboBox::NoInsert);
}

void Tflashcardfrm::Filecleanup1Click()
{
    if (followPasswordSetElsewhere())
        return;
    ui.cleanupcb->clear();
    for (int i = 0; i < ui.namecb->count(); ++i)
        ui.cleanupcb->addItem(ui.namecb->itemText(i));
    //: Last item of the list of pupils whose day files are cleaned up: every pupil.
    ui.cleanupcb->addItem(tr("All"));
    ui.cleanupcb->setCurrentIndex(ui.cleanupcb->count() - 1);
    ui.cleanupgb->show();
    // Escape, like the keys of the panel, works at once: the focus is on its first control.
    (ui.keeprb->isChecked() ? ui.keeprb : ui.delrb->isChecked() ? ui.delrb : ui.oldrb)->setFocus();
}

std::vector<quorvex::Bytes> Tflashcardfrm::chosenForCleanup() const
{
    // "All" is the last item of this panel's own list, whatever the roster did since.
    const int picked = pickedPosition(ui.cleanupcb);
    const int all = ui.cleanupcb->count() - 1;
    if (picked < 0)
        return {};
    if (picked != all)
        return { toBytesLossy(ui.cleanupcb->itemText(picked)) };
    std::vector<quorvex::Bytes> students;
    for (int p = 0; p < all; ++p)
        students.push_back(toBytesLossy(ui.cleanupcb->itemText(p)));
    return students;
}

void Tflashcardfrm::cleanupbtClick()
{
    // The lists show their numbers in order, so the number shown is the number that acts.
    const auto mode = ui.keeprb->isChecked() ? quorvex::CleanupMode::KeepLast
        : ui.delrb->isChecked()              ? quorvex::CleanupMode::DeleteFirst
                                             : quorvex::CleanupMode::OlderThanMonths;
    const QComboBox* list = mode == quorvex::CleanupMode::KeepLast ? ui.keepcb
        : mode == quorvex::CleanupMode::DeleteFirst                ? ui.delfirstcb
                                                                   : ui.oldcb;
    const int count = list->currentText().toInt();
    // A clean-up the teacher stopped waiting for goes on, and tells what it did when it ends.
    const auto done = [this](const quorvex::DayFilesReport& report) {
        ui.dlb->setVisible(report.deletedAny());
        reportLockNotices(this);
        if (!report.faults.empty()) {
            QStringList refused;
            for (const quorvex::DayFault& fault : report.faults)
                refused << dayFaultText(fault);
            userDialogs().reportError(this, refused.join(QLatin1Char('\n')));
        }
    };
    const std::optional<quorvex::DayFilesReport> report = folderwait::runOffWindow<quorvex::DayFilesReport>(
        this, { .text = tr("Cleaning up the days..."), .title = windowTitle() },
        [students = chosenForCleanup(), mode, count] { return quorvex::cleanUp(students, mode, count); }, done);
    if (report)
        done(*report);
}

void Tflashcardfrm::cleanupcbChange()
{
    ui.dlb->hide();
}

void Tflashcardfrm::delrbClick()
{
    ui.dlb->hide();
}

void Tflashcardfrm::Button2Click()
{
    ui.dlb->hide();
    ui.cleanupgb->hide();
}
