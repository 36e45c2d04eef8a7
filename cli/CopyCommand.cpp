// The copy command: the tables read, created whole (or as the window creates
// them) and filled by the operations the window uses, the old table kept
// until the new one is read, and each copy's rows counted on the target; or
// its plan, printed.
#include "CommandRun.h"

#include "transfer/Main.h"
#include "transfer/WholeTables.h"

namespace tallowmere::cli {
namespace {

// A plan's lines other than statements start as SQL comments do; a row's
// values stand as an ellipsis.
constexpr const char* kPlanComment = "-- ";
constexpr const char* kPlanGap = "  ";
constexpr const char* kPlanValues = "...";

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
    TableCopier copier(mContext, direction, connections, rows, mProgress,
                       ReplaceOrder::ReadThenDrop, mRequest.plain ? nullptr : &wholeTables);
    for (const std::string& table : tables) {
        if (mRequest.plan)
            planTable(copier, table, direction.target);
        else
            copyTable(copier, connections.target(), table, direction.target);
    }
    connections.close();
}

// What a copy of the table would send, in order, then what it would change,
// each a line of standard output; nothing is written to the target.
void CommandRun::planTable(TableCopier& copier, const std::string& table, Side targetSide) {
    const std::string existing = copier.conflictingEntry(table);
    mProgress.startTable(table); // the read's progress line names it
    const TablePlan plan = copier.plan(table);
    mProgress.abandonTable();
    const auto comment = [this](const std::string& line) { printLine(kPlanComment + line); };
    if (!existing.empty() && !mRequest.overwrite)
        comment(texts::planStopsAtExisting(existing, targetSide));
    if (!existing.empty())
        printLine(DropTableStatement(existing));
    printLine(plan.table.create);
    const std::string insert = mRequest.rowByRow ? InsertStart(table) + kPlanValues + kInsertEnd
                                                 : BoundInsertText(table, plan.table.forms.size());
    printLine(insert + kPlanGap + kPlanComment +
              texts::plannedRows(plan.rows, mRequest.rowByRow, mRequest.arrayRows));
    for (const std::string& index : plan.table.indexes)
        printLine(index);
    for (const TableChange& change : plan.table.changes)
        comment(change.line);
    for (const std::string& refusal : plan.table.refusals)
        comment(refusal);
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

} // namespace tallowmere::cli
