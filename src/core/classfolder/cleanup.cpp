#include "core/classfolder/cleanup.h"

#include "core/classfolder/daysummary.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/password.h"
#include "core/classfolder/roster.h"
#include "core/classfolder/studentnames.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

namespace quorvex {

namespace {

DayFault fault(DayFault::Action action, const Bytes& student, int32_t day, int32_t newDay, int error)
{
    return { action, student, day, newDay, FileError::system(dayFileName(student, day), error) };
}

DayFault notStarted(const Bytes& student, FileError error)
{
    return { DayFault::Action::Start, student, 0, 0, std::move(error) };
}

// The most days a clean-up note may record: day numbers have at most five digits.
constexpr int32_t maxNotedDays = 99999;

// The note of a clean-up under way, written whole before the first day goes and replaced
// whole when the renumbering begins:
//   clean-up 2 / student <name> / days <D> / delete <K> / [erase] / size <day> <bytes> (one per
//   day 1..D) / [renumber / move <from> <to> ...] / end
// An erasure of the pupil deletes every day (K = D, which may be 0) and is never renumbered.
// The sizes let a step, and whoever finishes the clean-up, tell that a day is still the day
// the clean-up counted; the moves say which days were refused deletion and stay.
struct CleanupNote {
    Bytes student;
    int32_t dayCount = 0;
    int32_t deleteCount = 0;
    bool erase = false; // then everything else of the pupil goes too
    std::vector<long long> sizes; // of days 1..dayCount
    bool renumbering = false;
    std::vector<std::pair<int32_t, int32_t>> moves; // ascending, each to a lower number

