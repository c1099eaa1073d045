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

    // The window's zoom: the picture keeps the control's size at zoom 1 (its design size), and is
    // shown scaled to the control; mouse presses and the focus mark stay in the picture's
    // coordinates. At zoom 1 the picture follows the control's size again.
    void setZoom(double zoom, QSize designSize);
    QSize pictureSize() const;

    // A frame drawn over the picture while the control has the keyboard focus; it is not part
    // of the picture.
    void setFocusMark(const QRect& mark);

    // What a screen reader finds in the picture one item at a time, such as the board's cells or
    // the lines of the results page, and the item the keyboard is on. While the control has the
    // focus, the item it is on is announced as an object that takes the focus: when the focus
    // arrives, when the keyboard moves, and when the item's words change. Without items the
    // picture is one graphic. A screen reader learns once what an object is, so a control is read
    // item by item from the first call on, even while it has no items.
    // The items are counted at once but worded only when asked for, so that a long results page
    // costs nothing until a screen reader reads it.
    void setItems(int count, std::function<QString(int)> words);
    bool hasItems() const { return m_hasItems; }
    int itemCount() const { return m_itemCount; }
    QString item(int index) const;
    void setCurrentItem(int index);
    int currentItem() const { return m_current; }
    // Announces the current item again, its words unchanged: a key that changed nothing is
    // answered too. Each time, the item is a new object to a screen reader.
    void repeatCurrentItem();
    int repeats() const { return m_repeats; }

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void makePicture() const;
    void announceCurrentItem();

    mutable QImage m_picture;
    mutable std::function<QImage()> m_source;
    mutable bool m_blank = true; // the picture is the white canvas, not made yet
    QRect m_focusMark;
    QSize m_designSize; // while zoomed
    int m_itemCount = 0;
    std::function<QString(int)> m_itemWords;
    int m_current = 0;
    QString m_currentWords; // as last announced or set, to tell a change
    int m_repeats = 0;
    bool m_hasItems = false;
};
