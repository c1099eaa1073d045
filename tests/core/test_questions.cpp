#include "core/drill/operations.h"
#include "core/drill/questiondraw.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace quorvex;

TEST(QuestionLine, MatchesTheExamplesByteForByte)
{
    EXPECT_EQ(questionLine({ Operation::Multiplication, 7, 5 }), "7 x 5 = ?");
    EXPECT_EQ(questionLine({ Operation::Division, 12, 3 }), "12 \xf7 3 = ?");
    EXPECT_EQ(questionLine({ Operation::Subtraction, 9, 5 }), "9 - 5 = ?");
    EXPECT_EQ(questionLine({ Operation::Addition, 0, 3 }), "0 + 3 = ?");
}

TEST(CompletedFact, CarriesTheRightResult)
{
    EXPECT_EQ(completedFact({ Operation::Multiplication, 3, 4 }), "3 x 4 = 12");
    EXPECT_EQ(completedFact({ Operation::Division, 12, 3 }), "12 \xf7 3 = 4");
    EXPECT_EQ(completedFact({ Operation::Subtraction, 3, 3 }), "3 - 3 = 0");
    EXPECT_EQ(completedFact({ Operation::Addition, 0, 0 }), "0 + 0 = 0");
    EXPECT_EQ(completedFact({ Operation::Division, 0, 3 }), "0 \xf7 3 = 0");
}

TEST(OperationNames, FollowTheCodes)
{
    EXPECT_EQ(operationName(operationFromCode(1)), "Addition");
    EXPECT_EQ(operationName(operationFromCode(2)), "Subtraction");
    EXPECT_EQ(operationName(operationFromCode(3)), "Multiplication");
    EXPECT_EQ(operationName(operationFromCode(4)), "Division");
}

// The base number a and the second number b behind a question, recovered from its operands.
static std::pair<int, int> baseAndSecond(const Question& q)
{
    switch (q.op) {
    case Operation::Subtraction:
        return { q.firstNum - q.secondNum, q.secondNum };
    case Operation::Division:
        return { q.firstNum / q.secondNum, q.secondNum };
    default:
        return { q.firstNum, q.secondNum };
    }
}

struct RangeCase {
    bool tablesOf;
    int t;
    int u;
    bool zero;
};

class OperandDraw : public testing::TestWithParam<std::tuple<RangeCase, Operation>> { };

// Every range, both modes, with and without zero, for all four operations: a covers exactly
// its range, never repeats at once, b covers 1..T (or is T), and the operands follow the
// operation's table.
TEST_P(OperandDraw, StaysInRangeAndNeverRepeatsTheBase)
{
    const auto [range, op] = GetParam();
    DrillSettings settings;
    settings.tablesOf = range.tablesOf;
    settings.tableNumber = range.t;
    settings.practiceBound = range.u;
    settings.includeZero = range.zero;
    RandomEngine rng(1234);
    int32_t last = 0;
    std::set<int> bases, seconds;
    int previous = 0;
    for (int i = 0; i < 2000; ++i) {
        const Question q = drawOperands(rng, settings, op, last);
        const auto [a, b] = baseAndSecond(q);
        ASSERT_EQ(q.op, op);
        ASSERT_NE(a, previous) << "immediate repeat at draw " << i;
        ASSERT_EQ(last, a);
        previous = a;
        bases.insert(a);
        seconds.insert(b);
        ASSERT_EQ(expectedAnswer(q), op == Operation::Addition ? a + b : op == Operation::Multiplication ? a * b : a);
        if (op == Operation::Division) {
            ASSERT_NE(q.secondNum, 0);
        }
    }
    const int r = range.tablesOf ? range.t : range.u;
    const int low = range.zero ? 0 : 1;
    EXPECT_EQ(*bases.begin(), low);
    EXPECT_EQ(*bases.rbegin(), r);
    EXPECT_EQ(bases.size(), static_cast<size_t>(r - low + 1));
    if (range.tablesOf) {
        EXPECT_EQ(*seconds.begin(), 1);
        EXPECT_EQ(*seconds.rbegin(), range.t);
        EXPECT_EQ(seconds.size(), static_cast<size_t>(range.t));
    } else {
        EXPECT_EQ(seconds, std::set<int> { range.t });
    }
}

