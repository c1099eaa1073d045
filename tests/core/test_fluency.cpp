#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/textlines.h"
#include "core/drill/operations.h"
#include "core/reports/fluency.h"
#include "dayline.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace quorvex;

namespace {

// One line of a day file as the program writes it.
Bytes line(const Bytes& operation, bool correct, const Bytes& question, int32_t ticks)
{
    return dayFileLine(operation, correct, question, ticks);
}

Bytes times(bool correct, const Bytes& question, int32_t ticks)
{
    return line("Multiplication", correct, question, ticks);
}

void writeDay(const Bytes& student, int32_t day, const Bytes& contents)
{
    ASSERT_TRUE(createNewFile(dayFileName(student, day), contents).ok());
}

FluencyReport readBack(const Bytes& student)
{
    Result<FluencyReport> report = readFluencyReport(student);
    EXPECT_TRUE(report.ok());
    return report.ok() ? std::move(report).value() : FluencyReport {};
}

} // namespace

struct FactCase {
    const char* question;
    std::optional<Fact> fact;
};

class ParseFact : public testing::TestWithParam<FactCase> { };

TEST_P(ParseFact, FindsTheDrillsNumbers)
{
    EXPECT_EQ(parseFact(GetParam().question), GetParam().fact);
}

INSTANTIATE_TEST_SUITE_P(StoredQuestionLines, ParseFact,
    testing::Values(FactCase { "3 x 4 = 12", Fact { Operation::Multiplication, 3, 4 } },
        FactCase { "3 x 4 = 12 ", Fact { Operation::Multiplication, 3, 4 } },
        FactCase { "0 + 3 = 3 ", Fact { Operation::Addition, 0, 3 } },
        FactCase { "9 - 5 = 4 ", Fact { Operation::Subtraction, 4, 5 } },
        FactCase { "3 - 3 = 0 ", Fact { Operation::Subtraction, 0, 3 } },
        FactCase { "12 \xf7 3 = 4 ", Fact { Operation::Division, 4, 3 } },
        FactCase { "0 \xf7 7 = 0 ", Fact { Operation::Division, 0, 7 } },
        FactCase { "144 \xf7 12 = 12 ", Fact { Operation::Division, 12, 12 } },
        FactCase { "12 x 1 = 12", Fact { Operation::Multiplication, 12, 1 } },
        // Not what marking writes: a wrong result, another layout, leading zeros, question
        // marks, signs, numbers the drill never draws.
        FactCase { "3 x 4 = 13 ", std::nullopt }, FactCase { "3 x 4 = ? ", std::nullopt },
        FactCase { "3x4=12", std::nullopt }, FactCase { "3 * 4 = 12", std::nullopt },
        FactCase { "03 x 4 = 12", std::nullopt }, FactCase { "3 x 4 = 12  ", std::nullopt },
        FactCase { " 3 x 4 = 12", std::nullopt }, FactCase { "-3 + 4 = 1", std::nullopt },
        FactCase { "13 x 2 = 26", std::nullopt }, FactCase { "2 x 13 = 26", std::nullopt },
        FactCase { "3 x 0 = 0", std::nullopt }, FactCase { "5 - 6 = 1", std::nullopt },
        FactCase { "7 \xf7 2 = 3", std::nullopt }, FactCase { "0 \xf7 0 = 0", std::nullopt },
        FactCase { "20 - 5 = 15", std::nullopt }, FactCase { "9999999999 x 1 = 9999999999", std::nullopt },
        FactCase { "", std::nullopt }),
    [](const testing::TestParamInfo<FactCase>& info) {
        // The question as an identifier: "3 x 4 = 12 " reads 3_x_4_is_12_.
        std::string name = "Line_";
        for (const char c : std::string_view(info.param.question)) {
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
            else if (c == '=')
                name += "is";
            else if (c == '+' || c == '-' || c == '*')
                name += c == '+' ? "plus" : c == '-' ? "minus" : "star";
            else if (c == divisionSign)
                name += "div";
            else
                name += '_';
        }
        return name;
    });

