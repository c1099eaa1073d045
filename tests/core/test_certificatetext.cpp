#include "core/reports/certificatetext.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

struct WordingCase {
    const char* name;
    CertificateInputs in;
    CertificateLines expected;
};

CertificateInputs practice(int32_t correct, int32_t asked)
{
    CertificateInputs in;
    in.correctCount = correct;
    in.askedCount = asked;
    in.studentName = "Guest";
    return in;
}

CertificateInputs speedRound(int32_t right, int32_t seconds)
{
    CertificateInputs in = practice(0, 0);
    in.questionTypeIndex = 1;
    in.questionTypeText = "Speed Round";
    in.roundRightCount = right;
    in.roundSeconds = seconds;
    return in;
}

CertificateInputs with(CertificateInputs in, auto change)
{
    change(in);
    return in;
}

const CertificateLines practiceLines { "Guest", "7 correct out of 10 asked!", "in Practice", "Involving Multiplication",
    "Using all the numbers up to 5!" };

CertificateLines withLine(CertificateLines lines, Bytes CertificateLines::*line, Bytes text)
{
    lines.*line = std::move(text);
    return lines;
}

std::vector<WordingCase> wordingCases()
{
    const CertificateInputs base = practice(7, 10);
    return {
        { "PracticeScore", base, practiceLines },
        { "NothingAnsweredYet", practice(0, 0),
            withLine(practiceLines, &CertificateLines::score, "0 correct out of 0 asked!") },
        { "SpeedRoundScore", speedRound(12, 60),
            { "Guest", "12 correct in 60 s!", "in Speed Round", "Involving Multiplication",
                "Using all the numbers up to 5!" } },
        { "LongestRoundInSeconds", speedRound(41, 300),
            { "Guest", "41 correct in 300 s!", "in Speed Round", "Involving Multiplication",
                "Using all the numbers up to 5!" } },
        // The type chosen now decides, whatever the counters were raised by.
        { "SpeedRoundChosenAfterPractice",
            with(speedRound(3, 45),
                [](auto& in) {
                    in.correctCount = 7;
                    in.askedCount = 10;
                }),
            { "Guest", "3 correct in 45 s!", "in Speed Round", "Involving Multiplication",
                "Using all the numbers up to 5!" } },
        { "TablesOf", with(base, [](auto& in) { in.tableText = "12"; }),
            withLine(practiceLines, &CertificateLines::table, "Using all the numbers up to 12!") },
        { "PracticeWithUpTo",
            with(base,
                [](auto& in) {
                    in.tablesOf = false;
                    in.tableText = "5";
                    in.upToText = "12";
                }),
            withLine(practiceLines, &CertificateLines::table, "Using only the number 5 and numbers up to 12!") },
        // Without Mix and Match the boxes left ticked from earlier do not count.
        { "SingleOperationIsTheCurrentOne",
            with(base,
                [](auto& in) {
                    in.currentOp = Operation::Division;
                    in.ticked = { true, true, false, false };
                }),
            withLine(practiceLines, &CertificateLines::involve, "Involving Division") },
        { "MixOneTicked",
            with(base,
                [](auto& in) {
                    in.mixAndMatch = true;
                    in.ticked = { false, false, false, true };
                }),
            withLine(practiceLines, &CertificateLines::involve, "Involving Division") },
        { "MixTwoTicked",
            with(base,
                [](auto& in) {
                    in.mixAndMatch = true;
                    in.ticked = { false, true, true, false };
                }),
            withLine(practiceLines, &CertificateLines::involve, "Involving Subtraction and Multiplication") },
        { "MixThreeTicked",
            with(base,
                [](auto& in) {
                    in.mixAndMatch = true;
                    in.ticked = { true, true, true, false };
                }),
            withLine(practiceLines, &CertificateLines::involve, "Involving Addition, Subtraction and Multiplication") },
        { "MixFourTicked",
            with(base,
                [](auto& in) {
                    in.mixAndMatch = true;
                    in.ticked = { true, true, true, true };
                }),
            withLine(practiceLines, &CertificateLines::involve,
                "Involving Addition, Subtraction, Multiplication and Division") },
        { "NameAsShown", with(base, [](auto& in) { in.studentName = "Zo\xeb"; }),
            withLine(practiceLines, &CertificateLines::name, "Zo\xeb") },
    };
}

class Wording : public testing::TestWithParam<WordingCase> { };

TEST_P(Wording, ComposesTheFiveLines)
{
    const CertificateLines lines = composeCertificate(GetParam().in);
    EXPECT_EQ(lines.name, GetParam().expected.name);
    EXPECT_EQ(lines.score, GetParam().expected.score);
    EXPECT_EQ(lines.type, GetParam().expected.type);
    EXPECT_EQ(lines.involve, GetParam().expected.involve);
    EXPECT_EQ(lines.table, GetParam().expected.table);
}

INSTANTIATE_TEST_SUITE_P(Certificate, Wording, testing::ValuesIn(wordingCases()),
    [](const testing::TestParamInfo<WordingCase>& info) { return info.param.name; });

// Every non-empty choice of boxes: the names keep the order of their codes, commas between
// them and " and " before the last.
TEST(OperationNames, EveryTickedChoiceInFixedOrder)
{
    const std::vector<std::pair<std::array<bool, 4>, Bytes>> expected {
        { { true, false, false, false }, "Addition" },
        { { false, true, false, false }, "Subtraction" },
        { { true, true, false, false }, "Addition and Subtraction" },
        { { false, false, true, false }, "Multiplication" },
        { { true, false, true, false }, "Addition and Multiplication" },
        { { false, true, true, false }, "Subtraction and Multiplication" },
        { { true, true, true, false }, "Addition, Subtraction and Multiplication" },
        { { false, false, false, true }, "Division" },
        { { true, false, false, true }, "Addition and Division" },
        { { false, true, false, true }, "Subtraction and Division" },
        { { true, true, false, true }, "Addition, Subtraction and Division" },
        { { false, false, true, true }, "Multiplication and Division" },
        { { true, false, true, true }, "Addition, Multiplication and Division" },
        { { false, true, true, true }, "Subtraction, Multiplication and Division" },
        { { true, true, true, true }, "Addition, Subtraction, Multiplication and Division" },
    };
    for (const auto& [ticked, names] : expected)
        EXPECT_EQ(joinOperationNames(ticked), names);
}

} // namespace
