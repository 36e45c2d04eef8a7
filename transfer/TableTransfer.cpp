#include "TableTransfer.h"

#include "Main.h"
#include "QueuedRows.h"

namespace tallowmere {
namespace {

std::vector<FieldInfo> fieldsOf(const Recordset& rows) {
    std::vector<FieldInfo> fields;
    for (int i = 0; i < rows.fieldCount(); ++i)
        fields.push_back(rows.fieldInfo(i));
    return fields;
}

} // namespace

TableCopier::TableCopier(const OperationContext& context, const TransferDirection& direction,
                         const TransferConnections& connections, RowSender& rows,
                         TransferObserver& observer, ReplaceOrder order, TableMaker* maker)
    : mContext(context)
    , mDirection(direction)
    , mTarget(context.list(direction.target))
    , mSourceConnection(connections.source())
    , mTargetConnection(connections.target())
    , mRows(rows)
    , mObserver(observer)
    , mOrder(order)
    , mWindowTables(direction.target)
    , mMaker(maker ? *maker : mWindowTables) {}

// An entry equal to the name wins over ones that differ only in case.
std::string TableCopier::conflictingEntry(const std::string& name) const {
    const bool conflict = mDirection.caseBlindConflictTest ? ListHasItemNoCase(mTarget, name)
                                                           : ListHasItem(mTarget, name);
    if (!conflict)
        return {};
    if (ListHasItem(mTarget, name))
        return name;
    std::string entry = name;
    for (int i = 0; i < mTarget.count(); ++i) {
        if (equalsNoCase(mTarget.text(i), entry))
            entry = mTarget.text(i);
    }
    return entry;
}

bool TableCopier::copy(const std::string& name, const std::string& target) {
    const std::string& targetName = target.empty() ? name : target;
    if (mOrder == ReplaceOrder::DropThenRead) {
        if (!makeRoomFor(targetName))
            return false;
        const std::unique_ptr<Recordset> rows = read(name);
        write(name, targetName, *rows, std::nullopt);
        return true;
    }
    std::unique_ptr<ResultParts> parts = openParts(name);
    if (mQueue && !wholeReadReason(name, targetName, parts->fields())) {
        TargetTable table = make(name, targetName, parts->fields());
        if (!table.existing && !makeRoomFor(targetName))
            return false;
        QueuedRows rows(std::move(parts), *mQueue);
        write(name, targetName, rows, std::move(table));
        return true;
    }
    const std::unique_ptr<Recordset> rows = parts->rest();
    parts.reset();
    TargetTable table = make(name, targetName, fieldsOf(*rows));
    if (!table.existing && !makeRoomFor(targetName))
        return false;
    write(name, targetName, *rows, std::move(table));
    return true;
}

TablePlan TableCopier::plan(const std::string& name, const std::string& target) {
    const std::string& targetName = target.empty() ? name : target;
    const std::unique_ptr<Recordset> rows = read(name);
    const std::vector<FieldInfo> fields = fieldsOf(*rows);
    TablePlan plan{mMaker.make(name, targetName, fields), rows->recordCount(), std::nullopt};
    if (mQueue)
        plan.readWhole = wholeReadReason(name, targetName, fields);
    return plan;
}

std::optional<std::string> TableCopier::wholeReadReason(const std::string& source,
                                                        const std::string& target,
                                                        const std::vector<FieldInfo>& fields) {
    const std::string existing = conflictingEntry(target);
    if (!existing.empty() && !mMaker.intoExisting())
        return texts::readWholeToReplace(existing);
    return mMaker.valuesNeeded(source, fields);
}

TargetTable TableCopier::make(const std::string& source, const std::string& target,
                              const std::vector<FieldInfo>& fields) {
    TargetTable table = mMaker.make(source, target, fields);
    if (!table.refusals.empty()) {
        std::string lines;
        for (const std::string& refusal : table.refusals)
            lines += (lines.empty() ? "" : "\n") + refusal;
        throw CopyRefused(lines);
    }
    return table;
}

bool TableCopier::makeRoomFor(const std::string& name) {
    const std::string existing = conflictingEntry(name);
    if (existing.empty())
        return true;
    if (!mContext.prompts.askYesNo(texts::overwriteQuestion(existing), texts::kOverwriteTitle))
        return false;
    mTargetConnection.execute(DropTableStatement(existing));
    RemoveListItem(mTarget, existing); // the entry whose table was dropped
    return true;
}

std::unique_ptr<ResultParts> TableCopier::openParts(const std::string& name) {
    std::unique_ptr<ResultParts> parts;
    mContext.events.runWhileWaiting(
        [&] { parts = mSourceConnection.openParts(SelectAllStatement(name, mCondition)); },
        [&] { mSourceConnection.cancel(); });
    return parts;
}

std::unique_ptr<Recordset> TableCopier::read(const std::string& name) {
    std::unique_ptr<Recordset> rows;
    // The stop runs only while this frame waits for the read (the window's
    // own pump); a pump beside the window stops the connections instead.
    mContext.events.runWhileWaiting(
        [&] {
            rows = mSourceConnection.openRecordset(SelectAllStatement(name, mCondition),
                                                   mDirection.sourceCursorType,
                                                   mDirection.sourceLockType);
        },
        [&] { mSourceConnection.cancel(); });
    return rows;
}

void TableCopier::write(const std::string& source, const std::string& target, Recordset& rows,
                        std::optional<TargetTable> table) {
    std::vector<FieldInfo> fields;
    for (int i = 0; i < rows.fieldCount(); ++i) {
        mContext.events.yield();
        fields.push_back(rows.fieldInfo(i));
    }
    if (!table)
        table = make(source, target, fields);
    if (!table->existing) {
        mTargetConnection.execute(table->create);
        mObserver.tableCreated(target, *table);
    }
    if (!table->emptying.empty()) {
        mObserver.tableEmptying(target);
        mTargetConnection.execute(table->emptying);
    }
    const long known = rows.recordCount(); // unknown while the rows are read as they go
    mObserver.tableRead(target, known);
    mRows.send({mContext, mDirection.target, target, rows, mTargetConnection, mObserver, *table});
    if (known < 0)
        mObserver.tableRead(target, rows.recordCount());
    for (const std::string& index : table->indexes)
        mTargetConnection.execute(index);
    mContext.progress.setValue(0);
    rows.close();
    if (!table->existing)
        mTarget.addItem(target);
}

void SendTables(const OperationContext& context, const TransferDirection& direction) {
    TableList& source = context.list(direction.source);
    if (source.currentIndex() == -1) {
        context.prompts.message(direction.noSelectionMessage);
        return;
    }
    context.pointer.setPointer(PointerSetting::Busy);

    TransferConnections connections(context, direction);
    InsertTextRows rows;
    TransferObserver unobserved;
    TableCopier copier(context, direction, connections, rows, unobserved);
    for (int i = source.count() - 1; i >= 0; --i) {
        if (direction.yieldPerSourceEntry)
            context.events.yield();
        if (source.isSelected(i))
            copier.copy(source.text(i));
    }

    if (direction.pointerResetBeforeClosing)
        context.pointer.setPointer(PointerSetting::Default);
    connections.close();
    if (!direction.pointerResetBeforeClosing)
        context.pointer.setPointer(PointerSetting::Default);
}

} // namespace tallowmere
