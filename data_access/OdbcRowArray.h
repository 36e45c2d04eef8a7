// The parameter arrays of one prepared INSERT on an ODBC connection: the
// statement handle, each column's values in one buffer bound column-wise,
// and the executions. Private to the data-access layer.
#pragma once

#include "OdbcHandle.h"
#include "ParameterColumn.h"
#include "ParameterEncoder.h"
#include "RowArrayInsert.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// Runs a call that executes the statement where its connection's cancel can
// reach it, or fails it at once after a cancel.
using ExecutionGate = std::function<void(SQLHSTMT, const std::function<void()>&)>;

class OdbcRowArray : public RowArrayInsert {
public:
    // Prepares the statement on a new statement handle of the open
    // connection, a parameter of each form; throws DatabaseError when the
    // driver refuses it.
    OdbcRowArray(const OdbcHandle& connection, const std::string& statement,
                 const std::vector<BoundForm>& forms, size_t arrayRows, size_t rowsPerExecution,
                 ExecutionGate gate);

    size_t capacity() const override { return mCapacity; }
    size_t size() const override { return mRows; }
    bool addRow(const Recordset& row) override;
    void executeAll() override;
    void executeRow(size_t index) override;
    void clear() override;

private:
    void setAttribute(SQLINTEGER attribute, SQLPOINTER value);
    // Points every parameter at `count` rows from `first`.
    void bindAt(size_t first, size_t count);
    void execute(size_t first, size_t count);
    bool anyRowFailed(size_t count) const;

    OdbcHandle mStatement;
    ExecutionGate mGate;
    std::vector<ParameterEncoder> mEncoders;
    std::vector<ParameterColumn> mColumns;
    std::vector<std::optional<std::string_view>> mEncoded; // the row being added
    std::vector<SQLUSMALLINT> mStatuses;                   // of the rows of one execution
    SQLULEN mProcessed = 0;
    size_t mCapacity;
    size_t mRowsPerExecution;
    size_t mRows = 0;
};

} // namespace tallowmere
