// The command line's tables: each made whole, with the target's own type for
// every column, the source's primary key and NOT NULL, and its indexes after
// the rows; what the target has no equal for, and the foreign keys left
// behind, said as the table's changes.
#pragma once

#include "TargetTable.h"

#include "data_access/Connection.h"
#include "data_access/SqlColumnTypes.h"

#include <map>
#include <optional>

namespace tallowmere {

class WholeTables : public TableMaker {
public:
    WholeTables(Side target, Connection& source, Connection& targetConnection)
        : mTarget(target)
        , mSource(source)
        , mTargetConnection(targetConnection) {}
    TargetTable make(const std::string& source, const std::string& target,
                     const std::vector<FieldInfo>& fields) override;
    std::optional<std::string> valuesNeeded(const std::string& source,
                                            const std::vector<FieldInfo>& fields) override;

private:
    const TableDescription& described(const std::string& source);
    void addColumns(const std::string& name, const TableDescription& description,
                    const std::vector<FieldInfo>& fields, TargetTable& table) const;
    void addIndexes(const std::string& name, const TableDescription& description,
                    const std::vector<FieldInfo>& fields, TargetTable& table);
    std::optional<std::string> nameRefused(const std::string& name, const std::string& index);
    long longestName();

    Side mTarget;
    Connection& mSource;
    Connection& mTargetConnection;
    std::optional<long> mLongestName;
    std::optional<std::pair<std::string, TableDescription>> mDescribed;
    // Towards Oracle, each index name of the schema and its table, read anew
    // for each table, as the tables before it added theirs.
    std::map<std::string, std::string> mIndexTables;
};

} // namespace tallowmere
