#include "cleanup.h"

#include "fileio.h"
#include "history.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvex {

namespace {

// A rename that never replaces what stands under the new name: a day left behind by a
// refused deletion must not be overwritten by a later day.
int renameWithoutReplacing(const Bytes& from, const Bytes& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system that cannot promise it: look first.
    struct stat info { };
    if (::lstat(to.c_str(), &info) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

DayFault fault(DayFault::Action action, const Bytes& student, int32_t day, int32_t newDay, int error)
{
    return { action, student, day, newDay, { dayFileName(student, day), std::strerror(error) } };
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

    std::vector<int32_t> kept;
    for (int32_t day = 1; day <= plan.deleteCount; ++day) {
        const Bytes name = dayFileName(plan.student, day);
        if (::unlink(name.c_str()) == 0) {
            ++report.deleted;
        } else if (const int error = errno; error != ENOENT) {
            report.faults.push_back(fault(DayFault::Action::Delete, plan.student, day, 0, error));
            // A day that could not go is still a day and keeps its place in the order; a
            // folder that took the name meanwhile is no day at all.
            if (fileExists(name))
                kept.push_back(day);
        }
    }
    for (int32_t day = plan.deleteCount + 1; day <= plan.dayCount; ++day)
        kept.push_back(day);

    int32_t next = 1;
    for (const int32_t day : kept) {
        if (day == next) {
            ++next;
        } else if (const int error
            = renameWithoutReplacing(dayFileName(plan.student, day), dayFileName(plan.student, next))) {
            if (error == ENOENT)
                continue; // gone meanwhile: the days after it close up
            report.faults.push_back(fault(DayFault::Action::Renumber, plan.student, day, next, error));
            // It stays where it is, and the days after it follow it, in their order.
            next = day + 1;
        } else {
            ++report.renumbered;
            ++next;
        }
    }
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
        report.add(carryOut(planCleanup(student, mode, count)));
    }
    return report;
}

DayFilesReport deleteAllDays(const Bytes& student)
{
    return carryOut(planCleanup(student, CleanupMode::KeepLast, 0));
}

Bytes dayFaultMessage(const DayFault& fault)
{
    const Bytes whose = fault.student + "'s day " + decimal(fault.day);
    if (fault.action == DayFault::Action::Delete)
        return "Could not delete " + whose + ": " + fault.error.reason;
    return "Could not renumber " + whose + " as day " + decimal(fault.newDay) + ": " + fault.error.reason;
}

} // namespace quorvex
