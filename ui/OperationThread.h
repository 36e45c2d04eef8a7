// Runs an operation beside the event loop: its database calls and file work
// happen on a thread of their own, from its first connection to its last
// close, while the window's thread only paints and answers what the
// operation asks of the window (see WindowSide). The one place the program
// does this; the setup window's checks and both list loads go through it too.
#pragma once

#include "data_access/EventPump.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace tallowmere {

class OperationThread {
public:
    // How long a closed window waits for an operation to stop before the
    // program ends without it (a server that never answers).
    static constexpr int kGraceMs = 1500;
    // How often the wait looks whether the window was closed.
    static constexpr int kWatchMs = 50;

    OperationThread();
    ~OperationThread();
    OperationThread(const OperationThread&) = delete;
    OperationThread& operator=(const OperationThread&) = delete;

    // Runs the work on its own thread while this thread runs window events;
    // returns when it has ended, and passes its failure on. After cancel()
    // it returns at the latest kGraceMs later, the work perhaps left running.
    // The stopper is what cancel() must also stop meanwhile: the connections
    // the work has open. It runs on a thread of its own and may run after the
    // work has ended, so it must own, or share, whatever it reaches.
    void run(const std::function<void()>& work, std::function<void()> stopper = nullptr);

    // The yields and waits of the work: a yield after cancel() throws
    // OperationCancelled.
    EventPump& events();

    // The program is ending: the work stops at its next yield or its next
    // database call, and a statement waiting on a server is cancelled
    // through the driver where the driver allows it.
    void cancel();
    bool cancelled() const;
    // A work that outlived its grace: the program must end without waiting.
    bool leftRunning() const;
    // Whether a work is running now, left running or not.
    bool working() const;

private:
    void setStopper(std::function<void()> stopper);

    struct Shared;
    std::shared_ptr<Shared> mShared;
};

} // namespace tallowmere
