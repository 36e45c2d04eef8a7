#include "DelayLine.h"

#include <sys/socket.h>

#include <cerrno>

namespace bench {
namespace {

// What one read takes at most, and how much a direction holds before it stops
// reading: far more than PostgreSQL's messages in flight at a time.
constexpr size_t kReadSize = 64 * 1024;
constexpr size_t kMostHeld = 4 * 1024 * 1024;

bool wouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

} // namespace

DelayLine::DelayLine(int from, int to, Clock::duration hold)
    : mFrom(from)
    , mTo(to)
    , mHold(hold) {}

bool DelayLine::wantsRead() const {
    return mSenderOpen && mHeldBytes < kMostHeld;
}

bool DelayLine::hasDue(Clock::time_point now) const {
    return !mChunks.empty() && mChunks.front().due <= now;
}

DelayLine::Clock::time_point DelayLine::nextDue() const {
    return mChunks.empty() ? Clock::time_point::max() : mChunks.front().due;
}

bool DelayLine::read(Clock::time_point now) {
    std::string bytes(kReadSize, '\0');
    const ssize_t got = recv(mFrom, bytes.data(), bytes.size(), 0);
    if (got < 0)
        return wouldBlock();
    if (got == 0) {
        mSenderOpen = false;
        return true;
    }
    bytes.resize(size_t(got));
    mHeldBytes += bytes.size();
    mChunks.push_back({now + mHold, std::move(bytes)});
    return true;
}

bool DelayLine::write(Clock::time_point now) {
    while (hasDue(now)) {
        Chunk& chunk = mChunks.front();
        const ssize_t sent = send(mTo, chunk.bytes.data() + chunk.sent,
                                  chunk.bytes.size() - chunk.sent, MSG_NOSIGNAL);
        if (sent < 0)
            return wouldBlock();
        chunk.sent += size_t(sent);
        if (chunk.sent < chunk.bytes.size())
            return true;
        mHeldBytes -= chunk.bytes.size();
        mChunks.pop_front();
    }
    if (!mSenderOpen && mChunks.empty() && !mReceiverEnded) {
        shutdown(mTo, SHUT_WR);
        mReceiverEnded = true;
    }
    return true;
}

} // namespace bench
