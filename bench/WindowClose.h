// Closing the window while an operation waits on a server that never
// answers, as the program closes it, and the child's report of it: how long
// the operation waited, how soon the close ended the wait and the worst
// event wait meanwhile.
#pragma once

#include "EventWaitProbe.h"

#include "ui/OperationThread.h"

namespace bench {

class WindowClose {
public:
    explicit WindowClose(tallowmere::OperationThread& thread)
        : mThread(thread) {}
    // From the window's thread: the close comes so many milliseconds later.
    void after(int milliseconds);
    // Reports and ends the process without waiting for the abandoned work.
    [[noreturn]] void reportAndExit(Clock::time_point start, const EventWaitProbe& probe) const;

private:
    tallowmere::OperationThread& mThread;
    Clock::time_point mClosed{};
};

} // namespace bench
