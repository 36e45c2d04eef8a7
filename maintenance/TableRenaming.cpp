#include "TableRenaming.h"

#include "transfer/Datatype.h"

namespace tallowmere {

std::string RenameStatement(bool oracleSide, const std::string& oldName,
                            const std::string& newName) {
    if (oracleSide)
        return "RENAME " + QuoteIdentifier(oldName) + " TO " + QuoteIdentifier(newName);
    return "ALTER TABLE " + QuoteIdentifier(oldName) + " RENAME " + QuoteIdentifier(newName) + ";";
}

void RenameTable(const OperationContext& context, bool oracleSide) {
    context.pointer.setPointer(PointerSetting::Busy);
    // Opened before the selection is looked at, so a wrong login shows first.
    auto connection = openConnection(context, oracleSide, CursorLocation::Unspecified, true);
    TableList& list = context.list(oracleSide);
    if (list.currentIndex() == -1) {
        context.prompts.message("Please select a table to rename.");
    } else if (list.selectedCount() != 1) {
        context.prompts.message("Please select just one table to rename.");
    } else {
        for (int i = list.count() - 1; i >= 0; --i) {
            if (!list.isSelected(i))
                continue;
            const std::string oldName = list.text(i);
            const std::string newName =
                context.prompts.inputBox("Enter new name of " + oldName + ":", oldName);
            if (newName.empty())
                continue;
            connection->execute(RenameStatement(oracleSide, oldName, newName));
            list.removeItem(i);
            list.addItem(newName);
            list.setCurrentIndex(0);
        }
    }
    context.pointer.setPointer(PointerSetting::Default);
}

} // namespace tallowmere
