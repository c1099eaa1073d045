#pragma once

// What the fuzz targets share: a private working folder (the program reads and writes its files
// by bare name in the current folder), a check that stays on in optimised builds, and a plain
// way to put an input on disk as somebody else's file would be.

#include "core/bytes.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fuzzsupport {

// Stops the run with the broken promise in words; libFuzzer then saves the input.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);                               \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Moves into a fresh folder, in memory when the system has one, and removes it when the run ends.
// The fuzzer reads its corpus and writes its findings by the paths it was given, so those must
// be absolute.
inline void enterWorkingFolder()
{
    static std::filesystem::path folder;
    std::error_code ignored;
    const std::filesystem::path base
        = std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "quorvex-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("quorvex fuzz: no working folder");
        std::abort();
    }
    folder = pattern;
    std::filesystem::current_path(folder);
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    });
}

// Writes the bytes under the name, replacing what is there, without any of the program's own
// writing rules: the input stands for a file from elsewhere.
inline void putFile(const quorvex::Bytes& name, quorvex::BytesView bytes)
{
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    FUZZ_CHECK(fd >= 0);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        FUZZ_CHECK(written > 0);
        done += static_cast<size_t>(written);
    }
    FUZZ_CHECK(::close(fd) == 0);
}

// The text a reader sees: everything before the first byte 26.
inline quorvex::BytesView beforeEndOfFile(quorvex::BytesView text)
{
    return text.substr(0, text.find('\x1a'));
}

// The lines of text as a reader must account for them, split here in the plainest way to check
// the real reader against: at each line feed, with carriage returns dropped, where a line end
// after the last line adds nothing and empty text is one empty line.
inline std::vector<quorvex::Bytes> expectedLines(quorvex::BytesView text)
{
    text = beforeEndOfFile(text);
    std::vector<quorvex::Bytes> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            if (i + 1 < text.size())
                lines.emplace_back();
        } else if (text[i] != '\r') {
            lines.back().push_back(text[i]);
        }
    }
    return lines;
}

} // namespace fuzzsupport
