// Renaming the one selected table of a list, asking for the new name.
#pragma once

#include "operations/OperationContext.h"

namespace tallowmere {

void RenameTable(const OperationContext& context, Side side);

inline void RenameSqlAnywhereTable(const OperationContext& context) {
    RenameTable(context, Side::SqlAnywhere);
}
inline void RenameOracleTable(const OperationContext& context) {
    RenameTable(context, Side::Oracle);
}

} // namespace tallowmere
