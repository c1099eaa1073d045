#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// An image control: a persistent picture that handlers draw into and the widget paints.
// The picture keeps its contents between drawings; a mouse press is reported in picture
// coordinates. Until a picture is given, it is a white canvas of the control's size, made only
// when first drawn into or read: a page nobody has opened costs no memory.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    QImage& picture();
    const QImage& picture() const;
    void setPicture(const QImage& picture);

    // Makes the picture only when it is first used (drawn, painted or read), so that a
    // window that may never be shown costs nothing at start-up.
    void setPictureSource(std::function<QImage()> source);

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
    void makePicture() const;

    mutable QImage m_picture;
    mutable std::function<QImage()> m_source;
    mutable bool m_blank = true; // the picture is the white canvas, not made yet
    QRect m_focusMark;
};
