// Wraps the program's connections to keep what the tool sent: every INSERT
// text goes to a file, one a line, for the limit and the peer to replay; the
// table definition is kept to recreate the target; the moments a connection
// opens and the source result is fetched are kept, since these calls have no
// yield inside them and no window event can run then.
#pragma once

#include "data_access/Connection.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

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
    void fetched(Interval interval) {
        mFetches.push_back(interval);
        blocked(interval);
    }
    void blocked(Interval interval) { mBlocked.push_back(interval); }

    const std::string& createStatement() const { return mCreate; }
    const std::vector<Interval>& fetches() const { return mFetches; }
    // Opening connections and fetching results.
    const std::vector<Interval>& blockingCalls() const { return mBlocked; }
    long inserts() const { return mInserts; }

private:
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
