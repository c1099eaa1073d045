#include "gui/controls/imagecontrol.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

ImageControl::ImageControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& ImageControl::picture()
{
    makePicture();
    return m_picture;
}

const QImage& ImageControl::picture() const
{
    makePicture();
    return m_picture;
}

void ImageControl::setPicture(const QImage& picture)
{
    m_source = nullptr;
    m_blank = false;
    m_picture = picture;
    update();
}

void ImageControl::setPictureSource(std::function<QImage()> source)
{
    m_source = std::move(source);
    m_blank = false;
    m_picture = QImage();
    update();
}

namespace {

QImage whiteCanvas(QSize size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

} // namespace

void ImageControl::makePicture() const
{
    if (m_blank) {
        m_blank = false;
        m_picture = whiteCanvas(size());
        return;
    }
    if (!m_source)
        return;
    const auto source = std::move(m_source);
    m_source = nullptr;
    m_picture = source();
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
    if (!m_blank)
        painter.drawImage(0, 0, picture());
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
    if (m_blank || m_source || m_picture.size() == size())
        return;
    QImage grown = whiteCanvas(size());
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_picture);
    painter.end();
    m_picture = grown;
}

void ImageControl::setItems(int count, std::function<QString(int)> words)
{
    m_hasItems = true;
    m_itemCount = count;
    m_itemWords = std::move(words);
    m_current = std::clamp(m_current, 0, std::max(0, m_itemCount - 1));
    const QString now = item(m_current);
    if (now == m_currentWords)
        return;
    m_currentWords = now;
    announceCurrentItem();
}

QString ImageControl::item(int index) const
{
    return index >= 0 && index < m_itemCount && m_itemWords ? m_itemWords(index) : QString();
}

void ImageControl::setCurrentItem(int index)
{
    index = std::clamp(index, 0, std::max(0, m_itemCount - 1));
    if (index == m_current)
        return;
    m_current = index;
    m_currentWords = item(m_current);
    announceCurrentItem();
}

void ImageControl::repeatCurrentItem()
{
    ++m_repeats;
    announceCurrentItem();
}

// Qt announces the control itself only after this returns; the item follows it.
void ImageControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(this, &ImageControl::announceCurrentItem, Qt::QueuedConnection);
}

void ImageControl::announceCurrentItem()
{
    if (!hasFocus() || m_current >= m_itemCount)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_current);
    QAccessible::updateAccessibility(&event);
}