    long long sizeOf(int32_t day) const { return sizes[static_cast<size_t>(day - 1)]; }
};

Bytes noteContents(const CleanupNote& note)
{
    Bytes text = "clean-up 2\nstudent " + note.student + "\ndays " + decimal(note.dayCount) + "\ndelete "
        + decimal(note.deleteCount) + "\n" + (note.erase ? "erase\n" : "");
    for (int32_t day = 1; day <= note.dayCount; ++day)
        text += "size " + decimal(day) + " " + decimal(note.sizeOf(day)) + "\n";
    if (note.renumbering) {
        text += "renumber\n";
        for (const auto& [from, to] : note.moves)
            text += "move " + decimal(from) + " " + decimal(to) + "\n";
    }
    return text + "end\n";
}

// A whole number of at most 18 digits, nothing else.
std::optional<long long> number(std::optional<BytesView> field)
{
    if (!field)
        return std::nullopt;
    const BytesView text = *field;
    if (text.empty() || text.size() > 18 || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// The note as written, or why it is none: every number bounded, every line in its place.
Result<CleanupNote> parseNote(const Bytes& noteName, BytesView text)
{
    const FileError garbled { .file = noteName, .why = Failure::NoteGarbled };
    std::vector<BytesView> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        if (end == BytesView::npos)
            return garbled; // cut short
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    size_t line = 0;
    auto take = [&](BytesView key) -> std::optional<BytesView> {
        if (line >= lines.size() || !lines[line].starts_with(key))
            return std::nullopt;
        return lines[line++].substr(key.size());
    };
    CleanupNote note;
    const std::optional<BytesView> version = take("clean-up 2");
    const std::optional<BytesView> student = take("student ");
    const auto days = number(take("days "));
    const auto deletes = number(take("delete "));
    const std::optional<BytesView> erase = take("erase");
    note.erase = erase && erase->empty();
    if (!version || !version->empty() || !student || !days || !deletes || *days > maxNotedDays
        || *deletes < (note.erase ? 0 : 1) || *deletes > *days || (erase && !note.erase)
        || (note.erase && *deletes != *days))
        return garbled;
    note.student = Bytes(*student);
    note.dayCount = static_cast<int32_t>(*days);
    note.deleteCount = static_cast<int32_t>(*deletes);
    for (int32_t day = 1; day <= note.dayCount; ++day) {
        const std::optional<BytesView> entry = take("size " + decimal(day) + " ");
        const std::optional<long long> size = number(entry);
        if (!size || *size > static_cast<long long>(maxDayFileSize))
            return garbled;
        note.sizes.push_back(*size);
    }
    if (!note.erase && take("renumber")) {
        note.renumbering = true;
        int32_t lastFrom = 0;
        int32_t lastTo = 0;
        while (const std::optional<BytesView> move = take("move ")) {
            const size_t blank = move->find(' ');
            const auto from = number(move->substr(0, blank));
            const auto to = blank == BytesView::npos ? std::nullopt : number(move->substr(blank + 1));
            if (!from || !to || *to < 1 || *to >= *from || *from > note.dayCount || *from <= lastFrom || *to <= lastTo)
                return garbled;
            lastFrom = static_cast<int32_t>(*from);
            lastTo = static_cast<int32_t>(*to);
            note.moves.emplace_back(lastFrom, lastTo);
        }
    }
    if (!take("end") || line != lines.size())
        return garbled;
    return note;
}

// The days that stay, in order, and the moves that number them from 1; the first move starts
// after a day that keeps its number.
std::vector<std::pair<int32_t, int32_t>> movesFor(const std::vector<int32_t>& kept, int32_t next)
{
    std::vector<std::pair<int32_t, int32_t>> moves;
    for (const int32_t day : kept) {
        if (day != next)
            moves.emplace_back(day, next);
        ++next;
    }
    return moves;
}

// The roster as it stands on disk; none when it cannot be read.
std::optional<std::vector<Bytes>> rosterOnDisk()
{
    const Result<Bytes> text = readFile(rosterFileName, maxSmallFileSize);
    if (!text)
        return std::nullopt;
    return parseRoster(*text);
}

// Another entry of the roster whose day files the student's could be: "Ann1" for "Ann" (Ann's
// day 11 is Ann1's day 1) and "Ann" for "Ann1".
std::optional<Bytes> sharingDayFiles(const Bytes& student)
{
    const std::optional<std::vector<Bytes>> roster = rosterOnDisk();
    if (!roster)
        return std::nullopt;
    const std::vector<Bytes> others = rosterEntriesSharingDayFiles(*roster, student);
    if (others.empty())
        return std::nullopt;
    return others.front();
}

bool onRoster(const Bytes& student)
{
    const std::optional<std::vector<Bytes>> roster = rosterOnDisk();
    if (!roster)
        return student == guestName;
    return std::ranges::find(*roster, student) != roster->end();
}

// The moves are made in order, each to a name that the deletions or the moves before it
// freed and that no later move frees again: those made are the ones whose new name is taken.
size_t firstPendingMove(const CleanupNote& note)
{
    size_t k = 0;
    while (k < note.moves.size()
        && fileSize(dayFileName(note.student, note.moves[k].second)) == note.sizeOf(note.moves[k].first))
        ++k;
    return k;
}

// The files the program keeps of the pupil besides the days and the roster: the summary of the
// days, the notes of clean-ups set aside, and the scratch files of writes of the pupil's days
// or summary.
bool isPupilsOwnFile(const Bytes& student, const Bytes& entry)
{
    if (entry == daySummaryName(student) || entry.starts_with(cleanupRecordName(student) + ".refused"))
        return true;
    Bytes target;
    if (!isScratchFileName(entry, &target))
        return false;
    if (target == daySummaryName(student))
        return true;
    if (!target.starts_with(student) || !target.ends_with(".txt"))
        return false;
    const BytesView number = BytesView(target).substr(student.size(), target.size() - student.size() - 4);
    return !number.empty() && std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; });
}

class Cleaner {
public:
    Cleaner(CleanupNote note, FolderLock& lock, DayFilesReport& report)
        : m_note(std::move(note))
        , m_lock(lock)
        , m_report(report)
        , m_noteName(cleanupRecordName(m_note.student))
    {
    }

