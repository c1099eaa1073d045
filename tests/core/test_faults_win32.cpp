// The faults of the shared class folder on Windows, where there is no fork: the suite starts
// itself again with "--child=..." and the child runs one of the program's writers. Two copies
// saving days for one student at the same moment, a writer terminated in the middle of a
// replacement, a lock whose process has ended, and a day deleted while another copy reads it.

#include "core/classfolder/cleanup.h"
#include "faultwriters.h"
#include "fileerrors.h"
#include "scratchfolder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <windows.h>

using namespace quorvex;

namespace {

constexpr int savesEach = 150;

std::wstring startEventName(DWORD parent)
{
    return L"Local\\quorvex-test-start-" + std::to_wstring(parent);
}

void sendToParent(const void* data, DWORD size)
{
    DWORD written = 0;
    if (!WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), data, size, &written, nullptr) || written != size)
        ExitProcess(3);
}

// What a child does, by its argument; returns the exit code.
int runChild(const std::string& task)
{
    if (task.starts_with("save:")) {
        // Both writers wait until the parent lets them go at the same moment.
        const int writer = std::atoi(task.c_str() + 5);
        const DWORD parent = static_cast<DWORD>(std::atoll(task.c_str() + task.rfind(':') + 1));
        const HANDLE start = OpenEventW(SYNCHRONIZE, FALSE, startEventName(parent).c_str());
        if (!start || WaitForSingleObject(start, INFINITE) != WAIT_OBJECT_0)
            return 2;
        for (int save = 0; save < savesEach; ++save) {
            const Result<int32_t> day = saveNextDay("Ann", dayOf(writer, save));
            const SaveOutcome outcome = outcomeOf(writer, save, day);
            sendToParent(&outcome, sizeof outcome);
        }
        return 0;
    }
    if (task.starts_with("write:")) {
        const std::vector<KilledWriter> writers = killedWriters();
        const KilledWriter& writer = writers.at(static_cast<size_t>(std::atoi(task.c_str() + 6)));
        sendToParent("r", 1);
        for (int version = 1;; version = 1 - version)
            (void)writer.write(version);
    }
    if (task == "lock") {
        const Result<FolderLock> lock = FolderLock::take(studentLockName("Ann"));
        // Ended as if killed: the lock is never given up.
        TerminateProcess(GetCurrentProcess(), lock.ok() ? 0 : 1);
    }
    return 4;
}

