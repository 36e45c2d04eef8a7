#include "Commands.h"

#include "BoundArrayRows.h"
#include "CommandFailure.h"
#include "Interrupt.h"
#include "TerminalSide.h"

#include "data_access/CancellableConnections.h"
#include "data_access/DatabaseError.h"
#include "data_access/DriverRules.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"
#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"
#include "transfer/Main.h"
#include "transfer/TableTransfer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tallowmere::cli {
namespace {

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
        , mProgress(environment.err, environment.errIsTerminal)
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
    void copyTable(TableCopier& copier, Connection& target, const std::string& table,
                   Side targetSide);

    void sayFailure(const std::exception& error, const CopyProgress::Standing& standing) const;
    void sayInterrupted() const;

    const CommandRequest& mRequest;
    CommandEnvironment& mEnvironment;
    CancellableConnections mConnections;
    StoredFields mFields;
    TerminalPrompts mPrompts;
    UnseenPointer mPointer;
    UnseenBar mBar;
    CopyProgress mProgress;
    Interrupt mInterrupt;
    InterruptibleEvents mEvents;
    ReportingList mSqlAnywhereList;
    ReportingList mOracleList;
    OperationContext mContext;
};

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    return text;
}

long countRows(Connection& connection, const std::string& table) {
    const auto result = connection.openRecordset(CountRowsStatement(table));
    const FieldValue& count = result->value(0);
    return count ? std::stol(*count) : 0;
}

int CommandRun::run() {
    try {
        switch (mRequest.kind) {
        case CommandKind::List:
            list();
            break;
        case CommandKind::Copy:
            copy();
            break;
        case CommandKind::Drop:
            drop();
            break;
        default:
            rename();
            break;
        }
        return kDone;
    } catch (const std::exception& error) {
        if (mInterrupt.interrupted()) {
            sayInterrupted();
            return mInterrupt.status();
        }
        const CopyProgress::Standing standing = mProgress.standing();
        mProgress.abandonTable();
        sayFailure(error, standing);
        return kFailed;
    }
}

void CommandRun::requireSides(std::initializer_list<Side> sides) const {
    for (Side side : sides) {
        if (!mFields.hasSide(side))
            throw CommandFailure(texts::sideNotSetUp(side, mEnvironment.settingsFile));
    }
}

TableList& CommandRun::load(Side side) {
    TableList& list = mContext.list(side);
    if (side == Side::Oracle)
        LoadOracleTables(list, mConnections, mFields, mEvents);
    else
        LoadSqlAnywhereTables(list, mConnections, mFields, mEvents);
    return list;
}

// The tables named, as the side lists them: every one is there, or nothing is
// done at all. SQL Anywhere's names ignore letter case, as its overwrite rule
// does; Oracle's are taken exactly.
std::vector<std::string> CommandRun::listed(Side side,
                                            const std::vector<std::string>& names) const {
    const TableList& list = mContext.list(side);
    std::vector<std::string> tables;
    for (const std::string& name : names) {
        std::vector<std::string> matches;
        for (int i = 0; i < list.count(); ++i) {
            const bool same =
                side == Side::SqlAnywhere ? equalsNoCase(list.text(i), name) : list.text(i) == name;
            if (same)
                matches.push_back(list.text(i));
        }
        if (matches.empty())
            throw CommandFailure(texts::tableNotOnSide(name, side));
        if (matches.size() > 1)
            throw CommandFailure(texts::ambiguousName(name, side, joined(matches)));
        tables.push_back(matches.front());
    }
    return tables;
}

// Exactly these entries selected, one of them current, as a person would.
void CommandRun::select(Side side, const std::vector<std::string>& tables) {
    TableList& list = mContext.list(side);
    for (int i = 0; i < list.count(); ++i) {
        const bool chosen = std::find(tables.begin(), tables.end(), list.text(i)) != tables.end();
        list.setSelected(i, chosen);
        if (chosen)
            list.setCurrentIndex(i);
    }
}

// Every line of standard output goes through here: one that cannot be
// written stops the run, so a full disk never passes for a finished list.
void CommandRun::printLine(const std::string& line) const {
    if (std::fprintf(mEnvironment.out, "%s\n", line.c_str()) < 0 ||
        std::fflush(mEnvironment.out) != 0)
        throw CommandFailure(texts::outputNotWritten(std::strerror(errno)));
}

void CommandRun::list() {
    requireSides({mRequest.side});
    const TableList& list = load(mRequest.side);
    for (int i = 0; i < list.count(); ++i)
        printLine(list.text(i));
}