    // Deletes days 1 to deleteCount that are still there, then renumbers what stays.
    void deleteAndRenumber()
    {
        std::vector<int32_t> kept;
        for (int32_t day = 1; day <= m_note.deleteCount; ++day) {
            m_lock.renew();
            const Bytes name = dayFileName(m_note.student, day);
            if (!nameTaken(name))
                continue; // deleted before an interruption
            const int error = m_lock.removeFile(name, m_note.sizeOf(day));
            if (error == 0) {
                ++m_report.deleted;
                continue;
            }
            m_report.faults.push_back(fault(DayFault::Action::Delete, m_note.student, day, 0, error));
            if (error == ENOLCK)
                return;
            // A day that could not go is still a day and keeps its place in the order; a
            // folder that took the name meanwhile is no day at all.
            if (fileExists(name))
                kept.push_back(day);
        }
        for (int32_t day = m_note.deleteCount + 1; day <= m_note.dayCount; ++day)
            kept.push_back(day);
        if (m_note.erase) {
            // A day that could not go keeps the note: the erasure is tried again.
            if (kept.empty())
                eraseTheRest();
            return;
        }
        m_note.renumbering = true;
        m_note.moves = movesFor(kept, 1);
        if (!m_note.moves.empty() && !writeNote())
            return;
        renumber();
    }

    // Carries out the moves from the k-th on, then the note goes.
    void renumber(size_t first = 0)
    {
        for (size_t k = first; k < m_note.moves.size(); ++k) {
            m_lock.renew();
            const auto [from, to] = m_note.moves[k];
            const int error = m_lock.moveFile(
                dayFileName(m_note.student, from), dayFileName(m_note.student, to), m_note.sizeOf(from));
            if (error == 0) {
                ++m_report.renumbered;
                continue;
            }
            if (error == ENOENT)
                continue; // gone meanwhile: the days after it close up
            m_report.faults.push_back(fault(DayFault::Action::Renumber, m_note.student, from, to, error));
            if (error == ENOLCK)
                return;
            // It keeps its number, and the days after it follow it, in their order.
            std::vector<int32_t> rest;
            for (size_t later = k + 1; later < m_note.moves.size(); ++later)
                rest.push_back(m_note.moves[later].first);
            m_note.moves.resize(k);
            for (const auto& move : movesFor(rest, from + 1))
                m_note.moves.push_back(move);
            if (!writeNote())
                return;
            --k;
        }
        if (const int error = m_lock.removeFile(m_noteName); error != 0 && error != ENOENT)
            m_report.faults.push_back(notStarted(m_note.student, FileError::system(m_noteName, error)));
    }

    bool renumbering() const { return m_note.renumbering; }

    // With every day gone: the roster's entries of the name, then every other file of the
    // pupil, then the note.
    void eraseTheRest()
    {
        const Bytes& student = m_note.student;
        if (const std::optional<std::vector<Bytes>> roster = rosterOnDisk()) {
            const auto entries = std::ranges::count(*roster, student);
            if (entries > 0 && student != guestName) {
                m_lock.renew();
                const Result<std::vector<Bytes>> written
                    = changeRoster({ {}, std::vector<Bytes>(static_cast<size_t>(entries), student), false, *roster });
                if (!written) {
                    m_report.faults.push_back(notStarted(student, written.error()));
                    return;
                }
            }
        }
        for (const Bytes& entry : workingFolderEntries()) {
            if (entry == m_noteName || !isPupilsOwnFile(student, entry))
                continue;
            m_lock.renew();
            if (const int error = removeName(entry); error != 0 && error != ENOENT) {
                m_report.faults.push_back(notStarted(student, FileError::system(entry, error)));
                return;
            }
        }
        if (const int error = m_lock.removeFile(m_noteName); error != 0 && error != ENOENT)
            m_report.faults.push_back(notStarted(student, FileError::system(m_noteName, error)));
        else
            m_report.erased = true;
    }

