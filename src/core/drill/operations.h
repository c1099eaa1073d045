#pragma once

#include "core/bytes.h"

#include <array>
#include <cstdint>

namespace quorvex {

// Operation codes as the controls' tags carry them.
enum class Operation : int { Addition = 1, Subtraction = 2, Multiplication = 3, Division = 4 };

constexpr std::array<Operation, 4> allOperations { Operation::Addition, Operation::Subtraction,
    Operation::Multiplication, Operation::Division };

constexpr int code(Operation op)
{
    return static_cast<int>(op);
}
constexpr bool isOperationCode(int value)
{
    return value >= 1 && value <= 4;
}
constexpr Operation operationFromCode(int value)
{
    return static_cast<Operation>(value);
}

// "Addition", "Subtraction", "Multiplication", "Division".
const Bytes& operationName(Operation op);

// " + ", " - ", " x ", or a blank, the division sign (byte 247) and a blank.
const Bytes& operatorPiece(Operation op);

inline constexpr char divisionSign = '\xf7';

// The operands as a question shows them: for Subtraction and Division the first is the
// minuend or dividend.
struct Question {
    Operation op = Operation::Multiplication;
    int32_t firstNum = 0;
    int32_t secondNum = 0;

    friend bool operator==(const Question&, const Question&) = default;
};

// The expected answer; a division truncates toward zero (every dividend drawn is a
// multiple of its divisor). A divisor of 0 gives 0 rather than a fault.
int64_t expectedAnswer(const Question& q);

// "7 x 5 = ?"
Bytes questionLine(const Question& q);

// "7 x 5 = 35": the question completed with its right result, as marking shows it.
Bytes completedFact(const Question& q);

} // namespace quorvex