TEST(FactOf, NeedsTheOperationNameToMatchTheSign)
{
    EXPECT_EQ(factOf("Multiplication ", "3 x 4 = 12 "), (Fact { Operation::Multiplication, 3, 4 }));
    EXPECT_EQ(factOf("Multiplication", "3 x 4 = 12"), (Fact { Operation::Multiplication, 3, 4 }));
    EXPECT_EQ(factOf("Division ", "12 \xf7 4 = 3 "), (Fact { Operation::Division, 3, 4 }));
    EXPECT_FALSE(factOf("Addition ", "3 x 4 = 12 "));
    EXPECT_FALSE(factOf("multiplication ", "3 x 4 = 12 "));
    EXPECT_FALSE(factOf("Multiplication  ", "3 x 4 = 12 "));
}

struct StateCase {
    const char* name;
    Bytes day; // the answers to 3 x 4, in order
    FactState state;
};

class LatestState : public testing::TestWithParam<StateCase> { };

TEST_P(LatestState, FollowsTheLastAnswer)
{
    ScratchFolder folder;
    writeDay("Ann", 1, GetParam().day);
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 4), GetParam().state);
    EXPECT_EQ(report.state(Operation::Multiplication, 4, 3), FactState::NotAsked);
    EXPECT_EQ(report.state(Operation::Addition, 3, 4), FactState::NotAsked);
    EXPECT_EQ(report.skippedLines(), 0);
}

INSTANTIATE_TEST_SUITE_P(AnswersTo3x4, LatestState,
    testing::Values(StateCase { "FluentAtOneTenth", times(true, "3 x 4 = 12", 1), FactState::Fluent },
        StateCase { "FluentAtThreeSeconds", times(true, "3 x 4 = 12", 30), FactState::Fluent },
        StateCase { "SlowJustOverThreeSeconds", times(true, "3 x 4 = 12", 31), FactState::Right },
        StateCase { "WrongHoweverQuick", times(false, "3 x 4 = 12", 5), FactState::Wrong },
        StateCase { "UnseenInAnEmptyDay", "", FactState::NotAsked },
        StateCase { "LaterSlowOverridesFluent", times(true, "3 x 4 = 12", 12) + times(true, "3 x 4 = 12", 45),
            FactState::Right },
        StateCase { "LaterFluentOverridesWrong", times(false, "3 x 4 = 12", 12) + times(true, "3 x 4 = 12", 25),
            FactState::Fluent },
        StateCase { "LaterWrongOverridesFluent", times(true, "3 x 4 = 12", 12) + times(false, "3 x 4 = 12", 80),
            FactState::Wrong },
        // Speed-round records have no time: right or wrong only.
        StateCase { "SpeedRoundRight", times(true, "3 x 4 = 12", 0), FactState::Right },
        StateCase {
            "SpeedRoundWrong", times(true, "3 x 4 = 12", 10) + times(false, "3 x 4 = 12", 0), FactState::Wrong },
        StateCase { "SpeedRoundRightKeepsFluent", times(true, "3 x 4 = 12", 10) + times(true, "3 x 4 = 12", 0),
            FactState::Fluent },
        StateCase { "SpeedRoundRightAfterWrong", times(false, "3 x 4 = 12", 10) + times(true, "3 x 4 = 12", 0),
            FactState::Right },
        StateCase { "SpeedRoundRightKeepsSlow", times(true, "3 x 4 = 12", 90) + times(true, "3 x 4 = 12", 0),
            FactState::Right },
        StateCase { "NegativeTimeIsNoTime", times(true, "3 x 4 = 12", -4), FactState::Right }),
    [](const testing::TestParamInfo<StateCase>& info) { return std::string(info.param.name); });

