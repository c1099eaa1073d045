#include "core/classfolder/cleanup.h"
#include "core/classfolder/daysummary.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "fileerrors.h"
#include "immutableflag.h"
#include "scratchfolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvex;

namespace {

// Each day file holds its own original number, so a test can tell which day ended where.
void writeDays(const Bytes& student, std::initializer_list<int> days)
{
    for (const int day : days)
        ASSERT_TRUE(replaceFile(dayFileName(student, day), "day " + decimal(day) + "\r\n").ok());
}

void writeDays(const Bytes& student, int from, int to)
{
    for (int day = from; day <= to; ++day)
        writeDays(student, { day });
}

// Day number on disk -> the original day it holds, for every regular file 1..50.
std::map<int, int> daysOnDisk(const Bytes& student)
{
    std::map<int, int> days;
    for (int day = 1; day <= 50; ++day) {
        if (!fileExists(dayFileName(student, day)))
            continue;
        const Bytes contents = readFile(dayFileName(student, day)).value();
        days[day] = std::stoi(contents.substr(4));
    }
    return days;
}

std::map<int, int> renumbered(int firstKept, int lastKept)
{
    std::map<int, int> days;
    for (int day = firstKept; day <= lastKept; ++day)
        days[day - firstKept + 1] = day;
    return days;
}

bool isFolder(const Bytes& name)
{
    struct stat info { };
    return ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A folder with something inside, so that nothing can take its name from it.
void putFolder(const Bytes& name)
{
    ::unlink(name.c_str());
    ASSERT_EQ(::mkdir(name.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((name + "/inside").c_str(), 0755), 0);
}

} // namespace

TEST(DeleteAllDays, StopsAtTheFirstMissingDay)
{
    ScratchFolder folder;
    writeDays("Ann", { 1, 2, 4 });
    const DayFilesReport report = deleteAllDays("Ann");
    EXPECT_EQ(report.deleted, 2);
    EXPECT_TRUE(report.faults.empty());
    EXPECT_EQ(daysOnDisk("Ann"), (std::map<int, int> { { 4, 4 } }));
}

TEST(DeleteAllDays, LeavesOtherStudentsAlone)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 3);
    writeDays("Anna", 1, 2);
    writeDays("Bob", 1, 2);
    EXPECT_EQ(deleteAllDays("Ann").deleted, 3);
    EXPECT_EQ(daysOnDisk("Anna"), renumbered(1, 2));
    EXPECT_EQ(daysOnDisk("Bob"), renumbered(1, 2));
}

TEST(DeleteAllDays, ReportsARefusedDeletionWithStudentAndDay)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 3);
    const CleanupPlan plan = planCleanup("Ann", CleanupMode::KeepLast, 0);
    putFolder("Ann2.txt");
    const DayFilesReport report = carryOut(plan);
    EXPECT_EQ(report.deleted, 2);
    ASSERT_EQ(report.faults.size(), 1u);
    EXPECT_EQ(
        report.faults[0], (DayFault { DayFault::Action::Delete, "Ann", 2, 0, FileError::system("Ann2.txt", EISDIR) }));
    EXPECT_TRUE(isFolder("Ann2.txt"));
    EXPECT_TRUE(daysOnDisk("Ann").empty());
}

struct CleanupCase {
    const char* name;
    CleanupMode mode;
    int count;
    int days;
    std::map<int, int> after;
    int deleted;
};

class CleanUpOneStudent : public testing::TestWithParam<CleanupCase> { };

