#pragma once

// The calls of the file layer that each system makes its own way; fileio.cpp builds the shared
// rules (scratch names, reasons, the locks' notes and staleness) on top of them. Every int
// returned is 0 or an errno value.

#include "fileio.h"

#include <ctime>
#include <optional>

namespace quorvex::sys {

FileError systemError(const Bytes& name, int error);
FileError tooLarge(const Bytes& name, size_t maxSize);

// Tells one file from another under the same name: device and inode, or volume and file index.
struct FileIdentity {
    unsigned long long volume = 0;
    unsigned long long index = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// Creates the lock file, which must not exist, and keeps it open for its note; EEXIST when
// someone holds it.
int createLockFile(const Bytes& name, NativeFile& file);
void writeLockNote(NativeFile file, BytesView note);

// What stands under a lock file's name, read without following links or waiting. ENOENT when
// it is gone; another error when something stands there that cannot be opened.
struct LockFileLook {
    bool regular = false; // false: a folder, a link or the like, no lock file of the program's
    FileIdentity identity;
    time_t modified = 0;
    Bytes note;
};
int lookAtLockFile(const Bytes& name, LockFileLook& look);

// Removes the lock file under the name if it is still the file identified; true when it went.
bool removeLockFileIf(const Bytes& name, const FileIdentity& identity);

// Gives up a lock: its file goes if it is still the one held open (a lock taken as stale and
// replaced by another holder's stays), and the file is closed.
void releaseLockFile(const Bytes& name, NativeFile file);

// Sets the file's modification time to now.
void touchFile(NativeFile file);

// When the process of that number started, in the system's own units: nullopt when no such
// process runs, an empty text when it runs but its start cannot be read.
std::optional<Bytes> processStart(long long process);
long long currentProcess();
Bytes computerName();
Bytes localTime(time_t when);

} // namespace quorvex::sys
