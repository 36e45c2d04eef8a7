#include "TableDeletion.h"

#include "data_access/SqlTexts.h"

namespace tallowmere {

void DeleteTables(const OperationContext& context, Side side) {
    context.pointer.setPointer(PointerSetting::Busy);
    // Opened before the selection is looked at, so a wrong login shows first.
    auto connection =
        openConnection(context, side, CursorLocation::Unspecified, ProviderSetting::Named);
    TableList& list = context.list(side);
    if (list.currentIndex() == -1) {
        context.prompts.message(texts::kSelectTable);
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