TEST_P(CleanUpOneStudent, KeepsTheNewestDaysRenumberedFromOne)
{
    const CleanupCase& c = GetParam();
    ScratchFolder folder;
    writeDays("Ann", 1, c.days);
    const DayFilesReport report = cleanUp({ "Ann" }, c.mode, c.count);
    EXPECT_EQ(daysOnDisk("Ann"), c.after);
    EXPECT_EQ(report.deleted, c.deleted);
    EXPECT_EQ(report.deletedAny(), c.deleted > 0);
    EXPECT_TRUE(report.faults.empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, CleanUpOneStudent,
    testing::Values(CleanupCase { "keepLast10Of12", CleanupMode::KeepLast, 10, 12, renumbered(3, 12), 2 },
        CleanupCase { "keepLast3Of12", CleanupMode::KeepLast, 3, 12, renumbered(10, 12), 9 },
        CleanupCase { "deleteFirst5Of12", CleanupMode::DeleteFirst, 5, 12, renumbered(6, 12), 5 },
        CleanupCase { "keepLast17Of12", CleanupMode::KeepLast, 17, 12, renumbered(1, 12), 0 },
        CleanupCase { "keepLast12Of12", CleanupMode::KeepLast, 12, 12, renumbered(1, 12), 0 },
        CleanupCase { "keepLast0", CleanupMode::KeepLast, 0, 4, {}, 4 },
        CleanupCase { "deleteFirst0", CleanupMode::DeleteFirst, 0, 4, renumbered(1, 4), 0 },
        CleanupCase { "deleteFirstMoreThanThereAre", CleanupMode::DeleteFirst, 20, 4, {}, 4 },
        CleanupCase { "noDays", CleanupMode::KeepLast, 0, 0, {}, 0 }),
    [](const auto& info) { return info.param.name; });

TEST(CleanUp, TheNextSaveFollowsTheLastKeptDay)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 12);
    (void)cleanUp({ "Ann" }, CleanupMode::DeleteFirst, 5);
    EXPECT_EQ(countDays("Ann"), 7);
    EXPECT_EQ(saveNextDay("Ann", {}).value(), 8);
}

TEST(CleanUp, NeverTouchesDaysBeyondAGap)
{
    ScratchFolder folder;
    writeDays("Ann", { 1, 2, 5 });
    const DayFilesReport report = cleanUp({ "Ann" }, CleanupMode::KeepLast, 1);
    EXPECT_EQ(report.deleted, 1);
    EXPECT_EQ(daysOnDisk("Ann"), (std::map<int, int> { { 1, 2 }, { 5, 5 } }));
}

TEST(CleanUp, AllCleansGuestAndLeavesStudentsWithinTheCountAlone)
{
    ScratchFolder folder;
    writeDays("Guest", 1, 5);
    writeDays("Ann", 1, 12);
    writeDays("Bob", 1, 2);
    const DayFilesReport report = cleanUp({ "Guest", "Ann", "Bob" }, CleanupMode::KeepLast, 3);
    EXPECT_EQ(daysOnDisk("Guest"), renumbered(3, 5));
    EXPECT_EQ(daysOnDisk("Ann"), renumbered(10, 12));
    EXPECT_EQ(daysOnDisk("Bob"), renumbered(1, 2));
    EXPECT_EQ(report.deleted, 2 + 9);
    EXPECT_TRUE(report.deletedAny());
}

TEST(CleanUp, ANameListedTwiceIsCleanedOnce)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 6);
    (void)cleanUp({ "Guest", "Ann", "Ann" }, CleanupMode::DeleteFirst, 2);
    EXPECT_EQ(daysOnDisk("Ann"), renumbered(3, 6));
}

TEST(CleanUp, SaysWhenNothingWasDeleted)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 2);
    const DayFilesReport report = cleanUp({ "Guest", "Ann" }, CleanupMode::KeepLast, 10);
    EXPECT_FALSE(report.deletedAny());
    EXPECT_TRUE(report.faults.empty());
    EXPECT_FALSE(cleanUp({}, CleanupMode::KeepLast, 0).deletedAny());
}

TEST(CleanUp, ReportsARefusedRenameAndOverwritesNothing)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 4);
    const CleanupPlan plan = planCleanup("Ann", CleanupMode::KeepLast, 2);
    EXPECT_EQ(plan.dayCount, 4);
    EXPECT_EQ(plan.deleteCount, 2);
    putFolder("Ann1.txt"); // took day 1's name after the days were counted

    const DayFilesReport report = carryOut(plan);
    EXPECT_EQ(report.deleted, 1);
    ASSERT_EQ(report.faults.size(), 2u);
    EXPECT_EQ(
        report.faults[0], (DayFault { DayFault::Action::Delete, "Ann", 1, 0, FileError::system("Ann1.txt", EISDIR) }));
    EXPECT_EQ(report.faults[1],
        (DayFault { DayFault::Action::Renumber, "Ann", 3, 1, FileError::system("Ann3.txt", EEXIST) }));
    // Day 3 stays where it was and day 4 follows it, so their order survives.
    EXPECT_TRUE(isFolder("Ann1.txt"));
    EXPECT_EQ(daysOnDisk("Ann"), (std::map<int, int> { { 3, 3 }, { 4, 4 } }));
}

