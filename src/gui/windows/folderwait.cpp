#include "gui/windows/folderwait.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QTimer>

namespace folderwait {

namespace {

// Keeps Escape and the window's close button from breaking off a wait that may not be stopped.
class HoldOpen : public QObject {
public:
    explicit HoldOpen(const bool& stoppable)
        : m_stoppable(stoppable)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_stoppable)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }

private:
    const bool& m_stoppable;
};

// The text in lines of at most about 70 characters, broken at blanks: the dialog is as wide as
// its longest line, and a long message would pass the screen's edge with its Stop Waiting.
QString wrapped(const QString& text)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 70) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::chrono::milliseconds& notAnsweringAfter()
{
    static std::chrono::milliseconds after { 10000 };
    return after;
}

QString notAnsweringText()
{
    return QCoreApplication::translate("FolderWait",
        "The class folder %1 has not answered for %2 seconds: the network, or the computer that shares "
        "it, may be down. Nothing is lost. You may go on waiting, or stop waiting and try again later.")
        .arg(QDir::toNativeSeparators(QDir::currentPath()))
        .arg(std::chrono::duration_cast<std::chrono::seconds>(notAnsweringAfter()).count());
}

bool waitWhileWindowLives(QWidget* over, const Waiting& waiting, const std::function<bool()>& finished)
{
    // Most work is done before the waiting could be seen: no dialog, no loop of events.
    const auto start = std::chrono::steady_clock::now();
    while (!finished() && std::chrono::steady_clock::now() - start < shownAfter)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (finished())
        return true;

    const QString stopText = QCoreApplication::translate("FolderWait", "Stop Waiting");
    QProgressDialog dialog(
        waiting.text, waiting.stoppable ? stopText : QString(), 0, waiting.steps ? waiting.steps->total : 0, over);
    dialog.setObjectName(waiting.objectName);
    dialog.setWindowTitle(waiting.title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setMinimumDuration(0);
    bool stoppable = waiting.stoppable;
    bool stopped = false;
    HoldOpen holdOpen(stoppable);
    dialog.installEventFilter(&holdOpen);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] { stopped = true; });
    dialog.show();

    QEventLoop loop;
    QTimer poll;
    bool told = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (waiting.steps)
            dialog.setValue(waiting.steps->done->load());
        if (!told && std::chrono::steady_clock::now() - start >= notAnsweringAfter()) {
            told = true;
            stoppable = true;
            dialog.setLabelText(waiting.text + QStringLiteral("\n\n") + wrapped(notAnsweringText()));
            dialog.setCancelButtonText(stopText);
        }
        if (finished() || stopped)
            loop.quit();
    });
    poll.start(20);
    loop.exec();
    return finished();
}

} // namespace folderwait
