// List helpers shared by the two transfers.
#pragma once

#include "data_access/Recordset.h"
#include "data_access/TableList.h"

#include <string>

namespace tallowmere {

// True when some entry equals the name exactly.
bool ListHasItem(const TableList& list, const std::string& name);
// True when some entry equals the name once both are lower-cased.
bool ListHasItemNoCase(const TableList& list, const std::string& name);
// Removes every entry equal to the name.
void RemoveListItem(TableList& list, const std::string& name);
// The replacement for a null value, otherwise the value.
std::string IfNull(const FieldValue& value, const std::string& replacement);

// Letter-case-blind equality as the list helpers use it (Unicode lower case).
bool equalsNoCase(const std::string& a, const std::string& b);

} // namespace tallowmere
