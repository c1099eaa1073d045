#include "fileio.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorvex {

namespace {

constexpr char scratchSuffix[] = ".saving";

FileError systemError(const Bytes& name, int error)
{
    return { name, std::strerror(error), error };
}

FileError tooLarge(const Bytes& name, size_t maxSize)
{
    return { name, "File too large: more than " + decimal(static_cast<long long>(maxSize >> 20)) + " MB" };
}

int renameNoReplace(const Bytes& from, const Bytes& to)
{
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
}

// Where a write of name really goes: the file a symbolic link points to, or name itself.
// Empty (with an errno value) when the name is a link that leads nowhere.
Bytes writeTarget(const Bytes& name, int& error)
{
    error = 0;
    struct stat info { };
    if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return name;
    char resolved[PATH_MAX];
    if (::realpath(name.c_str(), resolved) == nullptr) {
        error = errno;
        return {};
    }
    return resolved;
}

Bytes scratchBeside(const Bytes& target)
{
    const size_t slash = target.rfind('/');
    if (slash == Bytes::npos)
        return scratchFileName(target);
    return target.substr(0, slash + 1) + scratchFileName(target.substr(slash + 1));
}

// A scratch file beside the target, so that the rename or link that publishes it stays
// within one file system.
class ScratchFile {
public:
    ScratchFile(const Bytes& target, mode_t mode)
        : m_path(scratchBeside(target))
    {
        // A scratch file standing here is what an interrupted write left: it goes.
        m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd < 0 && errno == EEXIST && ::unlink(m_path.c_str()) == 0)
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        m_error = m_fd < 0 ? errno : 0;
    }
    ~ScratchFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_published && m_error == 0)
            ::unlink(m_path.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    int error() const { return m_error; }
    const Bytes& path() const { return m_path; }

    // Writes everything, flushes it to the disk and closes the file; 0 or an errno value.
    int writeAndClose(BytesView contents, const struct stat* keepModeOf)
    {
        const char* data = contents.data();
        size_t left = contents.size();
        while (left > 0) {
            const ssize_t written = ::write(m_fd, data, left);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            data += written;
            left -= static_cast<size_t>(written);
        }
        if (keepModeOf)
            ::fchmod(m_fd, keepModeOf->st_mode & 07777);
        if (::fsync(m_fd) != 0)
            return errno;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            return errno;
        return 0;
    }

    void markPublished() { m_published = true; }

private:
    Bytes m_path;
    int m_fd = -1;
    int m_error = 0;
    bool m_published = false;
};

} // namespace

FileKind fileKind(const Bytes& name)
{
    struct stat info { };
    if (::stat(name.c_str(), &info) != 0)
        return errno == ENOENT && nameTaken(name) ? FileKind::Other : FileKind::Missing;
    if (S_ISREG(info.st_mode))
        return FileKind::Regular;
    return S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Other;
}

bool nameTaken(const Bytes& name)
{
    struct stat info { };
    return ::lstat(name.c_str(), &info) == 0;
}

bool fileExists(const Bytes& name)
{
    struct stat info { };
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Result<Bytes> readFile(const Bytes& name, size_t maxSize)
{
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that never comes.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemError(name, errno);
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISDIR(info.st_mode))
            return systemError(name, EISDIR);
        if (info.st_mode == 0)
            return systemError(name, error);
        return FileError { name, "Not a regular file (a pipe, a device or the like)" };
    }
    if (static_cast<unsigned long long>(info.st_size) > maxSize) {
        ::close(fd);
        return tooLarge(name, maxSize);
    }
    Bytes contents;
    contents.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return systemError(name, error);
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<size_t>(got));
        if (contents.size() > maxSize) {
            ::close(fd);
            return tooLarge(name, maxSize);
        }
    }
    ::close(fd);
    return contents;
}

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

