// The copy command: the tables read, created whole (or as the window creates
// them) and filled by the operations the window uses, the old table kept
// until the new one is read, and each copy's rows counted on the target; or
// its plan, printed. Or the rows go into tables that exist.
#include "CommandRun.h"

#include "CopyWorker.h"

#include "transfer/Main.h"

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
    if (mRequest.jobs > 1 && tables.size() > 1 && !mRequest.plan)
        return copyInJobs(direction, tables);

    reportingList(direction.target).onRemoved = [this](const std::string&) {
        mProgress.targetDropped();
    };
    CopyWorker worker(mRequest, direction, mContext, mProgress);
    for (const std::string& table : tables) {
        if (mRequest.plan)
            planTable(worker, table, targetName(table));
        else
            copyTable(worker, mProgress, table, targetName(table));
    }
    worker.close();
}

std::string CommandRun::targetName(const std::string& table) const {
    return mRequest.as.empty() ? table : mRequest.as;
}

// What a copy of the table would send, in order, then what it would change,
// each a line of standard output; nothing is written to the target.
void CommandRun::planTable(CopyWorker& worker, const std::string& table, const std::string& name) {
    TableCopier& copier = worker.copier();
    const Side targetSide = mRequest.side;
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
void CommandRun::copyTable(CopyWorker& worker, CopyProgress& progress, const std::string& table,
                           const std::string& name) {
    TableCopier& copier = worker.copier();
    Connection& target = worker.target();
    const Side targetSide = mRequest.side;
    const std::string existing = copier.conflictingEntry(name);
    const bool intoExisting = mRequest.into != IntoTarget::NewTable;
    if (intoExisting && existing.empty())
        throw CommandFailure(texts::noTableToFill(name, targetSide));
    if (!intoExisting && !existing.empty() && !mRequest.overwrite)
        throw CommandFailure(texts::tableExists(existing, targetSide));
    const std::string& written = intoExisting ? existing : name;
    progress.startTable(written);
    if (!existing.empty())
        progress.keepTarget(existing, targetSide);
    const long before = mRequest.into == IntoTarget::Append ? countRows(target, written) : 0;
    copier.copy(table, written);
    const long gained = countRows(target, written) - before;
    if (gained != progress.rowsRead())
        throw CommandFailure(texts::rowCountDiffers(written, progress.rowsRead(), gained));
    progress.endTable();
    printLine(written + '\t' + std::to_string(gained));
}

} // namespace tallowmere::cli