// As root, only the immutable attribute makes a file system refuse to delete a plain file.
class ImmutableFile {
public:
    explicit ImmutableFile(const Bytes& name)
        : m_name(name)
    {
        m_set = setFlag(true);
    }
    ~ImmutableFile()
    {
        if (m_set)
            setFlag(false);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool set() const { return m_set; }

private:
    bool setFlag(bool on) { return setImmutable(m_name.c_str(), on); }

    Bytes m_name;
    bool m_set = false;
};

TEST(CleanUp, AFileThatCannotBeDeletedIsReportedAndTheOrderKept)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 5);
    ImmutableFile locked("Ann2.txt");
    if (!locked.set())
        GTEST_SKIP() << "this file system or process cannot make a file immutable";
    const DayFilesReport report = cleanUp({ "Ann" }, CleanupMode::DeleteFirst, 3);
    EXPECT_EQ(report.deleted, 2);
    ASSERT_EQ(report.faults.size(), 2u);
    EXPECT_EQ(
        report.faults[0], (DayFault { DayFault::Action::Delete, "Ann", 2, 0, FileError::system("Ann2.txt", EPERM) }));
    EXPECT_EQ(
        report.faults[1], (DayFault { DayFault::Action::Renumber, "Ann", 2, 1, FileError::system("Ann2.txt", EPERM) }));
    EXPECT_EQ(daysOnDisk("Ann"), (std::map<int, int> { { 2, 2 }, { 3, 4 }, { 4, 5 } }));
}

// Notes that this program did not write, or that disagree with the folder: each is set aside
// whole and reported once, naming it, and no day changes.
struct CraftedNote {
    const char* name;
    const char* noteFile;
    Bytes contents;
    FileError why; // of the note, which is named here
};

std::ostream& operator<<(std::ostream& out, const CraftedNote& note)
{
    return out << note.name;
}

Bytes sizesOfTenDays(int upTo)
{
    Bytes sizes;
    for (int day = 1; day <= upTo; ++day)
        sizes += "size " + decimal(day) + " " + (day < 10 ? "7" : "8") + "\n";
    return sizes;
}

class CraftedNotes : public ::testing::TestWithParam<CraftedNote> { };

TEST_P(CraftedNotes, AreSetAsideAndReportedOnceAndNoDayChanges)
{
    ScratchFolder folder;
    const CraftedNote& crafted = GetParam();
    ASSERT_TRUE(replaceFile("studnames.txt", "Guest\r\nAnn\r\nBob\r\n").ok());
    writeDays("Ann", 1, 10);
    ASSERT_TRUE(replaceFile(crafted.noteFile, crafted.contents).ok());

    const DayFilesReport settled = settleClassFolder();
    ASSERT_EQ(settled.faults.size(), 1u);
    const Bytes student = Bytes(crafted.noteFile).substr(2, std::strlen(crafted.noteFile) - 10);
    FileError why = crafted.why;
    why.file = crafted.noteFile;
    EXPECT_EQ(settled.faults[0],
        (DayFault { DayFault::Action::Start, student, 0, 0,
            { .file = crafted.noteFile,
                .why = Failure::NoteNotCarriedOut,
                .text = Bytes(crafted.noteFile) + ".refused",
                .cause = causedBy(why) } }));
    EXPECT_EQ(daysOnDisk("Ann"), renumbered(1, 10));
    EXPECT_FALSE(nameTaken(crafted.noteFile));
    EXPECT_EQ(readFile(Bytes(crafted.noteFile) + ".refused").value(), crafted.contents);
    EXPECT_TRUE(settleClassFolder().faults.empty());
    EXPECT_EQ(countDays("Ann"), 10);
}