// A child running this suite with the task, its output in a pipe the parent reads.
class Child {
public:
    explicit Child(const std::string& task)
    {
        SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
        HANDLE write = nullptr;
        if (!CreatePipe(&m_output, &write, &inherit, 0)) {
            m_error = GetLastError();
            return;
        }
        SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(self) + L"\" --child=" + std::wstring(task.begin(), task.end());
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        // Only the pipe is handed down: the suite's own standard handles need not be inheritable.
        startup.hStdInput = nullptr;
        startup.hStdOutput = write;
        startup.hStdError = nullptr;
        PROCESS_INFORMATION process {};
        // Wine now and then refuses to start a process with ERROR_INTERNAL_ERROR when the machine
        // is busy; that refusal is tried again a few times, any other is the test's failure.
        for (int attempt = 1; attempt <= 5; ++attempt) {
            if (CreateProcessW(
                    nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
                m_process = process.hProcess;
                CloseHandle(process.hThread);
                break;
            }
            m_error = GetLastError();
            if (m_error != ERROR_INTERNAL_ERROR)
                break;
            Sleep(100);
        }
        CloseHandle(write);
    }
    ~Child()
    {
        if (m_process) {
            TerminateProcess(m_process, 9);
            WaitForSingleObject(m_process, INFINITE);
            CloseHandle(m_process);
        }
        if (m_output)
            CloseHandle(m_output);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return m_process != nullptr; }
    // Why the child could not be started.
    DWORD error() const { return m_error; }

    // Fills the buffer from the child's output; false at its end.
    bool read(void* buffer, DWORD size)
    {
        auto* bytes = static_cast<char*>(buffer);
        while (size > 0) {
            DWORD got = 0;
            if (!ReadFile(m_output, bytes, size, &got, nullptr) || got == 0)
                return false;
            bytes += got;
            size -= got;
        }
        return true;
    }

    void terminate() { TerminateProcess(m_process, 9); }

    // The exit code once the child has ended.
    DWORD wait()
    {
        WaitForSingleObject(m_process, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(m_process, &code);
        CloseHandle(std::exchange(m_process, nullptr));
        return code;
    }

private:
    HANDLE m_process = nullptr;
    HANDLE m_output = nullptr;
    DWORD m_error = 0;
};

} // namespace

TEST(SimultaneousSaves, EverySaveOfTwoProcessesLandsInADayOfItsOwn)
{
    ScratchFolder folder;
    const HANDLE start = CreateEventW(nullptr, TRUE, FALSE, startEventName(GetCurrentProcessId()).c_str());
    ASSERT_TRUE(start);
    const std::string parent = std::to_string(GetCurrentProcessId());
    Child first("save:0:" + parent);
    Child second("save:1:" + parent);
    ASSERT_TRUE(first.started() && second.started()) << "Windows errors " << first.error() << ", " << second.error();
    SetEvent(start);

    std::vector<SaveOutcome> saves;
    for (Child* child : { &first, &second }) {
        SaveOutcome outcome {};
        while (child->read(&outcome, sizeof outcome))
            saves.push_back(outcome);
        EXPECT_EQ(child->wait(), 0u);
    }
    CloseHandle(start);

    expectEverySaveInADayOfItsOwn(saves, 2 * savesEach);
}

namespace {

class TerminateWhileWriting : public ::testing::TestWithParam<size_t> { };

} // namespace

TEST_P(TerminateWhileWriting, LeavesTheOldFileOrTheNewOneNeverAMixOrNothing)
{
    ScratchFolder folder;
    const KilledWriter writer = killedWriters().at(GetParam());
    const bool day = Bytes(writer.name) == "day";
    ASSERT_TRUE(writer.write(0).ok());
    const std::set<Bytes> whole { writer.contents(0), writer.contents(1) };

    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(0, 40000);
    int scratchLeft = 0;
    for (int attempt = 0; attempt < 25; ++attempt) {
        Child child("write:" + std::to_string(GetParam()));
        ASSERT_TRUE(child.started()) << "Windows error " << child.error();
        char ready = 0;
        ASSERT_TRUE(child.read(&ready, 1));
        std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        child.terminate();
        child.wait();

        for (const std::string& name : folderEntries()) {
            if (name.starts_with(".~")) {
                // An unfinished write aside, or the lock the terminated writer held.
                scratchLeft += isScratchFileName(name) ? 1 : 0;
                std::error_code error;
                ASSERT_GT(std::filesystem::remove_all(name, error), 0u) << name << ": " << error.message();
                continue;
            }
            const Result<Bytes> contents = readFile(name);
            ASSERT_TRUE(contents.ok()) << described(contents.error());
            EXPECT_TRUE(whole.contains(*contents)) << name << " holds " << contents->size() << " bytes of a mix";
            if (day) {
                ASSERT_EQ(removeName(name), 0) << name;
            }
        }
        if (!day) {
            ASSERT_TRUE(fileExists(writer.name));
        }
    }
    // Not an assertion on timing, only a note of how many landed mid-write.
    std::printf("%d of 25 terminations left a write aside unfinished\n", scratchLeft);
}

INSTANTIATE_TEST_SUITE_P(EveryFileTheProgramWrites, TerminateWhileWriting, ::testing::Values(0, 1, 2),
    [](const ::testing::TestParamInfo<size_t>& info) {
        return info.param == 0 ? "Roster" : info.param == 1 ? "Password" : "DayFile";
    });

TEST(FolderLocks, ALockOfATerminatedProcessIsRemovedAndReported)
{
    ScratchFolder folder;
    Child child("lock");
    ASSERT_TRUE(child.started()) << "Windows error " << child.error();
    ASSERT_EQ(child.wait(), 0u);
    ASSERT_TRUE(nameTaken(".~Ann.days.lock"));
    (void)takeLockNotices();
    EXPECT_EQ(saveNextDay("Ann", {}).value(), 1);
    const std::vector<LockNotice> notices = takeLockNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].lock, ".~Ann.days.lock");
    EXPECT_FALSE(notices[0].holder.computer.empty());
    EXPECT_EQ(notices[0].unrenewedSeconds, -1); // its process has ended
}

TEST(CleanUp, ADayAnotherCopyIsReadingIsDeletedAndItsNumberReusedAtOnce)
{
    ScratchFolder folder;
    for (int day = 1; day <= 3; ++day)
        ASSERT_TRUE(saveNextDay("Ann", dayOf(0, day)).ok());
    // Another copy of the program reads day 1, sharing it for deletion as the file layer does.
    const HANDLE reader = CreateFileW(L"Ann1.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const DayFilesReport report = cleanUp({ "Ann" }, CleanupMode::DeleteFirst, 1);
    CloseHandle(reader);
    EXPECT_TRUE(report.faults.empty()) << described(report.faults.front().error);
    EXPECT_EQ(report.deleted, 1);
    EXPECT_EQ(readFile("Ann1.txt").value(), dayContents(dayOf(0, 2)));
    EXPECT_EQ(readFile("Ann2.txt").value(), dayContents(dayOf(0, 3)));
    EXPECT_EQ(countDays("Ann"), 2);
    // The deleted day was gone for good once its reader let it go.
    EXPECT_EQ(folderEntries(), (std::vector<std::string> { "Ann1.txt", "Ann2.txt" }));
}

int main(int argc, char** argv)
{
    for (int arg = 1; arg < argc; ++arg) {
        const std::string text = argv[arg];
        if (text.starts_with("--child="))
            return runChild(text.substr(8));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
