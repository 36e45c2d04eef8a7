// The event probe's timer again, in a process of its own that shares nothing
// with the program: how late it fires is what the machine itself makes every
// process wait (the host of a virtual machine, the kernel), the floor under
// any wait of a window event measured at the same time.
#pragma once

#include <sys/types.h>

namespace bench {

class MachineProbe {
public:
    MachineProbe() = default;
    ~MachineProbe();
    MachineProbe(const MachineProbe&) = delete;
    MachineProbe& operator=(const MachineProbe&) = delete;

    void start();
    // Ends the process; the worst lateness it saw, in milliseconds.
    double stop();

private:
    pid_t mPid = -1;
    int mStop = -1;   // closing it ends the process
    int mResult = -1; // the worst lateness comes back through it
};

} // namespace bench