// Reviews spaced over the pupil's days, for 3 x 4: each day a letter, "F" right in 2.0 s, "S" right
// in 4.5 s, "W" wrong, "R" right and "X" wrong in a speed round, "." a day without it.
struct ReviewCase {
    const char* name;
    const char* days;
    Review review;
    bool dueNextDay;
};

class SpacedReviews : public testing::TestWithParam<ReviewCase> { };

TEST_P(SpacedReviews, FollowTheAnswersDayByDay)
{
    ScratchFolder folder;
    int32_t day = 0;
    for (const char* answers = GetParam().days; *answers; ++answers) {
        Bytes contents;
        for (; *answers && *answers != ' '; ++answers) {
            const char a = *answers;
            if (a != '.')
                contents += times(a != 'W' && a != 'X', "3 x 4 = 12",
                    a == 'F'       ? 20
                        : a == 'S' ? 45
                        : a == 'W' ? 50
                                   : 0);
        }
        writeDay("Ann", ++day, contents);
        if (!*answers)
            break;
    }
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.today(), day + 1);
    const Review review = report.review({ Operation::Multiplication, 3, 4 });
    EXPECT_EQ(review.step, GetParam().review.step);
    EXPECT_EQ(review.due, GetParam().review.due);
    EXPECT_EQ(report.due({ Operation::Multiplication, 3, 4 }), GetParam().dueNextDay);
    EXPECT_EQ(report.dueCount(Operation::Multiplication), GetParam().dueNextDay ? 1 : 0);
    EXPECT_EQ(report.dueCount(Operation::Addition), 0);
}

// Days as space-separated words: "F . F" is day 1 fluent, day 2 without 3 x 4, day 3 fluent.
std::string ladder()
{
    // Fluent on each day it is due: 1, 2, 5, 12, 26 and 56; and day 57 without it.
    std::string days;
    for (int32_t day = 1; day <= 57; ++day)
        days += std::string(day == 1 || day == 2 || day == 5 || day == 12 || day == 26 || day == 56 ? "F" : ".") + " ";
    days.pop_back();
    return days;
}

const std::string ladderDays = ladder();

INSTANTIATE_TEST_SUITE_P(AnswersTo3x4, SpacedReviews,
    testing::Values(ReviewCase { "NewIsNotDue", ".", { 0, 0 }, false },
        ReviewCase { "FirstFluentIsDueTheNextDay", "F", { 1, 2 }, true },
        ReviewCase { "SecondOnTimeWaitsThreeDays", "F F", { 2, 5 }, false },
        ReviewCase { "ThenSevenFourteenAndThirty", ladderDays.c_str(), { 5, 86 }, false },
        ReviewCase { "ThirtyDaysOnOnceDue", "F F . . F", { 3, 12 }, false },
        ReviewCase { "EarlyFluentMovesOutWithoutAStep", "F F F", { 2, 6 }, false },
        ReviewCase { "WrongStartsAgain", "F F W", { 0, 3 }, true },
        ReviewCase { "SlowStartsAgain", "F S", { 0, 2 }, true },
        ReviewCase { "FluentAfterWrongTheSameDay", "WF", { 1, 2 }, true },
        ReviewCase { "SpeedRoundRightChangesNothing", "F F R", { 2, 5 }, false },
        ReviewCase { "SpeedRoundWrongStartsAgain", "F X", { 0, 2 }, true }),
    [](const testing::TestParamInfo<ReviewCase>& info) { return std::string(info.param.name); });

TEST(FluencyReport, LaterDaysOverrideEarlierOnes)
{
    ScratchFolder folder;
    writeDay("Ann", 1, times(true, "3 x 4 = 12", 20) + times(false, "5 x 6 = 30", 20));
    writeDay("Ann", 2, times(false, "3 x 4 = 12", 20) + times(true, "5 x 6 = 30", 50));
    writeDay("Ann", 3, times(true, "3 x 4 = 12", 0));
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 4), FactState::Right);
    EXPECT_EQ(report.state(Operation::Multiplication, 5, 6), FactState::Right);
    EXPECT_EQ(report.days().size(), 3u);
}

