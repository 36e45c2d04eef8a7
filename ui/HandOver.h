// How each window passes the user on to the other without knowing it: the
// program's windows object owns both and does the showing and hiding.
#pragma once

namespace tallowmere {

class HandOver {
public:
    virtual ~HandOver() = default;
    // After a passing connection check: the main window's load sequence, then
    // the main window shown and the setup window hidden.
    virtual void showMainWindow() = 0;
    // The setup window shown, the main window hidden.
    virtual void showConnectionSetup() = 0;
};

} // namespace tallowmere
