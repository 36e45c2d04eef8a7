#include "RecordingConnection.h"

#include <algorithm>
#include <stdexcept>

namespace bench {
namespace {

using tallowmere::Connection;
using tallowmere::CursorLocation;
using tallowmere::CursorType;
using tallowmere::LockType;
using tallowmere::Recordset;

class RecordingConnection : public Connection {
public:
    RecordingConnection(std::unique_ptr<Connection> inner, StatementLog& log)
        : mInner(std::move(inner))
        , mLog(log) {}

    void setProvider(const std::string& provider) override { mInner->setProvider(provider); }
    void setCursorLocation(CursorLocation location) override {
        mInner->setCursorLocation(location);
    }
    void open(const std::string& connectionString, const std::string& user,
              const std::string& password, long options) override {
        mInner->open(connectionString, user, password, options);
    }
    void execute(const std::string& statement) override {
        mInner->execute(statement);
        mLog.executed(statement);
    }
    std::unique_ptr<Recordset> openRecordset(const std::string& commandText, CursorType cursorType,
                                             LockType lockType) override {
        const Clock::time_point start = Clock::now();
        auto result = mInner->openRecordset(commandText, cursorType, lockType);
        mLog.fetched({start, Clock::now()}, false);
        return result;
    }
    std::unique_ptr<Recordset> openSchema(int schema) override {
        const Clock::time_point start = Clock::now();
        auto result = mInner->openSchema(schema);
        mLog.fetched({start, Clock::now()}, true);
        return result;
    }
    void close() override { mInner->close(); }
    bool isOpen() const override { return mInner->isOpen(); }
    std::string dbmsName() const override { return mInner->dbmsName(); }
    void cancel() override { mInner->cancel(); }

private:
    std::unique_ptr<Connection> mInner;
    StatementLog& mLog;
};

} // namespace

StatementLog::StatementLog(const std::string& insertsPath)
    : mFile(std::fopen(insertsPath.c_str(), "w"))
    , mFileBuffer(1u << 20) {
    if (!mFile)
        throw std::runtime_error("Cannot write " + insertsPath);
    std::setvbuf(mFile, mFileBuffer.data(), _IOFBF, mFileBuffer.size());
}

StatementLog::~StatementLog() {
    std::fclose(mFile);
}

void StatementLog::fetched(Interval interval, bool blocking) {
    const std::lock_guard lock(mIntervalsLock);
    mFetches.push_back(interval);
    if (blocking)
        mBlocked.push_back(interval);
}

std::vector<Interval> StatementLog::fetches() const {
    const std::lock_guard lock(mIntervalsLock);
    return mFetches;
}

bool StatementLog::overlapsBlockingCall(Clock::time_point from, Clock::time_point to) const {
    const std::lock_guard lock(mIntervalsLock);
    return std::any_of(mBlocked.begin(), mBlocked.end(),
                       [&](const Interval& call) { return call.start < to && from < call.end; });
}

void StatementLog::executed(const std::string& statement) {
    if (statement.rfind("INSERT INTO ", 0) != 0) {
        if (statement.rfind("CREATE TABLE ", 0) == 0)
            mCreate = statement;
        return;
    }
    // The peer reads one statement a line.
    if (statement.find('\n') != std::string::npos)
        throw std::runtime_error("An INSERT text holds a line break; the workload must not.");
    std::fwrite(statement.data(), 1, statement.size(), mFile);
    std::fputc('\n', mFile);
    ++mInserts;
}

std::unique_ptr<tallowmere::Connection> RecordingConnectionFactory::create() {
    return std::make_unique<RecordingConnection>(mInner.create(), mLog);
}

} // namespace bench
