#include "WindowClose.h"

#include "ChildArgs.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace bench {

void WindowClose::after(int milliseconds) {
    QTimer::singleShot(milliseconds, [this] {
        mClosed = Clock::now();
        mThread.cancel(); // what closing either window does
    });
}

void WindowClose::reportAndExit(Clock::time_point start, const EventWaitProbe& probe) const {
    report("waited_ms", millisecondsSince(start));
    report("close_ms", mClosed == Clock::time_point{} ? -1 : millisecondsSince(mClosed));
    report("left_running", mThread.leftRunning() ? 1 : 0);
    report("worst_wait_ms", probe.worstWaitMs());
    std::fflush(stdout);
    // As the program ends: work still waiting for the server is not waited for.
    std::_Exit(0);
}

} // namespace bench
