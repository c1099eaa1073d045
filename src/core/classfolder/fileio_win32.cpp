#include "core/classfolder/fileio.h"
#include "core/classfolder/fileio_system.h"

#include <cerrno>
#include <cstddef>
#include <ctime>
#include <optional>
#include <random>
#include <string>
#include <vector>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// Win32 calls under the file layer. The core's names are Windows-1252 bytes; they are turned
// into the wide-character names Windows keeps with that code page, never with the C library's
// locale, so a name reads the same whichever language the computer is set to.

namespace quorvex {

using sys::systemError;
using sys::tooLarge;

namespace {

constexpr UINT namesCodePage = 1252;
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The one translation of Windows' error codes into the errno values the core reports.
int errnoFromWin32(DWORD error)
{
    switch (error) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_CANT_ACCESS_FILE:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
    case ERROR_DELETE_PENDING:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

int lastError()
{
    return errnoFromWin32(GetLastError());
}

std::wstring wideName(const Bytes& name)
{
    if (name.empty())
        return {};
    const int size = static_cast<int>(name.size());
    const int length = MultiByteToWideChar(namesCodePage, 0, name.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(namesCodePage, 0, name.data(), size, wide.data(), length);
    return wide;
}

// The name in the core's bytes; none when a character has no byte there, so the name cannot
// be one the program made.
std::optional<Bytes> narrowName(const wchar_t* wide)
{
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(namesCodePage, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return std::nullopt;
    Bytes name(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(namesCodePage, WC_NO_BEST_FIT_CHARS, wide, -1, name.data(), length, nullptr, &lossy);
    name.resize(static_cast<size_t>(length - 1));
    return name;
}

// The name as Win32 calls take it. A folder deep enough that the whole path passes the old
// 260-character limit is reached through the long-path form, with the name kept exactly as it
// is (no blanks or dots at its end taken away).
std::wstring winPath(const Bytes& name)
{
    const std::wstring wide = wideName(name);
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetCurrentDirectoryW(length, folder.data());
    }
    if (length == 0 || length >= folder.size() || length + 1 + wide.size() < MAX_PATH - 12)
        return wide;
    folder.resize(length);
    if (!folder.ends_with(L'\\'))
        folder += L'\\';
    folder += wide;
    if (folder.starts_with(L"\\\\?\\"))
        return folder;
    if (folder.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + folder.substr(2);
    return L"\\\\?\\" + folder;
}

DWORD attributesOf(const Bytes& name)
{
    return GetFileAttributesW(winPath(name).c_str());
}

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE)
        : m_handle(handle)
    {
    }
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }
    void reset(HANDLE handle)
    {
        close();
        m_handle = handle;
    }
    // 0 or an errno value.
    int close()
    {
        if (!valid())
            return 0;
        return CloseHandle(release()) ? 0 : lastError();
    }

private:
    HANDLE m_handle;
};

int writeAll(HANDLE file, BytesView contents)
{
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(left, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr))
            return lastError();
        data += written;
        left -= written;
    }
    return 0;
}

// Moves an open file (opened with DELETE access) to a name of the earlier versions' scratch
// files, ".~<name>.XXXXXX", within its folder; true when done.
bool moveAside(HANDLE file, const Bytes& name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::minstd_rand random(static_cast<unsigned>(GetCurrentProcessId() ^ GetTickCount()));
    Bytes aside = ".~" + name + ".";
    for (int k = 0; k < 6; ++k)
        aside += letters[random() % (sizeof letters - 1)];
    const std::wstring wide = wideName(aside);
    const size_t size = offsetof(FILE_RENAME_INFO, FileName) + (wide.size() + 1) * sizeof(wchar_t);
    std::vector<unsigned char> buffer(size);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    wide.copy(rename->FileName, wide.size());
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(size)) != 0;
}

// Takes the name away from an open file (opened with DELETE access) at once, even while
// another copy of the program reads it; true when done.
bool deleteOpenFile(HANDLE file, const Bytes& name)
{
    // Windows 10's deletion that frees the name at once (FileDispositionInfoEx, with the flags
    // DELETE and POSIX_SEMANTICS), spelt out since the headers offer it only to some targets.
    const auto dispositionEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
    ULONG atOnce = 0x1 | 0x2;
    if (SetFileInformationByHandle(file, dispositionEx, &atOnce, sizeof atOnce))
        return true;
    // Elsewhere a deleted file keeps its name until its last reader closes it, and the name
    // could be neither created nor renamed onto meanwhile: it moves aside first. Should the
    // program end in between, the next clean-up of the folder sweeps it as a scratch file.
    (void)moveAside(file, name);
    FILE_DISPOSITION_INFO onClose {};
    onClose.DeleteFile = TRUE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &onClose, sizeof onClose) != 0;
}

