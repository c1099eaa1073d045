// Adding and deleting students. The roster is the item list of namecb, "Guest" first. Both
// panels change studnames.txt as it stands on disk (another computer may have changed it
// since), replacing it in one step, and then show the merged list.

#include "core/classfolder/cleanup.h"
#include "core/classfolder/roster.h"
#include "core/classfolder/studentnames.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/settings.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/folderwait.h"
#include "gui/windows/userdialogs.h"
#include "gui/wording/faultwords.h"
#include "gui/wording/phrases.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

std::vector<quorvex::Bytes> entriesOf(const QComboBox* list)
{
    std::vector<quorvex::Bytes> entries;
    entries.reserve(static_cast<size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        entries.push_back(toBytesLossy(list->itemText(i)));
    return entries;
}

void setEntries(QComboBox* list, const std::vector<quorvex::Bytes>& entries)
{
    list->clear();
    for (const quorvex::Bytes& entry : entries)
        list->addItem(toQt(entry));
}

namespace {

// Shows the roster as written, keeping the built-in first entry's caption and the current
// student (the same occurrence of the same name) where they are.
void showWrittenRoster(QComboBox* list, const std::vector<quorvex::Bytes>& roster)
{
    const int current = list->currentIndex();
    const QString currentName = current >= 0 ? list->itemText(current) : QString();
    int occurrence = 0;
    for (int p = 1; p < current; ++p)
        occurrence += list->itemText(p) == currentName ? 1 : 0;
    const int shown = static_cast<int>(roster.size());
    const int first = list->count() > 0 ? 1 : 0;
    while (list->count() < shown)
        list->addItem(QString());
    for (int p = first; p < shown; ++p)
        list->setItemText(p, toQt(roster[static_cast<size_t>(p)]));
    int found = 0;
    for (int p = 1; p < shown && current > 0; ++p) {
        if (list->itemText(p) == currentName && occurrence-- == 0) {
            found = p;
            break;
        }
    }
    if (current >= 0)
        list->setCurrentIndex(found);
    while (list->count() > shown)
        list->removeItem(list->count() - 1);
}

// Why the name cannot join the roster the list shows; sharing is set to the entry whose day
// files it would share.
quorvex::NameProblem problemJoining(
    const QComboBox* list, const std::optional<quorvex::Bytes>& name, quorvex::Bytes& sharing)
{
    if (!name)
        return quorvex::NameProblem::NotInCharacterSet;
    if (const quorvex::NameProblem problem = quorvex::checkStudentName(*name); problem != quorvex::NameProblem::None)
        return problem;
    if (const std::optional<quorvex::Bytes> same = quorvex::rosterEntryNamed(entriesOf(list), *name)) {
        sharing = *same;
        return quorvex::NameProblem::OnRosterAlready;
    }
    const std::optional<quorvex::Bytes> other = quorvex::rosterNameSharingDayFiles(entriesOf(list), *name);
    if (!other)
        return quorvex::NameProblem::None;
    sharing = *other;
    return quorvex::NameProblem::SharesDayFiles;
}

} // namespace

int Tflashcardfrm::pickedPosition(const QComboBox* list)
{
    const int index = list->currentIndex();
    if (index < 0 || (list->isEditable() && list->currentText() != list->itemText(index)))
        return -1;
    return index;
}

void Tflashcardfrm::wireRoster()
{
    connect(ui.AddaStudent1, &QAction::triggered, this, &Tflashcardfrm::AddaStudent1Click);
    connect(ui.nstudeb, &QLineEdit::textChanged, this, &Tflashcardfrm::nstudebChange);
    connect(ui.asbt, &QPushButton::clicked, this, &Tflashcardfrm::asbtClick);
    connect(ui.addonebt, &QPushButton::clicked, this, &Tflashcardfrm::addonebtClick);
    connect(ui.Deleteastudent1, &QAction::triggered, this, &Tflashcardfrm::Deleteastudent1Click);
    connect(ui.deletebt, &QPushButton::clicked, this, &Tflashcardfrm::deletebtClick);
    connect(ui.ddbt, &QPushButton::clicked, this, &Tflashcardfrm::ddbtClick);
    connect(ui.Button1, &QPushButton::clicked, this, &Tflashcardfrm::Button1Click);
    ui.nstudeb->installEventFilter(this);
    // Text typed into the list picks nothing and never becomes an entry of its own.
    ui.deletecb->setInsertPolicy(QComboBox::NoInsert);
}

void Tflashcardfrm::AddaStudent1Click()
{
    if (followPasswordSetElsewhere())
        return;
    ui.nstudgb->setVisible(!ui.nstudgb->isVisible());
    if (ui.nstudgb->isVisible())
        ui.nstudeb->setFocus();
}

bool Tflashcardfrm::nstudebKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        asbtClick();
        return false;
    }
    if (event->text().isEmpty())
        return false;
    ui.addedlb->hide();
    ui.nameproblemlb->hide();
    if (event->text() == QStringLiteral(" ")) {
        // Only the typed key is replaced, so a pasted blank stays a blank.
        ui.nstudeb->insert(QString(QLatin1Char(quorvex::typedNameCharacter(' '))));
        return true;
    }
    return false;
}