Status replaceFile(const Bytes& name, BytesView contents, mode_t newFileMode)
{
    int error = 0;
    const Bytes target = writeTarget(name, error);
    if (target.empty())
        return FileError { name, "A link to a file that cannot be reached (" + Bytes(std::strerror(error)) + ")" };
    struct stat old { };
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    ScratchFile scratch(target, newFileMode);
    if (scratch.error())
        return systemError(name, scratch.error());
    if (const int failed = scratch.writeAndClose(contents, replacing ? &old : nullptr))
        return systemError(name, failed);
    if (::rename(scratch.path().c_str(), target.c_str()) != 0)
        return systemError(name, errno);
    scratch.markPublished();
    return success();
}

Status createNewFile(const Bytes& name, BytesView contents, bool* existedAlready, mode_t newFileMode)
{
    if (existedAlready)
        *existedAlready = false;
    ScratchFile scratch(name, newFileMode);
    if (scratch.error())
        return systemError(name, scratch.error());
    if (const int error = scratch.writeAndClose(contents, nullptr))
        return systemError(name, error);
    // Refuses an existing name, even one that another program created a moment ago; the
    // rename leaves no second name behind, the link (for shares without it) does briefly.
    int error = renameNoReplace(scratch.path(), name);
    if (error == 0) {
        scratch.markPublished();
        return success();
    }
    if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
        error = ::link(scratch.path().c_str(), name.c_str()) == 0 ? 0 : errno;
    if (error == 0)
        return success();
    if (existedAlready)
        *existedAlready = error == EEXIST;
    return systemError(name, error);
}

Status writeRecordFile(const Bytes& name, BytesView contents)
{
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemError(name, errno);
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    int error = written < 0 ? errno : written != static_cast<ssize_t>(contents.size()) ? ENOSPC : 0;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(name.c_str());
        return systemError(name, error);
    }
    return success();
}

Status removeFile(const Bytes& name)
{
    if (const int error = removeName(name))
        return systemError(name, error);
    return success();
}

Status renameFile(const Bytes& from, const Bytes& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return systemError(from, errno);
    return success();
}

int removeName(const Bytes& name)
{
    return ::unlink(name.c_str()) == 0 ? 0 : errno;
}

