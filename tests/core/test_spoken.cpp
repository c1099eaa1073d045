#include "core/drill/spoken.h"

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

TEST(Spoken, MarkedAnswerWithTheScore)
{
    EXPECT_EQ(
        spokenMarked({ Operation::Multiplication, 1, 3 }, true, 1, 1), "right: 1 times 3 equals 3. 1 correct of 1.");
    EXPECT_EQ(
        spokenMarked({ Operation::Subtraction, 9, 5 }, false, 0, 2), "wrong: 9 minus 5 equals 4. 0 correct of 2.");
}

TEST(Spoken, FactsOfTheResultsPage)
{
    EXPECT_EQ(spokenFact("3 x 4 = 12"), "3 times 4 equals 12");
    EXPECT_EQ(spokenFact("15 \xf7 3 = 5"), "15 divided by 3 equals 5");
    EXPECT_EQ(spokenFact(" 9 -  5 = 4 "), "9 minus 5 equals 4");
    EXPECT_EQ(spokenFact("2 + -3 = -1"), "2 plus -3 equals -1");
    EXPECT_EQ(spokenFact("xylophone"), "xylophone");
    EXPECT_EQ(spokenFact(""), "");
}

TEST(Spoken, BoardCursorCountsFromOne)
{
    EXPECT_EQ(spokenCell(2, 1, true), "row 2, column 3, dot");
    EXPECT_EQ(spokenCell(0, 11, false), "row 12, column 1, empty");
}
