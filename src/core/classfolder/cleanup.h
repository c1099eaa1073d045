#pragma once

#include "core/result.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace quorvex {

// Removing the oldest days of students, and all days of a student taken off the roster.
// A student's days are the day files 1, 2, 3, ... up to the first missing number; files
// beyond a gap are never touched. What is left is renumbered from day 1 in its old order.
// Every deletion or rename the file system refuses is reported, never skipped silently.
//
// A clean-up holds the student's lock (fileio.h), so no save of the same student runs in
// between, and before it deletes anything it writes a small record of what it is about
// (".~<student>.cleanup"). A clean-up that is killed half-way is finished from that record
// the next time the program starts or counts, saves or cleans that student's days: the days
// are then the old ones, or the new ones, never a run with days hidden beyond a gap.

enum class CleanupMode {
    KeepLast, // keep only the last count days
    DeleteFirst, // delete the first count days
    OlderThanMonths, // delete the first days whose file was last written count months ago or more
};

// The moment count calendar months before now (seconds since 1970, UTC): on the same day of the
// month, or on the month's last day where it is shorter.
long long monthsBefore(long long now, int32_t count);

// How many of days 1..dayCount, from the first on, were last written before the moment: the
// first day written later ends the run, so a day out of order is never skipped over.
int32_t daysWrittenBefore(const Bytes& student, int32_t dayCount, long long moment);

struct DayFault {
    enum class Action {
        Delete,
        Renumber,
        Start, // the student's days were left alone: locked by another holder, or no record
    };
    Action action = Action::Delete;
    Bytes student;
    int32_t day = 0; // the day as it was numbered before the clean-up
    int32_t newDay = 0; // for a refused renumbering: the number it was to get
    FileError error;

    friend bool operator==(const DayFault&, const DayFault&) = default;
};

struct DayFilesReport {
    int32_t deleted = 0;
    int32_t renumbered = 0;
    bool erased = false; // an erasure of the pupil finished
    std::vector<DayFault> faults;

    bool deletedAny() const { return deleted > 0; }
    void add(DayFilesReport other);
};

// What a clean-up is to do to one student, decided from the days counted on disk.
struct CleanupPlan {
    Bytes student;
    int32_t dayCount = 0;
    int32_t deleteCount = 0; // days 1 to deleteCount go, 0 <= deleteCount <= dayCount
};

CleanupPlan planCleanup(const Bytes& student, CleanupMode mode, int32_t count);

// Deletes days 1 to deleteCount, then renumbers the days that are left (dayCount at most)
// from 1 in ascending order, so no rename meets an occupied name unless something took it
// in the meantime; nothing is ever renamed over what stands under a name. A day file whose
// deletion is refused stays among the days, in its order; a day whose renumbering is refused
// keeps its number, and the days after it follow it.
DayFilesReport carryOut(const CleanupPlan& plan);

// Cleans each named student once (a name listed twice is not cleaned twice), in list order.
DayFilesReport cleanUp(const std::vector<Bytes>& students, CleanupMode mode, int32_t count);
// The same, with the time to count months back from.
DayFilesReport cleanUp(const std::vector<Bytes>& students, CleanupMode mode, int32_t count, long long now);

// Deletes every day of the student. The caller makes sure no roster entry of the same name
// remains, since such students share their day files.
DayFilesReport deleteAllDays(const Bytes& student);

// Erases the pupil: every day file, the roster's entries of the name, the summary of the days,
// the scratch files of writes of them and the notes of clean-ups set aside. Under the pupil's
// lock, after a clean-up note marked as an erasure, so that a kill at any moment leaves the
// pupil whole (before the note is written) or an erasure that the next start (or the next
// count, save or clean-up of the name) finishes. Refused while another roster entry may share
// the day files: the days could be the other pupil's.
DayFilesReport erasePupil(const Bytes& student);

// The record of a clean-up under way.
Bytes cleanupRecordName(const Bytes& student);

// Finishes a clean-up of the student that was interrupted, if one was, waiting up to wait
// for the student's lock.
DayFilesReport settleStudent(const Bytes& student, std::chrono::milliseconds wait);

// The same, for a caller that holds the student's lock.
class FolderLock;
DayFilesReport settleStudentLocked(const Bytes& student, FolderLock& lock);

// At start: finishes every interrupted clean-up and removes the scratch files of interrupted
// writes whose file nobody is writing now.
DayFilesReport settleClassFolder();

} // namespace quorvex
