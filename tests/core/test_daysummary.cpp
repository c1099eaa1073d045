#include "core/classfolder/daysummary.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/reports/fluency.h"
#include "dayline.h"
#include "fileerrors.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace quorvex;

namespace {

namespace fs = std::filesystem;

// Day d of a pupil: its own mix of facts, right and wrong, quick and slow.
Bytes dayNumbered(int32_t d)
{
    Bytes day;
    for (int32_t i = 0; i < 4 + d % 3; ++i) {
        const int32_t a = (d * 5 + i) % 13;
        const int32_t b = (d + i * 7) % 12 + 1;
        day += dayFileLine("Multiplication", (d + i) % 3 != 0, decimal(a) + " x " + decimal(b) + " = " + decimal(a * b),
            10 + (d * 13 + i * 17) % 60);
    }
    return day;
}

void writeDayFile(const Bytes& student, int32_t day, const Bytes& contents)
{
    ASSERT_TRUE(replaceFile(dayFileName(student, day), contents).ok());
}

// Sets when a file was last written. Both times are given on POSIX: smbnetfs ignores a call that
// leaves the access time as it is.
void setWritten(const Bytes& name, fs::file_time_type when)
{
#ifdef _WIN32
    fs::last_write_time(fs::path(name), when);
#else
    const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::file_clock::to_sys(when).time_since_epoch());
    const timespec time { static_cast<time_t>(since.count() / 1000000000),
        static_cast<long>(since.count() % 1000000000) };
    const timespec times[2] = { time, time };
    ASSERT_EQ(::utimensat(AT_FDCWD, name.c_str(), times, 0), 0) << name;
#endif
}

// Dates a file back, as days saved before today are.
void dateBack(const Bytes& name, std::chrono::seconds by)
{
    setWritten(name, fs::file_time_type::clock::now() - by);
}

// What reading every day file in the plain way gives, the way the program read them before it
// kept summaries: the days numbered 1, 2, 3, ... up to the first missing, each read whole.
FluencyReport everyDayRead(const Bytes& student)
{
    FluencyReport report;
    for (int32_t day = 1; dayExists(student, day); ++day)
        report.addDayFile(readFile(dayFileName(student, day)).value());
    return report;
}

void expectSameReport(const FluencyReport& actual, const FluencyReport& expected)
{
    EXPECT_EQ(actual.days(), expected.days());
    EXPECT_EQ(actual.skippedLines(), expected.skippedLines());
    for (const Operation op : allOperations)
        for (int32_t a = 0; a <= largestBase; ++a)
            for (int32_t b = smallestSecond; b <= largestSecond; ++b) {
                ASSERT_EQ(actual.state(op, a, b), expected.state(op, a, b)) << code(op) << " " << a << " " << b;
                ASSERT_EQ(actual.review({ op, a, b }), expected.review({ op, a, b }))
                    << code(op) << " " << a << " " << b;
            }
}

FluencyReport summarisedRead(const Bytes& student)
{
    Result<FluencyReport> report = readFluencyReport(student);
    EXPECT_TRUE(report.ok()) << (report.ok() ? "" : described(report.error()));
    return report.ok() ? std::move(report).value() : FluencyReport {};
}

// How many days the summary on file covers.
size_t daysSummarised(const Bytes& student)
{
    const Result<Bytes> text = readFile(daySummaryName(student));
    const std::optional<DaySummary> summary = text ? DaySummary::parse(*text) : std::nullopt;
    return summary ? summary->stamps.size() : 0;
}

// Four days saved an hour ago and read once, so that a summary of all four stands.
void fourDaysSummarised()
{
    for (int32_t day = 1; day <= 4; ++day) {
        writeDayFile("Ann", day, dayNumbered(day));
        dateBack(dayFileName("Ann", day), std::chrono::hours(1) - std::chrono::minutes(day));
    }
    (void)summarisedRead("Ann");
    ASSERT_EQ(daysSummarised("Ann"), 4u);
}

// Rows print as what they try.
template <class Row>
requires requires(const Row& row)
{
    row.what;
}
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.what;
}

// What a copy of the program that knows no summary does to the days, or a person by hand.
struct OtherCopy {
    const char* what;
    std::function<void()> act;
};

void renumberDown(int32_t from, int32_t last)
{
    for (int32_t day = from; day < last; ++day)
        ASSERT_TRUE(renameFile(dayFileName("Ann", day + 1), dayFileName("Ann", day)).ok());
}

class SummaryAgainstTheDays : public ::testing::TestWithParam<OtherCopy> { };

// Whatever became of the set of day files since the summary was written, the report read
// through it is the one reading every day gives.
TEST_P(SummaryAgainstTheDays, GivesWhatReadingEveryDayGives)
{
    ScratchFolder folder;
    fourDaysSummarised();
    GetParam().act();
    expectSameReport(summarisedRead("Ann"), everyDayRead("Ann"));
    // And so does the summary written by that read, for the next.
    expectSameReport(summarisedRead("Ann"), everyDayRead("Ann"));
    expectSameReport(readFluencyReport("Ann", true).value(), everyDayRead("Ann"));
}

