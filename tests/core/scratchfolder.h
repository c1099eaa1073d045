#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <atomic>
#include <direct.h>
#include <process.h>

// POSIX's mkdir, for the tests that make a folder in the way; the mode means nothing there.
inline int mkdir(const char* path, int)
{
    return ::_mkdir(path);
}

// A fresh folder from a pattern ending in XXXXXX, as POSIX's mkdtemp makes it.
inline char* mkdtemp(char* pattern)
{
    static std::atomic<unsigned> made { 0 };
    std::string name(pattern);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string unique = std::to_string((::_getpid() * 7919u + made++) % 1000000u + 1000000u).substr(1);
        name.replace(name.size() - 6, 6, unique);
        if (::_mkdir(name.c_str()) == 0) {
            name.copy(pattern, name.size());
            return pattern;
        }
    }
    return nullptr;
}
#endif

// Makes a fresh temporary folder the working folder for one test and removes it afterwards,
// since the program keeps every file in its working folder.
class ScratchFolder {
public:
    // In base when given, else in the temporary folder.
    explicit ScratchFolder(const std::filesystem::path& base = {})
        : m_previous(std::filesystem::current_path())
    {
        const std::filesystem::path in = base.empty() ? std::filesystem::temp_directory_path() : base;
        std::string pattern = (in / "quorvex-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
        std::filesystem::current_path(m_path);
    }
    ~ScratchFolder()
    {
        std::filesystem::current_path(m_previous);
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// The names in the working folder, sorted.
inline std::vector<std::string> folderEntries()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}