TEST(FluencyReport, KeepsTheOperationsApart)
{
    ScratchFolder folder;
    writeDay("Ann", 1,
        line("Addition", true, "3 + 4 = 7", 10) + line("Subtraction", false, "7 - 4 = 3", 10)
            + line("Multiplication", true, "3 x 4 = 12", 90) + line("Division", true, "12 \xf7 4 = 3", 0));
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.state(Operation::Addition, 3, 4), FactState::Fluent);
    EXPECT_EQ(report.state(Operation::Subtraction, 3, 4), FactState::Wrong);
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 4), FactState::Right);
    EXPECT_EQ(report.state(Operation::Division, 3, 4), FactState::Right);
    EXPECT_EQ(report.stateCounts(Operation::Addition), (std::array<int32_t, 4> { 13 * 12 - 1, 0, 0, 1 }));
    EXPECT_EQ(report.stateCounts(Operation::Subtraction), (std::array<int32_t, 4> { 13 * 12 - 1, 1, 0, 0 }));
}

TEST(FluencyReport, SkipsAndCountsLinesThatAreNoFacts)
{
    ScratchFolder folder;
    const Bytes day = times(true, "3 x 4 = 12", 10) // read
        + "Multiplication ,1 ,3 x 4 = 13 ,13 ,10\r\n" // wrong result
        + "Multiplication ,1 ,3 x 4 = 12 ,12 ,ten\r\n" // time not a number
        + "Multiplication ,1 ,3 x 4 = 12 ,12\r\n" // four fields
        + "Multiplication ,1,5 x 5 = 25 ,25 ,10\r\n" // outcome without its blank
        + "Addition ,1 ,5 x 5 = 25 ,25 ,10\r\n" // name and sign disagree
        + "Multiplication ,1 ,20 x 5 = 100 ,100 ,10\r\n" // beyond the drill
        + "hello\r\n" + "\r\n" // an empty line is passed over
        + times(false, "6 x 6 = 36", 10); // read after all of them
    writeDay("Ann", 1, day);
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.skippedLines(), 7);
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 4), FactState::Fluent);
    EXPECT_EQ(report.state(Operation::Multiplication, 5, 5), FactState::NotAsked);
    EXPECT_EQ(report.state(Operation::Multiplication, 6, 6), FactState::Wrong);
    EXPECT_EQ(report.days().front().answered, 2);
}

TEST(FluencyReport, ReadsLinesAsEveryFileOfTheProgramIsRead)
{
    ScratchFolder folder;
    // LF alone ends a line too, a lone CR is dropped, byte 26 ends the file.
    writeDay("Ann", 1,
        "Multiplication ,1 ,3 x 4 = 12 ,12 ,10\n"
        "Multiplication ,0 ,2 x\r 2 = 4 ,5 ,10\r\n"
        "Multiplication ,1 ,5 x 5 = 25 ,25 ,10\x1a"
        "Multiplication ,1 ,6 x 6 = 36 ,36 ,10\r\n");
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 4), FactState::Fluent);
    EXPECT_EQ(report.state(Operation::Multiplication, 2, 2), FactState::Wrong);
    EXPECT_EQ(report.state(Operation::Multiplication, 5, 5), FactState::Fluent);
    EXPECT_EQ(report.state(Operation::Multiplication, 6, 6), FactState::NotAsked);
    EXPECT_EQ(report.skippedLines(), 0);
}

TEST(FluencyReport, ReadsTheDaysUpToTheFirstGap)
{
    ScratchFolder folder;
    writeDay("Ann", 1, times(true, "2 x 2 = 4", 10));
    writeDay("Ann", 2, times(true, "3 x 3 = 9", 10));
    writeDay("Ann", 4, times(true, "4 x 4 = 16", 10));
    writeDay("Ann1", 1, times(true, "5 x 5 = 25", 10)); // "Ann11.txt", not Ann's day 11
    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.days().size(), 2u);
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 3), FactState::Fluent);
    EXPECT_EQ(report.state(Operation::Multiplication, 4, 4), FactState::NotAsked);
    EXPECT_EQ(report.state(Operation::Multiplication, 5, 5), FactState::NotAsked);
}