INSTANTIATE_TEST_SUITE_P(Changes, SummaryAgainstTheDays,
    ::testing::Values(OtherCopy { "a day added", [] { writeDayFile("Ann", 5, dayNumbered(5)); } },
        OtherCopy { "two days added",
            [] {
                writeDayFile("Ann", 5, dayNumbered(5));
                writeDayFile("Ann", 6, dayNumbered(6));
            } },
        OtherCopy { "the last day deleted", [] { ASSERT_TRUE(removeFile("Ann4.txt").ok()); } },
        OtherCopy { "day 2 deleted and the rest renumbered",
            [] {
                ASSERT_TRUE(removeFile("Ann2.txt").ok());
                renumberDown(2, 4);
            } },
        // As many days as before, the last a new file of the same size.
        OtherCopy { "day 2 deleted, the rest renumbered and a day saved",
            [] {
                ASSERT_TRUE(removeFile("Ann2.txt").ok());
                renumberDown(2, 4);
                writeDayFile("Ann", 4, dayNumbered(4 + 3));
            } },
        OtherCopy { "day 3 deleted by hand, leaving a gap", [] { ASSERT_TRUE(removeFile("Ann3.txt").ok()); } },
        OtherCopy { "every day deleted and five saved anew",
            [] {
                for (int32_t day = 1; day <= 5; ++day)
                    writeDayFile("Ann", day, dayNumbered(day + 10));
            } },
        OtherCopy { "the last two days swapped", [] {
                       ASSERT_TRUE(renameFile("Ann4.txt", "Ann9.txt").ok());
                       ASSERT_TRUE(renameFile("Ann3.txt", "Ann4.txt").ok());
                       ASSERT_TRUE(renameFile("Ann9.txt", "Ann3.txt").ok());
                   } }));

// A summary written just after a day was saved leaves that day out, since a share that keeps
// whole seconds would show a day replaced within the same second by one of the same size as
// the same file.
TEST(DaySummary, LeavesOutADayTooRecentToBeToldFromItsNextVersion)
{
    ScratchFolder folder;
    fourDaysSummarised();
    writeDayFile("Ann", 5, dayNumbered(5));
    (void)summarisedRead("Ann");
    EXPECT_EQ(daysSummarised("Ann"), 4u);

    // Day 5 replaced by another of the same size, dated the same second.
    const auto written = fs::last_write_time("Ann5.txt");
    Bytes other = dayNumbered(5);
    other[other.find(",1 ,") == Bytes::npos ? other.find(",0 ,") + 1 : other.find(",1 ,") + 1] ^= 1; // 1 <-> 0
    writeDayFile("Ann", 5, other);
    setWritten("Ann5.txt", written);
    expectSameReport(summarisedRead("Ann"), everyDayRead("Ann"));

    // Two days saved a moment ago, by the file server's clock: neither is summed up.
    writeDayFile("Ann", 6, dayNumbered(6));
    (void)summarisedRead("Ann");
    EXPECT_EQ(daysSummarised("Ann"), 4u);

    dateBack("Ann5.txt", std::chrono::minutes(2));
    (void)summarisedRead("Ann");
    EXPECT_EQ(daysSummarised("Ann"), 5u);
    expectSameReport(summarisedRead("Ann"), everyDayRead("Ann"));
}

// What may stand under the summary's name: it is never trusted, never crashes a read, and is
// written anew as a file of its own, never through a link.
struct SummaryFile {
    const char* what;
    std::function<void()> make;
    bool localDiskOnly = false; // links and FIFOs, which shares refuse or make their own way
};

class HostileSummary : public ::testing::TestWithParam<SummaryFile> { };

TEST_P(HostileSummary, IsNotTrustedAndIsWrittenAnew)
{
    if (GetParam().localDiskOnly) {
        SKIP_ON_WINDOWS("no links or FIFOs to stand under the name");
        if (!shareMount(0).empty())
            GTEST_SKIP() << "links and FIFOs are tried on a local disk";
    }
    ScratchFolder folder;
    for (int32_t day = 1; day <= 3; ++day) {
        writeDayFile("Ann", day, dayNumbered(day));
        dateBack(dayFileName("Ann", day), std::chrono::hours(1));
    }
    ASSERT_TRUE(replaceFile("studnames.txt", "Guest\r\nAnn\r\n").ok());
    GetParam().make();

    expectSameReport(summarisedRead("Ann"), everyDayRead("Ann"));
    EXPECT_EQ(readFile("studnames.txt").value(), "Guest\r\nAnn\r\n");
    EXPECT_EQ(readFile("Ann1.txt").value(), dayNumbered(1));
    if (fileKind(daySummaryName("Ann")) != FileKind::Folder) {
        EXPECT_EQ(daysSummarised("Ann"), 3u);
    }
}

