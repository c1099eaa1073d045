// The dot-array board: the current question as rows of dots, or an empty grid on which the
// pupil places dots.

#include "controlhelpers.h"
#include "core/board.h"
#include "flashcardfrm.h"
#include "imagecontrol.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

void Tflashcardfrm::wireBoard()
{
    connect(ui.ttimbt, &QPushButton::clicked, this, &Tflashcardfrm::ttimbtClick);
    connect(ui.ttim, &ImageControl::mousePressed, this, &Tflashcardfrm::ttimMouseDown);
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
    const quorvex::Question question { quorvex::operationFromCode(currentOp), firstNum, secondNum };
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
}

void Tflashcardfrm::ttimMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    const auto cell = quorvex::cellAt(x, y);
    if (!cell)
        return;
    drawDot(cell->column, cell->row, Qt::white);
    uint8_t& mark = dotGrid[static_cast<size_t>(cell->index())];
    mark = mark ? 0 : 1;
    if (mark)
        drawDot(cell->column, cell->row, red);
    ui.ttim->update();
    dotsDrawn = static_cast<int32_t>(std::count(dotGrid.begin(), dotGrid.end(), uint8_t { 1 }));
    setCaption(ui.totalseelb, QStringLiteral("%1 dots drawn").arg(dotsDrawn));
}