TEST(FluencyReport, StudentWithoutDaysHasAnEmptyReport)
{
    ScratchFolder folder;
    const FluencyReport report = readBack("Ann");
    EXPECT_TRUE(report.days().empty());
    EXPECT_EQ(report.stateCounts(Operation::Division), (std::array<int32_t, 4> { 13 * 12, 0, 0, 0 }));
}

TEST(FluencyReport, ADayThatCannotBeReadIsAnErrorNamingIt)
{
    SKIP_ON_WINDOWS("no limit of open files to provoke the failure with");
#ifndef _WIN32
    ScratchFolder folder;
    writeDay("Ann", 1, times(true, "2 x 2 = 4", 10));
    // No file can be opened any more, which fails a read for root as well.
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limited), 0);
    const Result<FluencyReport> report = readFluencyReport("Ann");
    ::setrlimit(RLIMIT_NOFILE, &previous);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.error().file, "Ann1.txt");
#endif
}

TEST(FluencyReport, ADayThatIsAFolderIsNoDay)
{
    ScratchFolder folder;
    writeDay("Ann", 1, times(true, "2 x 2 = 4", 10));
    ASSERT_EQ(::mkdir("Ann2.txt", 0755), 0);
    EXPECT_EQ(readBack("Ann").days().size(), 1u);
}

TEST(DayPoints, ShareRightAndMedianOfRightPracticeTimes)
{
    ScratchFolder folder;
    // Day 1: right 12, 40, 20 tenths and a wrong 5: share 3/4, median 20.
    writeDay("Ann", 1,
        times(true, "2 x 2 = 4", 12) + times(true, "2 x 3 = 6", 40) + times(false, "2 x 4 = 8", 5)
            + times(true, "2 x 5 = 10", 20));
    // Day 2: an even count of right practice times (10, 30, 50, 70) and speed-round answers,
    // whose 0 tenths take no part in the median: share 5/6, median 40.
    writeDay("Ann", 2,
        times(true, "3 x 2 = 6", 70) + times(true, "3 x 3 = 9", 10) + times(true, "3 x 4 = 12", 0)
            + times(false, "3 x 5 = 15", 0) + times(true, "3 x 6 = 18", 50) + times(true, "3 x 7 = 21", 30));
    // Day 3: an empty save: no point at all.
    writeDay("Ann", 3, "");
    // Day 4: speed round only: a share, no median.
    writeDay("Ann", 4, times(true, "4 x 2 = 8", 0) + times(false, "4 x 3 = 12", 0));
    // Day 5: a hand-edited line only: it is skipped, so the day has no answers.
    writeDay("Ann", 5, "hello\r\n");

    const FluencyReport report = readBack("Ann");
    ASSERT_EQ(report.days().size(), 5u);
    const std::vector<DayPoint> expected {
        { 1, 4, 3, 20.0 },
        { 2, 6, 5, 40.0 },
        { 3, 0, 0, std::nullopt },
        { 4, 2, 1, std::nullopt },
        { 5, 0, 0, std::nullopt },
    };
    EXPECT_EQ(report.days(), expected);
    EXPECT_DOUBLE_EQ(*report.days()[0].shareRight(), 0.75);
    EXPECT_DOUBLE_EQ(*report.days()[1].shareRight(), 5.0 / 6.0);
    EXPECT_FALSE(report.days()[2].shareRight());
    EXPECT_DOUBLE_EQ(*report.days()[3].shareRight(), 0.5);
    EXPECT_EQ(report.skippedLines(), 1);
}

