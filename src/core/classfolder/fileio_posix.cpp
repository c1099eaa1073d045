#include "core/classfolder/fileio.h"
#include "core/classfolder/fileio_system.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

// POSIX calls under the file layer: Linux and the like.

namespace quorvex {

using sys::systemError;
using sys::tooLarge;

namespace {

int renameNoReplace(const Bytes& from, const Bytes& to)
{
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
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
    ScratchFile(const Bytes& target, FileMode mode)
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

namespace {

FileStamp stampOf(const struct stat& info)
{
    return { static_cast<long long>(info.st_size),
        static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec };
}

} // namespace

std::optional<FileStamp> fileStamp(const Bytes& name)
{
    struct stat info { };
    if (::stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return stampOf(info);
}

Result<Bytes> readFile(const Bytes& name, size_t maxSize, FileStamp* stamp)
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
        return FileError { .file = name, .why = Failure::NotRegularFile };
    }
    if (static_cast<unsigned long long>(info.st_size) > maxSize) {
        ::close(fd);
        return tooLarge(name, maxSize);
    }
    if (stamp)
        *stamp = stampOf(info);
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

Status replaceFile(const Bytes& name, BytesView contents, mode_t newFileMode)
{
    FileError unreachable;
    const Bytes target = sys::writeTarget(name, unreachable);
    if (target.empty())
        return unreachable;
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
    return sys::folderEntries(".");
}

// ---- Locks ---------------------------------------------------------------------------------
namespace sys {

// A link is followed only to a file within the class folder, compared after resolving both, so
// a class folder that is itself reached through a link makes no difference: anyone who can write
// to a shared folder could otherwise point studnames.txt at a file of the teacher's for the next
// Add to replace.
Bytes writeTarget(const Bytes& name, FileError& error)
{
    struct stat info { };
    if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return name;
    char resolved[PATH_MAX];
    if (::realpath(name.c_str(), resolved) == nullptr) {
        const int failed = errno;
        error = { .file = name, .why = Failure::UnreachableLink, .code = failed };
        return {};
    }
    char folder[PATH_MAX];
    if (::realpath(".", folder) == nullptr) {
        error = systemError(name, errno);
        return {};
    }
    const BytesView target = resolved;
    const Bytes within = BytesView(folder) == "/" ? Bytes("/") : Bytes(folder) + "/";
    if (target != folder && !target.starts_with(within)) {
        error = { .file = name, .why = Failure::LinkOutsideFolder, .text = Bytes(target) };
        return {};
    }
    return Bytes(target);
}

int lookAt(const Bytes& name, NameLook& look)
{
    struct stat info { };
    if (::lstat(name.c_str(), &info) != 0)
        return errno;
    using Kind = NameLook::Kind;
    look.kind = S_ISREG(info.st_mode)                    ? Kind::Regular
        : S_ISDIR(info.st_mode)                          ? Kind::Folder
        : S_ISLNK(info.st_mode)                          ? Kind::Link
        : S_ISFIFO(info.st_mode)                         ? Kind::Pipe
        : S_ISSOCK(info.st_mode)                         ? Kind::Socket
        : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) ? Kind::Device
                                                         : Kind::Other;
    look.modified = info.st_mtim.tv_sec;
    look.changed = info.st_ctim.tv_sec;
    look.size = static_cast<long long>(info.st_size);
    look.identity = { static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino) };
    return 0;
}

int makeFolder(const Bytes& name)
{
    return ::mkdir(name.c_str(), 0777) == 0 ? 0 : errno;
}

int removeFolder(const Bytes& name)
{
    return ::rmdir(name.c_str()) == 0 ? 0 : errno;
}

int listFolder(const Bytes& folder, std::vector<FolderEntry>& entries)
{
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return errno;
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(listing);
        if (!entry) {
            error = errno;
            break;
        }
        Bytes name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        std::optional<FileKind> kind;
        switch (entry->d_type) {
        case DT_REG:
            kind = FileKind::Regular;
            break;
        case DT_DIR:
            kind = FileKind::Folder;
            break;
        case DT_FIFO:
        case DT_CHR:
        case DT_BLK:
        case DT_SOCK:
            kind = FileKind::Other;
            break;
        default: // a link, or a file system that does not say
            break;
        }
        entries.push_back({ std::move(name), kind, std::nullopt });
    }
    ::closedir(listing);
    return error;
}

Bytes inFolder(const Bytes& folder, const Bytes& entry)
{
    return folder + "/" + entry;
}

int writeWholeFile(const Bytes& path, BytesView contents, FileMode newFileMode, const Bytes& keepModeOf)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, newFileMode);
    if (fd < 0)
        return errno;
    int error = 0;
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0 && error == 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno != EINTR)
                error = errno;
            continue;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    struct stat old { };
    if (error == 0 && !keepModeOf.empty() && ::stat(keepModeOf.c_str(), &old) == 0)
        (void)::fchmod(fd, old.st_mode & 07777);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(path.c_str());
    return error;
}

int renameReplacing(const Bytes& from, const Bytes& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool removeLockFileIf(const Bytes& name, const FileIdentity& identity)
{
    struct stat now { };
    if (::lstat(name.c_str(), &now) != 0 || static_cast<unsigned long long>(now.st_dev) != identity.volume
        || static_cast<unsigned long long>(now.st_ino) != identity.index || !S_ISREG(now.st_mode))
        return false;
    return ::unlink(name.c_str()) == 0;
}

// The kernel's start time of a process, which tells a process apart from a later one that got
// the same number; none when there is no such process or it has ended (a zombie).
std::optional<Bytes> processStart(long long process)
{
    const Bytes path = "/proc/" + decimal(process) + "/stat";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buffer[1024];
    const ssize_t got = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (got <= 0)
        return std::nullopt;
    const Bytes stat(buffer, static_cast<size_t>(got));
    // The command name may hold blanks and parentheses; the fields after it do not.
    size_t at = stat.rfind(')');
    if (at == Bytes::npos || at + 2 >= stat.size())
        return std::nullopt;
    if (stat[at + 2] == 'Z' || stat[at + 2] == 'X')
        return std::nullopt;
    // Field 22, the start time, is the 20th after the name.
    for (int field = 0; field < 20 && at != Bytes::npos; ++field)
        at = stat.find(' ', at + 1);
    if (at == Bytes::npos)
        return std::nullopt;
    const size_t end = stat.find(' ', at + 1);
    return stat.substr(at + 1, end == Bytes::npos ? Bytes::npos : end - at - 1);
}

long long currentProcess()
{
    return ::getpid();
}

} // namespace sys

Bytes networkShareOfWorkingFolder()
{
    char folder[PATH_MAX];
    if (::realpath(".", folder) == nullptr)
        return {};
    // Asked before every count of days: the mount table is read once per folder, since a
    // folder the program works in cannot be mounted over meanwhile.
    static std::mutex mutex;
    static std::map<Bytes, Bytes> known;
    const std::scoped_lock guard(mutex);
    if (const auto found = known.find(folder); found != known.end())
        return found->second;
    // Linux's mount table; elsewhere none is read, and every folder counts as local.
    const Result<Bytes> table = readFile("/proc/self/mountinfo", 16 << 20);
    const Bytes share = table ? networkShareIn(*table, folder) : Bytes();
    known.emplace(folder, share);
    return share;
}

namespace sys {

Bytes computerName()
{
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? Bytes(name) : Bytes("?");
}

Bytes localTime(time_t when)
{
    std::tm parts {};
    ::localtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

} // namespace sys

} // namespace quorvex
