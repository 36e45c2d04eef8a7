// Copying the selected tables of one list into the other database: each table
// is created anew on the target, then every row follows, one INSERT a row.
#pragma once

#include "Datatype.h"
#include "QueuedRows.h"
#include "RowSender.h"
#include "TargetTable.h"
#include "operations/OperationContext.h"

#include <memory>
#include <optional>

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

// The two connections of a copy, the Oracle one opened first and closed last
// in both directions; the source reads on the client side, the target on the
// server.
class TransferConnections {
public:
    TransferConnections(const OperationContext& context, const TransferDirection& direction);
    Connection& source() const { return *(mSourceIsOracle ? mOracle : mSqlAnywhere); }
    Connection& target() const { return *(mSourceIsOracle ? mSqlAnywhere : mOracle); }
    void close();

private:
    bool mSourceIsOracle;
    std::unique_ptr<Connection> mOracle;
    std::unique_ptr<Connection> mSqlAnywhere;
};

// When an existing target table is dropped: the window drops it before the
// source is read; the command line reads the source whole first, so a read
// that fails or is interrupted leaves the old table as it was.
enum class ReplaceOrder { DropThenRead, ReadThenDrop };

// What a copy of one table would do: the table made and the rows it sends.
struct TablePlan {
    TargetTable table;
    long rows = 0;
    // Why a copy reads the table whole before making it, when it reads its
    // rows beside sending them otherwise.
    std::optional<std::string> readWhole;
};

// Copies tables one by one, by their source names, in one direction: the
// overwrite question and DROP, SELECT *, CREATE TABLE as the maker makes it
// (the window's unless another is given), the rows through the sender, the
// indexes, and the target list updated.
class TableCopier {
public:
    TableCopier(const OperationContext& context, const TransferDirection& direction,
                const TransferConnections& connections, RowSender& rows, TransferObserver& observer,
                ReplaceOrder order = ReplaceOrder::DropThenRead, TableMaker* maker = nullptr);

    // The target list's entry a copy of the table would replace, in the
    // target's own letter case; empty when there is none.
    std::string conflictingEntry(const std::string& name) const;
    // Copies one table, as `target` on the target side (its own name when
    // empty); false when the user keeps the existing one. A table the target
    // would refuse throws CopyRefused before anything is done.
    bool copy(const std::string& name, const std::string& target = {});
    // Reads the table and makes it as a copy would, and nothing more.
    TablePlan plan(const std::string& name, const std::string& target = {});
    // Reads only the rows that meet the condition (the user's own SQL) from
    // now on; none reads every row.
    void setRowCondition(std::string condition) { mCondition = std::move(condition); }
    // From now on a copy in the order ReadThenDrop reads its rows beside
    // sending them, through a queue of this shape, where the table it makes
    // does not hang on values not yet read (see wholeReadReason).
    void readBesideSending(QueueShape shape) { mQueue = shape; }

private:
    // Why the table is read whole first: one that exists is dropped only
    // once the copy has read every row, and a table whose making hangs on
    // its values is made once they are all read.
    std::optional<std::string> wholeReadReason(const std::string& source, const std::string& target,
                                               const std::vector<FieldInfo>& fields);
    std::unique_ptr<ResultParts> openParts(const std::string& name);
    bool makeRoomFor(const std::string& name);
    std::unique_ptr<Recordset> read(const std::string& name);
    TargetTable make(const std::string& source, const std::string& target,
                     const std::vector<FieldInfo>& fields);
    void write(const std::string& source, const std::string& target, Recordset& rows,
               std::optional<TargetTable> table);

    const OperationContext& mContext;
    const TransferDirection& mDirection;
    TableList& mTarget;
    Connection& mSourceConnection;
    Connection& mTargetConnection;
    RowSender& mRows;
    TransferObserver& mObserver;
    ReplaceOrder mOrder;
    WindowTables mWindowTables;
    TableMaker& mMaker;
    std::string mCondition;
    std::optional<QueueShape> mQueue;
};

// The whole operation, without failure handling of its own (see runGuarded).
void SendTables(const OperationContext& context, const TransferDirection& direction);

inline void SendTablesToSqlAnywhere(const OperationContext& context) {
    SendTables(context, kToSqlAnywhere);
}
inline void SendTablesToOracle(const OperationContext& context) {
    SendTables(context, kToOracle);
}

} // namespace tallowmere
