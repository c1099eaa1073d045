#pragma once

#include "core/drill/operations.h"

namespace quorvex {

// What a screen reader says for the drill, in words rather than signs.

// "7 times 5 equals?", "12 divided by 3 equals?"
Bytes spokenQuestion(const Question& question);

// "right: 7 times 5 equals 35" or "wrong: 7 times 5 equals 35".
Bytes spokenResult(const Question& question, bool right);

// The array board: "3 rows of 4 dots", "5 dots and 2 dots", or, for subtraction and
// division, "empty grid for your dots".
Bytes spokenBoard(const Question& question);

// What the focused "Next Question" button says once an answer is marked: the result and
// the score so far, "right: 7 times 5 equals 35. 3 correct of 4."
Bytes spokenMarked(const Question& question, bool right, int32_t correct, int32_t asked);

// A line of the results page read out: "7 x 5 = 35" as "7 times 5 equals 35". Any other word
// or number stays as it is.
Bytes spokenFact(const Bytes& shown);

// The board's keyboard cursor, counted from 0 and spoken from 1: "row 2, column 3, dot" or
// "row 2, column 3, empty".
Bytes spokenCell(int column, int row, bool dot);

} // namespace quorvex