int renameWithoutReplacing(const Bytes& from, const Bytes& to)
{
    const int error = renameNoReplace(from, to);
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return error;
    // A file system that cannot promise it: look first.
    if (nameTaken(to))
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

std::vector<Bytes> workingFolderEntries()
{
    std::vector<Bytes> names;
    DIR* folder = ::opendir(".");
    if (!folder)
        return names;
    while (const dirent* entry = ::readdir(folder)) {
        const Bytes name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(folder);
    return names;
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
    static const Bytes host = [] {
        char name[256] = {};
        return ::gethostname(name, sizeof name - 1) == 0 ? Bytes(name) : Bytes("?");
    }();
    return host;
}

// The kernel's start time of a process, which tells a process apart from a later one that got
// the same number; empty when there is no such process or it has ended (a zombie).
Bytes processStart(pid_t pid)
{
    const Bytes path = "/proc/" + decimal(pid) + "/stat";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[1024];
    const ssize_t got = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (got <= 0)
        return {};
    const Bytes stat(buffer, static_cast<size_t>(got));
    // The command name may hold blanks and parentheses; the fields after it do not.
    size_t at = stat.rfind(')');
    if (at == Bytes::npos || at + 2 >= stat.size())
        return {};
    if (stat[at + 2] == 'Z' || stat[at + 2] == 'X')
        return {};
    // Field 22, the start time, is the 20th after the name.
    for (int field = 0; field < 20 && at != Bytes::npos; ++field)
        at = stat.find(' ', at + 1);
    if (at == Bytes::npos)
        return {};
    const size_t end = stat.find(' ', at + 1);
    return stat.substr(at + 1, end == Bytes::npos ? Bytes::npos : end - at - 1);
}

Bytes localTime(time_t when)
{
    std::tm parts {};
    ::localtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
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

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

struct Holder {
    bool present = false; // false: the lock is gone, try again at once
    bool stale = false;
    Bytes why;
    HolderNote note;
    struct stat info { };
};

Holder inspect(const Bytes& lockFile)
{
    Holder holder;
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Gone meanwhile, or something that is no lock file of ours (a folder, a link): that
        // stands until someone removes it.
        holder.present = errno != ENOENT;
        return holder;
    }
    holder.present = true;
    char buffer[1024];
    ssize_t got = 0;
    if (::fstat(fd, &holder.info) == 0 && S_ISREG(holder.info.st_mode))
        got = ::read(fd, buffer, sizeof buffer);
    else
        holder.info = {};
    ::close(fd);
    if (holder.info.st_ino == 0)
        return holder;
    holder.note = parseNote(Bytes(buffer, static_cast<size_t>(std::max<ssize_t>(got, 0))));
    if (holder.note.host == hostName() && !holder.note.pid.empty()) {
        const pid_t pid = static_cast<pid_t>(std::atoi(holder.note.pid.c_str()));
        const Bytes started = processStart(pid);
        if (started.empty() || (!holder.note.started.empty() && started != holder.note.started)) {
            holder.stale = true;
            holder.why = "its process has ended";
            return holder;
        }
    }
    const time_t age = std::time(nullptr) - holder.info.st_mtim.tv_sec;
    if (age > staleLockSeconds) {
        holder.stale = true;
        holder.why = "it was not renewed for " + decimal(static_cast<int32_t>(age)) + " seconds";
    }
    return holder;
}

// Removes a stale lock, unless it was replaced by a fresh one since it was inspected.
void breakStale(const Bytes& lockFile, const Holder& holder)
{
    struct stat now { };
    if (::lstat(lockFile.c_str(), &now) != 0 || !sameFile(now, holder.info))
        return;
    if (::unlink(lockFile.c_str()) == 0)
        lockNotices().push_back(
            "The lock \"" + lockFile + "\" of " + describe(holder.note) + " was removed: " + holder.why + ".");
}

} // namespace

Bytes studentLockName(const Bytes& student)
{
    return ".~" + student + ".days.lock";
}

FolderLock::FolderLock(Bytes name, int fd)
    : m_name(std::move(name))
    , m_fd(fd)
{
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_name(std::move(other.m_name))
    , m_fd(std::exchange(other.m_fd, -1))
{
}

FolderLock::~FolderLock()
{
    if (m_fd < 0)
        return;
    // Only our own lock goes: one that was taken as stale and replaced stays.
    struct stat mine { };
    struct stat now { };
    if (::fstat(m_fd, &mine) == 0 && ::lstat(m_name.c_str(), &now) == 0 && sameFile(mine, now))
        ::unlink(m_name.c_str());
    ::close(m_fd);
}

void FolderLock::renew()
{
    if (m_fd >= 0)
        ::futimens(m_fd, nullptr);
}

Result<FolderLock> FolderLock::take(const Bytes& lockFile, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    thread_local std::minstd_rand random(static_cast<unsigned>(::getpid()));
    for (;;) {
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // The process's number and start time, read once per process (a child gets its own).
            thread_local pid_t notedPid = 0;
            thread_local Bytes started;
            if (notedPid != ::getpid()) {
                notedPid = ::getpid();
                started = processStart(notedPid);
            }
            const Bytes note = "computer " + hostName() + "\nprocess " + decimal(notedPid) + "\nstarted " + started
                + "\ntime " + localTime(std::time(nullptr)) + "\n";
            // The note only helps to judge the lock; the lock is the file.
            (void)!::write(fd, note.data(), note.size());
            return FolderLock(lockFile, fd);
        }
        if (errno != EEXIST)
            return FileError { lockFile, std::strerror(errno), errno };
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
