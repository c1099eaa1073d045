#pragma once

#include "core/result.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex {

// Every file lies in the current working folder and is named by its bare name. Every look at
// the file system the core makes goes through here. The rules live in fileio.cpp; the calls
// they make differ between POSIX (fileio_posix.cpp) and Windows (fileio_win32.cpp), where the
// 8-bit names are taken as Windows-1252 and the wide-character calls are used. Failures carry
// an errno value on both, so a reason reads the same wherever it happened.

// Permission bits for a new file on POSIX. On Windows a new file takes the folder's access
// defaults and these are not used.
using FileMode = unsigned int;

// Beside errno's values, the layer's own: a file that is no longer the one a step was meant for.
inline constexpr int fileChangedMeanwhile = 0x4000;

// Reading never takes more than this: a roster or a password is a few kilobytes, a real day
// under 200 kB. Anything larger is refused as not the program's own.
inline constexpr size_t maxSmallFileSize = size_t { 4 } << 20;
inline constexpr size_t maxDayFileSize = size_t { 64 } << 20;

enum class FileKind {
    Missing,
    Regular, // a plain file, or a link to one
    Folder,
    Other, // a FIFO, a device, a socket, a dangling link
};

// What stands under the name, following links.
FileKind fileKind(const Bytes& name);

// True when anything at all stands under the name, a dangling link included.
bool nameTaken(const Bytes& name);

// True when a regular file of that name exists (a folder of that name is no file).
bool fileExists(const Bytes& name);

// What tells one version of a file from the next without reading it: its size and when it was
// last written, in nanoseconds since 1970 (to the second on shares that keep no finer time).
// A rename keeps both, so a day renumbered under another day's number shows that day's stamp.
struct FileStamp {
    long long size = 0;
    long long modified = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The whole file. Only a regular file is read, without ever waiting for a writer: a folder,
// a FIFO or a device is an error naming the file, and so is a file larger than maxSize. The
// stamp, when asked for, is that of the file read, taken from it while it is open.
Result<Bytes> readFile(const Bytes& name, size_t maxSize = maxDayFileSize, FileStamp* stamp = nullptr);

// Why a file may not be read for someone outside the class folder: it is a link to a file
// outside the folder, or one that cannot be reached. None for anything else.
std::optional<FileError> linkOutOfFolder(const Bytes& name);

// The stamp of a regular file (links followed), or none.
std::optional<FileStamp> fileStamp(const Bytes& name);

// Replaces the whole file in one step: the bytes are written and flushed to a scratch file
// beside it, which is then renamed over the old one. A failure or a crash at any moment leaves
// either the old file whole or the new one whole. The new file keeps the old one's mode (a new
// file gets newFileMode less the umask); when the name is a symbolic link to a file within the
// class folder (the working folder, both resolved), the file it points to is replaced and the
// link stays. A link to a file outside the class folder is never written through: the write
// fails, naming the file the link points to, since anyone who can write to a shared folder
// could otherwise point a link at a file of the teacher's. The scratch file's name is fixed (scratchFileName), so
// the caller holds the file's lock or is its only writer; a scratch file an interrupted write
// left is removed first. On Windows a link is replaced, not followed, and the new file gets the
// folder's access defaults.
Status replaceFile(const Bytes& name, BytesView contents, FileMode newFileMode = 0666);

// Creates a file that must not exist yet, with its whole contents in one step: the bytes are
// written aside and then moved in under the name, which fails if the name appeared in the
// meantime (EEXIST, and existedAlready is set). A crash never leaves a
// half-written file under the name. The same rule on the scratch file as for replaceFile.
Status createNewFile(
    const Bytes& name, BytesView contents, bool* existedAlready = nullptr, FileMode newFileMode = 0666);

// Writes a small record in place and flushes it to the disk. A kill may leave it cut short,
// so its reader must tell a whole record from a partial one.
Status writeRecordFile(const Bytes& name, BytesView contents);

// ".~<name>.saving": where a write of the file is prepared. Never a day file's name.
Bytes scratchFileName(const Bytes& name);

// True for the scratch files of this program and of its earlier versions (".~<name>.XXXXXX"),
// with the name of the file whose write it prepared.
bool isScratchFileName(const Bytes& entry, Bytes* target = nullptr);

Status removeFile(const Bytes& name);
Status renameFile(const Bytes& from, const Bytes& to);

// 0 or an errno value; ENOENT when nothing stands under the name.
int removeName(const Bytes& name);

// A rename that never replaces what stands under the new name; 0 or an errno value.
int renameWithoutReplacing(const Bytes& from, const Bytes& to);

// The names in the working folder, "." and ".." left out, in no particular order.
std::vector<Bytes> workingFolderEntries();

// One entry of a listing of the working folder, with what the listing itself tells of it and
// nothing looked up for it: on a share each look at a file is a round trip to the server, a
// listing a few round trips for hundreds of names.
struct FolderEntry {
    Bytes name;
    // Regular, Folder or Other; none for a link or where the listing does not tell.
    std::optional<FileKind> kind;
    // Where the listing gives it (Windows does, POSIX does not).
    std::optional<FileStamp> stamp;
};

// The working folder in one listing, "." and ".." left out, in no particular order; an error
// when the folder cannot be read.
Result<std::vector<FolderEntry>> listWorkingFolder();

// ---- Locks ---------------------------------------------------------------------------------
// A lock shared by every copy of the program that uses the class folder, on this computer and
// on others. The lock is a folder, ".~Ann.days.lock": making a folder is the one step of which
// exactly one of several computers wins, on a local disk and on the network shares tried
// (SMB and SFTP mounted through FUSE), where creating a file exclusively is not exclusive.
// Inside it:
//   holder    a note of its holder: computer, process, when it was taken, and a token drawn
//             at random for each taking;
//   <token>   the holder's own folder, named by its token. Every file the holder writes is
//             prepared there, and every day it deletes or renumbers passes through it.
// A lock is stale when its process on this computer has ended, or when it has not been
// renewed for staleLockSeconds (a holder renews it while it works, so only a crashed or a
// sleeping holder lets it age). The next one who wants it takes it over by renaming the old
// holder's folder to its own: only one of several computers can rename it, and the new holder
// inherits what the old one left half done there. A holder that slept meanwhile finds its
// folder gone, and its next step fails (ENOLCK) instead of deleting, renumbering or publishing
// anything. Every lock taken over is noted for the teacher: see takeLockNotices().
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
    // lock and says who holds it, or what stands under its name when that is no lock.
    static Result<FolderLock> take(const Bytes& lockName, std::chrono::milliseconds wait = lockWait);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    ~FolderLock();

