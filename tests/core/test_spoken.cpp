#include "core/spoken.h"

#include <gtest/gtest.h>

using namespace quorvex;

TEST(Spoken, QuestionsInWords)
{
    EXPECT_EQ(spokenQuestion({ Operation::Multiplication, 7, 5 }), "7 times 5 equals?");
    EXPECT_EQ(spokenQuestion({ Operation::Division, 12, 3 }), "12 divided by 3 equals?");
    EXPECT_EQ(spokenQuestion({ Operation::Subtraction, 9, 5 }), "9 minus 5 equals?");
    EXPECT_EQ(spokenQuestion({ Operation::Addition, 0, 3 }), "0 plus 3 equals?");
}

TEST(Spoken, ResultsSayRightOrWrongWithTheFact)
{
    EXPECT_EQ(spokenResult({ Operation::Multiplication, 7, 5 }, true), "right: 7 times 5 equals 35");
    EXPECT_EQ(spokenResult({ Operation::Division, 12, 3 }, false), "wrong: 12 divided by 3 equals 4");
}

TEST(Spoken, Board)
{
    EXPECT_EQ(spokenBoard({ Operation::Multiplication, 3, 4 }), "3 rows of 4 dots");
    EXPECT_EQ(spokenBoard({ Operation::Multiplication, 1, 1 }), "1 row of 1 dot");
    EXPECT_EQ(spokenBoard({ Operation::Multiplication, 0, 4 }), "no dots");
    EXPECT_EQ(spokenBoard({ Operation::Addition, 5, 2 }), "5 dots and 2 dots");
    EXPECT_EQ(spokenBoard({ Operation::Subtraction, 9, 5 }), "empty grid for your dots");
}
