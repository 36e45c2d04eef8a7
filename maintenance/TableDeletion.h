// Dropping every selected table of one list, and its entry with it.
#pragma once

#include "transfer/OperationContext.h"

namespace tallowmere {

// The walk stops at the first statement the database refuses.
void DeleteTables(const OperationContext& context, bool oracleSide);

inline void DeleteSqlAnywhereTables(const OperationContext& context) {
    DeleteTables(context, false);
}
inline void DeleteOracleTables(const OperationContext& context) {
    DeleteTables(context, true);
}

std::string DropTableStatement(const std::string& tableName);

} // namespace tallowmere
