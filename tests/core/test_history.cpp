#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "fileerrors.h"
#include "filesizelimit.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quorvex;

namespace {

Treslts answered(Bytes operation, bool correct, Bytes question, Bytes answer, int32_t ticks)
{
    Treslts r;
    r.operation = std::move(operation);
    r.correct = correct;
    r.question = std::move(question);
    r.answer = std::move(answer);
    r.ticks = ticks;
    r.questionType = "Practice";
    return r;
}

// A record as a day file gives it back.
Treslts loaded(
    Bytes operation, bool correct, Bytes question, Bytes answer, int32_t ticks, Bytes student, int32_t number)
{
    Treslts r = answered(std::move(operation), correct, std::move(question), std::move(answer), ticks);
    r.questionType = std::move(student);
    r.number = number;
    return r;
}

void writeDay(const Bytes& name, BytesView contents)
{
    ASSERT_TRUE(replaceFile(name, contents).ok());
}

} // namespace

TEST(DayFileName, PutsTheNumberStraightAfterTheName)
{
    EXPECT_EQ(dayFileName("Ann", 1), "Ann1.txt");
    EXPECT_EQ(dayFileName("Guest", 120), "Guest120.txt");
    EXPECT_EQ(dayFileName("X1", 2), dayFileName("X", 12));
    EXPECT_EQ(dayFileName("Zo\xeb", 3),
        "Zo\xeb"
        "3.txt");
}

TEST(DayContents, WritesTheGoldenBytes)
{
    const std::vector<Treslts> log = {
        answered("Multiplication", true, "3 x 4 = 12", "12", 35),
        answered("Division", false, "12 \xf7 3 = 4", "04", 0),
        answered("Subtraction", true, "9 - 9 = 0", "0", -7),
    };
    EXPECT_EQ(dayContents(log),
        "Multiplication ,1 ,3 x 4 = 12 ,12 ,35\r\n"
        "Division ,0 ,12 \xf7 3 = 4 ,04 ,0\r\n"
        "Subtraction ,1 ,9 - 9 = 0 ,0 ,-7\r\n");
}

TEST(DayContents, WritesNothingForAnEmptyLog)
{
    EXPECT_EQ(dayContents({}), "");
}

TEST(DayLine, LeavesOutQuestionTypeAndNumber)
{
    Treslts r = answered("Addition", false, "1 + 1 = 2", "3", 2147483647);
    r.questionType = "S. Round";
    r.number = 99;
    EXPECT_EQ(dayLine(r), "Addition ,0 ,1 + 1 = 2 ,3 ,2147483647");
}

struct LineCase {
    const char* name;
    Bytes line;
    Treslts record; // questionType and number stay empty here
};

class ReadDayLine : public testing::TestWithParam<LineCase> { };

TEST_P(ReadDayLine, WalksTheFieldsByteForByte)
{
    const Result<Treslts> record = readDayLine(GetParam().line, "Ann1.txt");
    ASSERT_TRUE(record.ok()) << described(record.error());
    EXPECT_EQ(*record, GetParam().record);
}

Treslts fields(Bytes operation, bool correct, Bytes question, Bytes answer, int32_t ticks)
{
    Treslts r = answered(std::move(operation), correct, std::move(question), std::move(answer), ticks);
    r.questionType.clear();
    return r;
}

