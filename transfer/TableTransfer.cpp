#include "TableTransfer.h"

#include "Main.h"
#include "RowStatement.h"

namespace tallowmere {

const TransferDirection kToSqlAnywhere{
    .source = Side::Oracle,
    .target = Side::SqlAnywhere,
    .noSelectionMessage = texts::kSelectTableToSend,
    .caseBlindConflictTest = true,
    .pointerResetBeforeClosing = true,
};

const TransferDirection kToOracle{
    .source = Side::SqlAnywhere,
    .target = Side::Oracle,
    .noSelectionMessage = texts::kSelectTable,
    .sourceCursorType = CursorType::Static,
    .sourceLockType = LockType::Optimistic,
    .yieldPerSourceEntry = true,
};

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
        if (!context.prompts.askYesNo(texts::overwriteQuestion(existing), texts::kOverwriteTitle))
            return false;
        targetConnection.execute(DropTableStatement(existing));
        RemoveListItem(target, existing); // the entry whose table was dropped
        return true;
    }

    void copyTable(const std::string& name) {
        std::unique_ptr<Recordset> rows;
        context.events.runWhileWaiting(
            [&] {
                rows = sourceConnection.openRecordset(
                    SelectAllStatement(name), direction.sourceCursorType, direction.sourceLockType);
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
    TableList& source = context.list(direction.source);
    if (source.currentIndex() == -1) {
        context.prompts.message(direction.noSelectionMessage);
        return;
    }
    context.pointer.setPointer(PointerSetting::Busy);

    // The Oracle connection is opened first and closed last, in both
    // directions; the source reads on the client side, the target on the server.
    const auto location = [&](Side side) {
        return side == direction.source ? CursorLocation::Client : CursorLocation::Server;
    };
    auto oracle =
        openConnection(context, Side::Oracle, location(Side::Oracle), ProviderSetting::Unset);
    auto sqlAnywhere = openConnection(context, Side::SqlAnywhere, location(Side::SqlAnywhere),
                                      ProviderSetting::Unset);
    const auto connection = [&](Side side) -> Connection& {
        return side == Side::Oracle ? *oracle : *sqlAnywhere;
    };

    Transfer transfer{context,
                      direction,
                      source,
                      context.list(direction.target),
                      connection(direction.source),
                      connection(direction.target)};
    transfer.run();

    if (direction.pointerResetBeforeClosing)
        context.pointer.setPointer(PointerSetting::Default);
    sqlAnywhere->close();
    oracle->close();
    if (!direction.pointerResetBeforeClosing)
        context.pointer.setPointer(PointerSetting::Default);
}

} // namespace tallowmere
