#include "OperationThread.h"

#include "data_access/DatabaseError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <exception>
#include <thread>

namespace tallowmere {

// What the work's thread and the window's thread share; kept alive by both,
// so a work left running never touches freed memory of its own.
struct OperationThread::Shared : EventPump {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> leftRunning{false};
    std::atomic<int> working{0};
    std::mutex stopLock;
    // Stops the work's open connections; it owns what it reaches, so a cancel
    // that outlives the work never touches the work's own memory.
    std::function<void()> stopper;

    void yield() override {
        if (cancelled)
            throw OperationCancelled();
    }
    bool stopped() const override { return cancelled; }
    // The work is already beside the event loop: the wait runs here. The
    // stopper reaches it; the caller's own stop may refer to a frame that
    // is gone by the time a cancel calls it, so it is not kept.
    void runWhileWaiting(const std::function<void()>& work, const std::function<void()>&) override {
        yield();
        work();
    }
};

OperationThread::OperationThread()
    : mShared(std::make_shared<Shared>()) {}

OperationThread::~OperationThread() = default;

EventPump& OperationThread::events() {
    return *mShared;
}

void OperationThread::run(const std::function<void()>& work, std::function<void()> stopper) {
    mShared->yield();
    setStopper(std::move(stopper));
    struct ClearStopper {
        OperationThread& thread;
        ~ClearStopper() { thread.setStopper(nullptr); }
    } clearStopper{*this};
    // Kept by the work's thread too: a work left running writes only here.
    struct Outcome {
        std::atomic<bool> done{false};
        std::exception_ptr failure;
    };
    const auto outcome = std::make_shared<Outcome>();
    ++mShared->working;
    std::thread([shared = mShared, outcome, work] {
        try {
            work();
        } catch (...) {
            outcome->failure = std::current_exception();
        }
        outcome->done = true;
        --shared->working;
        // Wakes the wait below.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    }).detach();

    // Window events run until the work ends; once the window is closed, the
    // work has its grace to stop. Not an event loop of its own, so that the
    // program's end does not cut the grace short.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {});
    watch.start(kWatchMs);
    QElapsedTimer sinceCancel;
    while (!outcome->done) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!mShared->cancelled)
            continue;
        if (!sinceCancel.isValid())
            sinceCancel.start();
        else if (sinceCancel.elapsed() >= kGraceMs)
            break;
    }
    if (!outcome->done) {
        mShared->leftRunning = true; // its result, or its failure, no longer matters
        throw OperationCancelled();
    }
    if (outcome->failure)
        std::rethrow_exception(outcome->failure);
}

void OperationThread::cancel() {
    if (mShared->cancelled.exchange(true))
        return;
    std::function<void()> stopper;
    {
        const std::lock_guard lock(mShared->stopLock);
        stopper = mShared->stopper;
    }
    // A driver's cancel may itself wait for a server that never answers.
    if (stopper)
        std::thread(stopper).detach();
}

bool OperationThread::cancelled() const {
    return mShared->cancelled;
}

bool OperationThread::working() const {
    return mShared->working > 0;
}

bool OperationThread::leftRunning() const {
    return mShared->leftRunning;
}

void OperationThread::setStopper(std::function<void()> stopper) {
    const std::lock_guard lock(mShared->stopLock);
    mShared->stopper = std::move(stopper);
}

} // namespace tallowmere
