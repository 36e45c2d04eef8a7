#include "MachineProbe.h"

#include "EventWaitProbe.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <stdexcept>

namespace bench {
namespace {

// Only calls that are safe after fork() in a process with threads.
[[noreturn]] void probeUntilClosed(int stop, int result) {
    pollfd closed{stop, POLLIN, 0};
    const timespec interval{0, EventWaitProbe::kIntervalMs * 1'000'000L};
    Clock::time_point last = Clock::now();
    double worst = 0;
    while (ppoll(&closed, 1, &interval, nullptr) == 0) {
        const Clock::time_point now = Clock::now();
        const double waitMs = std::chrono::duration<double, std::milli>(now - last).count() -
                              EventWaitProbe::kIntervalMs;
        worst = std::max(worst, waitMs);
        last = now;
    }
    const ssize_t written = write(result, &worst, sizeof worst);
    _exit(written == sizeof worst ? 0 : 1);
}

} // namespace

MachineProbe::~MachineProbe() {
    if (mPid > 0)
        stop();
}

void MachineProbe::start() {
    int stop[2];
    int result[2];
    if (pipe(stop) != 0 || pipe(result) != 0)
        throw std::runtime_error("No pipe for the machine probe");
    mPid = fork();
    if (mPid < 0)
        throw std::runtime_error("The machine probe could not start");
    if (mPid == 0) {
        close(stop[1]);
        close(result[0]);
        probeUntilClosed(stop[0], result[1]);
    }
    close(stop[0]);
    close(result[1]);
    mStop = stop[1];
    mResult = result[0];
}

double MachineProbe::stop() {
    close(mStop);
    double worst = -1;
    if (read(mResult, &worst, sizeof worst) != sizeof worst)
        worst = -1;
    close(mResult);
    waitpid(mPid, nullptr, 0);
    mPid = -1;
    return worst;
}

} // namespace bench
