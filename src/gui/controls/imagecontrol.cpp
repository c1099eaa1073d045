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
        m_picture = whiteCanvas(pictureSize());
        return;
    }
    if (!m_source)
        return;
    const auto source = std::move(m_source);
    m_source = nullptr;
    m_picture = source();
}

void ImageControl::setZoom(double zoom, QSize designSize)
{
    m_designSize = zoom == 1 ? QSize() : designSize;
    update();
}

QSize ImageControl::pictureSize() const
{
    return m_designSize.isValid() ? m_designSize : size();
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
    if (m_designSize.isValid()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(double(width()) / m_designSize.width(), double(height()) / m_designSize.height());
    }
    if (!m_blank)
        painter.drawImage(0, 0, picture());
    if (hasFocus() && !m_focusMark.isNull()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.drawRect(m_focusMark);
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    QPointF at = event->position();
    if (m_designSize.isValid())
        at = QPointF(at.x() * m_designSize.width() / width(), at.y() * m_designSize.height() / height());
    Q_EMIT mousePressed(event->button(), event->modifiers(), at.toPoint().x(), at.toPoint().y());
}

// The picture follows the control's size, as a fresh white canvas where it grows, keeping what
// was drawn where it overlaps.
void ImageControl::resizeEvent(QResizeEvent*)
{
    if (m_blank || m_source || m_picture.size() == pictureSize())
        return;
    QImage grown = whiteCanvas(pictureSize());
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
