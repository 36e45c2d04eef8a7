// Renaming the one selected table of a list, asking for the new name.
#pragma once

#include "transfer/OperationContext.h"

namespace tallowmere {

void RenameTable(const OperationContext& context, bool oracleSide);

inline void RenameSqlAnywhereTable(const OperationContext& context) {
    RenameTable(context, false);
}
inline void RenameOracleTable(const OperationContext& context) {
    RenameTable(context, true);
}

// ALTER TABLE "old" RENAME "new"; on SQL Anywhere, RENAME "old" TO "new" on Oracle.
std::string RenameStatement(bool oracleSide, const std::string& oldName,
                            const std::string& newName);

} // namespace tallowmere