void Tflashcardfrm::nstudebChange()
{
    const QString text = ui.nstudeb->text();
    if (text.size() == 1) {
        if (const auto bytes = toBytes(text)) {
            const QString capital = toQt(quorvex::capitalisedSoleCharacter(*bytes));
            if (capital != text)
                ui.nstudeb->setText(capital);
        }
    }
    ui.nstudeb->setCursorPosition(static_cast<int>(ui.nstudeb->text().size()));
}

void Tflashcardfrm::asbtClick()
{
    const QString typed = ui.nstudeb->text();
    if (typed.isEmpty())
        return;
    const std::optional<quorvex::Bytes> name = toBytes(typed);
    quorvex::Bytes sharing;
    const quorvex::NameProblem problem = problemJoining(ui.namecb, name, sharing);
    if (problem != quorvex::NameProblem::None || rosterUnreadable) {
        // With no roster loaded there is nothing to add to, and writing would replace the
        // teacher's unreadable file by a shorter list.
        //: Shown in red in place of the notes of the Add a Student panel. Room: 281 px.
        refuseName(rosterUnreadable ? tr("The student list was not read") : nameProblemText(problem, sharing));
        return;
    }

    // What "Student was added!" announces is on file already.
    if (!writeRosterAsAdded({ *name }))
        return;

    ui.nstudeb->clear();
    ui.nameproblemlb->hide();
    ui.addedlb->show();
    ui.nstudeb->setFocus();
}

void Tflashcardfrm::refuseName(const QString& why)
{
    ui.nameproblemlb->setText(why);
    ui.addedlb->hide();
    ui.nameproblemlb->show();
    ui.nstudeb->setFocus();
}

void Tflashcardfrm::reportSharedDayFiles(const std::vector<quorvex::Bytes>& roster)
{
    // Rosters written by earlier versions were never checked: they still load, and the
    // teacher hears once why such pupils' histories look mixed: once on each computer for each
    // class folder, and again only when the pairs change.
    QStringList overlaps;
    QStringList pairs; // in any order and capitals: the list rewritten by an Add is the same news
    const auto pair = [&pairs](const quorvex::Bytes& one, const quorvex::Bytes& other) {
        QStringList names { toQt(one).toLower(), toQt(other).toLower() };
        names.sort();
        pairs << names.join(QLatin1Char('/'));
    };
    for (const quorvex::DayFileOverlap& overlap : quorvex::rosterDayFileOverlaps(roster)) {
        overlaps << dayFileOverlapText(overlap);
        pair(overlap.student, overlap.other);
    }
    for (const auto& [first, second] : quorvex::rosterNamesDifferingInCase(roster)) {
        overlaps << rosterTwinsText(first, second);
        pair(first, second);
    }
    pairs.sort();
    QSettings settings = programSettings();
    const QString key = QStringLiteral("classFolder/overlapsTold");
    QVariantMap told = settings.value(key).toMap();
    const QString folder = QDir::currentPath();
    const QString heard = pairs.join(QLatin1Char(' '));
    if (told.value(folder).toString() == heard)
        return;
    if (!overlaps.isEmpty())
        userDialogs().reportError(this, overlaps.join(QLatin1Char('\n')));
    if (pairs.isEmpty())
        told.remove(folder);
    else
        told.insert(folder, heard);
    settings.setValue(key, told);
}

