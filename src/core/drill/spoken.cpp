#include "core/drill/spoken.h"

#include "core/drill/board.h"

#include <algorithm>
#include <utility>

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

Bytes spokenMarked(const Question& question, bool right, int32_t correct, int32_t asked)
{
    return spokenResult(question, right) + ". " + decimal(correct) + " correct of " + decimal(asked) + ".";
}

Bytes spokenFact(const Bytes& shown)
{
    static const std::pair<Bytes, const char*> signs[] = { { "+", "plus" }, { "-", "minus" }, { "x", "times" },
        { Bytes(1, divisionSign), "divided by" }, { "=", "equals" } };
    Bytes spoken;
    size_t at = 0;
    while (at < shown.size()) {
        const size_t end = std::min(shown.find(' ', at), shown.size());
        if (end > at) {
            Bytes word = shown.substr(at, end - at);
            for (const auto& [sign, name] : signs) {
                if (word == sign)
                    word = name;
            }
            spoken += (spoken.empty() ? "" : " ") + word;
        }
        at = end + 1;
    }
    return spoken;
}

Bytes spokenCell(int column, int row, bool dot)
{
    return "row " + decimal(row + 1) + ", column " + decimal(column + 1) + (dot ? ", dot" : ", empty");
}

} // namespace quorvex
