// Saving the answer log as a student's next day, the change of student, and the history view.
//
// Answers are filed under the student who gave them (the session's answers owner), whatever
// triggers the save.
// A save that fails (a full disk, or another computer holding the pupil's days longer than a
// save waits) is reported and keeps the answers unsaved, to be saved at the next occasion;
// while a day is displayed, a save writes the pupil's own log set aside for the view.

#include "controlhelpers.h"
#include "core/fluency.h"
#include "core/history.h"
#include "flashcardfrm.h"
#include "textcodec.h"
#include "userdialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void Tflashcardfrm::wireHistory()
{
    connect(ui.SaveData1, &QAction::triggered, this, &Tflashcardfrm::SaveData1Click);
    connect(ui.namecb, &QComboBox::activated, this, &Tflashcardfrm::namecbChange);
    // Every change of the selected name, by the pupil or from code (a teacher panel also
    // renames entries in place); a pupil's pick also runs namecbChange afterwards.
    connect(ui.namecb, &QComboBox::currentTextChanged, this, [this] { session.followSelection(selectedStudent()); });
    connect(ui.showhistorycb, &QCheckBox::toggled, this, &Tflashcardfrm::showhistorycbClick);
    connect(ui.hiscb, &QComboBox::activated, this, &Tflashcardfrm::hiscbChange);
    connect(ui.hisbt, &QPushButton::clicked, this, &Tflashcardfrm::hisbtClick);
}

quorvex::Bytes Tflashcardfrm::selectedStudent() const
{
    // The names came from the 8-bit roster, so they convert back unchanged.
    return toBytesLossy(ui.namecb->currentText());
}

void Tflashcardfrm::SaveData1Click()
{
    const quorvex::Result<int32_t> day = quorvex::saveNextDay(session.answersOwner(), session.ownAnswers().records());
    reportLockNotices(this);
    if (!day) {
        reportFileError(this, day.error());
        return;
    }
    session.markSaved(selectedStudent());
}

void Tflashcardfrm::namecbChange()
{
    setCaption(ui.tlb, QStringLiteral("0.0"));
    setCaption(ui.ttimelb, tr("Total time: %1 s").arg(QStringLiteral("0.0")));
    if (session.unsaved())
        SaveData1Click();
    if (session.changeStudent(selectedStudent()) == quorvex::DrillSession::StudentChange::KeptUnsaved) {
        // The answers stay with the student who gave them and so does the selection, so that
        // no one else's answers join them before the next try.
        const int owner = ui.namecb->findText(toQt(session.answersOwner()), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (owner >= 0)
            ui.namecb->setCurrentIndex(owner);
        return;
    }
    loadSavedDays();
    runClocks();
    showStrip();
    resltsbtClick();
}

void Tflashcardfrm::loadSavedDays()
{
    const quorvex::Result<quorvex::FluencyReport> saved = quorvex::readFluencyReport(session.answersOwner());
    if (!saved) {
        // The drill goes on with what this sitting shows.
        reportFileError(this, saved.error());
        return;
    }
    session.setSavedDays(*saved);
}

void Tflashcardfrm::showhistorycbClick()
{
    const bool ticked = ui.showhistorycb->isChecked();
    ui.questiongb->setEnabled(!ticked);
    ui.hiscb->setVisible(ticked);
    if (ticked == session.historyShown())
        return;
    if (ticked) {
        session.showHistory();
        ui.hiscb->clear();
        const int32_t days = quorvex::countDays(selectedStudent());
        for (int32_t day = 1; day <= days; ++day)
            //: An item of the list of earlier days on the results tab. Room: about 65 px.
            ui.hiscb->addItem(tr("Day %1").arg(day));
        if (days > 0)
            ui.hiscb->setCurrentIndex(0);
        hisbtClick();
    } else {
        session.hideHistory();
        resltsbtClick();
    }
}

void Tflashcardfrm::hiscbChange()
{
    hisbtClick();
}

void Tflashcardfrm::hisbtClick()
{
    // Outside the view the log is the pupil's own, which a day must never replace.
    const int item = ui.hiscb->currentIndex();
    if (!session.historyShown() || item < 0)
        return;
    const quorvex::Bytes student = selectedStudent();
    const int32_t day = item + 1;
    if (!quorvex::dayExists(student, day))
        return;
    quorvex::Result<std::vector<quorvex::Treslts>> records = quorvex::loadDay(student, day);
    if (!records) {
        // The page keeps showing what it showed.
        reportFileError(this, records.error());
        return;
    }
    session.showDay(std::move(records).value());
    resltsbtClick();
}
