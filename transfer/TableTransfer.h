// Copying the selected tables of one list into the other database: each table
// is created anew on the target, then every row follows, one INSERT a row.
#pragma once

#include "Datatype.h"
#include "OperationContext.h"

namespace tallowmere {

// What differs between the two directions; the copy itself is written once.
struct TransferDirection {
    Side target;
    const char* noSelectionMessage;
    bool caseBlindConflictTest;
    CursorType sourceCursorType;
    LockType sourceLockType;
    bool yieldPerSourceEntry;
    bool pointerResetBeforeClosing;
};

extern const TransferDirection kToSqlAnywhere; // "Send Table(s) to Sybase"
extern const TransferDirection kToOracle;      // "Send Table(s) to Oracle"

// The whole operation, without failure handling of its own (see runGuarded).
void SendTables(const OperationContext& context, const TransferDirection& direction);

inline void SendTablesToSqlAnywhere(const OperationContext& context) {
    SendTables(context, kToSqlAnywhere);
}
inline void SendTablesToOracle(const OperationContext& context) {
    SendTables(context, kToOracle);
}

} // namespace tallowmere
