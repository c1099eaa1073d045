#include "gui/controls/wrappingradiobutton.h"

#include <QPainter>
#include <QStyleOptionButton>

WrappingRadioButton::WrappingRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    QStyleOptionButton indicatorOption = option;
    indicatorOption.rect = indicator;
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicatorOption, &painter, this);

    const int textLeft
        = indicator.right() + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this) + 1;
    const QRect textRect(textLeft, 0, width() - textLeft, height());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
