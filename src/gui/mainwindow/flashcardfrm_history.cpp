// Saving the answer log as a student's next day, the change of student, and the history view.
//
// Answers are filed under the student who gave them (the session's answers owner), whatever
// triggers the save.
// A save that fails (a full disk, or another computer holding the pupil's days longer than a
// save waits) is reported and keeps the answers unsaved, to be saved at the next occasion;
// while a day is displayed, a save writes the pupil's own log set aside for the view.

#include "core/classfolder/history.h"
#include "core/reports/fluency.h"
#include "gui/controls/controlhelpers.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/folderwait.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/phrases.h"

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
    const quorvex::Bytes owner = session.answersOwner();
    if (savePending) {
        userDialogs().reportError(this,
            tr("The class folder has not yet answered the last save of %1's answers. They are kept, to be saved "
               "once it has.")
                .arg(toQt(owner)));
        return;
    }
    const auto answers = session.ownAnswers().records();
    std::vector<quorvex::Treslts> records(answers.begin(), answers.end());
    const size_t count = records.size();
    // A save the user stopped waiting for may still land: the answers count as saved then,
    // unless more were given meanwhile, which the next save writes with them.
    const auto landedLate = [this, owner, count](const quorvex::Result<int32_t>& day) {
        savePending = false;
        if (day && session.unsaved() && session.answersOwner() == owner
            && session.ownAnswers().records().size() == count)
            session.markSaved(selectedStudent());
    };
    const std::optional<quorvex::Result<int32_t>> day = folderwait::runOffWindow<quorvex::Result<int32_t>>(
        this, { .text = tr("Saving %1's answers...").arg(toQt(owner)), .title = tr("Save") },
        [owner, records = std::move(records)] { return quorvex::saveNextDay(owner, records); }, landedLate);
    reportLockNotices(this);
    if (!day) {
        savePending = true;
        userDialogs().reportError(this,
            tr("%1's answers could not be saved: the class folder did not answer. They are kept, to be saved at "
               "the next occasion.")
                .arg(toQt(owner)));
        return;
    }
    if (!*day) {
        reportFileError(this, day->error());
        return;
    }
    session.markSaved(selectedStudent());
}

void Tflashcardfrm::namecbChange()
{
    setCaption(ui.tlb, shownTenths(0));
    setCaption(ui.ttimelb, tr("Total time: %1 s").arg(shownTenths(0)));
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
    const quorvex::Bytes owner = session.answersOwner();
    // Read late, they still serve the pupil they were read for.
    const auto readLate = [this, owner](const quorvex::Result<quorvex::FluencyReport>& saved) {
        if (saved && session.answersOwner() == owner)
            session.setSavedDays(*saved);
    };
    const std::optional<quorvex::Result<quorvex::FluencyReport>> read
        = folderwait::runOffWindow<quorvex::Result<quorvex::FluencyReport>>(
            this,
            { .text = tr("Reading %1\'s saved days...").arg(toQt(owner)), .title = windowTitle(), .stoppable = true },
            [owner] { return quorvex::readFluencyReport(owner); }, readLate);
    if (!read)
        return; // the drill goes on with what this sitting shows
    const quorvex::Result<quorvex::FluencyReport>& saved = *read;
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
    // The strip says why it is closed.
    ui.historynotelb->setVisible(ticked);
    ui.hiscb->setVisible(ticked);
    if (ticked == session.historyShown())
        return;
    if (ticked) {
        session.showHistory();
        ui.hiscb->clear();
        const quorvex::Bytes student = selectedStudent();
        const int32_t days = folderwait::runOffWindow<int32_t>(this,
            { .text = tr("Reading %1's saved days...").arg(toQt(student)), .title = windowTitle(), .stoppable = true },
            [student] {
                return quorvex::countDays(student);
            }).value_or(0);
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
    using Day = std::optional<quorvex::Result<std::vector<quorvex::Treslts>>>;
    std::optional<Day> read = folderwait::runOffWindow<Day>(this,
        { .text = tr("Reading %1\'s saved days...").arg(toQt(student)), .title = windowTitle(), .stoppable = true },
        [student, day]() -> Day {
            if (!quorvex::dayExists(student, day))
                return std::nullopt;
            return quorvex::loadDay(student, day);
        });
    if (!read || !*read)
        return;
    quorvex::Result<std::vector<quorvex::Treslts>> records = std::move(**read);
    if (!records) {
        // The page keeps showing what it showed.
        reportFileError(this, records.error());
        return;
    }
    session.showDay(std::move(records).value());
    resltsbtClick();
}
