// The INSERT statement that copies one row: every value a quoted string, a
// null or empty value the bare word NULL.
#pragma once

#include "Datatype.h"

#include "data_access/EventPump.h"
#include "data_access/Recordset.h"

#include <string>

namespace tallowmere {

// A value as a string literal for the target. SQL Anywhere reads a backslash
// in a literal as an escape, so there backslashes are doubled too.
void appendLiteral(std::string& statement, std::string_view value, Side target);

// Yields once per value while it builds, so a wide row keeps the window alive.
std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events);

} // namespace tallowmere
