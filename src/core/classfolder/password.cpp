#include "core/classfolder/password.h"

#include "core/classfolder/fileio.h"
#include "core/classfolder/roster.h"

namespace quorvex {

namespace {

constexpr BytesView lineEnders { "\r\n\x1a", 3 };

} // namespace

Bytes parsePassword(BytesView contents)
{
    return Bytes(contents.substr(0, contents.find_first_of(lineEnders)));
}

Result<std::optional<Bytes>> readPasswordFile()
{
    if (!nameTaken(passwordFileName))
        return std::optional<Bytes> {};
    auto contents = readFile(passwordFileName, maxSmallFileSize);
    if (!contents)
        return contents.error();
    return std::optional<Bytes> { parsePassword(*contents) };
}

bool passwordFitsOneLine(BytesView password)
{
    return password.find_first_of(lineEnders) == BytesView::npos;
}

Status writePasswordFile(BytesView password)
{
    Result<FolderLock> lock = FolderLock::take(rosterLockName);
    if (!lock)
        return lockedOut(passwordFileName, lock.error());
    return lock->replaceFile(passwordFileName, Bytes(password) + "\r\n", 0600);
}

Status createPasswordFile(BytesView password, bool* existedAlready)
{
    *existedAlready = false;
    Result<FolderLock> lock = FolderLock::take(rosterLockName);
    if (!lock)
        return lockedOut(passwordFileName, lock.error());
    if (nameTaken(passwordFileName)) {
        *existedAlready = true;
        const FileKind kind = fileKind(passwordFileName);
        return FileError { passwordFileName,
            kind == FileKind::Regular      ? "File exists"
                : kind == FileKind::Folder ? "Is a directory"
                                           : "Not a regular file, or a link to a file that cannot be reached" };
    }
    return lock->createFile(passwordFileName, Bytes(password) + "\r\n", existedAlready, 0600);
}

bool passwordMatches(BytesView typed, BytesView stored)
{
    return typed == stored;
}

} // namespace quorvex
