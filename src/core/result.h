#pragma once

#include "core/bytes.h"

#include <cassert>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace quorvex {

// Who holds a lock, as the holder's note says: its computer, its process, and since when. All
// empty when the note could not be read.
struct LockHolder {
    Bytes computer {};
    Bytes process {};
    Bytes since {};

    friend bool operator==(const LockHolder&, const LockHolder&) = default;
};

// Why a file operation failed. The core says which failure it was and what it names; the
// windows word it in the user's language. What each kind names is said beside it.
enum class Failure : uint8_t {
    System, // code: the system's errno, or the file layer's own (ENOLCK, fileChangedMeanwhile)
    TooLarge, // number: the most megabytes read
    NotRegularFile, // a pipe, a device or the like
    NotRegularOrUnreachable, // not a regular file, or a link to one that cannot be reached
    UnreachableLink, // code: why the file the link points to cannot be reached
    LinkOutsideFolder, // text: the file the link points to
    InvalidFileName,
    NameTooLong, // number: the longest name in bytes whose day files stay within 255 bytes
    InvalidInteger, // text: the field read
    TooManyLines, // number: the most lines a day may have
    InUse, // holder: who holds the lock
    BeingChanged, // cause: the roster's lock, in use
    NotLockable, // cause: why the roster's lock could not be taken
    DaysInUse, // text: the pupil; cause: the pupil's lock, in use
    DaysNotLockable, // text: the pupil; cause: why the lock could not be taken
    // Something else stands under the name of one of the program's locks:
    LinkForLock,
    PipeForLock,
    SocketForLock,
    DeviceForLock,
    OtherForLock,
    FolderForLock, // text: a name the folder holds
    NoteNotCarriedOut, // cause: why; text: the clean-up note's new name, empty when it could not be renamed
    NoteGarbled, // the clean-up note is not one this program wrote
    NoteNamesAnother, // the clean-up note names another pupil
    NotOnRoster, // text: the pupil
    RosterHoldsSharer, // text: another pupil on the roster whose day files may be the same files
    NoteCountsFewerDays, // number: the days the note counts; the day after them is there
    DayNotCounted, // number: the day
    DayNotFound, // number: the day, neither where the note had it nor where it was going
    MayBeSharersDay, // text: the other pupil whose day it may be too
    JpegLibraryMissing, // text: the library's file name; detail: the system's words, from the loader
    JpegFunctionMissing, // text: the library's file name; detail: the function
    PictureTooLarge,
    PictureNotRgb,
    PictureUndecodable, // detail: the JPEG library's own words
};

// A file operation that failed: which file, and why. Two errors are the same when they say the
// same of the same file.
struct FileError {
    Bytes file {};
    Failure why = Failure::System;
    int code = 0;
    Bytes text {};
    long long number = 0;
    LockHolder holder {};
    Bytes detail {};
    // The failure this one came of, for the kinds that say so.
    std::shared_ptr<const FileError> cause {};

    static FileError system(Bytes file, int code) { return { .file = std::move(file), .code = code }; }

    friend bool operator==(const FileError& a, const FileError& b)
    {
        return a.file == b.file && a.why == b.why && a.code == b.code && a.text == b.text && a.number == b.number
            && a.holder == b.holder && a.detail == b.detail
            && (a.cause && b.cause ? *a.cause == *b.cause : a.cause == b.cause);
    }
};

// The failure of the failure that this one came of.
inline std::shared_ptr<const FileError> causedBy(FileError error)
{
    return std::make_shared<const FileError>(std::move(error));
}

// The value of a file operation, or why there is none. File helpers return this instead
// of throwing, so only the window decides how a failure is shown.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(FileError error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const&
    {
        assert(ok());
        return *m_value;
    }
    T&& value() &&
    {
        assert(ok());
        return std::move(*m_value);
    }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const FileError& error() const
    {
        assert(!ok());
        return m_error;
    }

private:
    std::optional<T> m_value;
    FileError m_error;
};

struct Done { };
using Status = Result<Done>;

inline Status success()
{
    return Done {};
}

} // namespace quorvex
