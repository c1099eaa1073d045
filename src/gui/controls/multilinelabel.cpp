#include "gui/controls/multilinelabel.h"

#include <QPainter>

void MultiLineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QString shown = text();
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, shown);
}
