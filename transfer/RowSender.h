// How the rows of one table reach the target once the table is created: the
// window sends one INSERT text a row; another way may take its place.
#pragma once

#include "TargetTable.h"

#include "data_access/Connection.h"
#include "data_access/Side.h"
#include "operations/OperationContext.h"

#include <string>

namespace tallowmere {

// What a front end learns while tables are copied; the window needs none of it.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // The source table is read whole: its row count is known.
    virtual void tableRead(const std::string& name, long rows) {
        (void)name;
        (void)rows;
    }
    // So many rows of the table are now on the target for good.
    virtual void rowsWritten(long rows) { (void)rows; }
    // So many more rows are being committed: until rowsWritten follows, or
    // rowsCommitting(0) says the commit was refused, they may or may not be
    // on the target.
    virtual void rowsCommitting(long rows) { (void)rows; }
    // The table that exists on the target is about to be emptied: from now
    // on it may not be as it was.
    virtual void tableEmptying(const std::string& name) { (void)name; }
    // The table is created on the target as made.
    virtual void tableCreated(const std::string& name, const TargetTable& table) {
        (void)name;
        (void)table;
    }
};

// One table's rows on their way: the source result, positioned on its first
// row, and the target table as it was made (or found).
struct RowsToSend {
    const OperationContext& context;
    Side target;
    const std::string& table;
    Recordset& rows;
    Connection& connection;
    TransferObserver& observer;
    const TargetTable& made; // how each column's values are bound
};

class RowSender {
public:
    virtual ~RowSender() = default;
    // Sends every row; throws at the first failure, what went before staying.
    virtual void send(const RowsToSend& job) = 0;
};

// The window's way: one INSERT text a row, each autocommitted, the progress
// bar moving before each row.
class InsertTextRows : public RowSender {
public:
    void send(const RowsToSend& job) override;
};

} // namespace tallowmere
