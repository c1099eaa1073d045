// Faults that no single process can arrange by itself: two copies of the program saving days
// for one student in one folder at the same moment, and a process killed while it replaces a
// file. Each runs the program's own writers in child processes.

#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/password.h"
#include "core/classfolder/roster.h"
#include "core/classfolder/textlines.h"
#include "faultwriters.h"
#include "fileerrors.h"
#include "immutableflag.h"
#include "scratchfolder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <ranges>
#include <set>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace quorvex;

namespace {

// A child process running body, which must end in _exit: no test framework code may run twice.
pid_t runChild(const std::function<void()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    return child;
}

bool onAShare()
{
    return !shareMount(0).empty();
}

// Trials of a race: a tenth on a share, where every call is a round trip, at least two.
int trialsHere(int trials)
{
    return onAShare() ? std::min(trials, std::max(2, trials / 10)) : trials;
}

// Where a test of many files runs: on the share when the suite runs on one, else in memory
// where there is a memory file system; the files are named, renamed and removed the same way.
std::filesystem::path inMemoryUnlessOnAShare()
{
    std::error_code noShm;
    return !onAShare() && std::filesystem::is_directory("/dev/shm", noShm) ? "/dev/shm" : "";
}

bool exitedCleanly(pid_t child)
{
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void writeAll(int fd, const void* data, size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written <= 0)
            ::_exit(3);
        bytes += written;
        size -= static_cast<size_t>(written);
    }
}

} // namespace

TEST(SimultaneousSaves, EverySaveOfTwoProcessesLandsInADayOfItsOwn)
{
    ScratchFolder folder;
    constexpr int writers = 2;
    // Every call a round trip on a share: fewer there, as two classroom computers would save.
    const int savesEach = onAShare() ? 50 : 150;
    int start[2];
    int outcomes[2];
    ASSERT_EQ(::pipe(start), 0);
    ASSERT_EQ(::pipe(outcomes), 0);

    std::vector<pid_t> children;
    for (int writer = 0; writer < writers; ++writer) {
        children.push_back(runChild([&, writer] {
            enterMount(writer); // on a share, each copy through a mount of its own
            ::close(start[1]);
            ::close(outcomes[0]);
            char go = 0;
            // Both wait here until the parent lets them go at the same moment.
            if (::read(start[0], &go, 1) != 0)
                ::_exit(2);
            for (int save = 0; save < savesEach; ++save) {
                // A save refused because the other copy kept the pupil's lock past the wait is
                // reported and its answers kept; the pupil saves again, up to three times.
                Result<int32_t> day = saveNextDay("Ann", dayOf(writer, save));
                for (int again = 0; again < 2 && !day && day.error().why == Failure::DaysInUse; ++again)
                    day = saveNextDay("Ann", dayOf(writer, save));
                const SaveOutcome outcome = outcomeOf(writer, save, day);
                writeAll(outcomes[1], &outcome, sizeof outcome);
            }
        }));
    }
    ::close(start[0]);
    ::close(outcomes[1]);
    ::close(start[1]);

    std::vector<SaveOutcome> saves;
    SaveOutcome outcome {};
    while (::read(outcomes[0], &outcome, sizeof outcome) == static_cast<ssize_t>(sizeof outcome))
        saves.push_back(outcome);
    ::close(outcomes[0]);
    for (const pid_t child : children)
        EXPECT_TRUE(exitedCleanly(child));

    expectEverySaveInADayOfItsOwn(saves, writers * savesEach);
    EXPECT_EQ(countDays("Ann"), writers * savesEach);
}

namespace {

class KillWhileWriting : public ::testing::TestWithParam<KilledWriter> { };

} // namespace

