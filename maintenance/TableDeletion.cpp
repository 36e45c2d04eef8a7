#include "TableDeletion.h"

#include "transfer/Datatype.h"

namespace tallowmere {

std::string DropTableStatement(const std::string& tableName) {
    return "DROP TABLE " + QuoteIdentifier(tableName);
}

void DeleteTables(const OperationContext& context, bool oracleSide) {
    context.pointer.setPointer(PointerSetting::Busy);
    // Opened before the selection is looked at, so a wrong login shows first.
    auto connection = openConnection(context, oracleSide, CursorLocation::Unspecified, true);
    TableList& list = context.list(oracleSide);
    if (list.currentIndex() == -1) {
        context.prompts.message("Please select a table");
    } else {
        for (int i = list.count() - 1; i >= 0; --i) {
            if (!list.isSelected(i))
                continue;
            connection->execute(DropTableStatement(list.text(i)));
            list.removeItem(i);
        }
    }
    context.pointer.setPointer(PointerSetting::Default);
}

} // namespace tallowmere
