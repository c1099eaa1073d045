#pragma once

#include <filesystem>
#include <string>

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
