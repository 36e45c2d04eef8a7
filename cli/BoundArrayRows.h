// The command line's way of sending a table's rows: one prepared INSERT with
// the rows bound as parameter arrays, a transaction per array. A failing
// array is rolled back and sent again row by row up to the failing row, so
// the target ends as a copy one INSERT a row would leave it.
#pragma once

#include "data_access/DatabaseError.h"
#include "transfer/RowSender.h"

#include <cstddef>

namespace tallowmere::cli {

// A row the target refused: its number in the table, counted from 1, with
// the database's error.
class RowFailure : public DatabaseError {
public:
    RowFailure(long row, const DatabaseError& error)
        : DatabaseError(error)
        , mRow(row) {}
    long row() const { return mRow; }

private:
    long mRow;
};

class BoundArrayRows : public RowSender {
public:
    static constexpr size_t kDefaultArrayRows = 1000;
    // Each array holds its rows' values at once: past this, memory rather
    // than round trips is what a larger array costs.
    static constexpr size_t kMostArrayRows = 100000;

    explicit BoundArrayRows(size_t arrayRows = kDefaultArrayRows)
        : mArrayRows(arrayRows) {}
    void send(const RowsToSend& job) override;

private:
    size_t mArrayRows;
};

} // namespace tallowmere::cli
