#include "EventWaitProbe.h"

#include <algorithm>

namespace bench {

EventWaitProbe::EventWaitProbe(const StatementLog& log)
    : mLog(log) {
    mTimer.setTimerType(Qt::PreciseTimer);
    mTimer.setInterval(kIntervalMs);
    connect(&mTimer, &QTimer::timeout, this, &EventWaitProbe::fire);
}

void EventWaitProbe::start() {
    mLast = Clock::now();
    mTimer.start();
}

void EventWaitProbe::fire() {
    const Clock::time_point now = Clock::now();
    const Clock::time_point due = mLast + std::chrono::milliseconds(kIntervalMs);
    mLast = now;
    ++mFired;
    if (now <= due)
        return;
    const double waitMs = std::chrono::duration<double, std::milli>(now - due).count();
    mWorst = std::max(mWorst, waitMs);
    if (!mLog.overlapsBlockingCall(due, now))
        mWorstElsewhere = std::max(mWorstElsewhere, waitMs);
}

} // namespace bench