TEST(DayPoints, MedianOfAnEvenCountCanFallBetweenTenths)
{
    ScratchFolder folder;
    writeDay("Ann", 1, times(true, "2 x 2 = 4", 11) + times(true, "2 x 3 = 6", 12));
    EXPECT_EQ(readBack("Ann").days().front().medianTenths, 11.5);
}

// The report reads lines and fields with views of its own for speed; they must agree with the
// program's readers (splitLines, splitDayLine) on every kind of damage a hand edit can do.
TEST(FluencyReport, ReadsDamagedFilesAsTheHistoryReadersDo)
{
    ScratchFolder folder;
    std::mt19937 random(11);
    const std::vector<Bytes> pieces { ",", " ,", "1 ,", "0 ,", "1,", " ", "\r", "\r\n", "\n", "\x1a", "x", "-", "00",
        "Multiplication", "Division ", "3 x 4 = 12 ", "12 \xf7 3 = 4 ", "9 - 5 = 4", "7", "35", "-3", "+4" };
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> damage(0, 9);
    std::uniform_int_distribution<int32_t> ticks(-2, 60);
    std::bernoulli_distribution right(0.7);
    const std::vector<Bytes> questions { "3 x 4 = 12", "12 \xf7 3 = 4", "9 - 5 = 4", "0 + 3 = 3" };
    const std::vector<Bytes> operations { "Multiplication", "Division", "Subtraction", "Addition" };
    std::uniform_int_distribution<size_t> which(0, questions.size() - 1);

    std::vector<Bytes> days;
    for (int day = 1; day <= 40; ++day) {
        Bytes contents;
        for (int k = 0; k < 30; ++k) {
            const size_t q = which(random);
            Bytes text = line(operations[q], right(random), questions[q], ticks(random));
            for (int d = damage(random); d >= 7; --d) {
                std::uniform_int_distribution<size_t> at(0, text.size());
                text.insert(at(random), pieces[piece(random)]);
            }
            contents += text;
        }
        days.push_back(contents);
        writeDay("Ann", day, contents);
    }

    std::array<std::array<FactState, 4>, 4> expected {};
    int32_t skipped = 0;
    std::vector<std::pair<int32_t, int32_t>> answeredAndRight;
    for (const Bytes& contents : days) {
        int32_t answered = 0;
        int32_t rightOnes = 0;
        for (const Bytes& text : splitLines(contents)) {
            if (text.empty())
                continue;
            const DayLineFields fields = splitDayLine(text);
            const std::optional<int32_t> time = fields.count == 5 ? parseTicks(fields.texts[4]) : std::nullopt;
            const bool isRight = fields.texts[1] == "1 ";
            const std::optional<Fact> fact = time && (isRight || fields.texts[1] == "0 ")
                ? factOf(fields.texts[0], fields.texts[2])
                : std::nullopt;
            if (!fact) {
                ++skipped;
                continue;
            }
            const size_t q = static_cast<size_t>(code(fact->op) - 1);
            expected[q][0] = nextState(expected[q][0], isRight, *time);
            ++answered;
            rightOnes += isRight ? 1 : 0;
        }
        answeredAndRight.emplace_back(answered, rightOnes);
    }

    const FluencyReport report = readBack("Ann");
    EXPECT_EQ(report.skippedLines(), skipped);
    EXPECT_GT(skipped, 0);
    EXPECT_EQ(report.state(Operation::Multiplication, 3, 4), expected[2][0]);
    EXPECT_EQ(report.state(Operation::Division, 4, 3), expected[3][0]);
    EXPECT_EQ(report.state(Operation::Subtraction, 4, 5), expected[1][0]);
    EXPECT_EQ(report.state(Operation::Addition, 0, 3), expected[0][0]);
    ASSERT_EQ(report.days().size(), days.size());
    for (size_t d = 0; d < days.size(); ++d) {
        EXPECT_EQ(report.days()[d].answered, answeredAndRight[d].first) << "day " << d + 1;
        EXPECT_EQ(report.days()[d].right, answeredAndRight[d].second) << "day " << d + 1;
    }
}
