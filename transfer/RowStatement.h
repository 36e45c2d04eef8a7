// The INSERT statement that copies one row: every value a quoted string, a
// null or empty value the bare word NULL.
#pragma once

#include "Datatype.h"

#include "data_access/EventPump.h"
#include "data_access/Recordset.h"

#include <string>
#include <vector>

namespace tallowmere {

// Whether a field is a long binary, by its code narrowed to 16 bits as the
// column clause reads it.
bool isLongBinary(int adoType);

// Builds the statements of one table's rows in one buffer that keeps its
// room from row to row, so a long copy does not allocate for every row.
class RowStatementBuilder {
public:
    // columns: the ones the INSERT names, for a table that exists.
    RowStatementBuilder(Side target, const std::string& tableName,
                        const std::vector<std::string>& columns = {});

    // Yields once per value while it builds, so a wide row keeps the window
    // alive. The text stays valid until the next build().
    const std::string& build(const Recordset& row, EventPump& events);

private:
    // Which fields go as escaped bytes: long binaries towards SQL Anywhere.
    const std::vector<bool>& escapedFields(const Recordset& row);

    Side mTarget;
    std::vector<bool> mEscaped;
    bool mEscapedKnown = false;
    std::string mStart;
    std::string mText;
};

std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events);

} // namespace tallowmere
