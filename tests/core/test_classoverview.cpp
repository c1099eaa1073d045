#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/reports/classoverview.h"
#include "dayline.h"
#include "scratchfolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace quorvex;

namespace {

// One line of a day file as the program writes it.
Bytes line(const Bytes& operation, bool correct, const Bytes& question, int32_t ticks)
{
    return dayFileLine(operation, correct, question, ticks);
}

// Days of ten answers each, so many right.
std::vector<DayPoint> daysRight(std::initializer_list<int32_t> rights)
{
    std::vector<DayPoint> days;
    for (const int32_t right : rights) {
        DayPoint day;
        day.answered = right < 0 ? 0 : 10;
        day.right = std::max(right, 0);
        days.push_back(day);
    }
    return days;
}

PupilSummary pupil(const Bytes& name, int32_t answers, std::optional<double> share, Trend trend)
{
    PupilSummary row;
    row.name = name;
    row.days = 3;
    row.answers = answers;
    row.lastShare = share;
    row.fluent = { 1, 2, 156, 0 };
    row.trend = trend;
    row.dueToday = answers;
    return row;
}

std::vector<Bytes> names(const std::vector<PupilSummary>& rows)
{
    std::vector<Bytes> out;
    for (const PupilSummary& row : rows)
        out.push_back(row.name);
    return out;
}

} // namespace

struct TrendCase {
    const char* name;
    std::vector<DayPoint> days;
    Trend trend;
};

class TrendRule : public testing::TestWithParam<TrendCase> { };

TEST_P(TrendRule, LastFiveDaysAgainstTheFiveBefore)
{
    EXPECT_EQ(trendOf(GetParam().days), GetParam().trend);
}

INSTANTIATE_TEST_SUITE_P(ClassOverview, TrendRule,
    testing::Values(TrendCase { "NineDays", daysRight({ 1, 1, 1, 1, 9, 9, 9, 9, 9 }), Trend::None },
        TrendCase { "Up", daysRight({ 5, 5, 5, 5, 5, 6, 6, 6, 5, 5 }), Trend::Up },
        TrendCase { "UnderTheMarginIsLevel", daysRight({ 9, 9, 5, 5, 5, 5, 5, 7, 5, 5, 5, 5 }), Trend::Level },
        TrendCase { "Down", daysRight({ 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 8, 8, 9, 9, 8 }), Trend::Down },
        // Only the last ten days with answers count: an empty save is none of them.
        TrendCase { "EmptySavesLeftOut", daysRight({ 9, 0, 0, 7, 7, 7, 7, 7, 7, 7, 7, -1, -1 }), Trend::Up }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClassOverview, SummarisesAPupilsDaysAndTodaysAnswers)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("Ann1.txt",
        line("Addition", true, "2 + 3 = 5", 12) + line("Addition", true, "1 + 1 = 2", 45) + "not a record\r\n")
                    .ok());
    ASSERT_TRUE(replaceFile("Ann2.txt", line("Division", false, "12 \xF7 3 = 4", 20)).ok());
    ASSERT_TRUE(replaceFile("Ann4.txt", line("Addition", true, "4 + 4 = 8", 5)).ok()); // beyond the gap
    Treslts today;
    today.operation = "Division";
    today.correct = true;
    today.question = "12 \xF7 3 = 4";
    today.answer = "4";
    today.ticks = 9;
    const std::vector<Treslts> unsaved { today, today };

    const PupilSummary saved = readPupilSummary("Ann", DayListing::read().value());
    EXPECT_EQ(saved.days, 2);
    EXPECT_EQ(saved.answers, 3);
    EXPECT_EQ(saved.lastShare, 0.0);
    EXPECT_EQ(saved.fluent, (std::array<int32_t, 4> { 1, 0, 0, 0 }));
    EXPECT_TRUE(saved.unreadableDays.empty());

    const PupilSummary withToday = readPupilSummary("Ann", DayListing::read().value(), &unsaved);
    EXPECT_EQ(withToday.days, 2);
    EXPECT_EQ(withToday.answers, 5);
    EXPECT_EQ(withToday.lastShare, 1.0);
    EXPECT_EQ(withToday.fluent, (std::array<int32_t, 4> { 1, 0, 0, 1 }));
    EXPECT_EQ(withToday.trend, Trend::None);
}

