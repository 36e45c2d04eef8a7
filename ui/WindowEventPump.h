// Lets pending window events run while an operation works, so the windows
// repaint and the progress bar moves. The operations yield between every row
// and value; running the event loop that often would cost more than the copy,
// so it runs only when a few milliseconds have passed since the last time.
// Reading a whole source result has no yield inside it and can take seconds,
// so that runs beside the event loop instead of blocking it.
// Once the user has closed the window the next yield stops the operation.
// The program now runs its work beside the event loop (OperationThread);
// this earlier way stays for the benchmark to measure the two side by side.
#pragma once

#include "data_access/EventPump.h"

#include <QElapsedTimer>

namespace tallowmere {

class WindowEventPump : public EventPump {
public:
    static constexpr qint64 kIntervalMs = 5;

    WindowEventPump();
    void yield() override;
    // The work runs on a thread of its own while this one runs the event loop
    // every few milliseconds; the work must not touch the windows.
    void runWhileWaiting(const std::function<void()>& work,
                         const std::function<void()>& stop) override;

    // The program is ending: every later yield throws OperationCancelled.
    void cancel() { mCancelled = true; }
    bool cancelled() const { return mCancelled; }
    bool stopped() const override { return mCancelled; }

private:
    void throwIfCancelled() const;

    QElapsedTimer mSinceEvents;
    bool mCancelled = false;
};

} // namespace tallowmere
