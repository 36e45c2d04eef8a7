#include "TableTransfer.h"

#include "Main.h"
#include "RowStatement.h"

namespace tallowmere {

const TransferDirection kToSqlAnywhere{Side::SqlAnywhere,
                                       "Please select a table to send.",
                                       true,
                                       CursorType::Unspecified,
                                       LockType::Unspecified,
                                       false,
                                       true};

const TransferDirection kToOracle{
    Side::Oracle, "Please select a table", false, CursorType::Static, LockType::Optimistic, true,
    false};

namespace {

struct Transfer {
    const OperationContext& context;
    const TransferDirection& direction;
    TableList& source;
    TableList& target;
    Connection& sourceConnection;
    Connection& targetConnection;

    // The target list's entry to replace, in the target's own letter case.
    // An entry equal to the name wins over ones that differ only in case.
    std::string conflictingEntry(const std::string& name) const {
        const bool conflict = direction.caseBlindConflictTest ? ListHasItemNoCase(target, name)
                                                              : ListHasItem(target, name);
        if (!conflict)
            return {};
        if (ListHasItem(target, name))
            return name;
        std::string entry = name;
        for (int i = 0; i < target.count(); ++i) {
            if (equalsNoCase(target.text(i), entry))
                entry = target.text(i);
        }
        return entry;
    }

    // Asks before replacing a table; false when the user keeps the old one.
    bool makeRoomFor(const std::string& name) {
        const std::string existing = conflictingEntry(name);
        if (existing.empty())
            return true;
        if (!context.prompts.askYesNo("Would you like to overwrite " + existing + "?",
                                      "Overwrite?"))
            return false;
        targetConnection.execute("DROP TABLE " + QuoteIdentifier(existing));
        RemoveListItem(target, existing); // the entry whose table was dropped
        return true;
    }

    void copyTable(const std::string& name) {
        std::unique_ptr<Recordset> rows;
        context.events.runWhileWaiting(
            [&] {
                rows = sourceConnection.openRecordset("SELECT * FROM " + QuoteIdentifier(name),
                                                      direction.sourceCursorType,
                                                      direction.sourceLockType);
            },
            [&] { sourceConnection.cancel(); });
        std::vector<FieldInfo> fields;
        for (int i = 0; i < rows->fieldCount(); ++i) {
            context.events.yield();
            fields.push_back(rows->fieldInfo(i));
        }
        targetConnection.execute(CreateTableStatement(direction.target, name, fields));

        const long count = rows->recordCount();
        RowStatementBuilder statement(direction.target, name);
        for (long row = 0; row < count; ++row) {
            context.events.yield();
            context.progress.setValue(static_cast<float>(double(row + 1) / count * 100.0));
            targetConnection.execute(statement.build(*rows, context.events));
            rows->moveNext();
        }
        context.progress.setValue(0);
        rows->close();
        target.addItem(name);
    }

    void run() {
        for (int i = source.count() - 1; i >= 0; --i) {
            if (direction.yieldPerSourceEntry)
                context.events.yield();
            if (!source.isSelected(i))
                continue;
            const std::string name = source.text(i);
            if (makeRoomFor(name))
                copyTable(name);
        }
    }
};

} // namespace

void SendTables(const OperationContext& context, const TransferDirection& direction) {
    const bool toOracle = direction.target == Side::Oracle;
    TableList& source = context.list(!toOracle);
    if (source.currentIndex() == -1) {
        context.prompts.message(direction.noSelectionMessage);
        return;
    }
    context.pointer.setPointer(PointerSetting::Busy);

    // The Oracle connection is opened first and closed last, in both directions.
    auto oracle = openConnection(context, true,
                                 toOracle ? CursorLocation::Server : CursorLocation::Client, false);
    auto sqlAnywhere = openConnection(
        context, false, toOracle ? CursorLocation::Client : CursorLocation::Server, false);

    Transfer transfer{context,
                      direction,
                      source,
                      context.list(toOracle),
                      toOracle ? *sqlAnywhere : *oracle,
                      toOracle ? *oracle : *sqlAnywhere};
    transfer.run();

    if (direction.pointerResetBeforeClosing)
        context.pointer.setPointer(PointerSetting::Default);
    sqlAnywhere->close();
    oracle->close();
    if (!direction.pointerResetBeforeClosing)
        context.pointer.setPointer(PointerSetting::Default);
}

} // namespace tallowmere