INSTANTIATE_TEST_SUITE_P(NotesOfAnyKind, CraftedNotes,
    ::testing::Values(
        CraftedNote { "HugeDayCount", ".~Ann.cleanup", "clean-up 2\nstudent Ann\ndays 2147483647\ndelete 1\nend\n",
            { .why = Failure::NoteGarbled } },
        CraftedNote { "EarlierFormatHugeCount", ".~Ann.cleanup", "clean-up\n2147483647\n1\nend\n",
            { .why = Failure::NoteGarbled } },
        CraftedNote { "CutShort", ".~Ann.cleanup", "clean-up 2\nstudent Ann\ndays 10\ndelete 8\nsize 1 7\n",
            { .why = Failure::NoteGarbled } },
        CraftedNote { "Garbage", ".~Ann.cleanup", Bytes("\0\xff\n\n", 4), { .why = Failure::NoteGarbled } },
        CraftedNote { "FewerDaysThanOnDisk", ".~Ann.cleanup",
            "clean-up 2\nstudent Ann\ndays 5\ndelete 2\n" + sizesOfTenDays(5) + "end\n",
            { .why = Failure::NoteCountsFewerDays, .number = 5 } },
        CraftedNote { "SizesOfOtherDays", ".~Ann.cleanup",
            "clean-up 2\nstudent Ann\ndays 10\ndelete 2\n" + sizesOfTenDays(9) + "size 10 9\nend\n",
            { .why = Failure::DayNotCounted, .number = 10 } },
        CraftedNote { "AnotherPupilNamedInside", ".~Ann.cleanup",
            "clean-up 2\nstudent Bob\ndays 10\ndelete 2\n" + sizesOfTenDays(10) + "end\n",
            { .why = Failure::NoteNamesAnother } },
        CraftedNote { "ErasureKeepingDays", ".~Ann.cleanup",
            "clean-up 2\nstudent Ann\ndays 10\ndelete 2\nerase\n" + sizesOfTenDays(10) + "end\n",
            { .why = Failure::NoteGarbled } },
        CraftedNote { "ErasureWithMoreWords", ".~Ann.cleanup",
            "clean-up 2\nstudent Ann\ndays 10\ndelete 10\nerase all\n" + sizesOfTenDays(10) + "end\n",
            { .why = Failure::NoteGarbled } },
        CraftedNote { "ErasureRenumbering", ".~Ann.cleanup",
            "clean-up 2\nstudent Ann\ndays 10\ndelete 10\nerase\n" + sizesOfTenDays(10) + "renumber\nend\n",
            { .why = Failure::NoteGarbled } },
        CraftedNote { "APupilNotOnTheList", ".~Ann1.cleanup",
            "clean-up 2\nstudent Ann1\ndays 5\ndelete 2\n" + sizesOfTenDays(5) + "end\n",
            { .why = Failure::NotOnRoster, .text = "Ann1" } }),
    [](const ::testing::TestParamInfo<CraftedNote>& info) { return info.param.name; });

TEST(CleanUp, AnInterruptedCleanUpIsFinishedWhenTheDaysAreNextCounted)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("studnames.txt", "Guest\r\nAnn\r\n").ok());
    // Deleting the first 3 of 6 was killed after days 1 to 3 went and day 4 became day 1.
    writeDays("Ann", { 4, 5, 6 });
    ASSERT_EQ(::rename("Ann4.txt", "Ann1.txt"), 0);
    ASSERT_TRUE(replaceFile(cleanupRecordName("Ann"),
        "clean-up 2\nstudent Ann\ndays 6\ndelete 3\n" + sizesOfTenDays(6)
            + "renumber\nmove 4 1\nmove 5 2\nmove 6 3\nend\n")
                    .ok());
    EXPECT_EQ(countDays("Ann"), 3);
    EXPECT_EQ(daysOnDisk("Ann"), renumbered(4, 6));
    EXPECT_FALSE(nameTaken(cleanupRecordName("Ann")));
}

// A roster from an earlier version that holds both Ann and Ann1: Ann's day 11 and Ann1's day 1
// are the same file, so neither pupil's delete or clean-up touches a file the other could own.
struct SharedFilesCase {
    const char* name;
    std::function<DayFilesReport()> work;
    std::map<int, int> left; // Ann's days afterwards
    std::vector<DayFault> faults;
};

DayFault mayBeAnothers(const Bytes& student, int32_t day, const Bytes& other)
{
    return { DayFault::Action::Delete, student, day, 0,
        { .file = dayFileName(student, day), .why = Failure::MayBeSharersDay, .text = other } };
}

