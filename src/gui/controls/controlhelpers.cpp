#include "gui/controls/controlhelpers.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

void setAutoSize(QLabel* label)
{
    label->setProperty("autoSize", true);
}

namespace {

// Widens an auto-sizing label to its text, never narrowing it.
void fitToText(QLabel* label)
{
    const QSize natural = label->sizeHint();
    if (natural.width() > label->width() || natural.height() > label->height())
        label->resize(std::max(natural.width(), label->width()), std::max(natural.height(), label->height()));
}

// Measuring a text loads its face. A label hidden on its own is measured when it is shown
// (it keeps its place and at least its size meanwhile), so that a face only hidden labels use
// is not loaded at start.
class FitWhenShown : public QObject {
public:
    static void watch(QLabel* label) { label->installEventFilter(instance()); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            fitToText(static_cast<QLabel*>(watched));
        }
        return false;
    }

private:
    static FitWhenShown* instance()
    {
        static FitWhenShown filter;
        return &filter;
    }
};

} // namespace

void setCaption(QLabel* label, const QString& text)
{
    label->setText(text);
    if (!label->property("autoSize").toBool())
        return;
    if (label->isHidden())
        FitWhenShown::watch(label);
    else
        fitToText(label);
}

void drawAnswerMark(QPainter& painter, const QRectF& square, bool right, const QColor& colour)
{
    painter.save();
    QPen pen(colour, square.width() / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const auto at = [&square](double x, double y) {
        return QPointF(square.left() + x * square.width(), square.top() + y * square.height());
    };
    QPainterPath mark;
    if (right) {
        mark.moveTo(at(0.15, 0.55));
        mark.lineTo(at(0.4, 0.8));
        mark.lineTo(at(0.85, 0.2));
    } else {
        mark.moveTo(at(0.2, 0.2));
        mark.lineTo(at(0.8, 0.8));
        mark.moveTo(at(0.8, 0.2));
        mark.lineTo(at(0.2, 0.8));
    }
    painter.drawPath(mark);
    painter.restore();
}
