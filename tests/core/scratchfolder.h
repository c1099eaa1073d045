#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
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

// The mount of a shared folder through which computer which (0 or 1, taken modulo 2) sees it,
// when QUORVEX_SHARE_A and QUORVEX_SHARE_B both name a mount of the same folder; else empty,
// and the tests keep to one local disk.
inline std::filesystem::path shareMount(int which)
{
    const char* a = std::getenv("QUORVEX_SHARE_A");
    const char* b = std::getenv("QUORVEX_SHARE_B");
    if (a == nullptr || b == nullptr || *a == 0 || *b == 0)
        return {};
    return which % 2 == 0 ? a : b;
}

// The name of the scratch folder of the running test in the shared folder, or empty.
inline std::filesystem::path& scratchOnShare()
{
    static std::filesystem::path name;
    return name;
}

// Makes a fresh temporary folder the working folder for one test and removes it afterwards,
// since the program keeps every file in its working folder.
class ScratchFolder {
public:
    // In base when given, else on the shared folder's first mount when there is one, else in
    // the temporary folder.
    explicit ScratchFolder(const std::filesystem::path& base = {})
        : m_previous(std::filesystem::current_path())
    {
        const std::filesystem::path share = base.empty() ? shareMount(0) : std::filesystem::path();
        const std::filesystem::path in = !base.empty() ? base
            : !share.empty()                           ? share
                                                       : std::filesystem::temp_directory_path();
        std::string pattern = (in / "quorvex-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "cannot make a scratch folder in " + in.string());
        m_path = pattern;
        std::filesystem::current_path(m_path);
        if (!share.empty())
            scratchOnShare() = m_path.filename();
    }
    ~ScratchFolder()
    {
        scratchOnShare().clear();
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

// Makes the calling process work in the running test's scratch folder through the shared
// folder's mount which % 2, as the computer of that mount would; nothing without a share. Meant
// for a child process: one that cannot get there ends at once.
inline void enterMount(int which)
{
    const std::filesystem::path mount = shareMount(which);
    if (mount.empty() || scratchOnShare().empty())
        return;
    std::error_code error;
    std::filesystem::current_path(mount / scratchOnShare(), error);
    if (error) {
        std::fprintf(
            stderr, "cannot enter %s: %s\n", (mount / scratchOnShare()).string().c_str(), error.message().c_str());
        std::_Exit(5);
    }
}

// The names in the working folder, sorted.
inline std::vector<std::string> folderEntries()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}
