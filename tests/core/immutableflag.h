#pragma once

#ifdef _WIN32
// Windows has no such attribute (read-only files can still be renamed): tests that need it skip.
inline bool setImmutable(const char*, bool)
{
    return false;
}
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// As root, only the immutable attribute makes a file system refuse to delete or rename a plain
// file. Sets or clears it; false where the file system does not support it.
inline bool setImmutable(const char* path, bool on)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}
#endif
