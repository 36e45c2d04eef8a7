// One command's run: the front-end pieces a command gives the operations,
// the operation context on them, and each command's steps. Private to the
// command line; its files share it.
#pragma once

#include "BoundArrayRows.h"
#include "CommandFailure.h"
#include "Commands.h"
#include "CopyWorker.h"
#include "Interrupt.h"
#include "TerminalSide.h"

#include "data_access/CancellableConnections.h"
#include "transfer/TableTransfer.h"

#include <string>
#include <vector>

namespace tallowmere::cli {

// The yield of a command: nothing to paint, only the interrupt to heed.
class InterruptibleEvents : public EventPump {
public:
    explicit InterruptibleEvents(const Interrupt& interrupt)
        : mInterrupt(interrupt) {}
    void yield() override {
        if (mInterrupt.interrupted())
            throw OperationCancelled();
    }
    bool stopped() const override { return mInterrupt.interrupted(); }

private:
    const Interrupt& mInterrupt;
};

// One command's run: its front-end pieces and the operation context on them.
class CommandRun {
public:
    CommandRun(const CommandRequest& request, CommandEnvironment& environment)
        : mRequest(request)
        , mEnvironment(environment)
        , mConnections(environment.connections)
        , mFields(environment.settings, request.overrides, environment.oraclePassword)
        , mPrompts(request.overwrite, request.tables.size() > 1 ? request.tables[1] : "")
        , mLine(environment.err, environment.errIsTerminal)
        , mProgress(mLine, 0)
        , mInterrupt([this] { mConnections.cancelAll(); }, [this] { sayInterrupted(); })
        , mEvents(mInterrupt)
        , mContext{mSqlAnywhereList, mOracleList,  mPrompts, mPointer, mBar,
                   mEvents,          mConnections, mFields} {}

    int run();

private:
    void requireSides(std::initializer_list<Side> sides) const;
    TableList& load(Side side);
    std::vector<std::string> listed(Side side, const std::vector<std::string>& names) const;
    void select(Side side, const std::vector<std::string>& tables);
    void printLine(const std::string& line) const;
    ReportingList& reportingList(Side side) {
        return side == Side::Oracle ? mOracleList : mSqlAnywhereList;
    }

    void list();
    void copy();
    void drop();
    void rename();
    std::string targetName(const std::string& table) const;
    // Each copies or plans the source table `table` as `name` on the target.
    void copyTable(CopyWorker& worker, CopyProgress& progress, const std::string& table,
                   const std::string& name);
    void planTable(CopyWorker& worker, const std::string& table, const std::string& name);
    // Up to --jobs tables at once, each worker on its own connections.
    void copyInJobs(const TransferDirection& direction, const std::vector<std::string>& tables);
    // Where each table under way stands: the one copied, or each worker's.
    std::vector<CopyProgress::Standing> standings() const;

    void sayFailure(const std::exception& error, const CopyProgress::Standing& standing) const;
    void sayInterrupted() const;

    const CommandRequest& mRequest;
    CommandEnvironment& mEnvironment;
    CancellableConnections mConnections;
    StoredFields mFields;
    TerminalPrompts mPrompts;
    UnseenPointer mPointer;
    UnseenBar mBar;
    mutable ProgressLine mLine; // standard output is written around it
    CopyProgress mProgress;
    // Each worker's progress while tables are copied at once.
    mutable std::mutex mJobsLock;
    std::vector<std::unique_ptr<CopyProgress>> mJobProgress;
    mutable std::mutex mOutputLock; // a line of standard output at a time
    Interrupt mInterrupt;
    InterruptibleEvents mEvents;
    ReportingList mSqlAnywhereList;
    ReportingList mOracleList;
    OperationContext mContext;
};

} // namespace tallowmere::cli
