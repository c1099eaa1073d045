#include "imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageControl::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void ImageControl::setFocusMark(const QRect& mark)
{
    m_focusMark = mark;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, m_picture);
    if (hasFocus() && !m_focusMark.isNull()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.drawRect(m_focusMark);
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT mousePressed(event->button(), event->modifiers(), at.x(), at.y());
}

// The picture follows the control's size, as a fresh white canvas where it grows, keeping what
// was drawn where it overlaps.
void ImageControl::resizeEvent(QResizeEvent*)
{
    if (m_picture.size() == size())
        return;
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(Qt::white);
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_picture);
    painter.end();
    m_picture = grown;
}
