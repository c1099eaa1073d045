#include "core/classfolder/textlines.h"

#include <gtest/gtest.h>

using namespace quorvex;

struct SplitCase {
    const char* name;
    Bytes text;
    std::vector<Bytes> lines;
};

class SplitLines : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitLines, FollowsTheReadingRules)
{
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, SplitLines,
    testing::Values(SplitCase { "empty", "", { "" } }, //
        SplitCase { "onlyLineEnd", "\r\n", { "" } }, //
        SplitCase { "crlf", "Guest\r\nAnn\r\n", { "Guest", "Ann" } },
        SplitCase { "lf", "Guest\nAnn\n", { "Guest", "Ann" } },
        SplitCase { "noFinalLineEnd", "Guest\r\nAnn", { "Guest", "Ann" } },
        SplitCase { "loneCrDropped", "Gu\rest\r\nA\rnn\r", { "Guest", "Ann" } },
        SplitCase { "emptyLineInside", "Guest\r\n\r\nAnn\r\n", { "Guest", "", "Ann" } },
        SplitCase { "byte26EndsFile",
            Bytes("Guest\r\nAnn\x1a"
                  "Bob\r\n"),
            { "Guest", "Ann" } },
        SplitCase { "byte26First",
            Bytes("\x1a"
                  "Guest\r\n"),
            { "" } },
        SplitCase { "byte26AfterLineEnd", Bytes("Guest\r\n\x1a"), { "Guest" } },
        SplitCase { "eightBitKept", Bytes("12 \xf7 3 = 4\r\n"), { "12 \xf7 3 = 4" } },
        SplitCase { "trailingBlanksKept", "Ann  \r\n", { "Ann  " } }),
    [](const auto& info) { return info.param.name; });

TEST(JoinLines, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(joinLines({ "Guest", "" }), "Guest\r\n\r\n");
}