Bytes validSummaryOfDays(int32_t days)
{
    DaySummary summary;
    for (int32_t day = 1; day <= days; ++day) {
        summary.report.addDayFile(dayNumbered(day + 20));
        summary.stamps.push_back(fileStamp(dayFileName("Ann", day)).value_or(FileStamp {}));
    }
    return summary.text();
}

void writeSummaryText(const Bytes& text)
{
    ASSERT_TRUE(replaceFile(daySummaryName("Ann"), text).ok());
}

std::vector<SummaryFile> hostileSummaries()
{
    return {
        SummaryFile { "garbage", [] { writeSummaryText("\x01\xff garbage\n\n"); } },
        SummaryFile { "cut short",
            [] {
                const Bytes text = validSummaryOfDays(3);
                writeSummaryText(text.substr(0, text.size() - 4));
            } },
        SummaryFile { "more days than there are",
            [] {
                Bytes text = validSummaryOfDays(3);
                const size_t first = text.find("day ");
                writeSummaryText(text.insert(first, text.substr(first, text.find('\n', first) + 1 - first)));
            } },
        SummaryFile { "a negative count",
            [] {
                Bytes text = validSummaryOfDays(3);
                text.insert(text.find("skipped ") + 8, "-");
                writeSummaryText(text);
            } },
        SummaryFile { "stamps that are not the days'",
            [] {
                Bytes text = validSummaryOfDays(0);
                text.insert(text.find("facts"), "day 1 2 3 3 0\nday 4 5 6 6 -\nday 7 8 9 9 12\n");
                writeSummaryText(text);
            } },
        SummaryFile { "a folder", [] { ASSERT_EQ(::mkdir(daySummaryName("Ann").c_str(), 0777), 0); } },
#ifndef _WIN32
        SummaryFile { "a link to the roster",
            [] { ASSERT_EQ(::symlink("studnames.txt", daySummaryName("Ann").c_str()), 0); }, true },
        SummaryFile { "a FIFO", [] { ASSERT_EQ(::mkfifo(daySummaryName("Ann").c_str(), 0666), 0); }, true },
#endif
    };
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSummary, ::testing::ValuesIn(hostileSummaries()));

// The listing counts as looking up each day by name would, whatever else stands in the folder.
struct FolderContents {
    const char* what;
    std::function<void()> make;
    int32_t days;
};

class DayListingCount : public ::testing::TestWithParam<FolderContents> { };

TEST_P(DayListingCount, IsWhatLookingUpEachDayFinds)
{
    ScratchFolder folder;
    for (int32_t day = 1; day <= 3; ++day)
        writeDayFile("Ann", day, dayNumbered(day));
    Result<DayListing> listing = DayListing::read();
    ASSERT_TRUE(listing.ok());
    GetParam().make();
    Result<DayListing> after = DayListing::read();
    ASSERT_TRUE(after.ok());
    EXPECT_EQ(after->count("Ann"), GetParam().days);
    EXPECT_EQ(countDayFiles("Ann"), GetParam().days);
    // A listing made before the change tells the same once it looks past its last day.
    EXPECT_EQ(listing->count("Ann"), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(Folders, DayListingCount,
    ::testing::Values(FolderContents { "a day saved since", [] { writeDayFile("Ann", 4, dayNumbered(4)); }, 4 },
        FolderContents { "a gap", [] { writeDayFile("Ann", 5, dayNumbered(5)); }, 3 },
        FolderContents { "a folder named as day 4", [] { ASSERT_EQ(::mkdir("Ann4.txt", 0777), 0); }, 3 },
        FolderContents { "a leading zero",
            [] {
                writeDayFile("Ann", 4, "");
                ASSERT_TRUE(renameFile("Ann4.txt", "Ann04.txt").ok());
            },
            3 },
        // "Ann14.txt" is day 14 of Ann and day 4 of Ann1, and which is which is up to the count.
        FolderContents { "the other pupil's days reaching on",
            [] {
                for (int32_t day = 1; day <= 4; ++day)
                    writeDayFile("Ann1", day, dayNumbered(day));
                for (int32_t day = 4; day <= 10; ++day)
                    writeDayFile("Ann", day, dayNumbered(day));
            },
            14 }));

#ifndef _WIN32
TEST(DayListingCount, FollowsLinksAsLookingUpDoes)
{
    if (!shareMount(0).empty())
        GTEST_SKIP() << "links are tried on a local disk";
    ScratchFolder folder;
    for (int32_t day = 1; day <= 2; ++day)
        writeDayFile("Ann", day, dayNumbered(day));
    ASSERT_EQ(::symlink("Ann1.txt", "Ann3.txt"), 0);
    ASSERT_EQ(::symlink("nowhere.txt", "Ann4.txt"), 0);
    writeDayFile("Ann", 5, dayNumbered(5));
    EXPECT_EQ(DayListing::read()->count("Ann"), 3);
}
#endif

} // namespace
