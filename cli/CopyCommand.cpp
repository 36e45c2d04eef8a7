// The copy command: the tables read, created whole (or as the window creates
// them) and filled by the operations the window uses, the old table kept
// until the new one is read, and each copy's rows counted on the target; or
// its plan, printed. Or the rows go into tables that exist.
#include "CommandRun.h"

#include "transfer/ExistingTables.h"
#include "transfer/Main.h"
#include "transfer/WholeTables.h"

namespace tallowmere::cli {
namespace {

// A plan's lines other than statements start as SQL comments do; a row's
// values stand as an ellipsis.
constexpr const char* kPlanComment = "-- ";
constexpr const char* kPlanGap = "  ";
constexpr const char* kPlanValues = "...";

// Rows read beside the sending wait in a queue of so many parts, each of one
// array's rows and its share of one budget for them all.
constexpr size_t kQueuedParts = 4;
constexpr size_t kQueuedBudget = kRowArrayBudget;

QueueShape queueShape(size_t arrayRows) {
    return {arrayRows, kQueuedBudget / kQueuedParts, kQueuedParts};
}

long countRows(Connection& connection, const std::string& table) {
    const auto result = connection.openRecordset(CountRowsStatement(table));
    const FieldValue& count = result->value(0);
    return count ? std::stol(*count) : 0;
}

} // namespace

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
    WholeTables wholeTables(direction.target, connections.source(), connections.target());
    ExistingTables existingTables(direction.target, connections.target(),
                                  mRequest.into == IntoTarget::Truncate);
    TableMaker* maker = &wholeTables;
    if (mRequest.into != IntoTarget::NewTable)
        maker = &existingTables;
    else if (mRequest.plain)
        maker = nullptr; // the window's

    TableCopier copier(mContext, direction, connections, rows, mProgress,
                       ReplaceOrder::ReadThenDrop, maker);
    copier.setRowCondition(mRequest.where);
    copier.readBesideSending(queueShape(mRequest.arrayRows));
    for (const std::string& table : tables) {
        const std::string& name = mRequest.as.empty() ? table : mRequest.as;
        if (mRequest.plan)
            planTable(copier, table, name, direction.target);
        else
            copyTable(copier, connections.target(), table, name, direction.target);
    }
    connections.close();
}

// What a copy of the table would send, in order, then what it would change,
// each a line of standard output; nothing is written to the target.
void CommandRun::planTable(TableCopier& copier, const std::string& table, const std::string& name,
                           Side targetSide) {
    const auto comment = [this](const std::string& line) { printLine(kPlanComment + line); };
    const std::string existing = copier.conflictingEntry(name);
    const bool intoExisting = mRequest.into != IntoTarget::NewTable;
    if (intoExisting && existing.empty())
        return comment(texts::planStopsAtMissing(name, targetSide));
    const std::string& written = intoExisting ? existing : name;
    mProgress.startTable(written); // the read's progress line names it
    const TablePlan plan = copier.plan(table, written);
    mProgress.abandonTable();
    if (!mRequest.where.empty())
        comment(texts::plannedRead(SelectAllStatement(table, mRequest.where)));
    if (plan.readWhole)
        comment(texts::plannedWholeRead(table, *plan.readWhole));
    if (!intoExisting && !existing.empty() && !mRequest.overwrite)
        comment(texts::planStopsAtExisting(existing, targetSide));
    if (!intoExisting && !existing.empty())
        printLine(DropTableStatement(existing));
    printLine(intoExisting ? plan.table.emptying : plan.table.create);
    const std::string insert =
        mRequest.rowByRow
            ? InsertStart(written, plan.table.insertColumns) + kPlanValues + kInsertEnd
            : BoundInsertText(written, plan.table.forms.size(), plan.table.insertColumns);
    printLine(insert + kPlanGap + kPlanComment +
              texts::plannedRows(plan.rows, mRequest.rowByRow, mRequest.arrayRows));
    for (const std::string& index : plan.table.indexes)
        printLine(index);
    for (const TableChange& change : plan.table.changes)
        comment(change.line);
    for (const std::string& refusal : plan.table.refusals)
        comment(refusal);
}

// Replaces or fills a table that exists only when asked to, then checks
// that the target gained every row read.
void CommandRun::copyTable(TableCopier& copier, Connection& target, const std::string& table,
                           const std::string& name, Side targetSide) {
    const std::string existing = copier.conflictingEntry(name);
    const bool intoExisting = mRequest.into != IntoTarget::NewTable;
    if (intoExisting && existing.empty())
        throw CommandFailure(texts::noTableToFill(name, targetSide));
    if (!intoExisting && !existing.empty() && !mRequest.overwrite)
        throw CommandFailure(texts::tableExists(existing, targetSide));
    const std::string& written = intoExisting ? existing : name;
    mProgress.startTable(written);
    if (!existing.empty())
        mProgress.keepTarget(existing, targetSide);
    const long before = mRequest.into == IntoTarget::Append ? countRows(target, written) : 0;
    copier.copy(table, written);
    const long gained = countRows(target, written) - before;
    if (gained != mProgress.rowsRead())
        throw CommandFailure(texts::rowCountDiffers(written, mProgress.rowsRead(), gained));
    mProgress.endTable();
    printLine(written + '\t' + std::to_string(gained));
}

} // namespace tallowmere::cli
