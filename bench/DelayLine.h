// One direction of a relayed connection: what one socket sends, read in
// chunks and each passed on to the other socket once it has been held a fixed
// time, as a network between two machines would hold it.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <string>

namespace bench {

class DelayLine {
public:
    using Clock = std::chrono::steady_clock;

    // Both sockets non-blocking; the relay owns them.
    DelayLine(int from, int to, Clock::duration hold);

    int from() const { return mFrom; }
    int to() const { return mTo; }
    // Whether to wait for more to read: the sender is still open and the
    // chunks held stay within bounds, so a stalled receiver stalls the sender.
    bool wantsRead() const;
    // Whether a chunk is due to be passed on.
    bool hasDue(Clock::time_point now) const;
    // When the first chunk held becomes due; Clock::time_point::max() for none.
    Clock::time_point nextDue() const;

    // Each returns false when the connection broke. read() takes what has
    // arrived; write() passes on every due chunk the receiver takes now, and
    // ends the receiver's side once the sender's has ended and all is passed on.
    bool read(Clock::time_point now);
    bool write(Clock::time_point now);
    bool finished() const { return mReceiverEnded; }

private:
    struct Chunk {
        Clock::time_point due;
        std::string bytes;
        size_t sent = 0;
    };

    int mFrom;
    int mTo;
    Clock::duration mHold;
    std::deque<Chunk> mChunks;
    size_t mHeldBytes = 0;
    bool mSenderOpen = true;
    bool mReceiverEnded = false;
};

} // namespace bench
