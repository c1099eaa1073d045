#pragma once

#include "result.h"

#include <chrono>
#include <vector>

namespace quorvex {

// A lock shared by every copy of the program that uses the class folder, on this computer
// and on others: a file created exclusively in the folder, which works on the network shares
// schools use where byte-range locks do not. The file holds a note of its holder (computer,
// process and when it was taken). A lock is stale, and is removed by the next one who wants
// it, when its process on this computer has ended, or when it has not been renewed for
// staleLockSeconds (a holder renews it while it works, so only a crashed holder lets it age).
// Every removed stale lock is noted for the teacher: see takeLockNotices().
inline constexpr int staleLockSeconds = 60;

// How long a save, a clean-up or a roster change waits for a lock another holder has.
inline constexpr std::chrono::milliseconds lockWait { 3000 };

// The lock of one student's day files, and the lock of studnames.txt and password.txt.
// The names end neither in a digit and ".txt" nor in ".txt", so they are never taken for a
// day, and begin with a dot, so teachers do not see them.
Bytes studentLockName(const Bytes& student);
inline const Bytes rosterLockName = ".~studnames.txt.lock";

class FolderLock {
public:
    // Takes the lock, waiting up to wait while another holder has it. The error names the
    // lock file and says who holds it.
    static Result<FolderLock> take(const Bytes& lockFile, std::chrono::milliseconds wait = lockWait);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    ~FolderLock();

    // Marks the lock as still in use, for work that may outlast staleLockSeconds.
    void renew();

private:
    FolderLock(Bytes name, int fd);
    Bytes m_name;
    int m_fd = -1;
};

// The stale locks removed since the last call, one line each for the teacher.
std::vector<Bytes> takeLockNotices();

} // namespace quorvex
