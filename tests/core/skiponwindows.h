#pragma once

#include <gtest/gtest.h>

// Rules that only a POSIX system has (modes, FIFOs, symbolic links, resource limits, fork and
// signals): their tests skip on Windows, saying why, so the count of skipped tests tells.
#ifdef _WIN32
#define SKIP_ON_WINDOWS(reason) GTEST_SKIP() << (reason)
#else
#define SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif
