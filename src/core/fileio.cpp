#include "fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvex {

namespace {

FileError systemError(const Bytes& name, int error)
{
    return { name, std::strerror(error) };
}

// A scratch file in the working folder that no other writer uses, so that the rename or
// link that publishes it stays within one file system.
class ScratchFile {
public:
    explicit ScratchFile(const Bytes& target)
        : m_path(".~" + target + ".XXXXXX")
    {
        m_fd = ::mkstemp(m_path.data());
        m_error = m_fd < 0 ? errno : 0;
    }
    ~ScratchFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_published)
            ::unlink(m_path.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    int error() const { return m_error; }
    const Bytes& path() const { return m_path; }

    // Writes everything, flushes it to the disk and closes the file; 0 or an errno value.
    int writeAndClose(BytesView contents)
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
        ::fchmod(m_fd, 0644);
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

bool fileExists(const Bytes& name)
{
    struct stat info { };
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Result<Bytes> readFile(const Bytes& name)
{
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemError(name, errno);
    Bytes contents;
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
    }
    ::close(fd);
    return contents;
}

Status replaceFile(const Bytes& name, BytesView contents)
{
    ScratchFile scratch(name);
    if (scratch.error())
        return systemError(name, scratch.error());
    if (const int error = scratch.writeAndClose(contents))
        return systemError(name, error);
    if (::rename(scratch.path().c_str(), name.c_str()) != 0)
        return systemError(name, errno);
    scratch.markPublished();
    return success();
}

Status createNewFile(const Bytes& name, BytesView contents, bool* existedAlready)
{
    if (existedAlready)
        *existedAlready = false;
    ScratchFile scratch(name);
    if (scratch.error())
        return systemError(name, scratch.error());
    if (const int error = scratch.writeAndClose(contents))
        return systemError(name, error);
    // link() refuses an existing name, even one that another program created a moment ago.
    if (::link(scratch.path().c_str(), name.c_str()) != 0) {
        const int error = errno;
        if (existedAlready)
            *existedAlready = error == EEXIST;
        return systemError(name, error);
    }
    return success();
}

Status removeFile(const Bytes& name)
{
    if (::unlink(name.c_str()) != 0)
        return systemError(name, errno);
    return success();
}

Status renameFile(const Bytes& from, const Bytes& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return systemError(from, errno);
    return success();
}

} // namespace quorvex
