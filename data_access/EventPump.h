// "Let pending window events run": the yield the catalogues and transfers make
// between rows and values. The program's pump runs the Qt event loop and
// throws OperationCancelled once the user has closed the window.
#pragma once

#include <functional>

namespace tallowmere {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void yield() = 0;
    // Whether the user has closed the window: a failure then is the ending
    // program's, not the operation's.
    virtual bool stopped() const { return false; }

    // Runs work that has no yield inside it, such as reading a whole result,
    // and returns or throws as the work does. The window's pump keeps the
    // window answering meanwhile, and calls stop when the user closes it. Here
    // the work simply runs.
    virtual void runWhileWaiting(const std::function<void()>& work,
                                 const std::function<void()>& stop) {
        (void)stop;
        work();
    }
};

// For headless use: there are no window events to run.
class NoEventPump : public EventPump {
public:
    void yield() override {}
};

} // namespace tallowmere