INSTANTIATE_TEST_SUITE_P(Lines, ReadDayLine,
    testing::Values(LineCase { "asWritten", "Multiplication ,1 ,3 x 4 = 12 ,12 ,35",
                        fields("Multiplication ", true, "3 x 4 = 12 ", "12 ", 35) },
        LineCase { "wrong", "Division ,0 ,12 \xf7 3 = 4 ,5 ,7", fields("Division ", false, "12 \xf7 3 = 4 ", "5 ", 7) },
        LineCase { "oneWithoutBlankIsWrong", "Addition ,1,1 + 1 = 2 ,2 ,4",
            fields("Addition ", false, "1 + 1 = 2 ", "2 ", 4) },
        LineCase { "blankBeforeOneIsWrong", "Addition , 1 ,1 + 1 = 2 ,2 ,4",
            fields("Addition ", false, "1 + 1 = 2 ", "2 ", 4) },
        LineCase { "trailingBlanksKept", "Addition   ,1 ,1 + 1 = 2  ,2   ,4",
            fields("Addition   ", true, "1 + 1 = 2  ", "2   ", 4) },
        LineCase {
            "negativeTime", "Addition ,1 ,1 + 1 = 2 ,2 ,-15", fields("Addition ", true, "1 + 1 = 2 ", "2 ", -15) },
        LineCase { "plusSign", "Addition ,1 ,q ,a ,+8", fields("Addition ", true, "q ", "a ", 8) },
        LineCase { "smallestTime", "A ,1 ,q ,a ,-2147483648", fields("A ", true, "q ", "a ", -2147483647 - 1) },
        LineCase { "singleDigitTime", "A ,1 ,q ,a ,7", fields("A ", true, "q ", "a ", 7) },
        LineCase { "emptyFields", ",,,,3", fields("", false, "", "", 3) },
        // Fields a line does not carry stay empty, wrong and 0; the last character ends the
        // field in progress and, before field 5, is lost with it.
        LineCase { "empty", "", fields("", false, "", "", 0) },
        LineCase { "oneCharacter", "A", fields("", false, "", "", 0) },
        LineCase { "operationOnly", "Addition", fields("Additio", false, "", "", 0) },
        LineCase { "lastCharacterOfFieldTwoLost", "Addition ,1 ", fields("Addition ", false, "", "", 0) },
        LineCase { "fourFields", "Addition ,1 ,q ,a ", fields("Addition ", true, "q ", "a", 0) },
        LineCase { "endsAfterFieldFourComma", "Addition ,1 ,q ,a", fields("Addition ", true, "q ", "", 0) }),
    [](const auto& info) { return info.param.name; });

struct MalformedCase {
    const char* name;
    Bytes line;
    Bytes text; // field 5 as the walk hands it over
};

class ReadMalformedDayLine : public testing::TestWithParam<MalformedCase> { };

TEST_P(ReadMalformedDayLine, NamesTheFileAndTheText)
{
    const Result<Treslts> record = readDayLine(GetParam().line, "Ann1.txt");
    ASSERT_FALSE(record.ok());
    EXPECT_EQ(
        record.error(), (FileError { .file = "Ann1.txt", .why = Failure::InvalidInteger, .text = GetParam().text }));
}

INSTANTIATE_TEST_SUITE_P(Lines, ReadMalformedDayLine,
    testing::Values(MalformedCase { "letters", "Addition ,1 ,q ,a ,3x5", "3x5" },
        MalformedCase { "trailingBlank", "Addition ,1 ,q ,a ,35 ", "35 " },
        MalformedCase { "leadingBlank", "Addition ,1 ,q ,a , 35", " 35" },
        MalformedCase { "sixthFieldEndsFiveAtItsComma", "Addition ,1 ,q ,a ,35 ,x", "35 ," },
        MalformedCase { "endsWithComma", "Addition ,1 ,q ,a ,,", "," },
        MalformedCase { "twoSigns", "Addition ,1 ,q ,a ,+-5", "+-5" },
        MalformedCase { "signOnly", "Addition ,1 ,q ,a ,-", "-" },
        MalformedCase { "tooLarge", "Addition ,1 ,q ,a ,2147483648", "2147483648" },
        MalformedCase { "farTooLarge", "Addition ,1 ,q ,a ,99999999999999999999", "99999999999999999999" },
        MalformedCase { "decimalPoint", "Addition ,1 ,q ,a ,3.5", "3.5" }),
    [](const auto& info) { return info.param.name; });

