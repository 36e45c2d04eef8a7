#include "ExistingTables.h"

#include "data_access/DriverRules.h"
#include "data_access/SqlColumnTypes.h"
#include "data_access/SqlTexts.h"
#include "operations/UserTexts.h"

#include <algorithm>
#include <set>

namespace tallowmere {

TargetTable ExistingTables::make(const std::string&, const std::string& target,
                                 const std::vector<FieldInfo>& fields) {
    const TableDescription description = mConnection.describeTable(target);
    TargetTable table;
    table.existing = true;
    if (mEmptyFirst)
        table.emptying = EmptyTableStatement(target, TakesTruncateTable(mConnection.dbmsName()));
    std::set<std::string> filled;
    for (const FieldInfo& field : fields) {
        const ColumnDescription* column = columnFor(description, field.name);
        if (!column) {
            table.refusals.push_back(texts::columnNotOnTarget(target, field.name, mTarget));
            continue;
        }
        filled.insert(column->name);
        table.insertColumns.push_back(column->name);
        table.forms.push_back(BoundFormInto(*column, field.adoType));
        table.largeObjects = table.largeObjects || HoldsLargeObjects(*column);
    }
    for (const ColumnDescription& column : description.columns) {
        if (!filled.contains(column.name))
            table.changes.push_back({texts::columnTakesDefault(target, column.name)});
    }
    return table;
}

// The column of that name; towards SQL Anywhere one that differs only in
// letter case when none is spelt the same.
const ColumnDescription* ExistingTables::columnFor(const TableDescription& description,
                                                   const std::string& name) const {
    const auto& columns = description.columns;
    auto found = std::find_if(columns.begin(), columns.end(),
                              [&](const ColumnDescription& c) { return c.name == name; });
    if (found == columns.end() && mTarget == Side::SqlAnywhere)
        found = std::find_if(columns.begin(), columns.end(), [&](const ColumnDescription& c) {
            return EqualsIgnoringCase(c.name, name);
        });
    return found == columns.end() ? nullptr : &*found;
}

} // namespace tallowmere
