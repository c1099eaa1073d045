#include "folderlock.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorvex {

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
            return FileError { lockFile, std::strerror(errno) };
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