TEST(ClassOverview, NamesAnUnreadableDayAndReadsTheOthers)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("Ann1.txt", line("Addition", true, "2 + 3 = 5", 12)).ok());
    ASSERT_TRUE(replaceFile("Ann2.txt", "").ok());
    std::filesystem::resize_file("Ann2.txt", maxDayFileSize + 1); // sparse, refused as too large
    ASSERT_TRUE(replaceFile("Ann3.txt", line("Addition", false, "2 + 3 = 5", 12)).ok());
    const PupilSummary row = readPupilSummary("Ann", DayListing::read().value());
    EXPECT_EQ(row.days, 3);
    EXPECT_EQ(row.answers, 2);
    EXPECT_EQ(row.lastShare, 0.0);
    EXPECT_EQ(row.unreadableDays, std::vector<Bytes> { "Ann2.txt" });
}

TEST(ClassOverview, ReadsTheRosterWithGuestLastAndUnsavedAnswersForTheirOwner)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("Guest1.txt", line("Addition", true, "2 + 3 = 5", 12)).ok());
    ASSERT_TRUE(replaceFile("bob1.txt", line("Addition", true, "2 + 3 = 5", 12)).ok());
    Treslts today;
    today.operation = "Addition";
    today.correct = false;
    today.question = "2 + 3 = 5";
    OverviewProgress progress;
    const std::vector<PupilSummary> rows
        = readClassOverview({ "Guest", "bob", "Zoe", "Ann" }, UnsavedAnswers { "Zoe", { today } }, progress, 2);
    EXPECT_EQ(names(rows), (std::vector<Bytes> { "Ann", "Zoe", "bob", "Guest" }));
    EXPECT_EQ(progress.done, 4);
    EXPECT_EQ(rows[1].answers, 1);
    EXPECT_EQ(rows[1].lastShare, 0.0);
    EXPECT_EQ(rows[2].answers, 1);
    EXPECT_TRUE(rows[3].guest);

    OverviewProgress cancelled;
    cancelled.cancel = true;
    EXPECT_TRUE(readClassOverview({ "Guest", "bob" }, std::nullopt, cancelled, 2).empty());
}

TEST(ClassOverview, SortsByAColumnWithTiesByNameAndGuestLast)
{
    PupilSummary guest = pupil("Guest", 99, 1.0, Trend::Up);
    guest.guest = true;
    std::vector<PupilSummary> rows { guest, pupil("b", 10, 0.5, Trend::Down), pupil("C", 30, std::nullopt, Trend::None),
        pupil("a", 10, 0.9, Trend::Level) };
    sortOverview(rows, OverviewColumn::Answers, true);
    EXPECT_EQ(names(rows), (std::vector<Bytes> { "C", "a", "b", "Guest" }));
    sortOverview(rows, OverviewColumn::LastDay, false);
    EXPECT_EQ(names(rows), (std::vector<Bytes> { "C", "b", "a", "Guest" }));
    sortOverview(rows, OverviewColumn::Trend, true);
    EXPECT_EQ(names(rows), (std::vector<Bytes> { "a", "b", "C", "Guest" }));
    sortOverview(rows, OverviewColumn::Name, true);
    EXPECT_EQ(names(rows), (std::vector<Bytes> { "b", "a", "C", "Guest" }));
    sortOverview(rows, OverviewColumn::Name, false);
    EXPECT_EQ(names(rows), (std::vector<Bytes> { "C", "a", "b", "Guest" }));
}

TEST(ClassOverview, ExportsTheExactBytesWithQuoting)
{
    PupilSummary guest = pupil("Guest", 0, std::nullopt, Trend::None);
    guest.days = 0;
    guest.fluent = {};
    guest.dueToday = 0;
    const std::vector<PupilSummary> rows { pupil("Smith, Jo", 12, 2.0 / 3, Trend::Up),
        pupil("Ren\xE9\x80 \"RJ\"", 7, 0.125, Trend::Down), guest };
    // The words come from the window, in the teacher's language, and are quoted like any field.
    const OverviewCsvWords words { { "Name", "Tage", "Antworten", "Letzter Tag, % richtig", "Addition", "Subtraktion",
                                       "Multiplikation", "Division", "Trend", "F\xC3\xA4llig heute" },
        { "fallend", "gleich", "steigend" } };
    EXPECT_EQ(overviewCsv(rows, words),
        "Name,Tage,Antworten,\"Letzter Tag, % richtig\",Addition,Subtraktion,Multiplikation,Division,Trend,"
        "F\xC3\xA4llig heute\r\n"
        "\"Smith, Jo\",3,12,67,1,2,156,0,steigend,12\r\n"
        "\"Ren\xC3\xA9\xE2\x82\xAC \"\"RJ\"\"\",3,7,13,1,2,156,0,fallend,7\r\n"
        "Guest,0,0,,0,0,0,0,,0\r\n");
}
