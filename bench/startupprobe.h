#pragma once

// Timing shared by the start-up benchmark and its floors, so all measure the same way: from the
// moment the kernel started the process (which includes loading the libraries) to the first
// finished frame of the window: every visible control painted into the backing store and the
// backing store flushed to the window.

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace startupprobe {

// Milliseconds since this process was started. The kernel keeps the start in clock ticks since
// boot (10 ms each on Debian), so a single figure is that coarse; medians and means over many
// runs are not.
inline double msSinceProcessStart()
{
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The command name may hold blanks and parentheses: fields are counted after the last ')'.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int number = 3; number < 22; ++number)
        fields >> field;
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now {};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    const double startMs = 1000.0 * static_cast<double>(startTicks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    return 1000.0 * static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e6 - startMs;
}

// Watches the window's repaints: an expose of its native window or an update request of the
// widget makes Qt paint whatever is dirty into the backing store and flush it to the window, all
// within that one event. The probe delivers such an event itself, and once it has returned, and
// every control then visible has had its paint event, the first frame is finished: the time is
// noted and the event loop ended. The paint event of the window alone comes before its controls
// paint, so it is no finish line.
//
// With QUORVEX_STARTUP_GRAB set to a file name, the finished frame is read back from the
// window system and saved there (PNG), so that two builds can be compared pixel for pixel.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* window)
        : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_ms >= 0)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Paint) {
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == m_window)
                m_painted.insert(widget);
            return QObject::eventFilter(watched, event);
        }
        const bool repaint = (event->type() == QEvent::Expose && watched == m_window->windowHandle())
            || (event->type() == QEvent::UpdateRequest && watched == m_window);
        if (!repaint || m_delivering)
            return QObject::eventFilter(watched, event);
        m_delivering = true;
        watched->event(event);
        m_delivering = false;
        if (finished()) {
            m_ms = msSinceProcessStart();
            QTimer::singleShot(0, this, &FirstFrame::done);
        }
        return true;
    }

    // "first frame: 123.4 ms", or a note that there was none.
    int report(const char* what) const
    {
        if (m_ms < 0) {
            std::fprintf(stderr, "%s: the window never finished its first frame\n", what);
            return 1;
        }
        std::printf("%s first frame: %.1f ms\n", what, m_ms);
        return 0;
    }

private:
    // The window is on screen and every visible control in it has painted at least once.
    bool finished() const
    {
        if (!m_window->windowHandle() || !m_window->windowHandle()->isExposed() || !m_painted.contains(m_window))
            return false;
        const QList<QWidget*> controls = m_window->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            if (control->isWindow() || !control->isVisible() || control->visibleRegion().isEmpty())
                continue;
            if (!m_painted.contains(control))
                return false;
        }
        return true;
    }

    void done()
    {
        if (const char* file = std::getenv("QUORVEX_STARTUP_GRAB")) {
            const QImage frame = m_window->screen()->grabWindow(m_window->winId()).toImage();
            if (!frame.save(QString::fromLocal8Bit(file), "PNG"))
                std::fprintf(stderr, "could not save the frame to %s\n", file);
        }
        QCoreApplication::quit();
    }

    QWidget* m_window;
    QSet<const QWidget*> m_painted;
    bool m_delivering = false;
    double m_ms = -1;
};

} // namespace startupprobe
