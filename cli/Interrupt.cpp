#include "Interrupt.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace tallowmere::cli {
namespace {

constexpr std::array kCaught = {SIGINT, SIGTERM};
// The pipe carries the number of the signal caught, or this when the command
// ends first.
constexpr char kQuit = 'q';

// The one thing a signal handler may safely do is write to a pipe; its ends
// are the only state the handler shares, set while an Interrupt lives.
int gWake[2] = {-1, -1};

extern "C" void onSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    (void)!write(gWake[1], &byte, 1);
    errno = saved;
}

void catchSignals(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (const int number : kCaught)
        sigaction(number, &action, nullptr);
}

} // namespace

Interrupt::Interrupt(std::function<void()> stop, std::function<void()> giveUp)
    : mStop(std::move(stop))
    , mGiveUp(std::move(giveUp)) {
    if (pipe2(gWake, O_CLOEXEC) != 0)
        return; // no pipe, no catching: the signals end the program as usual
    mWatcher = std::thread([this] { watch(); });
    catchSignals(onSignal);
}

Interrupt::~Interrupt() {
    if (!mWatcher.joinable())
        return;
    catchSignals(SIG_DFL);
    {
        const std::lock_guard lock(mLock);
        mDone = true;
    }
    mEnded.notify_all();
    (void)!write(gWake[1], &kQuit, 1);
    mWatcher.join();
    if (mStopper.joinable())
        mStopper.join(); // the command has ended: nothing is left for it to wait on
    close(gWake[0]);
    close(gWake[1]);
    gWake[0] = gWake[1] = -1;
}

void Interrupt::watch() {
    char byte = 0;
    while (read(gWake[0], &byte, 1) < 0 && errno == EINTR) {
    }
    if (std::find(kCaught.begin(), kCaught.end(), byte) == kCaught.end())
        return; // the quit byte, or a pipe that failed
    mSignal = byte;
    mInterrupted = true;
    mStopper = std::thread(mStop);
    std::unique_lock lock(mLock);
    if (mEnded.wait_for(lock, std::chrono::milliseconds(kGraceMs), [this] { return mDone; }))
        return;
    mGiveUp();
    std::_Exit(status()); // the command still waits for a server that never answers
}

} // namespace tallowmere::cli
