#pragma once

// Timing shared by the start-up benchmark and its floor, so both measure the same way: from
// the moment the kernel started the process (which includes loading the libraries) to the
// first paint event of the window.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
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

// Notes the time of the watched window's first paint, lets that paint happen, then ends the
// event loop; report() prints what was noted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QObject* window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_ms < 0) {
            m_ms = msSinceProcessStart();
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

    // "first paint: 123.4 ms", or a note that there was none.
    int report(const char* what) const
    {
        if (m_ms < 0) {
            std::fprintf(stderr, "%s: no paint event reached the window\n", what);
            return 1;
        }
        std::printf("%s first paint: %.1f ms\n", what, m_ms);
        return 0;
    }

private:
    double m_ms = -1;
};

} // namespace startupprobe