    // True while the lock is still this holder's.
    bool held() const;

    // Marks the lock as still in use, at most every few seconds however often it is called:
    // work that may outlast staleLockSeconds calls it before each step.
    void renew();

    // The steps that change the class folder under the lock. Each passes through the holder's
    // own folder, so it fails with ENOLCK, changing nothing, once the lock is no longer held.

    // Writes a new file in one step: whole or not at all, never over anything standing under
    // the name (existedAlready is then set).
    Status createFile(
        const Bytes& name, BytesView contents, bool* existedAlready = nullptr, FileMode newFileMode = 0666) const;

    // Replaces the whole file in one step, keeping its mode; a file that is a link is replaced
    // where the link leads.
    Status replaceFile(const Bytes& name, BytesView contents, FileMode newFileMode = 0666) const;

    // The file server's time, in seconds since 1970, as it dated the holder's own folder when
    // it last changed: a time no file written from now on can be older than. None when the
    // folder cannot be looked at.
    std::optional<long long> serverTime() const;

    // Replaces the name itself in one step, never following a link: for files the program
    // derives from others, which someone who can write to the folder could otherwise point at
    // a day or the roster. A folder under the name is left, and the write fails.
    Status replaceDerivedFile(const Bytes& name, BytesView contents) const;

    // Deletes a file, only when it still has expectedSize bytes (any size when negative):
    // 0 or an errno value, fileChangedMeanwhile for a file that changed.
    int removeFile(const Bytes& name, long long expectedSize = -1) const;

    // Renames a file to a free name, only when it still has expectedSize bytes (any size when
    // negative): 0 or an errno value, fileChangedMeanwhile for a file that changed; what stands under the
    // new name is never replaced.
    int moveFile(const Bytes& from, const Bytes& to, long long expectedSize = -1) const;

private:
    FolderLock(Bytes name, Bytes token, Bytes note);
    void release();
    Bytes ownPath(const Bytes& entry) const;
    // Writes the file aside in the own folder and moves it over target; errors name name.
    Status replaceAt(const Bytes& name, const Bytes& target, BytesView contents, FileMode newFileMode,
        const Bytes& keepModeOf) const;
    int passThrough(const Bytes& from, const Bytes& entry) const;

    Bytes m_name;
    Bytes m_token; // empty once moved from
    Bytes m_note;
    std::chrono::steady_clock::time_point m_renewed;
};

// A stale lock this copy took over, told to the teacher: the lock removed, or a file its old
// holder had set aside that could not be put back.
struct LockNotice {
    enum class Kind { Removed, NotPutBack };
    Kind kind = Kind::Removed;
    Bytes lock {};
    LockHolder holder {}; // Removed
    long long unrenewedSeconds = -1; // Removed: how long it went unrenewed; -1 when its process had ended
    Bytes file {}; // NotPutBack: the file, and where it is kept instead
    int code = 0; // NotPutBack: the system's errno
    Bytes keptAs {};

    friend bool operator==(const LockNotice&, const LockNotice&) = default;
};

// The stale locks taken over since the last call.
std::vector<LockNotice> takeLockNotices();

// The size of a regular file, or -1.
long long fileSize(const Bytes& name);

// The file system of the working folder when it is a network share ("nfs4", "cifs",
// "fuse.sshfs"; "smb" for a network drive on Windows), else empty. Whether such a share keeps
// the class folder safe depends on how each computer mounts it, which the program cannot see.
Bytes networkShareOfWorkingFolder();

// The network file system holding folder (a real path, no links) by the mount table given as
// the lines of /proc/self/mountinfo, else empty.
Bytes networkShareIn(BytesView mountTable, const Bytes& folder);

} // namespace quorvex
