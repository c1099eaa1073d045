// The dot-array board: the current question as rows of dots, or an empty grid on which the
// pupil places dots.

#include "core/drill/board.h"
#include "gui/controls/controlhelpers.h"
#include "gui/controls/imagecontrol.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/textcodec.h"
#include "gui/wording/phrases.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

void Tflashcardfrm::wireBoard()
{
    connect(ui.ttimbt, &QPushButton::clicked, this, &Tflashcardfrm::ttimbtClick);
    connect(ui.ttim, &ImageControl::mousePressed, this, &Tflashcardfrm::ttimMouseDown);
    ui.ttim->installEventFilter(this);
}

void Tflashcardfrm::drawDot(int column, int row, const QColor& colour)
{
    QPainter painter(&ui.ttim->picture());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(
        QRectF(quorvex::dotBoxLeft(column), quorvex::dotBoxTop(row), quorvex::dotSize, quorvex::dotSize));
}

void Tflashcardfrm::ttimbtClick()
{
    ui.ttim->picture().fill(Qt::white);
    const quorvex::Question& question = session.question();
    if (quorvex::showsGrid(question.op)) {
        QPainter painter(&ui.ttim->picture());
        painter.setPen(QPen(grey, 0));
        for (int k = 0; k <= quorvex::boardCells; ++k) {
            const int at = quorvex::gridOrigin + quorvex::boardPitch * k;
            painter.drawLine(at, quorvex::gridOrigin, at, quorvex::gridEnd);
            painter.drawLine(quorvex::gridOrigin, at, quorvex::gridEnd, at);
        }
    }
    for (const quorvex::Cell& dot : quorvex::questionDots(question))
        drawDot(dot.column, dot.row, red);
    ui.ttim->update();
    showBoardCursor();
}

void Tflashcardfrm::ttimMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    const auto cell = quorvex::cellAt(x, y);
    if (!cell)
        return;
    drawDot(cell->column, cell->row, Qt::white);
    bool& placed = dotGrid[static_cast<size_t>(cell->index())];
    placed = !placed;
    if (placed)
        drawDot(cell->column, cell->row, red);
    ui.ttim->update();
    const auto dotsDrawn = std::count(dotGrid.begin(), dotGrid.end(), true);
    //: Above the dot board: how many dots the pupil has placed.
    setCaption(ui.totalseelb, tr("%n dots drawn", nullptr, dotsDrawn));
    showBoardCursor();
}

// A keyboard user moves over the cells with the arrow keys and places or removes a dot with
// space or Enter, exactly as a press in that cell does.
bool Tflashcardfrm::boardKeyPress(QKeyEvent* event)
{
    int column = boardCursor % quorvex::boardCells;
    int row = boardCursor / quorvex::boardCells;
    switch (event->key()) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, quorvex::boardCells - 1);
        break;
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, quorvex::boardCells - 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QString before = ui.ttim->item(boardCursor);
        ttimMouseDown(Qt::NoButton, event->modifiers(), quorvex::dotBoxLeft(column) + quorvex::dotSize / 2,
            quorvex::dotBoxTop(row) + quorvex::dotSize / 2);
        if (ui.ttim->item(boardCursor) == before)
            ui.ttim->repeatCurrentItem(); // a dot of the question stays where the pupil adds one
        return true;
    }
    default:
        return false;
    }
    const int moved = column + quorvex::boardCells * row;
    if (moved == boardCursor)
        ui.ttim->repeatCurrentItem(); // at the edge, the cell is said again
    boardCursor = moved;
    showBoardCursor();
    return true;
}

void Tflashcardfrm::showBoardCursor()
{
    const int column = boardCursor % quorvex::boardCells;
    const int row = boardCursor / quorvex::boardCells;
    ui.ttim->setFocusMark(QRect(quorvex::gridOrigin + quorvex::boardPitch * column + 1,
        quorvex::gridOrigin + quorvex::boardPitch * row + 1, quorvex::boardPitch - 1, quorvex::boardPitch - 1));
    // A screen reader hears the picture in words as the board's name, the dots the pupil drew as
    // its description, and each cell as an item of the board: the one under the cursor when the
    // focus comes, as the cursor moves and as a dot is placed or taken away.
    const QString picture = spokenBoardText(session.question());
    const QString drawn = std::count(dotGrid.begin(), dotGrid.end(), true) > 0 ? ui.totalseelb->text() : QString();
    if (ui.ttim->accessibleName() != picture)
        ui.ttim->setAccessibleName(picture);
    if (ui.ttim->accessibleDescription() != drawn)
        ui.ttim->setAccessibleDescription(drawn);
    ui.ttim->setItems(quorvex::boardCells * quorvex::boardCells, [this](int cell) {
        const int cellColumn = cell % quorvex::boardCells;
        const int cellRow = cell / quorvex::boardCells;
        return spokenCellText(cellColumn, cellRow, dotShownAt(cellColumn, cellRow));
    });
    ui.ttim->setCurrentItem(boardCursor);
}

// A dot is where the picture shows one, whether the question's or the pupil's.
bool Tflashcardfrm::dotShownAt(int column, int row)
{
    const QPoint centre(
        quorvex::dotBoxLeft(column) + quorvex::dotSize / 2, quorvex::dotBoxTop(row) + quorvex::dotSize / 2);
    const QImage& picture = ui.ttim->picture();
    return picture.valid(centre) && picture.pixelColor(centre) == red;
}