TEST_P(KillWhileWriting, LeavesTheOldFileOrTheNewOneNeverAMixOrNothing)
{
    ScratchFolder folder;
    const KilledWriter& writer = GetParam();
    const bool day = Bytes(writer.name) == "day";
    ASSERT_TRUE(writer.write(0).ok());
    const std::set<Bytes> whole { writer.contents(0), writer.contents(1) };

    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(0, 40000);
    int scratchLeft = 0;
    for (int attempt = 0; attempt < 40; ++attempt) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = runChild([&] {
            ::close(ready[0]);
            writeAll(ready[1], "r", 1);
            for (int version = 1;; version = 1 - version)
                (void)writer.write(version);
        });
        ::close(ready[1]);
        char started = 0;
        ASSERT_EQ(::read(ready[0], &started, 1), 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        // Whatever the moment, every file under the program's names is whole.
        for (const std::string& name : folderEntries()) {
            if (name.starts_with(".~")) {
                // An unfinished write aside, never seen under the file's own name, or the
                // lock the killed writer held.
                scratchLeft += isScratchFileName(name) ? 1 : 0;
                std::filesystem::remove_all(name);
                continue;
            }
            const Result<Bytes> contents = readFile(name);
            ASSERT_TRUE(contents.ok());
            EXPECT_TRUE(whole.contains(*contents)) << name << " holds " << contents->size() << " bytes of a mix";
            if (day)
                std::filesystem::remove(name); // the next attempt starts again from day 1
        }
        if (!day) {
            ASSERT_TRUE(fileExists(writer.name));
        }
    }
    // Not an assertion on timing, only a note of how many kills landed mid-write.
    std::printf("%d of 40 kills left a write aside unfinished\n", scratchLeft);
}

INSTANTIATE_TEST_SUITE_P(EveryFileTheProgramWrites, KillWhileWriting, ::testing::ValuesIn(killedWriters()),
    [](const ::testing::TestParamInfo<KilledWriter>& info) {
        return info.index == 0 ? "Roster" : info.index == 1 ? "Password" : "DayFile";
    });

// ---- Clean-ups and deletes killed at any moment ------------------------------------------

namespace {

Bytes originalDay(int day)
{
    return "day " + decimal(day) + "\r\n";
}

// Plain writes: setting up thousands of days with the program's flushed writes takes long.
// The student is on the roster, as a clean-up note is acted on only for a student on it.
void writeOriginalDays(const Bytes& student, int days)
{
    const Bytes roster = "Guest\r\n" + student + "\r\n";
    const int list = ::open(rosterFileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(list, 0);
    ASSERT_EQ(::write(list, roster.data(), roster.size()), static_cast<ssize_t>(roster.size()));
    ::close(list);
    for (int day = 1; day <= days; ++day) {
        const Bytes name = dayFileName(student, day);
        const Bytes contents = originalDay(day);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, contents.data(), contents.size()), static_cast<ssize_t>(contents.size()));
        ::close(fd);
    }
}

void emptyFolder()
{
    for (const std::string& name : folderEntries())
        std::filesystem::remove_all(name);
}

// The student's days as a run 1..m, and whether any day file lies beyond its first gap.
std::vector<Bytes> dayRun(const Bytes& student, int upTo, bool& hiddenBeyond)
{
    std::vector<Bytes> days;
    for (int day = 1; fileExists(dayFileName(student, day)); ++day)
        days.push_back(readFile(dayFileName(student, day)).value());
    hiddenBeyond = false;
    for (int day = static_cast<int>(days.size()) + 1; day <= upTo + 1; ++day)
        hiddenBeyond = hiddenBeyond || nameTaken(dayFileName(student, day));
    return days;
}

std::vector<Bytes> originalRun(int from, int to)
{
    std::vector<Bytes> days;
    for (int day = from; day <= to; ++day)
        days.push_back(originalDay(day));
    return days;
}

// Work on a student's days, the days it starts from, and what it leaves when it is done.
struct KilledDayWork {
    const char* name;
    int days;
    int kills;
    std::function<void()> work;
    int firstKept; // the first original day left when the work is done; days + 1 for none
    int refusedDay = 0; // a day the file system refuses to delete, which stays in its place
    bool erases = false; // the pupil is whole on the list, or gone from the list and the folder
};

std::ostream& operator<<(std::ostream& out, const KilledDayWork& work)
{
    return out << work.name;
}

class KillDayWork : public ::testing::TestWithParam<KilledDayWork> { };

// Runs the work in a child that says when it starts; killAfter < 0 lets it finish.
void runAndKill(const KilledDayWork& work, std::chrono::microseconds killAfter)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = runChild([&] {
        ::close(ready[0]);
        writeAll(ready[1], "r", 1);
        work.work();
    });
    ::close(ready[1]);
    char started = 0;
    ASSERT_EQ(::read(ready[0], &started, 1), 1);
    ::close(ready[0]);
    if (killAfter.count() >= 0) {
        std::this_thread::sleep_for(killAfter);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
}

} // namespace

