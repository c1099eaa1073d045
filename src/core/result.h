#pragma once

#include "core/bytes.h"

#include <cassert>
#include <optional>
#include <utility>

namespace quorvex {

// A file operation that failed: which file, and the system's reason in words. Where the reason
// is the system's own, code holds its errno, so that a window can word it in the user's language;
// 0 where the reason is the program's own sentence. Two errors are the same when they read the same.
struct FileError {
    Bytes file;
    Bytes reason;
    int code = 0;

    friend bool operator==(const FileError& a, const FileError& b) { return a.file == b.file && a.reason == b.reason; }
};

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
