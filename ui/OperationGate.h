// One operation at a time. The operations let window events run, so without
// this a second click could start another operation in the middle of one:
// drop the table being copied, or change a list while it is walked.
#pragma once

#include <functional>

namespace tallowmere {

class OperationGate {
public:
    bool busy() const { return mBusy; }
    // Runs the work unless an operation is running already; false when refused.
    bool runExclusive(const std::function<void()>& work);

private:
    bool mBusy = false;
};

} // namespace tallowmere