TEST_P(KillDayWork, AfterARestartTheDaysAreTheOldOrTheNewNeverHidden)
{
    // Thousands of files made and removed 150 times: in memory where there is a memory file
    // system, which takes a minute off; the files are named, renamed and removed the same way.
    // A refused deletion needs a disk file system, which can make a file immutable.
    const KilledDayWork& work = GetParam();
    std::error_code noShm;
    ScratchFolder folder(work.refusedDay == 0 && std::filesystem::is_directory("/dev/shm", noShm) ? "/dev/shm" : "");
    const std::vector<Bytes> before = originalRun(1, work.days);
    std::vector<Bytes> after = originalRun(work.firstKept, work.days);
    const Bytes refused = work.refusedDay ? dayFileName("Ann", work.refusedDay) : Bytes();
    if (work.refusedDay)
        after.insert(after.begin(), originalDay(work.refusedDay));
    auto setUp = [&] {
        if (work.refusedDay)
            (void)setImmutable(refused.c_str(), false);
        emptyFolder();
        writeOriginalDays("Ann", work.days);
        if (work.refusedDay && !setImmutable(refused.c_str(), true))
            GTEST_SKIP() << "this file system or process cannot make a file immutable";
    };

    // Once to the end, to learn how long the work takes: the kills fall within that time.
    setUp();
    if (testing::Test::IsSkipped())
        return;
    const auto start = std::chrono::steady_clock::now();
    runAndKill(work, std::chrono::microseconds(-1));
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    bool hidden = false;
    ASSERT_EQ(dayRun("Ann", work.days, hidden), after);

    std::mt19937 random(12);
    std::uniform_int_distribution<long> moment(0, took.count());
    int interrupted = 0;
    for (int kill = 0; kill < work.kills; ++kill) {
        setUp();
        runAndKill(work, std::chrono::microseconds(moment(random)));
        interrupted += nameTaken(cleanupRecordName("Ann")) ? 1 : 0;

        // The program starts again; only the refused day may be reported, as refused again.
        DayFilesReport settled = settleClassFolder();
        std::erase_if(settled.faults,
            [&](const DayFault& f) { return f.action == DayFault::Action::Delete && f.day == work.refusedDay; });
        EXPECT_TRUE(settled.faults.empty()) << "kill " << kill;
        const std::vector<Bytes> days = dayRun("Ann", work.days, hidden);
        EXPECT_FALSE(hidden) << "kill " << kill << ": days lie beyond day " << days.size();
        EXPECT_TRUE(days == before || days == after) << "kill " << kill << ": " << days.size() << " days";
        EXPECT_FALSE(nameTaken(cleanupRecordName("Ann")));
        if (work.erases) {
            const Bytes roster = readFile(rosterFileName).value();
            EXPECT_EQ(roster, days == before ? "Guest\r\nAnn\r\n" : "Guest\r\n") << "kill " << kill;
            for (const std::string& name : folderEntries())
                EXPECT_TRUE(days == before || name.find("Ann") == std::string::npos) << "kill " << kill << ": " << name;
        }
        if (testing::Test::HasFailure())
            break;
    }
    if (work.refusedDay)
        (void)setImmutable(refused.c_str(), false);
    // A note of how many kills landed mid-work, not an assertion.
    std::printf("%d of %d kills interrupted the work\n", interrupted, work.kills);
}

INSTANTIATE_TEST_SUITE_P(CleanUpAndDelete, KillDayWork,
    ::testing::Values(KilledDayWork { "DeleteFirst1000Of2000", 2000, 100,
                          [] { (void)cleanUp({ "Ann" }, CleanupMode::DeleteFirst, 1000); }, 1001 },
        KilledDayWork { "DeleteAStudentWith2000Days", 2000, 50, [] { (void)deleteAllDays("Ann"); }, 2001 },
        KilledDayWork { "EraseAPupilWith2000Days", 2000, 50, [] { (void)erasePupil("Ann"); }, 2001, 0, true },
        KilledDayWork { "KeepLast100Of300WithDay1Refused", 300, 50,
            [] { (void)cleanUp({ "Ann" }, CleanupMode::KeepLast, 100); }, 201, 1 }),
    [](const ::testing::TestParamInfo<KilledDayWork>& info) { return info.param.name; });

// ---- Two processes changing the same files at the same moment ----------------------------

