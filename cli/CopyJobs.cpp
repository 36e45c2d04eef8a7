// Copying up to --jobs tables at once: a worker for each, on its own pair of
// connections and with its own view of the lists, taking the next table in
// the order given as it ends one. The first failure starts no new table; the
// running ones end; each failure is said, then every table not copied.
#include "CommandRun.h"

#include "transfer/Main.h"

#include <algorithm>
#include <thread>

namespace tallowmere::cli {
namespace {

// What one worker's operations reach of the front end beside the run's
// shared pieces: lists of its own, as loaded, and a pointer nobody sees.
struct WorkerSide {
    WorkerSide(const OperationContext& run, const TableList& sqlAnywhere, const TableList& oracle)
        : context{sqlAnywhereList, oracleList, run.prompts,     pointer,
                  run.progress,    run.events, run.connections, run.fields} {
        for (int i = 0; i < sqlAnywhere.count(); ++i)
            sqlAnywhereList.addItem(sqlAnywhere.text(i));
        for (int i = 0; i < oracle.count(); ++i)
            oracleList.addItem(oracle.text(i));
    }
    ReportingList& list(Side side) { return side == Side::Oracle ? oracleList : sqlAnywhereList; }

    ReportingList sqlAnywhereList;
    ReportingList oracleList;
    UnseenPointer pointer;
    OperationContext context;
};

// The tables in the order given, handed out one at a time until the first
// failure; what became of each.
class TableQueue {
public:
    explicit TableQueue(const std::vector<std::string>& tables)
        : mTables(tables) {}
    std::optional<std::string> next() {
        const std::lock_guard lock(mLock);
        if (mFailed || mNext == mTables.size())
            return std::nullopt;
        return mTables[mNext++];
    }
    void copied(const std::string& table) {
        const std::lock_guard lock(mLock);
        mCopied.push_back(table);
    }
    void failed(std::exception_ptr error, const CopyProgress::Standing& standing) {
        const std::lock_guard lock(mLock);
        mFailed = true;
        mFailures.push_back({std::move(error), standing});
    }
    struct Failure {
        std::exception_ptr error;
        CopyProgress::Standing standing;
    };
    const std::vector<Failure>& failures() const { return mFailures; }
    std::vector<std::string> notCopied() const {
        std::vector<std::string> left;
        for (const std::string& table : mTables) {
            if (std::find(mCopied.begin(), mCopied.end(), table) == mCopied.end())
                left.push_back(table);
        }
        return left;
    }

private:
    const std::vector<std::string>& mTables;
    std::mutex mLock;
    size_t mNext = 0;
    bool mFailed = false;
    std::vector<std::string> mCopied;
    std::vector<Failure> mFailures;
};

} // namespace

void CommandRun::copyInJobs(const TransferDirection& direction,
                            const std::vector<std::string>& tables) {
    const size_t workers = std::min(mRequest.jobs, tables.size());
    {
        const std::lock_guard lock(mJobsLock);
        for (size_t place = 0; place < workers; ++place)
            mJobProgress.push_back(std::make_unique<CopyProgress>(mLine, place));
    }
    TableQueue queue(tables);
    const auto work = [&](CopyProgress& progress) {
        try {
            WorkerSide side(mContext, mSqlAnywhereList, mOracleList);
            side.list(direction.target).onRemoved = [&](const std::string&) {
                progress.targetDropped();
            };
            CopyWorker worker(mRequest, direction, side.context, progress);
            while (const auto table = queue.next()) {
                try {
                    copyTable(worker, progress, *table, targetName(*table));
                    queue.copied(*table);
                } catch (...) {
                    queue.failed(std::current_exception(), progress.standing());
                    progress.abandonTable();
                }
            }
            worker.close();
        } catch (...) { // the connections did not open
            queue.failed(std::current_exception(), {});
        }
    };
    std::vector<std::thread> running;
    for (size_t place = 0; place < workers; ++place)
        running.emplace_back(work, std::ref(*mJobProgress[place]));
    for (std::thread& worker : running)
        worker.join();
    if (mInterrupt.interrupted())
        throw OperationCancelled();
    if (queue.failures().empty())
        return;
    for (const auto& [error, standing] : queue.failures()) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& failure) {
            sayFailure(failure, standing);
        }
    }
    throw CommandFailure(texts::tablesNotCopied(queue.notCopied()));
}

} // namespace tallowmere::cli
