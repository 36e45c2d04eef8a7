// Dropping every selected table of one list, and its entry with it.
#pragma once

#include "operations/OperationContext.h"

namespace tallowmere {

// The walk stops at the first statement the database refuses.
void DeleteTables(const OperationContext& context, Side side);

inline void DeleteSqlAnywhereTables(const OperationContext& context) {
    DeleteTables(context, Side::SqlAnywhere);
}
inline void DeleteOracleTables(const OperationContext& context) {
    DeleteTables(context, Side::Oracle);
}

} // namespace tallowmere
