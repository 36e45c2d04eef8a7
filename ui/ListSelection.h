// Selecting or clearing every entry of a table list; the order, the texts and
// the current entry stay as they are.
#pragma once

namespace tallowmere {

class TableList;

void SelectAllEntries(TableList& list);
void DeselectAllEntries(TableList& list);

} // namespace tallowmere