bool isFolder(const Bytes& name)
{
    const DWORD attributes = attributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A scratch file beside the file it prepares, written while nobody else may open it for
// writing or delete it.
class ScratchFile {
public:
    explicit ScratchFile(const Bytes& target)
        : m_path(winPath(scratchFileName(target)))
    {
        // A scratch file standing here is what an interrupted write left: it goes.
        open();
        if (!m_file.valid() && GetLastError() == ERROR_FILE_EXISTS && DeleteFileW(m_path.c_str()))
            open();
        m_error = m_file.valid() ? 0 : lastError();
    }
    ~ScratchFile()
    {
        m_file.close();
        if (!m_published && m_error == 0)
            DeleteFileW(m_path.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    int error() const { return m_error; }
    const std::wstring& path() const { return m_path; }

    // Writes everything, flushes it to the disk and closes the file; 0 or an errno value.
    int writeAndClose(BytesView contents)
    {
        if (const int error = writeAll(m_file.get(), contents))
            return error;
        if (!FlushFileBuffers(m_file.get()))
            return lastError();
        return m_file.close();
    }

    void markPublished() { m_published = true; }

private:
    void open()
    {
        m_file.reset(CreateFileW(
            m_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    std::wstring m_path;
    Handle m_file;
    int m_error = 0;
    bool m_published = false;
};

constexpr long long fileTimeTicksPerSecond = 10000000;
constexpr long long fileTimeAtUnixEpoch = 116444736000000000LL;

// A file time: 100 ns ticks since 1601.
long long ticks(const FILETIME& time)
{
    return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// A file time as nanoseconds since 1970.
long long nanoseconds(const FILETIME& time)
{
    return (ticks(time) - fileTimeAtUnixEpoch) * 100;
}

} // namespace

FileKind fileKind(const Bytes& name)
{
    const DWORD attributes = attributesOf(name);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError() == ENOENT ? FileKind::Missing : FileKind::Other;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileKind::Folder;
    // A device (CON, NUL) answers to its name in any folder; a link is followed.
    Handle file(CreateFileW(winPath(name).c_str(), 0, shareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid())
        return FileKind::Other;
    return GetFileType(file.get()) == FILE_TYPE_DISK ? FileKind::Regular : FileKind::Other;
}

bool nameTaken(const Bytes& name)
{
    return attributesOf(name) != INVALID_FILE_ATTRIBUTES;
}

bool fileExists(const Bytes& name)
{
    return fileKind(name) == FileKind::Regular;
}

std::optional<FileStamp> fileStamp(const Bytes& name)
{
    Handle file(CreateFileW(winPath(name).c_str(), 0, shareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info {};
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info)
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return FileStamp { static_cast<long long>(
                           (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow),
        nanoseconds(info.ftLastWriteTime) };
}

Result<Bytes> readFile(const Bytes& name, size_t maxSize, FileStamp* stamp)
{
    if (isFolder(name))
        return systemError(name, EISDIR);
    // Shared for deletion too: a clean-up on another computer may delete or renumber the file
    // while it is read here.
    Handle file(CreateFileW(winPath(name).c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid())
        return systemError(name, lastError());
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return FileError { .file = name, .why = Failure::NotRegularFile };
    LARGE_INTEGER size {};
    if (!GetFileSizeEx(file.get(), &size))
        return systemError(name, lastError());
    if (static_cast<unsigned long long>(size.QuadPart) > maxSize)
        return tooLarge(name, maxSize);
    if (stamp) {
        FILETIME written {};
        if (!GetFileTime(file.get(), nullptr, nullptr, &written))
            return systemError(name, lastError());
        *stamp = { static_cast<long long>(size.QuadPart), nanoseconds(written) };
    }
    Bytes contents;
    contents.reserve(static_cast<size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
            return systemError(name, lastError());
        if (got == 0)
            break;
        contents.append(buffer, got);
        if (contents.size() > maxSize)
            return tooLarge(name, maxSize);
    }
    return contents;
}

Status replaceFile(const Bytes& name, BytesView contents, FileMode)
{
    // Moving a file over a folder is refused with a vaguer reason than POSIX gives.
    if (isFolder(name))
        return systemError(name, EISDIR);
    ScratchFile scratch(name);
    if (scratch.error())
        return systemError(name, scratch.error());
    if (const int failed = scratch.writeAndClose(contents))
        return systemError(name, failed);
    if (!MoveFileExW(scratch.path().c_str(), winPath(name).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return systemError(name, lastError());
    scratch.markPublished();
    return success();
}

Status createNewFile(const Bytes& name, BytesView contents, bool* existedAlready, FileMode)
{
    if (existedAlready)
        *existedAlready = false;
    ScratchFile scratch(name);
    if (scratch.error())
        return systemError(name, scratch.error());
    if (const int error = scratch.writeAndClose(contents))
        return systemError(name, error);
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a name that exists, even one another
    // program created a moment ago.
    if (MoveFileExW(scratch.path().c_str(), winPath(name).c_str(), MOVEFILE_WRITE_THROUGH)) {
        scratch.markPublished();
        return success();
    }
    const int error = lastError();
    if (existedAlready)
        *existedAlready = error == EEXIST;
    return systemError(name, error);
}

Status writeRecordFile(const Bytes& name, BytesView contents)
{
    const std::wstring where = winPath(name);
    Handle file(CreateFileW(where.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return systemError(name, isFolder(name) ? EISDIR : lastError());
    int error = writeAll(file.get(), contents);
    if (error == 0 && !FlushFileBuffers(file.get()))
        error = lastError();
    if (const int closed = file.close(); error == 0)
        error = closed;
    if (error != 0) {
        DeleteFileW(where.c_str());
        return systemError(name, error);
    }
    return success();
}

Status renameFile(const Bytes& from, const Bytes& to)
{
    if (!MoveFileExW(winPath(from).c_str(), winPath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return systemError(from, lastError());
    return success();
}

int removeName(const Bytes& name)
{
    // Opened for deletion only, shared with every reader and writer, so a file another copy
    // of the program has open can still go.
    Handle file(CreateFileW(
        winPath(name).c_str(), DELETE, shareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        const int error = lastError();
        return error == EACCES && isFolder(name) ? EISDIR : error;
    }
    return deleteOpenFile(file.get(), name) ? 0 : lastError();
}

int renameWithoutReplacing(const Bytes& from, const Bytes& to)
{
    return MoveFileExW(winPath(from).c_str(), winPath(to).c_str(), MOVEFILE_WRITE_THROUGH) ? 0 : lastError();
}

std::vector<Bytes> workingFolderEntries()
{
    return sys::folderEntries(".");
}

// ---- Locks ---------------------------------------------------------------------------------
namespace sys {

namespace {

bool identityOf(HANDLE file, FileIdentity& identity, BY_HANDLE_FILE_INFORMATION* details = nullptr)
{
    BY_HANDLE_FILE_INFORMATION info {};
    if (!GetFileInformationByHandle(file, &info))
        return false;
    identity = { info.dwVolumeSerialNumber,
        (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow };
    if (details)
        *details = info;
    return true;
}

} // namespace

Bytes writeTarget(const Bytes& name, FileError&)
{
    // A link is replaced, not followed: Windows' links need rights that pupils' accounts lack.
    return name;
}

int lookAt(const Bytes& name, NameLook& look)
{
    Handle file(CreateFileW(winPath(name).c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return lastError();
    using Kind = NameLook::Kind;
    const DWORD type = GetFileType(file.get());
    BY_HANDLE_FILE_INFORMATION info {};
    if (type != FILE_TYPE_DISK || !identityOf(file.get(), look.identity, &info)) {
        look.kind = type == FILE_TYPE_PIPE ? Kind::Pipe : type == FILE_TYPE_CHAR ? Kind::Device : Kind::Other;
        return 0;
    }
    look.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? Kind::Link
        : (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)           ? Kind::Folder
                                                                       : Kind::Regular;
    look.modified = static_cast<time_t>((ticks(info.ftLastWriteTime) - fileTimeAtUnixEpoch) / fileTimeTicksPerSecond);
    FILE_BASIC_INFO basic {};
    look.changed = GetFileInformationByHandleEx(file.get(), FileBasicInfo, &basic, sizeof basic)
        ? static_cast<time_t>((basic.ChangeTime.QuadPart - fileTimeAtUnixEpoch) / fileTimeTicksPerSecond)
        : 0;
    look.size = static_cast<long long>((static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    return 0;
}

int makeFolder(const Bytes& name)
{
    return CreateDirectoryW(winPath(name).c_str(), nullptr) ? 0 : lastError();
}

int removeFolder(const Bytes& name)
{
    return RemoveDirectoryW(winPath(name).c_str()) ? 0 : lastError();
}

int listFolder(const Bytes& folder, std::vector<FolderEntry>& entries)
{
    WIN32_FIND_DATAW entry {};
    // One request fetches many entries with their sizes and times: no look at each file.
    const HANDLE search = FindFirstFileExW(winPath(inFolder(folder, "*")).c_str(), FindExInfoBasic, &entry,
        FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE)
        return lastError();
    do {
        std::optional<Bytes> name = narrowName(entry.cFileName);
        // A name Windows-1252 cannot write is no name of the program's.
        if (!name || *name == "." || *name == "..")
            continue;
        FolderEntry listed { std::move(*name), std::nullopt, std::nullopt };
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            // A link: what it leads to is looked at when it matters.
        } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            listed.kind = FileKind::Folder;
        } else {
            listed.kind = FileKind::Regular;
            listed.stamp
                = FileStamp { static_cast<long long>(
                                  (static_cast<unsigned long long>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow),
                      nanoseconds(entry.ftLastWriteTime) };
        }
        entries.push_back(std::move(listed));
    } while (FindNextFileW(search, &entry));
    const int error = GetLastError() == ERROR_NO_MORE_FILES ? 0 : lastError();
    FindClose(search);
    return error;
}

Bytes inFolder(const Bytes& folder, const Bytes& entry)
{
    return folder + "\\" + entry;
}

int writeWholeFile(const Bytes& path, BytesView contents, FileMode, const Bytes&)
{
    const std::wstring where = winPath(path);
    Handle file(CreateFileW(where.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastError();
    int error = writeAll(file.get(), contents);
    if (error == 0 && !FlushFileBuffers(file.get()))
        error = lastError();
    if (const int closed = file.close(); error == 0)
        error = closed;
    if (error != 0)
        DeleteFileW(where.c_str());
    return error;
}

int renameReplacing(const Bytes& from, const Bytes& to)
{
    return MoveFileExW(winPath(from).c_str(), winPath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        ? 0
        : lastError();
}

bool removeLockFileIf(const Bytes& name, const FileIdentity& identity)
{
    // The file is checked and deleted through one handle: nothing can slip in between.
    Handle file(CreateFileW(
        winPath(name).c_str(), DELETE, shareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    FileIdentity now;
    return file.valid() && identityOf(file.get(), now) && now == identity && deleteOpenFile(file.get(), name);
}

std::optional<Bytes> processStart(long long process)
{
    Handle running(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process)));
    if (!running.get()) {
        // Another user's process may not be looked at, but it runs.
        running.release();
        return GetLastError() == ERROR_ACCESS_DENIED ? std::optional<Bytes>(Bytes()) : std::nullopt;
    }
    DWORD exitCode = 0;
    if (GetExitCodeProcess(running.get(), &exitCode) && exitCode != STILL_ACTIVE)
        return std::nullopt;
    FILETIME created {}, exited {}, kernel {}, user {};
    if (!GetProcessTimes(running.get(), &created, &exited, &kernel, &user))
        return Bytes();
    return decimal(ticks(created));
}

long long currentProcess()
{
    return GetCurrentProcessId();
}

Bytes computerName()
{
    wchar_t name[256] = {};
    DWORD length = 255;
    if (!GetComputerNameExW(ComputerNameDnsHostname, name, &length) || length == 0)
        return "?";
    return narrowName(name).value_or("?");
}

Bytes localTime(time_t when)
{
    std::tm parts {};
    localtime_s(&parts, &when);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

} // namespace sys

Bytes networkShareOfWorkingFolder()
{
    // A mapped network drive, or a folder given by its \\server\share path.
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t volume[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    if (length == 0 || length > MAX_PATH || !GetVolumePathNameW(folder, volume, MAX_PATH))
        return {};
    return GetDriveTypeW(volume) == DRIVE_REMOTE ? Bytes("smb") : Bytes();
}

} // namespace quorvex
