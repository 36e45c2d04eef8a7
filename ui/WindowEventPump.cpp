#include "WindowEventPump.h"

#include "data_access/DatabaseError.h"

#include <QCoreApplication>

#include <future>

namespace tallowmere {

WindowEventPump::WindowEventPump() {
    mSinceEvents.start();
}

void WindowEventPump::yield() {
    throwIfCancelled();
    if (mSinceEvents.elapsed() < kIntervalMs)
        return;
    QCoreApplication::processEvents();
    mSinceEvents.restart();
    throwIfCancelled();
}

void WindowEventPump::runWhileWaiting(const std::function<void()>& work,
                                      const std::function<void()>& stop) {
    throwIfCancelled();
    auto running = std::async(std::launch::async, work);
    const std::chrono::milliseconds interval(kIntervalMs);
    while (running.wait_for(interval) != std::future_status::ready) {
        QCoreApplication::processEvents();
        if (mCancelled) {
            stop();
            running.wait(); // its result, or its failure, no longer matters
            throw OperationCancelled();
        }
    }
    mSinceEvents.restart();
    running.get(); // the work's own failure, if any
}

void WindowEventPump::throwIfCancelled() const {
    if (mCancelled)
        throw OperationCancelled();
}

} // namespace tallowmere
