#include "spoken.h"

#include "board.h"

namespace quorvex {

static Bytes spokenLeftSide(const Question& q)
{
    static const char* const words[] = { " plus ", " minus ", " times ", " divided by " };
    return decimal(q.firstNum) + words[code(q.op) - 1] + decimal(q.secondNum) + " equals";
}

static Bytes count(int n, const char* one, const char* many)
{
    return decimal(n) + " " + (n == 1 ? one : many);
}

Bytes spokenQuestion(const Question& question)
{
    return spokenLeftSide(question) + "?";
}

Bytes spokenResult(const Question& question, bool right)
{
    return Bytes(right ? "right: " : "wrong: ") + spokenLeftSide(question) + " " + decimal(expectedAnswer(question));
}

Bytes spokenBoard(const Question& question)
{
    if (showsGrid(question.op))
        return "empty grid for your dots";
    if (question.op == Operation::Addition)
        return count(question.firstNum, "dot", "dots") + " and " + count(question.secondNum, "dot", "dots");
    if (question.firstNum == 0 || question.secondNum == 0)
        return "no dots";
    return count(question.firstNum, "row", "rows") + " of " + count(question.secondNum, "dot", "dots");
}

} // namespace quorvex