std::ostream& operator<<(std::ostream& out, const SharedFilesCase& c)
{
    return out << c.name;
}

class PupilsSharingFiles : public ::testing::TestWithParam<SharedFilesCase> { };

TEST_P(PupilsSharingFiles, KeepEveryFileTheOtherCouldOwn)
{
    ScratchFolder folder;
    const SharedFilesCase& c = GetParam();
    ASSERT_TRUE(replaceFile("studnames.txt", "Guest\r\nAnn\r\nAnn1\r\n").ok());
    writeDays("Ann", 1, 13);
    const DayFilesReport report = c.work();
    EXPECT_EQ(report.faults, c.faults);
    EXPECT_EQ(daysOnDisk("Ann"), c.left);
}

INSTANTIATE_TEST_SUITE_P(AnnAndAnn1, PupilsSharingFiles,
    ::testing::Values(
        SharedFilesCase { "DeletingAnn1LeavesAnnsDays", [] { return deleteAllDays("Ann1"); }, renumbered(1, 13),
            { mayBeAnothers("Ann1", 1, "Ann"), mayBeAnothers("Ann1", 2, "Ann"), mayBeAnothers("Ann1", 3, "Ann") } },
        SharedFilesCase { "DeletingAnnLeavesWhatMayBeAnn1s", [] { return deleteAllDays("Ann"); },
            { { 11, 11 }, { 12, 12 }, { 13, 13 } },
            { mayBeAnothers("Ann", 11, "Ann1"), mayBeAnothers("Ann", 12, "Ann1"), mayBeAnothers("Ann", 13, "Ann1") } },
        SharedFilesCase { "CleaningUpAnnRenumbersNothing", [] { return cleanUp({ "Ann" }, CleanupMode::KeepLast, 3); },
            renumbered(1, 13),
            { { DayFault::Action::Start, "Ann", 0, 0,
                { .file = "Ann13.txt", .why = Failure::RosterHoldsSharer, .text = "Ann1" } } } }),
    [](const ::testing::TestParamInfo<SharedFilesCase>& info) { return info.param.name; });

namespace {

// Every file of the folder, those in lock folders too, whose name or contents hold the text.
std::vector<std::string> filesHolding(const Bytes& text)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
        const std::string name = entry.path().string();
        bool holds = name.find(text) != std::string::npos;
        if (!holds && entry.is_regular_file()) {
            const Result<Bytes> contents = readFile(name, maxDayFileSize);
            holds = contents && contents->find(text) != Bytes::npos;
        }
        if (holds)
            found.push_back(name);
    }
    return found;
}

} // namespace

// After an erasure no file of the class folder holds the pupil's name, in the files' own
// character set or in UTF-8, in its name or its contents; the other pupils keep everything.
TEST(ErasePupil, LeavesNoTraceAndTouchesNoOtherPupil)
{
    ScratchFolder folder;
    const Bytes renee = "Ren\xe9"
                        "e";
    ASSERT_TRUE(replaceFile("studnames.txt", "Guest\r\nBob\r\n" + renee + "\r\nAnn\r\n" + renee + "\r\n").ok());
    for (const Bytes& pupil : { renee, Bytes("Bob") }) {
        writeDays(pupil, 1, 3);
        ASSERT_TRUE(replaceFile(daySummaryName(pupil), "days of " + pupil).ok());
        ASSERT_TRUE(replaceFile(cleanupRecordName(pupil) + ".refused", "clean-up 2\nstudent " + pupil + "\n").ok());
        ASSERT_TRUE(replaceFile(scratchFileName(dayFileName(pupil, 4)), "half a day").ok());
    }
    const auto bobBefore = filesHolding("Bob");

    const DayFilesReport erased = erasePupil(renee);
    EXPECT_TRUE(erased.faults.empty());
    EXPECT_TRUE(erased.erased);
    EXPECT_EQ(erased.deleted, 3);
    EXPECT_EQ(filesHolding(renee), std::vector<std::string> {});
    EXPECT_EQ(filesHolding("Ren\xc3\xa9"
                           "e"),
        std::vector<std::string> {});
    EXPECT_EQ(readFile("studnames.txt").value(), "Guest\r\nBob\r\nAnn\r\n");
    EXPECT_EQ(filesHolding("Bob"), bobBefore);
    EXPECT_EQ(daysOnDisk("Bob"), renumbered(1, 3));

    // A pupil without days is erased all the same; Guest keeps its place on the list.
    EXPECT_TRUE(erasePupil("Ann").erased);
    writeDays("Guest", 1, 2);
    EXPECT_TRUE(erasePupil("Guest").erased);
    EXPECT_EQ(readFile("studnames.txt").value(), "Guest\r\nBob\r\n");
    EXPECT_EQ(countDays("Guest"), 0);
}

