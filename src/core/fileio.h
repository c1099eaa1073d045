#pragma once

#include "result.h"

#include <sys/types.h>
#include <vector>

namespace quorvex {

// Every file lies in the current working folder and is named by its bare name. Every look at
// the file system the core makes goes through here.

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

// The whole file. Only a regular file is read, without ever waiting for a writer: a folder,
// a FIFO or a device is an error naming the file, and so is a file larger than maxSize.
Result<Bytes> readFile(const Bytes& name, size_t maxSize = maxDayFileSize);

// Replaces the whole file in one step: the bytes are written and flushed to a scratch file
// beside it, which is then renamed over the old one. A failure or a crash at any moment leaves
// either the old file whole or the new one whole. The new file keeps the old one's mode (a new
// file gets newFileMode less the umask); when the name is a symbolic link, the file it points
// to is replaced and the link stays. The scratch file's name is fixed (scratchFileName), so
// the caller holds the file's lock or is its only writer; a scratch file an interrupted write
// left is removed first.
Status replaceFile(const Bytes& name, BytesView contents, mode_t newFileMode = 0666);

// Creates a file that must not exist yet, with its whole contents in one step: the bytes are
// written aside and then moved in under the name, which fails if the name appeared in the
// meantime (error reason "File exists", and existedAlready is set). A crash never leaves a
// half-written file under the name. The same rule on the scratch file as for replaceFile.
Status createNewFile(const Bytes& name, BytesView contents, bool* existedAlready = nullptr, mode_t newFileMode = 0666);

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

} // namespace quorvex
