// "Let pending window events run": the yield the catalogues and transfers make
// between rows and values. The program's pump runs the Qt event loop and
// throws OperationCancelled once the user has closed the window.
#pragma once

namespace tallowmere {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void yield() = 0;
};

// For headless use: there are no window events to run.
class NoEventPump : public EventPump {
public:
    void yield() override {}
};

} // namespace tallowmere
