// Saving the answer log as a student's next day, the change of student, and the history view.
//
// Answers are filed under the student who gave them (answersOwner), whatever triggers the save.
// A save that fails (a full disk, or another computer holding the pupil's days longer than a
// save waits) is reported and keeps the answers unsaved, to be saved at the next occasion; while a day is displayed, a
// save writes the pupil's own log set aside for the view.

#include "controlhelpers.h"
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
#include <QTimer>

void Tflashcardfrm::wireHistory()
{
    connect(ui.SaveData1, &QAction::triggered, this, &Tflashcardfrm::SaveData1Click);
    connect(ui.namecb, &QComboBox::activated, this, &Tflashcardfrm::namecbChange);
    // Every change of the selected name, by the pupil or from code (a teacher panel also
    // renames entries in place); a pupil's pick also runs namecbChange afterwards.
    connect(ui.namecb, &QComboBox::currentTextChanged, this, [this] {
        if (unsavedAnswers == 0)
            answersOwner = selectedStudent();
    });
    connect(ui.showhistorycb, &QCheckBox::toggled, this, &Tflashcardfrm::showhistorycbClick);
    connect(ui.hiscb, &QComboBox::activated, this, &Tflashcardfrm::hiscbChange);
    connect(ui.hisbt, &QPushButton::clicked, this, &Tflashcardfrm::hisbtClick);
}

quorvex::Bytes Tflashcardfrm::selectedStudent() const
{
    // The names came from the 8-bit roster, so they convert back unchanged.
    return toBytesLossy(ui.namecb->currentText());
}

const quorvex::AnswerLog& Tflashcardfrm::ownAnswers() const
{
    return historyShown ? savedAnswerLog : answerLog;
}

quorvex::AnswerLog& Tflashcardfrm::ownAnswers()
{
    return historyShown ? savedAnswerLog : answerLog;
}

void Tflashcardfrm::SaveData1Click()
{
    const quorvex::Result<int32_t> day = quorvex::saveNextDay(answersOwner, ownAnswers().records());
    reportLockNotices(this);
    if (!day) {
        reportFileError(this, day.error());
        return;
    }
    unsavedAnswers = 0;
    answersOwner = selectedStudent();
}

void Tflashcardfrm::namecbChange()
{
    setCaption(ui.tlb, QStringLiteral("0.0"));
    setCaption(ui.ttimelb, QStringLiteral("Total time: 0.0 s"));
    if (unsavedAnswers != 0) {
        SaveData1Click();
        if (unsavedAnswers != 0) {
            // The answers stay with the student who gave them and so does the selection,
            // so that no one else's answers join them before the next try.
            const int owner = ui.namecb->findText(toQt(answersOwner), Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (owner >= 0)
                ui.namecb->setCurrentIndex(owner);
            return;
        }
    }
    ui.ctr->stop();
    elapsedTenths = 0;
    ui.checkbt->setEnabled(false);
    ui.Questionbt->setText(QStringLiteral("&Start"));
    ui.Questionbt->setEnabled(true);
    // The new student starts with an empty log, also when it is set aside for the view.
    ownAnswers().setAskedCount(0);
    answerLog.setAskedCount(0);
    correctCount = 0;
    answersOwner = selectedStudent();
    resltsbtClick();
}

void Tflashcardfrm::showhistorycbClick()
{
    const bool ticked = ui.showhistorycb->isChecked();
    ui.questiongb->setEnabled(!ticked);
    ui.hiscb->setVisible(ticked);
    if (ticked == historyShown)
        return;
    if (ticked) {
        savedAnswerLog = answerLog;
        historyShown = true;
        ui.hiscb->clear();
        const int32_t days = quorvex::countDays(selectedStudent());
        for (int32_t day = 1; day <= days; ++day)
            ui.hiscb->addItem(QStringLiteral("Day %1").arg(day));
        if (days > 0)
            ui.hiscb->setCurrentIndex(0);
        hisbtClick();
    } else {
        answerLog = savedAnswerLog;
        historyShown = false;
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
    if (!historyShown || item < 0)
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
    answerLog.setAskedCount(0);
    for (quorvex::Treslts& record : std::move(records).value())
        answerLog.append(std::move(record));
    resltsbtClick();
}
