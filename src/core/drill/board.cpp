#include "core/drill/board.h"

namespace quorvex {

std::optional<Cell> cellAt(int x, int y)
{
    // Division truncates toward zero, so the margin (x below 10) falls in column 0 as well.
    const int column = (x - 10) / boardPitch;
    const int row = (y - 10) / boardPitch;
    if (x < 0 || y < 0 || column >= boardCells || row >= boardCells)
        return std::nullopt;
    return Cell { column, row };
}

bool showsGrid(Operation op)
{
    return op == Operation::Subtraction || op == Operation::Division;
}

std::vector<Cell> questionDots(const Question& question)
{
    std::vector<Cell> dots;
    const auto row = [&dots](int r, int count) {
        for (int c = 0; c < count && c < boardCells; ++c)
            dots.push_back({ c, r });
    };
    if (question.op == Operation::Multiplication) {
        for (int r = 0; r < question.firstNum && r < boardCells; ++r)
            row(r, question.secondNum);
    } else if (question.op == Operation::Addition) {
        row(0, question.firstNum);
        row(2, question.secondNum);
    }
    return dots;
}

} // namespace quorvex