bool Tflashcardfrm::writeRosterAsAdded(std::vector<quorvex::Bytes> added)
{
    // The Add panel always files the built-in entry as "Guest".
    using Written = quorvex::Result<std::vector<quorvex::Bytes>>;
    // A change the teacher stopped waiting for shows once it is written.
    const auto late = [this](const Written& written) {
        if (written)
            showWrittenRoster(ui.namecb, *written);
    };
    std::optional<Written> written = folderwait::runOffWindow<Written>(
        this, { .text = tr("Writing the list of names..."), .title = windowTitle() },
        [change = quorvex::RosterChange { std::move(added), {}, true, entriesOf(ui.namecb) }] {
            return quorvex::changeRoster(change);
        },
        late);
    reportLockNotices(this);
    if (!written)
        return false;
    if (!*written) {
        reportFileError(this, written->error());
        return false;
    }
    showWrittenRoster(ui.namecb, **written);
    return true;
}

void Tflashcardfrm::addonebtClick()
{
    if (!rosterUnreadable && !writeRosterAsAdded({}))
        return;
    const QString typed = ui.nstudeb->text();
    for (int p = 1; p < ui.namecb->count(); ++p) {
        if (ui.namecb->itemText(p) == typed)
            ui.namecb->setCurrentIndex(p);
    }
    ui.nstudgb->hide();
}

void Tflashcardfrm::Deleteastudent1Click()
{
    if (followPasswordSetElsewhere())
        return;
    ui.deletecb->clear();
    for (int i = 0; i < ui.namecb->count(); ++i)
        ui.deletecb->addItem(ui.namecb->itemText(i));
    ui.deletecb->setCurrentIndex(ui.deletecb->count() > 1 ? 1 : -1);
    deletedStudents.clear();
    ui.deletegb->show();
    ui.namecb->setEnabled(false);
    // Escape, like the keys of the panel, works at once.
    ui.deletecb->setFocus();
}

void Tflashcardfrm::deletebtClick()
{
    const int picked = pickedPosition(ui.deletecb);
    if (picked <= 0)
        return;
    // The days go only when the teacher confirms with Done.
    deletedStudents.push_back(toBytesLossy(ui.deletecb->itemText(picked)));
    ui.deletecb->removeItem(picked);
    ui.deletecb->setCurrentIndex(0);
}

void Tflashcardfrm::ddbtClick()
{
    // Names added meanwhile, here or on another computer, stay: only the students deleted
    // here go.
    struct Deletion {
        std::optional<quorvex::FileError> error;
        std::vector<quorvex::Bytes> roster;
        std::vector<quorvex::DayFault> faults;
    };
    const auto deleteStudents
        = [unreadable = rosterUnreadable, deleted = deletedStudents, shown = entriesOf(ui.namecb)] {
              Deletion done;
              if (unreadable) {
                  done.roster = quorvex::withoutDeletedStudents(shown, deleted);
              } else {
                  auto written = quorvex::changeRoster({ {}, deleted, false, shown });
                  if (!written) {
                      done.error = written.error();
                      return done;
                  }
                  done.roster = std::move(written).value();
              }
              for (const quorvex::Bytes& student : quorvex::namesNoLongerOnRoster(done.roster, deleted))
                  for (const quorvex::DayFault& fault : quorvex::deleteAllDays(student).faults)
                      done.faults.push_back(fault);
              return done;
          };
    // What a deletion the teacher stopped waiting for did is shown when it ends.
    const auto finish = [this](const Deletion& done) {
        reportLockNotices(this);
        if (done.error) {
            reportFileError(this, *done.error);
            return;
        }
        deletedStudents.clear();
        setEntries(ui.namecb, done.roster);
        ui.deletegb->hide();
        ui.namecb->setEnabled(true);
        ui.namecb->setCurrentIndex(0);
        QStringList refused;
        for (const quorvex::DayFault& fault : done.faults)
            refused << dayFaultText(fault);
        if (!refused.isEmpty())
            userDialogs().reportError(this, refused.join(QLatin1Char('\n')));
    };
    const std::optional<Deletion> done = folderwait::runOffWindow<Deletion>(this,
        { .text = tr("Deleting the students and their days..."), .title = windowTitle() }, deleteStudents, finish);
    if (done)
        finish(*done);
}

void Tflashcardfrm::Button1Click()
{
    deletedStudents.clear();
    ui.deletegb->hide();
    ui.namecb->setEnabled(true);
}
