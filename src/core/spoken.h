#pragma once

#include "operations.h"

namespace quorvex {

// What a screen reader says for the drill, in words rather than signs.

// "7 times 5 equals?", "12 divided by 3 equals?"
Bytes spokenQuestion(const Question& question);

// "right: 7 times 5 equals 35" or "wrong: 7 times 5 equals 35".
Bytes spokenResult(const Question& question, bool right);

// The array board: "3 rows of 4 dots", "5 dots and 2 dots", or, for subtraction and
// division, "empty grid for your dots".
Bytes spokenBoard(const Question& question);

} // namespace quorvex