struct DayCase {
    const char* name;
    Bytes contents;
    std::vector<Treslts> records;
};

class ParseDay : public testing::TestWithParam<DayCase> { };

TEST_P(ParseDay, ReadsEveryLineAsARecordOfTheStudent)
{
    const auto records = parseDay(GetParam().contents, "Ann", "Ann1.txt");
    ASSERT_TRUE(records.ok()) << described(records.error());
    EXPECT_EQ(*records, GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Files, ParseDay,
    testing::Values(DayCase { "emptyFileIsOneRecord", "", { loaded("", false, "", "", 0, "Ann", 1) } },
        DayCase { "lineEndOnlyIsOneRecord", "\r\n", { loaded("", false, "", "", 0, "Ann", 1) } },
        DayCase { "numberedInFileOrder",
            "Addition ,1 ,1 + 2 = 3 ,3 ,12\r\n"
            "Division ,0 ,8 \xf7 2 = 4 ,5 ,40\r\n",
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1),
                loaded("Division ", false, "8 \xf7 2 = 4 ", "5 ", 40, "Ann", 2) } },
        DayCase { "noFinalLineEnd",
            "Addition ,1 ,1 + 2 = 3 ,3 ,12\r\n"
            "Addition ,1 ,2 + 2 = 4 ,4 ,9",
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1),
                loaded("Addition ", true, "2 + 2 = 4 ", "4 ", 9, "Ann", 2) } },
        DayCase { "lineFeedsOnly", "Addition ,1 ,1 + 2 = 3 ,3 ,12\n",
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1) } },
        DayCase { "crInsideALineDropped", "Addi\rtion ,1 ,1 + 2 = 3 ,3 ,1\r2\r\n",
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1) } },
        DayCase { "crBeforeTheEndOfFieldFiveDropped", "Addition ,1 ,1 + 2 = 3 ,3 ,12\r",
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1) } },
        DayCase { "byte26EndsTheFile",
            Bytes("Addition ,1 ,1 + 2 = 3 ,3 ,12\r\n\x1a"
                  "Addition ,1 ,3x ,3 ,oops\r\n"),
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1) } },
        DayCase { "byte26InsideALine",
            Bytes("Addition ,1 ,1 + 2 = 3 ,3 ,12\x1a"
                  "34\r\n"),
            { loaded("Addition ", true, "1 + 2 = 3 ", "3 ", 12, "Ann", 1) } },
        DayCase { "emptyLineInside", "Addition ,1 ,q ,a ,1\r\n\r\nAddition ,0 ,q ,a ,2\r\n",
            { loaded("Addition ", true, "q ", "a ", 1, "Ann", 1), loaded("", false, "", "", 0, "Ann", 2),
                loaded("Addition ", false, "q ", "a ", 2, "Ann", 3) } }),
    [](const auto& info) { return info.param.name; });

TEST(ParseDay, RefusesTheWholeDayAtAMalformedLine)
{
    const auto records = parseDay("Addition ,1 ,q ,a ,1\r\nAddition ,1 ,q ,a ,x\r\n", "Ann", "Ann3.txt");
    ASSERT_FALSE(records.ok());
    EXPECT_EQ(records.error(), (FileError { .file = "Ann3.txt", .why = Failure::InvalidInteger, .text = "x" }));
}

TEST(ParseDay, KeepsEveryLineOfALongDay)
{
    std::vector<Treslts> log;
    for (int32_t k = 1; k <= 3500; ++k)
        log.push_back(answered("Addition", k % 3 != 0, "1 + 1 = 2", "2", k));
    const auto records = parseDay(dayContents(log), "Bo", "Bo1.txt");
    ASSERT_TRUE(records.ok());
    ASSERT_EQ(records->size(), 3500u);
    EXPECT_EQ(records->back(), loaded("Addition ", true, "1 + 1 = 2 ", "2 ", 3500, "Bo", 3500));
}

