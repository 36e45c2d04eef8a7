// The copy command: the tables read, created and filled by the operations
// the window uses, the old table kept until the new one is read, and each
// copy's rows counted on the target.
#include "CommandRun.h"

#include "transfer/Main.h"

namespace tallowmere::cli {
namespace {

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

} // namespace tallowmere::cli
