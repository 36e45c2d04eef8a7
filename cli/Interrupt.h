// Ctrl-C, SIGINT or SIGTERM while a command runs: what is running is asked to
// stop, and the program ends within its grace even when a server never
// answers, with the status a shell gives a process ended by that signal.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tallowmere::cli {

class Interrupt {
public:
    // A shell's status for a process ended by a signal: this plus its number
    // (130 for SIGINT, 143 for SIGTERM).
    static constexpr int kSignalledStatusBase = 128;
    // How long the command has to stop once interrupted; with the process's
    // own end, well within two seconds.
    static constexpr int kGraceMs = 1500;

    // Catches the signals while it lives. stop runs on a thread of its own at
    // the signal; giveUp there too, when the command has not ended within
    // the grace, and then the program ends at once.
    Interrupt(std::function<void()> stop, std::function<void()> giveUp);
    ~Interrupt();
    Interrupt(const Interrupt&) = delete;
    Interrupt& operator=(const Interrupt&) = delete;

    bool interrupted() const { return mInterrupted; }
    // The exit status for the signal that arrived; once interrupted().
    int status() const { return kSignalledStatusBase + mSignal; }

private:
    void watch();

    std::function<void()> mStop;
    std::function<void()> mGiveUp;
    std::atomic<int> mSignal{0}; // set before mInterrupted
    std::atomic<bool> mInterrupted{false};
    std::mutex mLock;
    std::condition_variable mEnded;
    bool mDone = false;
    std::thread mWatcher;
    std::thread mStopper; // a driver's cancel may itself wait on a server
};

} // namespace tallowmere::cli
