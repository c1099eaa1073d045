#include "cleanup.h"

#include "fileio.h"
#include "history.h"
#include "password.h"
#include "roster.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace quorvex {

namespace {

DayFault fault(DayFault::Action action, const Bytes& student, int32_t day, int32_t newDay, int error)
{
    return { action, student, day, newDay, { dayFileName(student, day), std::strerror(error), error } };
}

DayFault notStarted(const Bytes& student, FileError error)
{
    return { DayFault::Action::Start, student, 0, 0, std::move(error) };
}

// Renews the lock now and then during long work.
void keepLock(FolderLock& lock, int32_t& steps)
{
    if (++steps % 256 == 0)
        lock.renew();
}

// The days as they stood when the clean-up began, and how many of the first go. Written
// whole and flushed before the first day goes; a record cut short was written by a clean-up
// that had not begun, and counts as none.
struct CleanupRecord {
    int32_t dayCount = 0;
    int32_t deleteCount = 0;
};

Bytes recordContents(const CleanupPlan& plan)
{
    return "clean-up\n" + decimal(plan.dayCount) + "\n" + decimal(plan.deleteCount) + "\nend\n";
}

std::optional<CleanupRecord> readRecord(const Bytes& student)
{
    const Result<Bytes> contents = readFile(cleanupRecordName(student), 4096);
    if (!contents)
        return std::nullopt;
    int32_t dayCount = 0;
    int32_t deleteCount = 0;
    char end[4] = {};
    if (std::sscanf(contents->c_str(), "clean-up\n%d\n%d\n%3s", &dayCount, &deleteCount, end) != 3
        || Bytes(end) != "end" || deleteCount < 1 || deleteCount > dayCount)
        return std::nullopt;
    return CleanupRecord { dayCount, deleteCount };
}

// Deletes days 1 to deleteCount in ascending order; returns the days that stay, in order.
std::vector<int32_t> deleteFirstDays(const CleanupPlan& plan, DayFilesReport& report, FolderLock& lock, int32_t& steps)
{
    std::vector<int32_t> kept;
    for (int32_t day = 1; day <= plan.deleteCount; ++day) {
        keepLock(lock, steps);
        const Bytes name = dayFileName(plan.student, day);
        if (const int error = removeName(name); error == 0) {
            ++report.deleted;
        } else if (error != ENOENT) {
            report.faults.push_back(fault(DayFault::Action::Delete, plan.student, day, 0, error));
            // A day that could not go is still a day and keeps its place in the order; a
            // folder that took the name meanwhile is no day at all.
            if (fileExists(name))
                kept.push_back(day);
        }
    }
    return kept;
}

// Renumbers the kept days from next on, in ascending order, so no rename meets an occupied
// name unless something took it in the meantime.
void renumber(const Bytes& student, const std::vector<int32_t>& kept, int32_t next, DayFilesReport& report,
    FolderLock& lock, int32_t& steps)
{
    for (const int32_t day : kept) {
        keepLock(lock, steps);
        if (day == next) {
            ++next;
        } else if (const int error = renameWithoutReplacing(dayFileName(student, day), dayFileName(student, next))) {
            if (error == ENOENT)
                continue; // gone meanwhile: the days after it close up
            report.faults.push_back(fault(DayFault::Action::Renumber, student, day, next, error));
            // It stays where it is, and the days after it follow it, in their order.
            next = day + 1;
        } else {
            ++report.renumbered;
            ++next;
        }
    }
}

std::vector<int32_t> range(int32_t from, int32_t to)
{
    std::vector<int32_t> days;
    for (int32_t day = from; day <= to; ++day)
        days.push_back(day);
    return days;
}

DayFilesReport carryOutLocked(const CleanupPlan& plan, FolderLock& lock)
{
    DayFilesReport report;
    if (plan.deleteCount < 1)
        return report;
    const Bytes record = cleanupRecordName(plan.student);
    if (Status written = writeRecordFile(record, recordContents(plan)); !written) {
        report.faults.push_back(notStarted(plan.student, written.error()));
        return report;
    }
    int32_t steps = 0;
    std::vector<int32_t> kept = deleteFirstDays(plan, report, lock, steps);
    for (int32_t day = plan.deleteCount + 1; day <= plan.dayCount; ++day)
        kept.push_back(day);
    renumber(plan.student, kept, 1, report, lock, steps);
    (void)removeName(record);
    return report;
}

// Brings the days to where the recorded clean-up was taking them. While the first days are
// deleted (ascending), day 1 is missing; while the rest are renumbered, days 1 to m are the
// renumbered ones and a gap of deleteCount days follows; before anything was done all
// dayCount days are there.
DayFilesReport finish(const Bytes& student, const CleanupRecord& done, FolderLock& lock)
{
    const CleanupPlan plan { student, done.dayCount, done.deleteCount };
    if (dayExists(student, 1)) {
        const int32_t moved = countDayFiles(student);
        if (moved >= done.dayCount)
            return carryOutLocked(plan, lock);
        DayFilesReport report;
        int32_t steps = 0;
        renumber(student, range(done.deleteCount + moved + 1, done.dayCount), moved + 1, report, lock, steps);
        return report;
    }
    DayFilesReport report;
    int32_t steps = 0;
    std::vector<int32_t> kept = deleteFirstDays(plan, report, lock, steps);
    for (int32_t day = plan.deleteCount + 1; day <= plan.dayCount; ++day)
        kept.push_back(day);
    renumber(student, kept, 1, report, lock, steps);
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
    faults.insert(
        faults.end(), std::make_move_iterator(other.faults.begin()), std::make_move_iterator(other.faults.end()));
}

CleanupPlan planCleanup(const Bytes& student, CleanupMode mode, int32_t count)
{
    const int32_t days = countDays(student);
    count = std::max(count, 0);
    const int32_t deleteCount = mode == CleanupMode::KeepLast ? std::max(days - count, 0) : std::min(count, days);
    return { student, days, deleteCount };
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
    report.add(carryOutLocked(plan, held));
    return report;
}

DayFilesReport cleanUp(const std::vector<Bytes>& students, CleanupMode mode, int32_t count)
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
        const int32_t wanted = std::max(count, 0);
        const int32_t deleteCount = mode == CleanupMode::KeepLast ? std::max(days - wanted, 0) : std::min(wanted, days);
        report.add(carryOutLocked({ student, days, deleteCount }, held));
    }
    return report;
}

DayFilesReport deleteAllDays(const Bytes& student)
{
    return cleanUp({ student }, CleanupMode::KeepLast, 0);
}

Bytes cleanupRecordName(const Bytes& student)
{
    return ".~" + student + ".cleanup";
}

DayFilesReport settleStudentLocked(const Bytes& student, FolderLock& lock)
{
    const Bytes record = cleanupRecordName(student);
    if (!nameTaken(record))
        return {};
    DayFilesReport report;
    if (const std::optional<CleanupRecord> done = readRecord(student))
        report = finish(student, *done, lock);
    (void)removeName(record);
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
            std::erase_if(settled.faults, [](const DayFault& f) { return f.action == DayFault::Action::Start; });
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

Bytes dayFaultMessage(const DayFault& fault)
{
    if (fault.action == DayFault::Action::Start)
        return fault.student + "'s days were left as they are: " + fault.error.reason;
    const Bytes whose = fault.student + "'s day " + decimal(fault.day);
    if (fault.action == DayFault::Action::Delete)
        return "Could not delete " + whose + ": " + fault.error.reason;
    return "Could not renumber " + whose + " as day " + decimal(fault.newDay) + ": " + fault.error.reason;
}

} // namespace quorvex
