#pragma once

#ifdef _WIN32
// Windows has no limit of a file's size per process; the tests that need one skip there.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long) { }
};
#else
#include <csignal>
#include <sys/resource.h>

// Makes every write beyond the given size fail with "File too large" while it lives, the way
// a full disk fails a write half-way; permissions cannot do that for a test running as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};
#endif
