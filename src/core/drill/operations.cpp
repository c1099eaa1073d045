#include "core/drill/operations.h"

namespace quorvex {

const Bytes& operationName(Operation op)
{
    static const std::array<Bytes, 4> names { "Addition", "Subtraction", "Multiplication", "Division" };
    return names[static_cast<size_t>(code(op) - 1)];
}

const Bytes& operatorPiece(Operation op)
{
    static const std::array<Bytes, 4> pieces { " + ", " - ", " x ", Bytes(" ") + divisionSign + " " };
    return pieces[static_cast<size_t>(code(op) - 1)];
}

int64_t expectedAnswer(const Question& q)
{
    const int64_t a = q.firstNum;
    const int64_t b = q.secondNum;
    switch (q.op) {
    case Operation::Addition:
        return a + b;
    case Operation::Subtraction:
        return a - b;
    case Operation::Multiplication:
        return a * b;
    case Operation::Division:
        return b == 0 ? 0 : a / b;
    }
    return 0;
}

static Bytes leftSide(const Question& q)
{
    return decimal(q.firstNum) + operatorPiece(q.op) + decimal(q.secondNum);
}

Bytes questionLine(const Question& q)
{
    return leftSide(q) + " = ?";
}

Bytes completedFact(const Question& q)
{
    return leftSide(q) + " = " + decimal(expectedAnswer(q));
}

} // namespace quorvex
