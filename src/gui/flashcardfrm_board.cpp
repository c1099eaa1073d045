// The dot-array board: the current question as rows of dots, or an empty grid on which the
// pupil places dots.

#include "controlhelpers.h"
#include "core/board.h"
#include "core/spoken.h"
#include "flashcardfrm.h"
#include "imagecontrol.h"
#include "phrases.h"
#include "textcodec.h"

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
    case Qt::Key_Enter:
        ttimMouseDown(Qt::NoButton, event->modifiers(), quorvex::dotBoxLeft(column) + quorvex::dotSize / 2,
            quorvex::dotBoxTop(row) + quorvex::dotSize / 2);
        return true;
    default:
        return false;
    }
    boardCursor = column + quorvex::boardCells * row;
    showBoardCursor();
    return true;
}

void Tflashcardfrm::showBoardCursor()
{
    const int column = boardCursor % quorvex::boardCells;
    const int row = boardCursor / quorvex::boardCells;
    ui.ttim->setFocusMark(QRect(quorvex::gridOrigin + quorvex::boardPitch * column + 1,
        quorvex::gridOrigin + quorvex::boardPitch * row + 1, quorvex::boardPitch - 1, quorvex::boardPitch - 1));
    // Set before the focus event goes out (this runs on the focus-in event), so that the focus
    // brings the cell; each move and each dot then changes the name, which is announced. The
    // picture in words is the name, or, while the board has the focus, the description.
    const bool focused = ui.ttim->hasFocus();
    const QString picture = spokenBoardText(session.question());
    const QString drawn = std::count(dotGrid.begin(), dotGrid.end(), true) > 0 ? ui.totalseelb->text() : QString();
    const QString description = !focused ? drawn : (drawn.isEmpty() ? picture : picture + QStringLiteral(", ") + drawn);
    if (ui.ttim->accessibleDescription() != description)
        ui.ttim->setAccessibleDescription(description);
    const QString name = focused ? spokenCellText(column, row, dotShownAt(column, row)) : picture;
    if (ui.ttim->accessibleName() != name)
        ui.ttim->setAccessibleName(name);
}

// A dot is where the picture shows one, whether the question's or the pupil's.
bool Tflashcardfrm::dotShownAt(int column, int row)
{
    const QPoint centre(
        quorvex::dotBoxLeft(column) + quorvex::dotSize / 2, quorvex::dotBoxTop(row) + quorvex::dotSize / 2);
    const QImage& picture = ui.ttim->picture();
    return picture.valid(centre) && picture.pixelColor(centre) == red;
}