// Days another entry may own are never erased: nothing happens, and the teacher is told why.
TEST(ErasePupil, RefusedWhileAnotherEntryMayShareTheDays)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("studnames.txt", "Guest\r\nAnn\r\nAnn1\r\n").ok());
    writeDays("Ann", 1, 12);
    const DayFilesReport erased = erasePupil("Ann");
    EXPECT_FALSE(erased.erased);
    ASSERT_EQ(erased.faults.size(), 1u);
    EXPECT_EQ(erased.faults[0].error.why, Failure::RosterHoldsSharer);
    EXPECT_EQ(countDays("Ann"), 12);
    EXPECT_EQ(readFile("studnames.txt").value(), "Guest\r\nAnn\r\nAnn1\r\n");
}

namespace {

// Seconds since 1970 of a date and time, UTC.
long long at(int year, unsigned month, unsigned day, int hour = 0)
{
    using namespace std::chrono;
    const sys_seconds moment
        = sys_days(year_month_day(std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)))
        + hours(hour);
    return moment.time_since_epoch().count();
}

void setWritten(const Bytes& name, long long seconds)
{
    using namespace std::chrono;
    std::filesystem::last_write_time(name, file_clock::from_sys(sys_seconds(std::chrono::seconds(seconds))));
}

} // namespace

struct MonthsBack {
    const char* name;
    long long now;
    int32_t months;
    long long moment;
};

class MonthsBefore : public ::testing::TestWithParam<MonthsBack> { };

TEST_P(MonthsBefore, TheSameDayOfTheMonthOrItsLast)
{
    EXPECT_EQ(monthsBefore(GetParam().now, GetParam().months), GetParam().moment);
}

INSTANTIATE_TEST_SUITE_P(Dates, MonthsBefore,
    ::testing::Values(MonthsBack { "AYear", at(2026, 12, 10, 13), 12, at(2025, 12, 10, 13) },
        MonthsBack { "IntoTheYearBefore", at(2026, 1, 15), 13, at(2024, 12, 15) },
        MonthsBack { "ShorterMonth", at(2026, 3, 31, 8), 1, at(2026, 2, 28, 8) },
        MonthsBack { "LeapDay", at(2024, 3, 31), 1, at(2024, 2, 29) },
        MonthsBack { "None", at(2026, 5, 5), 0, at(2026, 5, 5) }),
    [](const ::testing::TestParamInfo<MonthsBack>& info) { return info.param.name; });

// Days older than the months chosen go, from day 1 on, and the first younger day ends the run:
// a day written out of order later on stays, and so does every day after it.
TEST(CleanUp, DaysOlderThanMonthsGoFromTheFirstOn)
{
    ScratchFolder folder;
    writeDays("Ann", 1, 5);
    writeDays("Bob", 1, 2);
    const long long now = at(2026, 12, 10, 12);
    const long long written[] = { at(2025, 10, 1), at(2025, 12, 10, 11), at(2026, 1, 5), at(2025, 11, 1), now };
    for (int day = 1; day <= 5; ++day)
        setWritten(dayFileName("Ann", day), written[day - 1]);
    for (int day = 1; day <= 2; ++day)
        setWritten(dayFileName("Bob", day), at(2026, 11, 1));
    EXPECT_EQ(daysWrittenBefore("Ann", 5, monthsBefore(now, 12)), 2);
    const DayFilesReport report = cleanUp({ "Ann", "Bob" }, CleanupMode::OlderThanMonths, 12, now);
    EXPECT_TRUE(report.faults.empty());
    EXPECT_EQ(report.deleted, 2);
    EXPECT_EQ(daysOnDisk("Ann"), renumbered(3, 5));
    EXPECT_EQ(daysOnDisk("Bob"), renumbered(1, 2));
}
