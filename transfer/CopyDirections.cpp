// The two directions of a copy, their connections, and the window's tables.
#include "TableTransfer.h"

#include "Main.h"
#include "RowStatement.h"
#include "data_access/SqlColumnTypes.h"

namespace tallowmere {

TargetTable WindowTables::make(const std::string&, const std::string& target,
                               const std::vector<FieldInfo>& fields) {
    TargetTable table;
    table.create = CreateTableStatement(mTarget, target, fields);
    for (const FieldInfo& field : fields) {
        table.forms.push_back(BoundFormAsRead(field.adoType));
        table.largeObjects = table.largeObjects || isLongBinary(field.adoType);
    }
    return table;
}

std::optional<std::string> WindowTables::valuesNeeded(const std::string& source,
                                                      const std::vector<FieldInfo>& fields) {
    for (const FieldInfo& field : fields) {
        if (ColumnClause(mTarget, field) != ColumnClause(mTarget, WidestValues(field)))
            return texts::sizedByValues(source, field.name);
    }
    return std::nullopt;
}

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

TransferConnections::TransferConnections(const OperationContext& context,
                                         const TransferDirection& direction)
    : mSourceIsOracle(direction.source == Side::Oracle) {
    const auto location = [&](Side side) {
        return side == direction.source ? CursorLocation::Client : CursorLocation::Server;
    };
    mOracle = openConnection(context, Side::Oracle, location(Side::Oracle), ProviderSetting::Unset);
    mSqlAnywhere = openConnection(context, Side::SqlAnywhere, location(Side::SqlAnywhere),
                                  ProviderSetting::Unset);
}

void TransferConnections::close() {
    mSqlAnywhere->close();
    mOracle->close();
}

} // namespace tallowmere
