#include "fileio.h"

#include "fileio_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>

namespace quorvex {

namespace {

constexpr char scratchSuffix[] = ".saving";

} // namespace

Bytes errorReason(int error)
{
    // The C library's words differ between systems; the errors the file layer meets read
    // alike everywhere, so a report looks the same on a classroom's Windows computers.
    switch (error) {
    case EPERM:
        return "Operation not permitted";
    case ENOENT:
        return "No such file or directory";
    case EIO:
        return "Input/output error";
    case EACCES:
        return "Permission denied";
    case EBUSY:
        return "Device or resource busy";
    case EEXIST:
        return "File exists";
    case EXDEV:
        return "Invalid cross-device link";
    case ENOTDIR:
        return "Not a directory";
    case EISDIR:
        return "Is a directory";
    case EINVAL:
        return "Invalid argument";
    case EMFILE:
        return "Too many open files";
    case EFBIG:
        return "File too large";
    case ENOSPC:
        return "No space left on device";
    case EROFS:
        return "Read-only file system";
    case ENAMETOOLONG:
        return "File name too long";
    case ENOTEMPTY:
        return "Directory not empty";
    default:
        return std::strerror(error);
    }
}

namespace sys {

FileError systemError(const Bytes& name, int error)
{
    return { name, errorReason(error), error };
}

FileError tooLarge(const Bytes& name, size_t maxSize)
{
    return { name, "File too large: more than " + decimal(static_cast<long long>(maxSize >> 20)) + " MB" };
}

} // namespace sys

Bytes scratchFileName(const Bytes& name)
{
    return ".~" + name + scratchSuffix;
}

bool isScratchFileName(const Bytes& entry, Bytes* target)
{
    // ".~" name "." and six characters: the fixed suffix, or the random one of earlier versions.
    if (entry.size() < 2 + 1 + 7 || !entry.starts_with(".~") || entry[entry.size() - 7] != '.')
        return false;
    if (target)
        *target = entry.substr(2, entry.size() - 2 - 7);
    return true;
}

Status removeFile(const Bytes& name)
{
    if (const int error = removeName(name))
        return sys::systemError(name, error);
    return success();
}

// ---- Locks ---------------------------------------------------------------------------------
namespace {

std::vector<Bytes>& lockNotices()
{
    static std::vector<Bytes> notices;
    return notices;
}

const Bytes& hostName()
{
    static const Bytes host = sys::computerName();
    return host;
}

struct HolderNote {
    Bytes host;
    Bytes pid;
    Bytes started;
    Bytes time;
};

Bytes field(const Bytes& note, const char* key)
{
    const Bytes prefix = Bytes(key) + " ";
    for (size_t at = 0; at < note.size();) {
        size_t end = note.find('\n', at);
        if (end == Bytes::npos)
            end = note.size();
        if (note.compare(at, prefix.size(), prefix) == 0)
            return note.substr(at + prefix.size(), end - at - prefix.size());
        at = end + 1;
    }
    return {};
}

HolderNote parseNote(const Bytes& note)
{
    return { field(note, "computer"), field(note, "process"), field(note, "started"), field(note, "time") };
}

Bytes describe(const HolderNote& holder)
{
    if (holder.host.empty())
        return "another copy of the program";
    return "computer " + holder.host + ", process " + holder.pid + ", since " + holder.time;
}

struct Holder {
    bool present = false; // false: the lock is gone, try again at once
    bool stale = false;
    bool lockFile = false; // a file of the program's, which may be judged stale
    Bytes why;
    HolderNote note;
    sys::FileIdentity identity;
};

Holder inspect(const Bytes& lockFile)
{
    Holder holder;
    sys::LockFileLook look;
    if (const int error = sys::lookAtLockFile(lockFile, look)) {
        // Gone meanwhile, or something that is no lock file of ours (a folder, a link): that
        // stands until someone removes it.
        holder.present = error != ENOENT;
        return holder;
    }
    holder.present = true;
    if (!look.regular)
        return holder;
    holder.lockFile = true;
    holder.identity = look.identity;
    holder.note = parseNote(look.note);
    if (holder.note.host == hostName() && !holder.note.pid.empty()) {
        const std::optional<Bytes> started = sys::processStart(std::atoll(holder.note.pid.c_str()));
        if (!started || (!started->empty() && !holder.note.started.empty() && *started != holder.note.started)) {
            holder.stale = true;
            holder.why = "its process has ended";
            return holder;
        }
    }
    const time_t age = std::time(nullptr) - look.modified;
    if (age > staleLockSeconds) {
        holder.stale = true;
        holder.why = "it was not renewed for " + decimal(static_cast<int32_t>(age)) + " seconds";
    }
    return holder;
}

// Removes a stale lock, unless it was replaced by a fresh one since it was inspected.
void breakStale(const Bytes& lockFile, const Holder& holder)
{
    if (holder.lockFile && sys::removeLockFileIf(lockFile, holder.identity))
        lockNotices().push_back(
            "The lock \"" + lockFile + "\" of " + describe(holder.note) + " was removed: " + holder.why + ".");
}

} // namespace

Bytes studentLockName(const Bytes& student)
{
    return ".~" + student + ".days.lock";
}

FolderLock::FolderLock(Bytes name, NativeFile file)
    : m_name(std::move(name))
    , m_file(file)
{
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_name(std::move(other.m_name))
    , m_file(std::exchange(other.m_file, noFile))
{
}

FolderLock::~FolderLock()
{
    if (m_file != noFile)
        sys::releaseLockFile(m_name, m_file);
}

void FolderLock::renew()
{
    if (m_file != noFile)
        sys::touchFile(m_file);
}

Result<FolderLock> FolderLock::take(const Bytes& lockFile, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    thread_local std::minstd_rand random(static_cast<unsigned>(sys::currentProcess()));
    for (;;) {
        NativeFile file = noFile;
        const int error = sys::createLockFile(lockFile, file);
        if (error == 0) {
            // The process's number and start time, read once per process (a child gets its own).
            thread_local long long notedProcess = 0;
            thread_local Bytes started;
            if (notedProcess != sys::currentProcess()) {
                notedProcess = sys::currentProcess();
                started = sys::processStart(notedProcess).value_or(Bytes());
            }
            const Bytes note = "computer " + hostName() + "\nprocess " + decimal(notedProcess) + "\nstarted " + started
                + "\ntime " + sys::localTime(std::time(nullptr)) + "\n";
            // The note only helps to judge the lock; the lock is the file.
            sys::writeLockNote(file, note);
            return FolderLock(lockFile, file);
        }
        if (error != EEXIST)
            return sys::systemError(lockFile, error);
        const Holder holder = inspect(lockFile);
        if (!holder.present)
            continue;
        if (holder.stale) {
            breakStale(lockFile, holder);
            continue;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return FileError { lockFile, "in use by " + describe(holder.note) };
        std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 4000));
    }
}

std::vector<Bytes> takeLockNotices()
{
    return std::exchange(lockNotices(), {});
}

} // namespace quorvex
