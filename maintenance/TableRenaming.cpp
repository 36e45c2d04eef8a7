#include "TableRenaming.h"

#include "data_access/SqlTexts.h"

namespace tallowmere {

void RenameTable(const OperationContext& context, Side side) {
    context.pointer.setPointer(PointerSetting::Busy);
    // Opened before the selection is looked at, so a wrong login shows first.
    auto connection =
        openConnection(context, side, CursorLocation::Unspecified, ProviderSetting::Named);
    TableList& list = context.list(side);
    if (list.currentIndex() == -1) {
        context.prompts.message(texts::kSelectTableToRename);
    } else if (list.selectedCount() != 1) {
        context.prompts.message(texts::kSelectJustOneTable);
    } else {
        for (int i = list.count() - 1; i >= 0; --i) {
            if (!list.isSelected(i))
                continue;
            const std::string oldName = list.text(i);
            const std::string newName =
                context.prompts.inputBox(texts::newNamePrompt(oldName), oldName);
            if (newName.empty())
                continue;
            connection->execute(RenameStatement(side, oldName, newName));
            list.removeItem(i);
            list.addItem(newName);
            list.setCurrentIndex(0);
        }
    }
    context.pointer.setPointer(PointerSetting::Default);
}

} // namespace tallowmere
