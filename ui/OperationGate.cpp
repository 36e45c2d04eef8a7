#include "OperationGate.h"

namespace tallowmere {

bool OperationGate::runExclusive(const std::function<void()>& work) {
    if (mBusy)
        return false;
    mBusy = true;
    struct Release {
        bool& busy;
        ~Release() { busy = false; }
    } release{mBusy};
    work();
    return true;
}

} // namespace tallowmere
