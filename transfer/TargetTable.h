// How a copied table is made on the target: its CREATE TABLE, how its rows'
// values are bound, the indexes made once the rows are in, and what the copy
// changes of the source's table. The window makes its tables one way; the
// command line may make them another.
#pragma once

#include "data_access/Recordset.h"
#include "data_access/RowArrayInsert.h"
#include "data_access/Side.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tallowmere {

// One thing a copy changes of the source's table, said in a line.
struct TableChange {
    std::string line;
    // Said by the copy itself, not only by a plan: what a copy loses
    // unasked (a NOT NULL or a key), beside the types chosen by the mapping.
    bool saidOnCopy = false;
};

struct TargetTable {
    // Into a table that exists: nothing is dropped or created, the table is
    // emptied first when `emptying` is given, and the INSERT names its
    // columns (insertColumns, in the order of the source's).
    bool existing = false;
    std::string emptying;
    std::vector<std::string> insertColumns;
    std::string create;
    std::vector<BoundForm> forms; // one per column
    bool largeObjects = false;    // whether a column is a BLOB or CLOB
    std::vector<std::string> indexes;
    std::vector<TableChange> changes;
    // Why the target would refuse the table (an index name it does not
    // take); a copy stops before anything is done when there is any.
    std::vector<std::string> refusals;
};

// A table the target would refuse, found before anything was done: the
// refusals, a line each.
class CopyRefused : public std::runtime_error {
public:
    explicit CopyRefused(const std::string& lines)
        : std::runtime_error(lines) {}
};

class TableMaker {
public:
    virtual ~TableMaker() = default;
    // The table to make as `target` for the source table `source`, read
    // whole with these fields, before the target is touched.
    virtual TargetTable make(const std::string& source, const std::string& target,
                             const std::vector<FieldInfo>& fields) = 0;
    // Why make() needs every value read first (a column sized by its
    // values, a NOT NULL kept only without empty texts); none when the fields
    // as described make the table.
    virtual std::optional<std::string> valuesNeeded(const std::string& source,
                                                    const std::vector<FieldInfo>& fields) = 0;
    // Whether its rows go into the table that exists rather than a new one.
    virtual bool intoExisting() const { return false; }
};

// The window's tables: CREATE TABLE with the simple column clauses, values
// bound as read, and nothing more.
class WindowTables : public TableMaker {
public:
    explicit WindowTables(Side target)
        : mTarget(target) {}
    TargetTable make(const std::string& source, const std::string& target,
                     const std::vector<FieldInfo>& fields) override;
    std::optional<std::string> valuesNeeded(const std::string& source,
                                            const std::vector<FieldInfo>& fields) override;

private:
    Side mTarget;
};

} // namespace tallowmere
