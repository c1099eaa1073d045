#include "core/drill/answers.h"
#include "core/drill/board.h"
#include "core/drill/tenths.h"

#include <gtest/gtest.h>

using namespace quorvex;

TEST(TenthsText, ShowsWholeSecondsAndTenths)
{
    EXPECT_EQ(tenthsText(0), "0.0");
    EXPECT_EQ(tenthsText(7), "0.7");
    EXPECT_EQ(tenthsText(123), "12.3");
    EXPECT_EQ(tenthsText(600), "60.0");
    EXPECT_EQ(tenthsText(99), "9.9");
    EXPECT_EQ(tenthsText(3000), "300.0");
}

TEST(ParseAnswer, TakesDigitsOnly)
{
    EXPECT_EQ(parseAnswer("12"), 12);
    EXPECT_EQ(parseAnswer("007"), 7);
    EXPECT_EQ(parseAnswer("0"), 0);
    EXPECT_EQ(parseAnswer("144"), 144);
    EXPECT_EQ(parseAnswer(""), std::nullopt);
    EXPECT_EQ(parseAnswer("?"), std::nullopt);
    EXPECT_EQ(parseAnswer("1 2"), std::nullopt);
    EXPECT_EQ(parseAnswer("-1"), std::nullopt);
    EXPECT_EQ(parseAnswer("1234"), std::nullopt);
    EXPECT_EQ(parseAnswer("99999999999"), std::nullopt);
}

TEST(AnswerDigits, KeepsTheFirstDigits)
{
    EXPECT_EQ(answerDigits(" 1a2 b34"), "123");
    EXPECT_EQ(answerDigits("seven"), "");
    EXPECT_EQ(answerDigits("\xb9\xb2"), ""); // superscript digits are not digits
}

TEST(Board, CellOfAPress)
{
    const std::tuple<int, int, std::optional<Cell>> cases[] = {
        { 5, 5, Cell { 0, 0 } },
        { 0, 0, Cell { 0, 0 } },
        { 45, 45, Cell { 0, 0 } },
        { 46, 46, Cell { 1, 1 } },
        { 441, 441, Cell { 11, 11 } },
        { 442, 100, std::nullopt },
        { 100, 442, std::nullopt },
        { 500, 100, std::nullopt },
        { 790, 445, std::nullopt },
        { -1, 5, std::nullopt },
    };
    for (const auto& [x, y, cell] : cases)
        EXPECT_EQ(cellAt(x, y), cell) << x << "," << y;
}

TEST(Board, DotsOfAQuestion)
{
    const auto product = questionDots({ Operation::Multiplication, 3, 4 });
    ASSERT_EQ(product.size(), 12u);
    EXPECT_EQ(product.front(), (Cell { 0, 0 }));
    EXPECT_EQ(product[4], (Cell { 0, 1 }));
    EXPECT_EQ(product.back(), (Cell { 3, 2 }));
    EXPECT_EQ(dotBoxLeft(3) + dotSize, 148);
    EXPECT_EQ(dotBoxTop(2) + dotSize, 112);

    const auto sum = questionDots({ Operation::Addition, 5, 2 });
    ASSERT_EQ(sum.size(), 7u);
    EXPECT_EQ(sum[4], (Cell { 4, 0 }));
    EXPECT_EQ(sum[5], (Cell { 0, 2 }));
    EXPECT_EQ(dotBoxTop(2), 82);

    EXPECT_TRUE(questionDots({ Operation::Multiplication, 0, 5 }).empty());
    EXPECT_TRUE(questionDots({ Operation::Division, 12, 3 }).empty());
    EXPECT_TRUE(questionDots({ Operation::Subtraction, 9, 5 }).empty());
    EXPECT_EQ(questionDots({ Operation::Multiplication, 12, 12 }).size(), 144u);
    EXPECT_EQ(gridEnd, 439);
}
