// Copying the selected tables of one list into the other database: each table
// is created anew on the target, then every row follows, one INSERT a row.
#pragma once

#include "Datatype.h"
#include "operations/OperationContext.h"

namespace tallowmere {

// What differs between the two directions; the copy itself is written once.
// Built with designated initialisers, so each rule is named where it is set.
struct TransferDirection {
    Side source;
    Side target;
    const char* noSelectionMessage;
    // Whether a target entry that differs only in letter case is a conflict.
    bool caseBlindConflictTest = false;
    CursorType sourceCursorType = CursorType::Unspecified;
    LockType sourceLockType = LockType::Unspecified;
    // Whether events run before each source entry is looked at.
    bool yieldPerSourceEntry = false;
    // Whether the pointer returns to default before the connections close.
    bool pointerResetBeforeClosing = false;
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