INSTANTIATE_TEST_SUITE_P(AllRanges, OperandDraw,
    testing::Combine(
        testing::Values(RangeCase { true, 2, 2, false }, RangeCase { true, 2, 2, true },
            RangeCase { true, 5, 5, false }, RangeCase { true, 12, 12, true }, RangeCase { false, 5, 10, false },
            RangeCase { false, 7, 2, true }, RangeCase { false, 12, 12, false }, RangeCase { false, 2, 12, true }),
        testing::ValuesIn(allOperations)),
    [](const testing::TestParamInfo<std::tuple<RangeCase, Operation>>& info) {
        const RangeCase& range = std::get<0>(info.param);
        std::string name = range.tablesOf ? "TablesOf" + std::to_string(range.t)
                                          : "UpTo" + std::to_string(range.u) + "With" + std::to_string(range.t);
        return name + (range.zero ? "AndZero" : "") + operationName(std::get<1>(info.param));
    });

TEST(OperandDraw, TablesOfTwoWithoutZeroAlternatesTheBase)
{
    DrillSettings settings;
    settings.tableNumber = 2;
    RandomEngine rng(7);
    int32_t last = 0;
    std::vector<int> bases;
    for (int i = 0; i < 10; ++i)
        bases.push_back(drawOperands(rng, settings, Operation::Multiplication, last).firstNum);
    for (size_t i = 1; i < bases.size(); ++i)
        EXPECT_EQ(bases[i], 3 - bases[i - 1]);
}

TEST(OperandDraw, FirstQuestionOfARunNeverHasBaseZero)
{
    DrillSettings settings;
    settings.includeZero = true;
    for (unsigned seed = 0; seed < 500; ++seed) {
        RandomEngine rng(seed);
        int32_t last = 0; // as every Start leaves it
        EXPECT_NE(drawOperands(rng, settings, Operation::Addition, last).firstNum, 0);
    }
}

TEST(OperandDraw, PracticeShowsTheTableNumberOnTheRight)
{
    DrillSettings settings;
    settings.tablesOf = false;
    settings.tableNumber = 5;
    settings.practiceBound = 10;
    RandomEngine rng(99);
    int32_t last = 0;
    for (int i = 0; i < 200; ++i) {
        const Question q = drawOperands(rng, settings, Operation::Multiplication, last);
        EXPECT_EQ(q.secondNum, 5);
        EXPECT_GE(q.firstNum, 1);
        EXPECT_LE(q.firstNum, 10);
    }
}

TEST(OperationDraw, DrawsOnlyAllowedOperationsEquallyOften)
{
    const std::array<std::array<bool, 4>, 4> choices { { { true, false, false, true }, { false, false, true, false },
        { true, true, true, false }, { true, true, true, true } } };
    for (const auto& allowed : choices) {
        RandomEngine rng(2024);
        std::map<Operation, int> counts;
        const int draws = 40000;
        for (int i = 0; i < draws; ++i)
            ++counts[drawOperation(rng, allowed)];
        const auto n = static_cast<int>(std::count(allowed.begin(), allowed.end(), true));
        for (const Operation op : allOperations) {
            const bool on = allowed[static_cast<size_t>(code(op) - 1)];
            if (!on) {
                EXPECT_EQ(counts[op], 0);
                continue;
            }
            // Within 5% of an equal share: far beyond chance for 40000 draws.
            EXPECT_NEAR(counts[op], draws / n, draws / n / 20) << operationName(op);
        }
    }
}

TEST(OperationChoice, TheLastAllowedOperationCannotBeCleared)
{
    using Allowed = std::array<bool, 4>;
    EXPECT_EQ(keepOneAllowed(Allowed { false, false, false, false }, Operation::Division),
        (Allowed { false, false, false, true }));
    EXPECT_EQ(keepOneAllowed(Allowed { true, false, false, false }, Operation::Division),
        (Allowed { true, false, false, false }));
}
