#include "WholeTables.h"

#include "data_access/SqlTexts.h"
#include "operations/UserTexts.h"

#include <algorithm>

namespace tallowmere {
namespace {

std::string columnName(const std::string& table, const std::string& column) {
    return QuoteIdentifier(table) + "." + QuoteIdentifier(column);
}

const ColumnDescription* columnOf(const TableDescription& description, const std::string& column) {
    const auto found = std::find_if(description.columns.begin(), description.columns.end(),
                                    [&](const ColumnDescription& c) { return c.name == column; });
    return found == description.columns.end() ? nullptr : &*found;
}

const FieldInfo* field(const std::vector<FieldInfo>& fields, const std::string& column) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const FieldInfo& f) { return f.name == column; });
    return found == fields.end() ? nullptr : &*found;
}

// The change a type makes, in a line; none for a type that is the source's equal.
std::optional<std::string> typeChange(const std::string& column, const ColumnDescription& source,
                                      Side target, const WholeColumnType& type) {
    switch (type.change) {
    case TypeChange::NoEqual:
        return texts::noEqualType(column, source.typeName, target, type.type);
    case TypeChange::Widened:
        return texts::widerValues(column, source.typeName, type.type);
    case TypeChange::Shortened:
        return texts::longerThanTarget(column, source.typeName, target, type.type);
    case TypeChange::None:
        break;
    }
    return std::nullopt;
}

// A unique index on exactly the key's columns is the key's own, which the
// key makes again (see the catalogue's rules in DriverRules.h).
bool isKeysOwn(const IndexDescription& index, std::vector<std::string> key) {
    std::vector<std::string> columns;
    for (const IndexColumn& column : index.columns)
        columns.push_back(column.name);
    std::sort(columns.begin(), columns.end());
    std::sort(key.begin(), key.end());
    return index.unique && !key.empty() && columns == key;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + QuoteIdentifier(name);
    return text;
}

// The key, unless a column of it holds empty texts, which go as NULL.
std::vector<std::string> keptKey(const std::string& name, const TableDescription& description,
                                 const std::vector<FieldInfo>& fields, TargetTable& table) {
    for (const std::string& column : description.primaryKey) {
        const FieldInfo* read = field(fields, column);
        if (read && read->holdsEmpty) {
            table.changes.push_back({texts::keyDropped(name, column), true});
            return {};
        }
    }
    return description.primaryKey;
}

} // namespace

std::optional<std::string> WholeTables::valuesNeeded(const std::string& source,
                                                     const std::vector<FieldInfo>& fields) {
    const TableDescription& description = described(source);
    for (const FieldInfo& read : fields) {
        const ColumnDescription* column = columnOf(description, read.name);
        if (!column)
            return std::nullopt; // make() refuses the table
        const bool bound = description.typesBoundValues;
        if (WholeColumnTypeFor(mTarget, *column, read, bound).type !=
            WholeColumnTypeFor(mTarget, *column, WidestValues(read), bound).type)
            return texts::sizedByValues(source, read.name);
        const bool inKey = std::find(description.primaryKey.begin(), description.primaryKey.end(),
                                     read.name) != description.primaryKey.end();
        if ((!column->nullable || inKey) && MayBeEmpty(read.adoType))
            return texts::notNullHangsOnValues(source, read.name);
    }
    return std::nullopt;
}

// The description of the source table, read once for the valuesNeeded() and
// make() of one copy.
const TableDescription& WholeTables::described(const std::string& source) {
    if (!mDescribed || mDescribed->first != source)
        mDescribed = {source, mSource.describeTable(source)};
    return mDescribed->second;
}

// The table is described by its source name and made, and its changes said,
// under the target's.
TargetTable WholeTables::make(const std::string& source, const std::string& name,
                              const std::vector<FieldInfo>& fields) {
    const TableDescription description = described(source);
    mDescribed.reset(); // the next copy of it reads the catalogue anew
    TargetTable table;
    addColumns(name, description, fields, table);
    addIndexes(name, description, fields, table);
    for (const ForeignKeyDescription& key : description.foreignKeys)
        table.changes.push_back(
            {texts::foreignKeyLeft(name, key.name, joined(key.columns), key.referencedTable)});
    return table;
}

void WholeTables::addColumns(const std::string& name, const TableDescription& description,
                             const std::vector<FieldInfo>& fields, TargetTable& table) const {
    std::vector<WholeColumn> columns;
    for (const FieldInfo& read : fields) {
        const ColumnDescription* source = columnOf(description, read.name);
        if (!source)
            throw CopyRefused(texts::columnNotDescribed(name, read.name));
        const WholeColumnType type =
            WholeColumnTypeFor(mTarget, *source, read, description.typesBoundValues);
        const std::string column = columnName(name, read.name);
        if (const auto change = typeChange(column, *source, mTarget, type))
            table.changes.push_back({*change});
        if (!source->nullable && read.holdsEmpty)
            table.changes.push_back({texts::notNullDropped(column), true});
        columns.push_back({read.name, type.type, !source->nullable && !read.holdsEmpty});
        table.forms.push_back(type.form);
        table.largeObjects = table.largeObjects || type.largeObject;
    }
    table.create =
        WholeTableText(mTarget, name, columns, keptKey(name, description, fields, table));
}

void WholeTables::addIndexes(const std::string& name, const TableDescription& description,
                             const std::vector<FieldInfo>& fields, TargetTable& table) {
    if (mTarget == Side::Oracle) {
        mIndexTables.clear();
        for (auto rows = mTargetConnection.openRecordset(kOracleIndexesQuery); !rows->eof();
             rows->moveNext())
            mIndexTables[rows->value(0).value_or("")] = rows->value(1).value_or("");
    }
    for (const IndexDescription& index : description.indexes) {
        if (isKeysOwn(index, description.primaryKey))
            continue;
        const bool onColumns = std::all_of(index.columns.begin(), index.columns.end(),
                                           [&](const auto& c) { return field(fields, c.name); });
        if (!onColumns) {
            table.changes.push_back({texts::expressionIndex(name, index.name)});
            continue;
        }
        if (const auto refused = nameRefused(name, index.name))
            table.refusals.push_back(*refused);
        table.indexes.push_back(CreateIndexText(mTarget, name, index));
    }
}

// Why the target would refuse the index's name: too long, or, on Oracle,
// another table's index's.
std::optional<std::string> WholeTables::nameRefused(const std::string& name,
                                                    const std::string& index) {
    const long longest = longestName();
    if (longest > 0 && static_cast<long>(index.size()) > longest)
        return texts::indexNameTooLong(name, index, mTarget, longest);
    const auto holder = mIndexTables.find(index);
    if (holder != mIndexTables.end() && holder->second != name)
        return texts::indexNameTaken(name, index, holder->second);
    return std::nullopt;
}

long WholeTables::longestName() {
    if (!mLongestName)
        mLongestName = mTargetConnection.longestName();
    return *mLongestName;
}

} // namespace tallowmere