void CommandRun::drop() {
    requireSides({mRequest.side});
    load(mRequest.side);
    select(mRequest.side, listed(mRequest.side, mRequest.tables));
    reportingList(mRequest.side).onRemoved = [this](const std::string& name) { printLine(name); };
    DeleteTables(mContext, mRequest.side);
}

void CommandRun::rename() {
    requireSides({mRequest.side});
    load(mRequest.side);
    select(mRequest.side, listed(mRequest.side, {mRequest.tables.front()}));
    reportingList(mRequest.side).onAdded = [this](const std::string& name) { printLine(name); };
    RenameTable(mContext, mRequest.side);
}

void CommandRun::copy() {
    const TransferDirection& direction = mRequest.side == Side::Oracle ? kToOracle : kToSqlAnywhere;
    requireSides({Side::Oracle, Side::SqlAnywhere});
    const TableList& source = load(direction.source);
    load(direction.target);
    const std::vector<std::string> tables = mRequest.all
                                                ? static_cast<const PlainTableList&>(source).texts()
                                                : listed(direction.source, mRequest.tables);

    TransferConnections connections(mContext, direction);
    connections.source().setReadProgress([this](long rows) { mProgress.rowsReadSoFar(rows); });
    reportingList(direction.target).onRemoved = [this](const std::string&) {
        mProgress.targetDropped();
    };
    InsertTextRows insertTexts;
    BoundArrayRows arrays(mRequest.arrayRows);
    RowSender& rows = mRequest.rowByRow ? static_cast<RowSender&>(insertTexts) : arrays;
    TableCopier copier(mContext, direction, connections, rows, mProgress,
                       ReplaceOrder::ReadThenDrop);
    for (const std::string& table : tables)
        copyTable(copier, connections.target(), table, direction.target);
    connections.close();
}

// Replaces an existing table only when asked to, then checks that the target
// holds every row read.
void CommandRun::copyTable(TableCopier& copier, Connection& target, const std::string& table,
                           Side targetSide) {
    const std::string existing = copier.conflictingEntry(table);
    if (!existing.empty() && !mRequest.overwrite)
        throw CommandFailure(texts::tableExists(existing, targetSide));
    mProgress.startTable(table);
    if (!existing.empty())
        mProgress.keepTarget(existing, targetSide);
    copier.copy(table);
    const long counted = countRows(target, table);
    if (counted != mProgress.rowsRead())
        throw CommandFailure(texts::rowCountDiffers(table, mProgress.rowsRead(), counted));
    mProgress.endTable();
    printLine(table + '\t' + std::to_string(counted));
}

void CommandRun::sayFailure(const std::exception& error,
                            const CopyProgress::Standing& standing) const {
    if (dynamic_cast<const CommandFailure*>(&error)) {
        std::fprintf(mEnvironment.err, "%s\n", error.what());
        return;
    }
    const auto* database = dynamic_cast<const DatabaseError*>(&error);
    if (const auto* connection = dynamic_cast<const ConnectionFailure*>(&error)) {
        const ConnectionSettings settings = mFields.current();
        std::fprintf(mEnvironment.err, "%s\n%s\n",
                     texts::cannotConnect(connection->side(), settings.oracleServer,
                                          settings.oracleUser, settings.dataSourceName)
                         .c_str(),
                     texts::driverSaid(connection->description(), connection->state()).c_str());
        return;
    }
    std::string context = texts::failureContext(database ? database->state() : "", standing);
    if (database && SaysConnectionLost(database->state())) {
        // The connection's end is the cause, not the row that was under way.
        std::fprintf(mEnvironment.err, "tallowmere: %s%s\n%s\n", texts::kConnectionLost,
                     texts::driverSaid(database->description(), database->state()).c_str(),
                     context.c_str());
        return;
    }
    if (const auto* row = dynamic_cast<const RowFailure*>(&error))
        context += texts::failingRow(row->row());
    std::fprintf(mEnvironment.err, "tallowmere: %s\n%s\n", failureMessage(error).c_str(),
                 context.c_str());
}

void CommandRun::sayInterrupted() const {
    // A progress line may stand on the terminal: the message starts below it.
    std::fprintf(mEnvironment.err, "%s%s\n", mEnvironment.errIsTerminal ? "\n" : "",
                 texts::interrupted(mProgress.standing()).c_str());
    std::fflush(mEnvironment.err);
}

} // namespace

int RunCommand(const CommandRequest& request, CommandEnvironment& environment) {
    CommandRun run(request, environment);
    return run.run();
}

} // namespace tallowmere::cli
