// The command line's copies into a table that exists: nothing dropped or
// created; each source column goes into the target's column of its name
// (letter case ignored towards SQL Anywhere, whose names ignore it, exact
// towards Oracle), its values bound by that column's type; the target's
// other columns take their defaults; and the table is emptied first when
// asked.
#pragma once

#include "TargetTable.h"

#include "data_access/Connection.h"

namespace tallowmere {

class ExistingTables : public TableMaker {
public:
    ExistingTables(Side target, Connection& targetConnection, bool emptyFirst)
        : mTarget(target)
        , mConnection(targetConnection)
        , mEmptyFirst(emptyFirst) {}
    TargetTable make(const std::string& source, const std::string& target,
                     const std::vector<FieldInfo>& fields) override;
    // Nothing of the table hangs on the values: it is there.
    std::optional<std::string> valuesNeeded(const std::string&,
                                            const std::vector<FieldInfo>&) override {
        return std::nullopt;
    }
    bool intoExisting() const override { return true; }

private:
    const ColumnDescription* columnFor(const TableDescription& description,
                                       const std::string& name) const;

    Side mTarget;
    Connection& mConnection;
    bool mEmptyFirst;
};

} // namespace tallowmere
