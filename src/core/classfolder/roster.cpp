#include "core/classfolder/roster.h"

#include "core/classfolder/fileio.h"
#include "core/classfolder/studentnames.h"
#include "core/classfolder/textlines.h"

namespace quorvex {

namespace {

Result<std::vector<Bytes>> readRoster()
{
    auto contents = readFile(rosterFileName, maxSmallFileSize);
    if (!contents)
        return contents.error();
    return parseRoster(*contents);
}

Status replaceRoster(const FolderLock& lock, const std::vector<Bytes>& entries)
{
    return lock.replaceFile(rosterFileName, joinLines(entries));
}

} // namespace

std::vector<Bytes> parseRoster(BytesView contents)
{
    return splitLines(contents);
}

FileError lockedOut(const Bytes& file, const FileError& lockError)
{
    return { .file = file,
        .why = lockError.why == Failure::InUse ? Failure::BeingChanged : Failure::NotLockable,
        .cause = causedBy(lockError) };
}

Result<std::vector<Bytes>> loadOrCreateRoster()
{
    // Anything standing under the name, a folder included, is the teacher's roster: only a
    // name that is entirely free gets a new file.
    if (nameTaken(rosterFileName))
        return readRoster();
    std::vector<Bytes> roster { guestName };
    bool existed = false;
    Result<FolderLock> lock = FolderLock::take(rosterLockName);
    if (!lock)
        return lockedOut(rosterFileName, lock.error());
    if (auto created = lock->createFile(rosterFileName, guestName + "\r\n", &existed); !created) {
        if (!existed)
            return created.error();
        // Another copy of the program created it a moment ago: read theirs.
        return readRoster();
    }
    return roster;
}

Status writeRoster(const std::vector<Bytes>& entries)
{
    Result<FolderLock> lock = FolderLock::take(rosterLockName);
    if (!lock)
        return lockedOut(rosterFileName, lock.error());
    return replaceRoster(*lock, entries);
}

Result<std::vector<Bytes>> changeRoster(const RosterChange& change)
{
    Result<FolderLock> lock = FolderLock::take(rosterLockName);
    if (!lock)
        return lockedOut(rosterFileName, lock.error());
    std::vector<Bytes> roster = change.shown.empty() ? std::vector<Bytes> { guestName } : change.shown;
    if (nameTaken(rosterFileName)) {
        Result<std::vector<Bytes>> current = readRoster();
        if (!current)
            return current.error();
        roster = std::move(current).value();
    }
    roster = withoutDeletedStudents(std::move(roster), change.deleted);
    for (const Bytes& name : change.added) {
        roster.push_back(name);
        placeNewName(roster);
    }
    if (change.guestFirst && !roster.empty())
        roster.front() = guestName;
    if (Status written = replaceRoster(*lock, roster); !written)
        return written.error();
    return roster;
}

} // namespace quorvex