TEST(ParseTicks, TakesOnlyASignAndDecimalDigits)
{
    EXPECT_EQ(parseTicks("0"), 0);
    EXPECT_EQ(parseTicks("007"), 7);
    EXPECT_EQ(parseTicks("-0"), 0);
    EXPECT_EQ(parseTicks("2147483647"), 2147483647);
    EXPECT_EQ(parseTicks("-2147483649"), std::nullopt);
    EXPECT_EQ(parseTicks(""), std::nullopt);
    EXPECT_EQ(parseTicks("--1"), std::nullopt);
    EXPECT_EQ(parseTicks("0x10"), std::nullopt);
    EXPECT_EQ(parseTicks("$10"), std::nullopt);
}

TEST(Days, SaveAndLoadRoundTrip)
{
    ScratchFolder folder;
    const std::vector<Treslts> log = {
        answered("Multiplication", true, "3 x 4 = 12", "12", 35),
        answered("Division", false, "12 \xf7 3 = 4", "04", 0),
    };
    const Result<int32_t> day = saveNextDay("Ann", log);
    ASSERT_TRUE(day.ok()) << described(day.error());
    EXPECT_EQ(*day, 1);
    EXPECT_EQ(*readFile("Ann1.txt"),
        "Multiplication ,1 ,3 x 4 = 12 ,12 ,35\r\n"
        "Division ,0 ,12 \xf7 3 = 4 ,04 ,0\r\n");
    EXPECT_EQ(folderEntries(), std::vector<std::string> { "Ann1.txt" });

    const auto records = loadDay("Ann", 1);
    ASSERT_TRUE(records.ok());
    EXPECT_EQ(*records,
        (std::vector<Treslts> { loaded("Multiplication ", true, "3 x 4 = 12 ", "12 ", 35, "Ann", 1),
            loaded("Division ", false, "12 \xf7 3 = 4 ", "04 ", 0, "Ann", 2) }));
}

TEST(Days, AnEmptyLogIsADayOfItsOwn)
{
    ScratchFolder folder;
    ASSERT_EQ(*saveNextDay("Ann", {}), 1);
    EXPECT_EQ(*readFile("Ann1.txt"), "");
    EXPECT_EQ(countDays("Ann"), 1);
    EXPECT_EQ(*loadDay("Ann", 1), std::vector<Treslts> { loaded("", false, "", "", 0, "Ann", 1) });
}

TEST(Days, CountUpToTheFirstGapAndTheNextSaveFillsIt)
{
    ScratchFolder folder;
    writeDay("Ann1.txt", "one\r\n");
    writeDay("Ann2.txt", "two\r\n");
    writeDay("Ann4.txt", "four\r\n");
    writeDay("Anna3.txt", "");
    EXPECT_EQ(countDays("Ann"), 2);
    EXPECT_EQ(countDays("Bob"), 0);

    const std::vector<Treslts> log = { answered("Addition", true, "1 + 1 = 2", "2", 5) };
    EXPECT_EQ(*saveNextDay("Ann", log), 3);
    EXPECT_EQ(*readFile("Ann3.txt"), "Addition ,1 ,1 + 1 = 2 ,2 ,5\r\n");
    EXPECT_EQ(countDays("Ann"), 4);
    EXPECT_EQ(*saveNextDay("Ann", log), 5);
    EXPECT_EQ(*readFile("Ann1.txt"), "one\r\n");
    EXPECT_EQ(*readFile("Ann2.txt"), "two\r\n");
    EXPECT_EQ(*readFile("Ann4.txt"), "four\r\n");
}

TEST(Days, ANumberSavedMeanwhileByAnotherCopyIsSkipped)
{
    ScratchFolder folder;
    writeDay("Ann1.txt", "one\r\n");
    writeDay("Ann2.txt", "two\r\n");
    writeDay("Ann3.txt", "three\r\n");
    // Counted as 1 day when the save began; days 2 and 3 appeared before the file was made.
    const Result<int32_t> day = saveDayFrom("Ann", 2, {});
    ASSERT_TRUE(day.ok());
    EXPECT_EQ(*day, 4);
    EXPECT_EQ(*readFile("Ann2.txt"), "two\r\n");
    EXPECT_EQ(*readFile("Ann3.txt"), "three\r\n");
    EXPECT_EQ(*readFile("Ann4.txt"), "");
}