namespace {

// Two commands racing, the second started after a random pause of up to 300 µs; each returns
// a number for the check (a saved day, say).
struct Race {
    const char* name;
    int trials;
    std::function<void()> setUp;
    std::function<int32_t(int trial)> first;
    std::function<int32_t(int trial)> second;
    std::function<void(int trial, int32_t first, int32_t second)> check;
};

std::ostream& operator<<(std::ostream& out, const Race& race)
{
    return out << race.name;
}

class RaceOnTheFolder : public ::testing::TestWithParam<Race> { };

std::vector<Treslts> racingDay(int trial)
{
    return dayOf(1, trial);
}

// The days after a clean-up or delete raced a save: one of the two orders, and the day
// number the save reported holds the saved day.
void expectOneOrder(
    int trial, int32_t savedDay, const std::vector<Bytes>& saveFirst, const std::vector<Bytes>& saveLast)
{
    bool hidden = false;
    const std::vector<Bytes> days = dayRun("Ann", 12, hidden);
    EXPECT_FALSE(hidden) << "trial " << trial;
    EXPECT_TRUE(days == saveFirst || days == saveLast) << "trial " << trial << ": " << days.size() << " days";
    if (days == saveLast) {
        EXPECT_EQ(savedDay, static_cast<int32_t>(days.size())) << "trial " << trial;
    }
}

std::vector<Bytes> plus(std::vector<Bytes> days, const Bytes& day)
{
    days.push_back(day);
    return days;
}

std::multiset<Bytes> rosterOnDisk()
{
    const std::vector<Bytes> entries = parseRoster(readFile(rosterFileName).value());
    return { entries.begin(), entries.end() };
}

Bytes numbered(const char* stem, int k)
{
    return stem + decimal(k) + "x";
}

// Adds a name as a teacher would: a refusal because the other computer kept the roster's lock
// past the wait is reported, and the teacher presses Add again, up to three times.
int32_t addedByTeacher(const Bytes& name)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const Result<std::vector<Bytes>> written = changeRoster({ { name }, {}, true, {} });
        if (written)
            return 1;
        if (written.error().why != Failure::BeingChanged)
            return 0;
    }
    return 0;
}

} // namespace

