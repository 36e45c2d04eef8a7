// Reading a result whole on an ODBC statement: its columns described, every
// value read in the form that keeps it exact, into a snapshot the caller
// then reads forward. Private to the data-access layer.
#pragma once

#include "Connection.h"
#include "OdbcBlockFetch.h"
#include "OdbcHandle.h"

#include <atomic>
#include <memory>

namespace tallowmere {

// A read whole tells its progress after so many rows each time.
inline constexpr long kReadProgressRows = 1000;

struct ReadingRules {
    // Whether approximate numbers are read as the driver's text.
    bool approximateAsText = false;
    // Whether a result column described as a text is a binary when its type
    // is named so (see DescribesBinariesAsText).
    bool binariesByTypeName = false;
    // How far the driver lets values be fetched bound, many rows at a time.
    BoundReading binding = BoundReading::None;
    // Told of the rows read as they come; may be empty.
    ReadProgress progress;
};

// The result's columns as the driver describes them, by the rules.
std::vector<FieldInfo> DescribeResultColumns(const OdbcHandle& statement,
                                             const ReadingRules& rules);
// How each field's values are read, by the rules.
std::vector<ValueForm> ValueFormsOf(const std::vector<FieldInfo>& fields,
                                    const ReadingRules& rules);

// Reads the whole result to the client: the row count is known before the
// caller sees the first row. Rows come a block a fetch where the driver and
// the columns allow (see OdbcBlockFetch). A cancel stops it at the next fetch,
// as a failure: a result cut short never passes for the whole table.
std::unique_ptr<Recordset> ReadWholeResult(const OdbcHandle& statement,
                                           const std::atomic<bool>& cancelled,
                                           const ReadingRules& rules);

} // namespace tallowmere
