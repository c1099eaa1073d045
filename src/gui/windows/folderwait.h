#pragma once

// Work on the class folder runs on a thread of its own while the window stays live. On a local
// disk it is done before anyone could notice; on a share it may take a while, and a share that
// stops answering leaves a call to it waiting for as long as the network takes to give up.
//
// The window waits up to shownAfter without a word; then a progress dialog says what it waits
// for; once the class folder has not answered for notAnsweringAfter, the dialog says so and
// offers to stop waiting. The work is never broken off: when the user stops waiting it goes on
// by itself, and what it brings is handed to `late` on the window's thread, or dropped.

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class QProgressDialog;

namespace folderwait {

inline constexpr std::chrono::milliseconds shownAfter { 100 };
// Ten seconds; tests make it shorter.
std::chrono::milliseconds& notAnsweringAfter();

// How far work with steps has got, for the progress bar: steps done of total.
struct Steps {
    const std::atomic<int32_t>* done = nullptr;
    int total = 0;
};

// What the waiting shows and offers; tests find the dialog by its object name.
struct Waiting {
    QString text {}; // "Reading the pupils' days..."
    QString title {};
    QString objectName = QStringLiteral("folderwaitprogress");
    std::optional<Steps> steps {};
    // Whether the user may stop waiting from the start (a read), not only once the folder
    // stopped answering.
    bool stoppable = false;
};

// Runs the loop of the window until finished() or the user stops; true when finished.
bool waitWhileWindowLives(QWidget* over, const Waiting& waiting, const std::function<bool()>& finished);

// The text the dialog shows once the class folder has not answered for notAnsweringAfter.
QString notAnsweringText();

template <class T> struct Outcome {
    std::mutex mutex;
    std::optional<T> value;
    bool abandoned = false;
    std::function<void(T)> late;
    std::atomic<bool> finished { false };
};

// The work's result, or none when the user stopped waiting.
template <class T>
std::optional<T> runOffWindow(
    QWidget* over, const Waiting& waiting, std::function<T()> work, std::function<void(T)> late = {})
{
    auto outcome = std::make_shared<Outcome<T>>();
    outcome->late = std::move(late);
    std::thread([outcome, work = std::move(work), receiver = QPointer<QWidget>(over)] {
        T value = work();
        const std::scoped_lock guard(outcome->mutex);
        if (!outcome->abandoned) {
            outcome->value = std::move(value);
            outcome->finished = true;
        } else if (outcome->late && receiver) {
            QMetaObject::invokeMethod(
                receiver, [outcome, value = std::move(value)]() mutable { outcome->late(std::move(value)); },
                Qt::QueuedConnection);
        }
    }).detach();
    const bool finished = waitWhileWindowLives(over, waiting, [&] { return outcome->finished.load(); });
    const std::scoped_lock guard(outcome->mutex);
    if (!finished && !outcome->finished) {
        outcome->abandoned = true;
        return std::nullopt;
    }
    return std::move(outcome->value);
}

} // namespace folderwait