TEST_P(RaceOnTheFolder, EveryChangeOfBothIsKept)
{
    ScratchFolder folder;
    const Race& race = GetParam();
    for (int trial = 0; trial < trialsHere(race.trials); ++trial) {
        emptyFolder();
        race.setUp();
        int start[2];
        int results[2];
        ASSERT_EQ(::pipe(start), 0);
        ASSERT_EQ(::pipe(results), 0);
        std::vector<pid_t> children;
        for (int which = 0; which < 2; ++which) {
            children.push_back(runChild([&, which] {
                enterMount(which);
                ::close(start[1]);
                ::close(results[0]);
                std::mt19937 random(static_cast<unsigned>(trial));
                const auto pause = std::chrono::microseconds(random() % 300);
                char go = 0;
                if (::read(start[0], &go, 1) != 0)
                    ::_exit(2);
                if (which == 1)
                    std::this_thread::sleep_for(pause);
                const int32_t result[2] = { which, which == 0 ? race.first(trial) : race.second(trial) };
                writeAll(results[1], result, sizeof result);
            }));
        }
        ::close(start[0]);
        ::close(results[1]);
        ::close(start[1]);
        int32_t outcome[2] = {};
        int32_t result[2];
        while (::read(results[0], result, sizeof result) == static_cast<ssize_t>(sizeof result))
            outcome[result[0]] = result[1];
        ::close(results[0]);
        for (const pid_t child : children)
            EXPECT_TRUE(exitedCleanly(child));
        race.check(trial, outcome[0], outcome[1]);
        if (testing::Test::HasFailure())
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(TwoComputers, RaceOnTheFolder,
    ::testing::Values(Race { "CleanUpKeepingTwoOfTenAgainstASave", 300, [] { writeOriginalDays("Ann", 10); },
                          [](int) { return cleanUp({ "Ann" }, CleanupMode::KeepLast, 2).deleted; },
                          [](int trial) {
                              const Result<int32_t> day = saveNextDay("Ann", racingDay(trial));
                              return day.ok() ? *day : 0;
                          },
                          [](int trial, int32_t, int32_t saved) {
                              const Bytes day = dayContents(racingDay(trial));
                              // The save first: the clean-up keeps day 10 and the saved day.
                              expectOneOrder(trial, saved, { originalDay(10), day }, plus(originalRun(9, 10), day));
                          } },
        Race { "DeleteAgainstASave", 150, [] { writeOriginalDays("Ann", 10); },
            [](int) { return deleteAllDays("Ann").deleted; },
            [](int trial) {
                const Result<int32_t> day = saveNextDay("Ann", racingDay(trial));
                return day.ok() ? *day : 0;
            },
            [](int trial, int32_t, int32_t saved) {
                EXPECT_GE(saved, 1);
                expectOneOrder(trial, saved, {}, { dayContents(racingDay(trial)) });
            } },
        Race { "TwoRostersAdding200NamesEach", 2, [] { ASSERT_TRUE(writeRoster({ guestName }).ok()); },
            [](int) {
                int32_t added = 0;
                for (int k = 0; k < 200; ++k)
                    added += addedByTeacher(numbered("First", k));
                return added;
            },
            [](int) {
                int32_t added = 0;
                for (int k = 0; k < 200; ++k)
                    added += addedByTeacher(numbered("Second", k));
                return added;
            },
            [](int, int32_t first, int32_t second) {
                EXPECT_EQ(first, 200);
                EXPECT_EQ(second, 200);
                std::multiset<Bytes> expected { guestName };
                for (int k = 0; k < 200; ++k)
                    expected.insert({ numbered("First", k), numbered("Second", k) });
                EXPECT_EQ(rosterOnDisk(), expected);
            } },
        Race { "DeletingOnOneAddingOnTheOther", 2,
            [] {
                std::vector<Bytes> roster { guestName };
                for (int k = 0; k < 100; ++k)
                    roster.push_back(numbered("Old", k));
                ASSERT_TRUE(writeRoster(roster).ok());
            },
            [](int) {
                int32_t deleted = 0;
                for (int k = 0; k < 50; ++k)
                    deleted += changeRoster({ {}, { numbered("Old", k) }, false, {} }).ok() ? 1 : 0;
                return deleted;
            },
            [](int) {
                int32_t added = 0;
                for (int k = 0; k < 50; ++k)
                    added += changeRoster({ { numbered("New", k) }, {}, true, {} }).ok() ? 1 : 0;
                return added;
            },
            [](int, int32_t deleted, int32_t added) {
                EXPECT_EQ(deleted, 50);
                EXPECT_EQ(added, 50);
                std::multiset<Bytes> expected { guestName };
                for (int k = 50; k < 100; ++k)
                    expected.insert(numbered("Old", k));
                for (int k = 0; k < 50; ++k)
                    expected.insert(numbered("New", k));
                EXPECT_EQ(rosterOnDisk(), expected);
            } }),
    [](const ::testing::TestParamInfo<Race>& info) { return info.param.name; });

// ---- A stale lock met by several copies at once ------------------------------------------

namespace {

// How a lock was left behind.
enum class LeftLock {
    DeadProcess, // taken by a process of this computer that ended without giving it up
    AgedOtherComputer, // taken by another computer and not renewed for two minutes
    EarlierVersionFile, // an earlier version's lock file of another computer, as old
};

void ageEntry(const Bytes& name, int seconds)
{
    const timespec old[2] = { { std::time(nullptr) - seconds, 0 }, { std::time(nullptr) - seconds, 0 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, name.c_str(), old, AT_SYMLINK_NOFOLLOW), 0) << name;
}

// Ages a lock as if its holder had not renewed it for that long.
void ageLock(const Bytes& lock, int seconds)
{
    if (!nameTaken(lock))
        return;
    for (const std::string& entry : std::filesystem::directory_iterator(lock)
            | std::views::transform([](auto& e) { return e.path().filename().string(); }))
        ageEntry(lock + "/" + entry, seconds);
    ageEntry(lock, seconds);
}

void leaveLock(LeftLock how)
{
    const Bytes lock = studentLockName("Ann");
    const Bytes note = "computer pc-7\nprocess 4242\nstarted 1\ntime 2026-12-08 09:15:00\n";
    switch (how) {
    case LeftLock::DeadProcess:
        ASSERT_TRUE(exitedCleanly(runChild([&] {
            const Result<FolderLock> held = FolderLock::take(lock);
            ::_exit(held.ok() ? 0 : 1); // ends holding it
        })));
        break;
    case LeftLock::AgedOtherComputer:
        ASSERT_EQ(::mkdir(lock.c_str(), 0777), 0);
        ASSERT_EQ(::mkdir((lock + "/0123456789abcdef").c_str(), 0777), 0);
        ASSERT_TRUE(replaceFile(lock + "/holder", note + "token 0123456789abcdef\n").ok());
        ageLock(lock, 120);
        break;
    case LeftLock::EarlierVersionFile:
        ASSERT_TRUE(replaceFile(lock, note).ok());
        ageEntry(lock, 120);
        break;
    }
    ASSERT_TRUE(nameTaken(lock));
}

// What each copy does, one letter each: c cleans up keeping the last 3 days, s saves twice, p
// takes the lock three times and counts how many hold it.
struct StaleLockRace {
    const char* name;
    const char* copies;
    LeftLock left;
    int trials;
};

std::ostream& operator<<(std::ostream& out, const StaleLockRace& race)
{
    return out << race.name;
}

class StaleLockRaces : public ::testing::TestWithParam<StaleLockRace> { };

struct RaceReport {
    int32_t writer;
    int32_t save; // -1 for a clean-up or a probe
    int32_t number; // the day saved (0: failed), or the days a clean-up deleted, or the most holders seen
};

} // namespace

TEST_P(StaleLockRaces, OneHolderAtATimeAndEverySavedDayWhereItsSaveSaysItIs)
{
    // On a disk file system (or the share), which gives a removed file's number to the next
    // file made: a lock told from another by that number alone was once broken twice.
    ScratchFolder folder;
    const StaleLockRace& race = GetParam();
    const int copies = static_cast<int>(std::strlen(race.copies));
    // How many copies hold the lock at once, counted in memory every copy shares.
    auto* holders = static_cast<std::atomic<int>*>(
        ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(holders, MAP_FAILED);
    int twoHolders = 0;
    for (int trial = 0; trial < trialsHere(race.trials); ++trial) {
        emptyFolder();
        writeOriginalDays("Ann", 10);
        leaveLock(race.left);
        holders->store(0);
        int start[2];
        int reports[2];
        ASSERT_EQ(::pipe(start), 0);
        ASSERT_EQ(::pipe(reports), 0);
        std::vector<pid_t> children;
        for (int writer = 0; writer < copies; ++writer) {
            children.push_back(runChild([&, writer] {
                enterMount(writer);
                ::close(start[1]);
                ::close(reports[0]);
                char go = 0;
                if (::read(start[0], &go, 1) != 0)
                    ::_exit(2);
                const char role = race.copies[writer];
                if (role == 'c') {
                    const RaceReport report { writer, -1, cleanUp({ "Ann" }, CleanupMode::KeepLast, 3).deleted };
                    writeAll(reports[1], &report, sizeof report);
                } else if (role == 's') {
                    for (int save = 0; save < 2; ++save) {
                        const Result<int32_t> day = saveNextDay("Ann", dayOf(writer, save));
                        const RaceReport report { writer, save, day.ok() ? *day : 0 };
                        writeAll(reports[1], &report, sizeof report);
                    }
                } else {
                    int most = 0;
                    for (int take = 0; take < 3; ++take) {
                        Result<FolderLock> lock = FolderLock::take(studentLockName("Ann"));
                        if (!lock)
                            continue;
                        most = std::max(most, holders->fetch_add(1) + 1);
                        std::this_thread::sleep_for(std::chrono::microseconds(300));
                        holders->fetch_sub(1);
                    }
                    const RaceReport report { writer, -1, most };
                    writeAll(reports[1], &report, sizeof report);
                }
            }));
        }
        ::close(start[0]);
        ::close(reports[1]);
        ::close(start[1]);
        std::vector<RaceReport> done;
        RaceReport report {};
        while (::read(reports[0], &report, sizeof report) == static_cast<ssize_t>(sizeof report))
            done.push_back(report);
        ::close(reports[0]);
        for (const pid_t child : children)
            EXPECT_TRUE(exitedCleanly(child));

        // Every day is an original one or a saved one, once, with no gap and nothing beyond.
        bool hidden = false;
        const std::vector<Bytes> days = dayRun("Ann", 30, hidden);
        EXPECT_FALSE(hidden) << "trial " << trial;
        int32_t deleted = 0;
        int32_t saved = 0;
        for (const RaceReport& r : done) {
            if (r.save < 0 && race.copies[r.writer] == 'c')
                deleted = r.number;
            if (r.save < 0 && race.copies[r.writer] == 'p' && r.number > 1)
                ++twoHolders;
            saved += r.save >= 0 && r.number > 0 ? 1 : 0;
        }
        EXPECT_EQ(days.size(), static_cast<size_t>(10 + saved - deleted)) << "trial " << trial;
        EXPECT_EQ(std::set<Bytes>(days.begin(), days.end()).size(), days.size()) << "trial " << trial;
        // A save is where it said, or where the clean-up that followed it renumbered it to.
        for (const RaceReport& r : done) {
            if (r.save < 0)
                continue;
            const Bytes contents = dayContents(dayOf(r.writer, r.save));
            const auto at = std::ranges::find(days, contents);
            if (r.number == 0) {
                EXPECT_EQ(at, days.end()) << "trial " << trial << ": a failed save published its day";
                continue;
            }
            const int32_t day = static_cast<int32_t>(at - days.begin()) + 1;
            if (at != days.end()) {
                EXPECT_TRUE(day == r.number || day == r.number - deleted)
                    << "trial " << trial << ": saved as day " << r.number << ", found as day " << day;
            } else {
                EXPECT_LE(r.number, deleted) << "trial " << trial << ": the day saved as " << r.number << " is gone";
            }
        }
        if (testing::Test::HasFailure())
            break;
    }
    ::munmap(holders, sizeof(std::atomic<int>));
    EXPECT_EQ(twoHolders, 0) << "copies that saw another holder beside them";
}

INSTANTIATE_TEST_SUITE_P(TwoThreeAndFiveCopies, StaleLockRaces,
    ::testing::Values(StaleLockRace { "SaveAndCleanUpOnADeadProcesssLock", "sc", LeftLock::DeadProcess, 60 },
        StaleLockRace { "TwoSavesAndACleanUpOnAnAgedLock", "ssc", LeftLock::AgedOtherComputer, 60 },
        StaleLockRace { "FiveCopiesOnAnEarlierVersionsLock", "scsps", LeftLock::EarlierVersionFile, 40 },
        StaleLockRace { "FiveCopiesOnADeadProcesssLock", "spscp", LeftLock::DeadProcess, 40 },
        StaleLockRace { "TwoProbesOnAnAgedLock", "pp", LeftLock::AgedOtherComputer, 80 },
        StaleLockRace { "ThreeProbesOnADeadProcesssLock", "ppp", LeftLock::DeadProcess, 80 },
        StaleLockRace { "FiveProbesOnAnAgedLock", "ppppp", LeftLock::AgedOtherComputer, 60 }),
    [](const ::testing::TestParamInfo<StaleLockRace>& info) { return info.param.name; });

// ---- A holder that sleeps past its lock's age --------------------------------------------

namespace {

// Work of one copy that is paused at any moment, its lock aged meanwhile as if a minute had
// passed, while another copy saves; the work reports a number and whether it met a fault.
struct PausedWork {
    const char* name;
    int days;
    int trials;
    std::function<std::pair<int32_t, bool>()> work;
    // What the days may be once both are done, given what the sleeper and the saver reported.
    std::function<void(int trial, std::pair<int32_t, bool> sleeper, int32_t saved, const std::vector<Bytes>&)> check;
};

std::ostream& operator<<(std::ostream& out, const PausedWork& work)
{
    return out << work.name;
}

class PausedHolder : public ::testing::TestWithParam<PausedWork> { };

Bytes wakerDay(int trial)
{
    return dayContents(dayOf(9, trial));
}

} // namespace

TEST_P(PausedHolder, WakesToFindItsLockTakenOverAndDestroysNothing)
{
    ScratchFolder folder(inMemoryUnlessOnAShare());
    const PausedWork& work = GetParam();
    std::chrono::microseconds took { 0 };
    std::mt19937 random(21);
    for (int trial = -1; trial < trialsHere(work.trials); ++trial) {
        emptyFolder();
        writeOriginalDays("Ann", work.days);
        int ready[2];
        int outcome[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(outcome), 0);
        const pid_t sleeper = runChild([&] {
            ::close(ready[0]);
            ::close(outcome[0]);
            writeAll(ready[1], "r", 1);
            const std::pair<int32_t, bool> result = work.work();
            const int32_t report[2] = { result.first, result.second ? 1 : 0 };
            writeAll(outcome[1], report, sizeof report);
        });
        ::close(ready[1]);
        ::close(outcome[1]);
        char started = 0;
        ASSERT_EQ(::read(ready[0], &started, 1), 1);
        ::close(ready[0]);
        const auto start = std::chrono::steady_clock::now();
        int32_t saved = 0;
        int status = 0;
        bool ended = false;
        if (trial >= 0) {
            // The first round only learns how long the work takes; the pauses fall within it.
            std::this_thread::sleep_for(std::chrono::microseconds(random() % (took.count() + 1)));
            ::kill(sleeper, SIGSTOP);
            ASSERT_EQ(::waitpid(sleeper, &status, WUNTRACED), sleeper);
            ended = !WIFSTOPPED(status); // done before the pause
            ageLock(studentLockName("Ann"), 120);
            const Result<int32_t> day = saveNextDay("Ann", dayOf(9, trial));
            ASSERT_TRUE(day.ok()) << described(day.error());
            saved = *day;
            ::kill(sleeper, SIGCONT);
        }
        int32_t report[2] = {};
        ASSERT_EQ(::read(outcome[0], report, sizeof report), static_cast<ssize_t>(sizeof report));
        ::close(outcome[0]);
        if (!ended) {
            EXPECT_EQ(::waitpid(sleeper, &status, 0), sleeper);
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "trial " << trial << ": status " << status;
        if (trial < 0) {
            took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
            continue;
        }
        bool hidden = false;
        const std::vector<Bytes> days = dayRun("Ann", work.days + 2, hidden);
        EXPECT_FALSE(hidden) << "trial " << trial;
        EXPECT_FALSE(nameTaken(cleanupRecordName("Ann"))) << "trial " << trial;
        work.check(trial, { report[0], report[1] != 0 }, saved, days);
        if (testing::Test::HasFailure())
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(CleanUpAndSave, PausedHolder,
    ::testing::Values(
        PausedWork { "KeepingTheLast1000Of1500Days", 1500, 30,
            [] {
                const DayFilesReport report = cleanUp({ "Ann" }, CleanupMode::KeepLast, 1000);
                return std::pair { report.deleted, !report.faults.empty() };
            },
            [](int trial, std::pair<int32_t, bool> sleeper, int32_t saved, const std::vector<Bytes>& days) {
                // The clean-up, finished by whoever held the lock, then the save;
                // or the save first, then the whole clean-up; or, for a clean-up
                // that lost its lock before it wrote its note and says so, none.
                const std::vector<Bytes> cleanFirst = plus(originalRun(501, 1500), wakerDay(trial));
                const std::vector<Bytes> saveFirst = plus(originalRun(502, 1500), wakerDay(trial));
                const std::vector<Bytes> none = plus(originalRun(1, 1500), wakerDay(trial));
                EXPECT_TRUE(days == cleanFirst || days == saveFirst || (sleeper.second && days == none))
                    << "trial " << trial << ": " << days.size() << " days";
                if (days == cleanFirst) {
                    EXPECT_EQ(saved, 1001) << "trial " << trial;
                }
            } },
        PausedWork { "SavingADay", 10, 30,
            [] {
                const Result<int32_t> day = saveNextDay("Ann", bigDay(0));
                return std::pair { day.ok() ? *day : 0, !day.ok() };
            },
            [](int trial, std::pair<int32_t, bool> sleeper, int32_t saved, const std::vector<Bytes>& days) {
                // Each day where its save said, and a failed save nowhere.
                ASSERT_GE(days.size(), 11u) << "trial " << trial;
                EXPECT_EQ(days[static_cast<size_t>(saved - 1)], wakerDay(trial)) << "trial " << trial;
                const Bytes slept = dayContents(bigDay(0));
                if (sleeper.first > 0) {
                    EXPECT_EQ(days[static_cast<size_t>(sleeper.first - 1)], slept) << "trial " << trial;
                }
                EXPECT_EQ(days.size(), sleeper.first > 0 ? 12u : 11u) << "trial " << trial;
                EXPECT_EQ(std::ranges::count(days, slept), sleeper.first > 0 ? 1 : 0) << "trial " << trial;
            } }),
    [](const ::testing::TestParamInfo<PausedWork>& info) { return info.param.name; });
