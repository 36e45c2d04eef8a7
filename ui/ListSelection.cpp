#include "ListSelection.h"

#include "data_access/TableList.h"

namespace tallowmere {
namespace {

void setEverySelection(TableList& list, bool selected) {
    for (int i = 0; i < list.count(); ++i)
        list.setSelected(i, selected);
}

} // namespace

void SelectAllEntries(TableList& list) {
    setEverySelection(list, true);
}

void DeselectAllEntries(TableList& list) {
    setEverySelection(list, false);
}

} // namespace tallowmere
