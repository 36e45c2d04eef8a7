#include "RunWay.h"

#include "ui/OperationThread.h"
#include "ui/WindowEventPump.h"
#include "ui/WindowSide.h"

#include <QByteArray>

namespace bench {
namespace {

bool yieldWay() {
    return qgetenv(kWayVariable) == kWayYield;
}

} // namespace

tallowmere::EventPump& windowEvents() {
    static tallowmere::WindowEventPump events;
    return events;
}

void runTheWay(const tallowmere::OperationContext& window,
               const std::function<void(const tallowmere::OperationContext&)>& work) {
    if (yieldWay()) {
        work(window);
        return;
    }
    tallowmere::OperationThread thread;
    tallowmere::RunBesideTheWindow(thread, window, work);
}

} // namespace bench