TEST(Days, AFullDiskLeavesNoHalfWrittenDayBehind)
{
    SKIP_ON_WINDOWS("no limit of a file's size to stand for a full disk");
    ScratchFolder folder;
    const std::vector<Treslts> log(200, answered("Multiplication", true, "12 x 12 = 144", "144", 35));
    Result<int32_t> day = 0;
    {
        FileSizeLimit disk(1000);
        day = saveNextDay("Ann", log);
    }
    ASSERT_FALSE(day.ok());
    EXPECT_EQ(day.error(), FileError::system("Ann1.txt", EFBIG));
    EXPECT_TRUE(folderEntries().empty());
    EXPECT_EQ(countDays("Ann"), 0);
}

TEST(Days, AFolderInTheWayIsReportedAndNothingIsLeftBehind)
{
    ScratchFolder folder;
    writeDay("Ann1.txt", "one\r\n");
    ASSERT_EQ(::mkdir("Ann2.txt", 0755), 0);
    EXPECT_EQ(countDays("Ann"), 1);
    const Result<int32_t> day = saveNextDay("Ann", {});
    ASSERT_FALSE(day.ok());
    EXPECT_EQ(day.error(), FileError::system("Ann2.txt", EISDIR));
    EXPECT_EQ(folderEntries(), (std::vector<std::string> { "Ann1.txt", "Ann2.txt" }));
}

TEST(Days, ANameThatIsAPathIsRefused)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("sub", 0755), 0);
    std::ofstream("sub/x1.txt") << "Addition ,1 ,q ,a ,1\r\n";
    EXPECT_FALSE(dayExists("sub/x", 1));
    EXPECT_EQ(countDays("sub/x"), 0);
    EXPECT_FALSE(loadDay("sub/x", 1).ok());
    const Result<int32_t> day = saveNextDay("sub/x", {});
    ASSERT_FALSE(day.ok());
    EXPECT_EQ(day.error().file, "sub/x1.txt");
    EXPECT_EQ(folderEntries(), std::vector<std::string> { "sub" });
}

TEST(Days, LoadingAMalformedDayNamesTheFile)
{
    ScratchFolder folder;
    writeDay("Ann1.txt", "Addition ,1 ,1 + 1 = 2 ,2 ,1,5\r\n");
    const auto records = loadDay("Ann", 1);
    ASSERT_FALSE(records.ok());
    EXPECT_EQ(records.error(), (FileError { .file = "Ann1.txt", .why = Failure::InvalidInteger, .text = "1," }));
}

TEST(Days, LoadingAMissingDayIsAnError)
{
    ScratchFolder folder;
    EXPECT_FALSE(dayExists("Ann", 1));
    const auto records = loadDay("Ann", 1);
    ASSERT_FALSE(records.ok());
    EXPECT_EQ(records.error().file, "Ann1.txt");
}

TEST(LoadDay, AbsurdlyLongTextsAreShownCutShort)
{
    ScratchFolder folder;
    const Bytes question(5000000, '7');
    ASSERT_TRUE(replaceFile("Ann1.txt", "Addition ," + Bytes("1 ,") + question + " ,12 ,35\r\n").ok());
    const auto day = loadDay("Ann", 1);
    ASSERT_TRUE(day.ok());
    ASSERT_EQ(day->size(), 1u);
    EXPECT_EQ(day->front().question, Bytes(maxShownFieldLength, '7') + "...");
    EXPECT_EQ(day->front().answer, "12 ");
    EXPECT_EQ(day->front().ticks, 35);
}
