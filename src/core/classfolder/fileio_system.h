#pragma once

// The calls of the file layer that each system makes its own way; fileio.cpp builds the shared
// rules (scratch names, reasons, the locks' notes and staleness) on top of them. Every int
// returned is 0 or an errno value.

#include "core/classfolder/fileio.h"

#include <ctime>
#include <optional>
#include <vector>

namespace quorvex::sys {

FileError systemError(const Bytes& name, int error);
FileError tooLarge(const Bytes& name, size_t maxSize);

// Tells one file from another under the same name: device and inode, or volume and file index.
struct FileIdentity {
    unsigned long long volume = 0;
    unsigned long long index = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What stands under a name, links not followed.
struct NameLook {
    enum class Kind { Missing, Regular, Folder, Link, Pipe, Socket, Device, Other };
    Kind kind = Kind::Missing;
    time_t modified = 0;
    time_t changed = 0; // when the file system last changed the entry, which no program can set
    long long size = 0;
    FileIdentity identity;
};
// 0, ENOENT when nothing stands there, or another errno value.
int lookAt(const Bytes& name, NameLook& look);

// Makes a folder, refusing a name that is taken: 0, EEXIST, or another errno value.
int makeFolder(const Bytes& name);
// Removes an empty folder: 0 or an errno value (ENOTEMPTY when something is inside).
int removeFolder(const Bytes& name);
// The names in a folder, "." and ".." left out, in no particular order.
std::vector<Bytes> folderEntries(const Bytes& folder);
// The entries of a folder with what the listing tells of each: 0 or an errno value.
int listFolder(const Bytes& folder, std::vector<FolderEntry>& entries);
// A path to an entry of a folder of the class folder.
Bytes inFolder(const Bytes& folder, const Bytes& entry);

// Creates a file that must not exist, writes all of it, flushes it to the disk and closes it;
// on failure nothing is left. The mode is keepModeOf's, when that names a file, else newFileMode
// less the umask (POSIX only).
int writeWholeFile(const Bytes& path, BytesView contents, FileMode newFileMode, const Bytes& keepModeOf);

// Renames, replacing a file under the new name: 0 or an errno value.
int renameReplacing(const Bytes& from, const Bytes& to);

// Where a write of name really goes: the file a link points to, or name itself; empty, with an
// error, when the name is a link that leads nowhere.
Bytes writeTarget(const Bytes& name, FileError& error);

// Removes an earlier version's lock file under the name if it is still the file identified.
bool removeLockFileIf(const Bytes& name, const FileIdentity& identity);

// When the process of that number started, in the system's own units: nullopt when no such
// process runs, an empty text when it runs but its start cannot be read.
std::optional<Bytes> processStart(long long process);
long long currentProcess();
Bytes computerName();
Bytes localTime(time_t when);

} // namespace quorvex::sys
