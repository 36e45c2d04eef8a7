// Wraps the program's connections to keep what the tool sent: every INSERT
// text goes to a file, one a line, for the limit and the peer to replay; the
// table definition is kept to recreate the target; the moments a result is
// fetched are kept. Reading a catalogue has no yield inside it, so no window
// event can run then; the source of a copy is read beside the event loop, on a
// thread of its own, so the log is shared between threads.
#pragma once

#include "data_access/Connection.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Interval {
    Clock::time_point start;
    Clock::time_point end;
};

class StatementLog {
public:
    explicit StatementLog(const std::string& insertsPath);
    ~StatementLog();
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    void executed(const std::string& statement);
    void fetched(Interval interval, bool blocking);

    const std::string& createStatement() const { return mCreate; }
    std::vector<Interval> fetches() const;
    // The calls no window event could run during.
    bool overlapsBlockingCall(Clock::time_point from, Clock::time_point to) const;
    long inserts() const { return mInserts; }

private:
    mutable std::mutex mIntervalsLock;
    std::FILE* mFile;
    std::vector<char> mFileBuffer;
    std::string mCreate;
    std::vector<Interval> mFetches;
    std::vector<Interval> mBlocked;
    long mInserts = 0;
};

class RecordingConnectionFactory : public tallowmere::ConnectionFactory {
public:
    RecordingConnectionFactory(tallowmere::ConnectionFactory& inner, StatementLog& log)
        : mInner(inner)
        , mLog(log) {}
    std::unique_ptr<tallowmere::Connection> create() override;

private:
    tallowmere::ConnectionFactory& mInner;
    StatementLog& mLog;
};

} // namespace bench
