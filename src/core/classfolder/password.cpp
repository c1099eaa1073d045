#include "core/classfolder/password.h"

#include "core/classfolder/fileio.h"
#include "core/classfolder/roster.h"

#include <cerrno>

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
        if (kind == FileKind::Regular || kind == FileKind::Folder)
            return FileError::system(passwordFileName, kind == FileKind::Regular ? EEXIST : EISDIR);
        return FileError { .file = passwordFileName, .why = Failure::NotRegularOrUnreachable };
    }
    return lock->createFile(passwordFileName, Bytes(password) + "\r\n", existedAlready, 0600);
}

bool passwordMatches(BytesView typed, BytesView stored)
{
    return typed == stored;
}

} // namespace quorvex
