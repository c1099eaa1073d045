#pragma once

#include <QImage>
#include <QWidget>

// An image control: a persistent picture that handlers draw into and the widget paints.
// The picture keeps its contents between drawings; a mouse press is reported in picture
// coordinates.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    QImage& picture() { return m_picture; }
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    // A frame drawn over the picture while the control has the keyboard focus; it is not part
    // of the picture.
    void setFocusMark(const QRect& mark);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    QRect m_focusMark;
};
