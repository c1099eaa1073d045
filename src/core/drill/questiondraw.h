#pragma once

#include "core/drill/operations.h"

#include <array>
#include <random>

namespace quorvex {

using RandomEngine = std::mt19937;

// What the settings on the right of the main window allow.
struct DrillSettings {
    int tableNumber = 5; // T, 2 to 12
    int practiceBound = 5; // U, 2 to 12
    bool tablesOf = true; // "Tables of" rather than "Practice with up to #"
    bool includeZero = false;
    std::array<bool, 4> allowed { false, false, true, false }; // by operation code - 1
};

// The operations allowed after one was cleared: the last allowed one cannot be cleared, so
// when none is left the cleared one is allowed again.
std::array<bool, 4> keepOneAllowed(std::array<bool, 4> allowed, Operation cleared);

// Draws an operation code uniformly from 1 to 4 until an allowed one comes up, so each
// allowed operation is equally likely. At least one must be allowed.
Operation drawOperation(RandomEngine& rng, const std::array<bool, 4>& allowed);

// The operands of op formed from the base number a and the second number b: a subtraction or
// division shows a + b or a x b first, so that its answer is a.
Question formQuestion(Operation op, int32_t a, int32_t b);

// Draws the base number a (never equal to lastFirstNum, which then becomes a) and the
// second number b, and forms the operands of op from them.
Question drawOperands(RandomEngine& rng, const DrillSettings& settings, Operation op, int32_t& lastFirstNum);

} // namespace quorvex