    bool writeNote()
    {
        Status written = m_lock.replaceFile(m_noteName, noteContents(m_note));
        if (!written)
            m_report.faults.push_back(notStarted(m_note.student, written.error()));
        return written.ok();
    }

private:
    CleanupNote m_note;
    FolderLock& m_lock;
    DayFilesReport& m_report;
    Bytes m_noteName;
};

// The first disagreement between a note and the days on disk, or nothing.
std::optional<FileError> disagreement(const Bytes& noteName, const CleanupNote& note)
{
    auto day = [&](int32_t number) { return dayFileName(note.student, number); };
    auto fault
        = [&](Failure why, int32_t number) { return FileError { .file = noteName, .why = why, .number = number }; };
    if (nameTaken(day(note.dayCount + 1)))
        return fault(Failure::NoteCountsFewerDays, note.dayCount);
    auto holds = [&](int32_t number, int32_t original) { return fileSize(day(number)) == note.sizeOf(original); };
    if (!note.renumbering) {
        for (int32_t number = 1; number <= note.dayCount; ++number) {
            if ((number > note.deleteCount || nameTaken(day(number))) && !holds(number, number))
                return fault(Failure::DayNotCounted, number);
        }
        return std::nullopt;
    }
    const size_t pending = firstPendingMove(note);
    for (size_t k = 0; k < note.moves.size(); ++k) {
        const auto [from, to] = note.moves[k];
        if (k < pending ? !holds(to, from) : !holds(from, from))
            return fault(Failure::DayNotFound, from);
    }
    return std::nullopt;
}

// Renames a note that is not acted on, so that it is looked at once and kept for the teacher.
DayFault setAside(const Bytes& student, const Bytes& noteName, FileError why)
{
    FileError refused { .file = noteName, .why = Failure::NoteNotCarriedOut, .cause = causedBy(std::move(why)) };
    for (int k = 1; k <= 100; ++k) {
        const Bytes aside = noteName + ".refused" + (k == 1 ? Bytes() : "." + decimal(k));
        if (renameWithoutReplacing(noteName, aside) == 0) {
            refused.text = aside;
            break;
        }
    }
    return notStarted(student, std::move(refused));
}

DayFilesReport carryOutLocked(const Bytes& student, int32_t dayCount, int32_t deleteCount, FolderLock& lock)
{
    DayFilesReport report;
    if (deleteCount < 1)
        return report;
    if (const std::optional<Bytes> other = sharingDayFiles(student)) {
        if (deleteCount < dayCount) {
            // Renumbering would move files that may be the other's days.
            report.faults.push_back(notStarted(student,
                { .file = dayFileName(student, dayCount), .why = Failure::RosterHoldsSharer, .text = *other }));
            return report;
        }
        // Deleting every day: those that may be another's stay.
        const std::vector<Bytes> roster = rosterOnDisk().value_or(std::vector<Bytes> {});
        for (int32_t day = 1; day <= dayCount; ++day) {
            lock.renew();
            if (dayFileCouldBelongToAnother(roster, student, day)) {
                report.faults.push_back({ DayFault::Action::Delete, student, day, 0,
                    { .file = dayFileName(student, day), .why = Failure::MayBeSharersDay, .text = *other } });
            } else if (const int error = lock.removeFile(dayFileName(student, day))) {
                report.faults.push_back(fault(DayFault::Action::Delete, student, day, 0, error));
            } else {
                ++report.deleted;
            }
        }
        return report;
    }
    CleanupNote note { student, dayCount, deleteCount, false, {}, false, {} };
    for (int32_t day = 1; day <= dayCount; ++day)
        note.sizes.push_back(fileSize(dayFileName(student, day)));
    Cleaner cleaner(std::move(note), lock, report);
    if (cleaner.writeNote())
        cleaner.deleteAndRenumber();
    return report;
}

Result<FolderLock> lockStudent(const Bytes& student, std::chrono::milliseconds wait, DayFilesReport& report)
{
    Result<FolderLock> lock = FolderLock::take(studentLockName(student), wait);
    if (!lock)
        report.faults.push_back(notStarted(student, lock.error()));
    return lock;
}

// Who must not be writing a file for its scratch file to go.
Bytes lockOfFile(const Bytes& file)
{
    if (file == rosterFileName || file == passwordFileName)
        return rosterLockName;
    Bytes student = file.ends_with(".txt") ? file.substr(0, file.size() - 4) : file;
    while (!student.empty() && student.back() >= '0' && student.back() <= '9')
        student.pop_back();
    return studentLockName(student);
}

} // namespace

void DayFilesReport::add(DayFilesReport other)
{
    deleted += other.deleted;
    renumbered += other.renumbered;
    erased = erased || other.erased;
    faults.insert(
        faults.end(), std::make_move_iterator(other.faults.begin()), std::make_move_iterator(other.faults.end()));
}

namespace {

long long secondsNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The days of the student a clean-up of the mode deletes, of dayCount.
int32_t daysToDelete(const Bytes& student, int32_t dayCount, CleanupMode mode, int32_t count, long long now)
{
    count = std::max(count, 0);
    switch (mode) {
    case CleanupMode::KeepLast:
        return std::max(dayCount - count, 0);
    case CleanupMode::DeleteFirst:
        return std::min(count, dayCount);
    case CleanupMode::OlderThanMonths:
        return daysWrittenBefore(student, dayCount, monthsBefore(now, count));
    }
    return 0;
}

} // namespace

long long monthsBefore(long long now, int32_t count)
{
    using namespace std::chrono;
    const sys_seconds moment { seconds(now) };
    const sys_days day = floor<days>(moment);
    const year_month_day date(day);
    year_month_day back = date - months(count);
    if (!back.ok())
        back = year_month_day_last(back.year(), month_day_last(back.month()));
    return (sys_days(back) + (moment - day)).time_since_epoch().count();
}

int32_t daysWrittenBefore(const Bytes& student, int32_t dayCount, long long moment)
{
    int32_t day = 0;
    while (day < dayCount) {
        const std::optional<FileStamp> stamp = fileStamp(dayFileName(student, day + 1));
        if (!stamp || stamp->modified >= moment * 1000000000LL)
            break;
        ++day;
    }
    return day;
}

CleanupPlan planCleanup(const Bytes& student, CleanupMode mode, int32_t count)
{
    const int32_t days = countDays(student);
    return { student, days, daysToDelete(student, days, mode, count, secondsNow()) };
}

DayFilesReport carryOut(const CleanupPlan& plan)
{
    DayFilesReport report;
    if (plan.deleteCount < 1)
        return report;
    Result<FolderLock> lock = lockStudent(plan.student, lockWait, report);
    if (!lock)
        return report;
    FolderLock held = std::move(lock).value();
    report.add(settleStudentLocked(plan.student, held));
    report.add(carryOutLocked(plan.student, plan.dayCount, plan.deleteCount, held));
    return report;
}

DayFilesReport cleanUp(const std::vector<Bytes>& students, CleanupMode mode, int32_t count)
{
    return cleanUp(students, mode, count, secondsNow());
}

DayFilesReport cleanUp(const std::vector<Bytes>& students, CleanupMode mode, int32_t count, long long now)
{
    DayFilesReport report;
    std::vector<Bytes> done;
    for (const Bytes& student : students) {
        if (std::ranges::find(done, student) != done.end())
            continue;
        done.push_back(student);
        // Counted under the lock, so no save slips in between counting and deleting.
        Result<FolderLock> lock = lockStudent(student, lockWait, report);
        if (!lock)
            continue;
        FolderLock held = std::move(lock).value();
        report.add(settleStudentLocked(student, held));
        const int32_t days = countDayFiles(student);
        report.add(carryOutLocked(student, days, daysToDelete(student, days, mode, count, now), held));
    }
    return report;
}

DayFilesReport deleteAllDays(const Bytes& student)
{
    return cleanUp({ student }, CleanupMode::KeepLast, 0);
}

DayFilesReport erasePupil(const Bytes& student)
{
    DayFilesReport report;
    Result<FolderLock> lock = lockStudent(student, lockWait, report);
    if (!lock)
        return report;
    FolderLock held = std::move(lock).value();
    report.add(settleStudentLocked(student, held));
    if (!report.faults.empty())
        return report;
    if (const std::optional<Bytes> other = sharingDayFiles(student)) {
        report.faults.push_back(notStarted(
            student, { .file = dayFileName(student, 1), .why = Failure::RosterHoldsSharer, .text = *other }));
        return report;
    }
    const int32_t days = countDayFiles(student);
    CleanupNote note { student, days, days, true, {}, false, {} };
    for (int32_t day = 1; day <= days; ++day)
        note.sizes.push_back(fileSize(dayFileName(student, day)));
    Cleaner cleaner(std::move(note), held, report);
    if (cleaner.writeNote())
        cleaner.deleteAndRenumber();
    return report;
}

Bytes cleanupRecordName(const Bytes& student)
{
    return ".~" + student + ".cleanup";
}

DayFilesReport settleStudentLocked(const Bytes& student, FolderLock& lock)
{
    const Bytes noteName = cleanupRecordName(student);
    if (!nameTaken(noteName))
        return {};
    DayFilesReport report;
    // Checked whole before anything is done: a note that does not name this student, of a
    // student not on the roster or sharing day files with another, or that disagrees with the
    // days on disk, is kept aside rather than acted on.
    Result<CleanupNote> note = [&]() -> Result<CleanupNote> {
        const Result<Bytes> text = readFile(noteName, maxSmallFileSize);
        if (!text)
            return text.error();
        return parseNote(noteName, *text);
    }();
    std::optional<FileError> why;
    if (!note)
        why = note.error();
    else if (note->student != student)
        why = FileError { .file = noteName, .why = Failure::NoteNamesAnother };
    else if (!note->erase && !onRoster(student))
        why = FileError { .file = noteName, .why = Failure::NotOnRoster, .text = student };
    else if (const std::optional<Bytes> other = sharingDayFiles(student))
        why = FileError { .file = noteName, .why = Failure::RosterHoldsSharer, .text = *other };
    else
        why = disagreement(noteName, *note);
    if (why) {
        report.faults.push_back(setAside(student, noteName, std::move(*why)));
        return report;
    }
    const size_t pending = note->renumbering ? firstPendingMove(*note) : 0;
    Cleaner cleaner(std::move(note).value(), lock, report);
    if (cleaner.renumbering())
        cleaner.renumber(pending);
    else
        cleaner.deleteAndRenumber();
    return report;
}

DayFilesReport settleStudent(const Bytes& student, std::chrono::milliseconds wait)
{
    DayFilesReport report;
    Result<FolderLock> lock = lockStudent(student, wait, report);
    if (!lock)
        return report;
    FolderLock held = std::move(lock).value();
    return settleStudentLocked(student, held);
}

DayFilesReport settleClassFolder()
{
    DayFilesReport report;
    for (const Bytes& entry : workingFolderEntries()) {
        if (!entry.starts_with(".~"))
            continue;
        if (entry.size() > 10 && entry.ends_with(".cleanup")) {
            // A clean-up running on another computer holds the lock: it finishes by itself.
            DayFilesReport settled = settleStudent(entry.substr(2, entry.size() - 10), std::chrono::milliseconds(0));
            std::erase_if(settled.faults, [](const DayFault& f) {
                return f.action == DayFault::Action::Start && f.error.file.starts_with(".~")
                    && f.error.file.ends_with(".lock");
            });
            report.add(std::move(settled));
            continue;
        }
        Bytes target;
        if (!isScratchFileName(entry, &target))
            continue;
        if (Result<FolderLock> lock = FolderLock::take(lockOfFile(target), std::chrono::milliseconds(0)))
            (void)removeName(entry);
    }
    return report;
}

} // namespace quorvex
