#include "controlhelpers.h"

#include <QLabel>

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

void setCaption(QLabel* label, const QString& text)
{
    label->setText(text);
    if (!label->property("autoSize").toBool())
        return;
    const QSize natural = label->sizeHint();
    if (natural.width() > label->width() || natural.height() > label->height())
        label->resize(std::max(natural.width(), label->width()), std::max(natural.height(), label->height()));
}
