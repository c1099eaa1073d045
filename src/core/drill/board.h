#pragma once

#include "core/drill/operations.h"

#include <optional>
#include <vector>

namespace quorvex {

// The array board: a 12 x 12 grid of cells at a pitch of 36 pixels. Each dot is a circle
// inscribed in its dot box, 3 pixels inside its cell.
inline constexpr int boardCells = 12;
inline constexpr int boardPitch = 36;
inline constexpr int dotSize = 30;
inline constexpr int gridOrigin = 7; // the first grid line
inline constexpr int gridEnd = gridOrigin + boardCells * boardPitch; // 439, the last one

struct Cell {
    int column = 0;
    int row = 0;

    int index() const { return column + boardCells * row; }
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Left and top of the dot box of a cell; the box is dotSize pixels wide and high.
inline int dotBoxLeft(int column)
{
    return 10 + boardPitch * column;
}
inline int dotBoxTop(int row)
{
    return 10 + boardPitch * row;
}

// The cell a press at (x, y) falls in: the 10-pixel margin belongs to the first column and
// row. A press beyond the twelfth column or row names no cell.
std::optional<Cell> cellAt(int x, int y);

// The dots that picture a question, row by row from the top, each row from the left: a
// product as firstNum rows of secondNum dots, a sum as its two addends in rows 0 and 2.
// Subtraction and division show the empty grid instead, for the pupil to fill.
std::vector<Cell> questionDots(const Question& question);
bool showsGrid(Operation op);

} // namespace quorvex
