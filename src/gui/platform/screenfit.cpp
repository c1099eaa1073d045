#include "gui/platform/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace {

QMargins frameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return { client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
        frame.bottom() - client.bottom() };
}

} // namespace

QMargins frameMarginsOf(const QWidget* window)
{
    QMargins frame = frameOf(window);
    if (frame.isNull() && window->parentWidget() && window->parentWidget()->window()->isVisible())
        frame = frameOf(window->parentWidget()->window());
    return frame;
}

QPoint topLeftWithin(const QRect& area, QSize frame, QPoint wanted)
{
    const int left = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - frame.height()));
    return { left, top };
}

QRect placeOnScreen(const QWidget* window, QSize client, QPoint frameTopLeft)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return { frameTopLeft, client };
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMarginsOf(window);
    const QSize room = area.size().shrunkBy(frame);
    const QSize given = client.boundedTo(room.expandedTo(QSize(1, 1)));
    return { topLeftWithin(area, given.grownBy(frame), frameTopLeft), given };
}

void refitOnceFramed(QWidget* window, const std::function<void()>& refit)
{
    // Looked at every 20 ms for two seconds: the window manager may still place the window
    // after it has told its frame, so a frame that then lies outside is refitted too, up to
    // three times.
    auto* look = new QTimer(window);
    look->setInterval(20);
    auto tries = std::make_shared<int>(100);
    auto refits = std::make_shared<int>(3);
    QObject::connect(look, &QTimer::timeout, window, [window, look, refit, tries, refits] {
        const QScreen* screen = window->screen();
        if (!frameOf(window).isNull() && screen && !screen->availableGeometry().contains(window->frameGeometry())
            && (*refits)-- > 0)
            refit();
        if (--*tries <= 0 || !window->isVisible())
            look->deleteLater();
    });
    look->start();
}

void placeOverParent(QWidget* window, QSize client)
{
    QPoint centred = window->pos();
    if (const QWidget* over = window->parentWidget() ? window->parentWidget()->window() : nullptr)
        centred = over->frameGeometry().center() - QPoint(client.width() / 2, client.height() / 2);
    const auto place = [window, client, centred] {
        const QRect placed = placeOnScreen(window, client, centred);
        window->resize(placed.size());
        window->move(placed.topLeft());
    };
    place();
    refitOnceFramed(window, place);
}
