#include "WindowEventPump.h"

#include "data_access/DatabaseError.h"

#include <QCoreApplication>

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

void WindowEventPump::throwIfCancelled() const {
    if (mCancelled)
        throw OperationCancelled();
}

} // namespace tallowmere
