#include "SqlTexts.h"

namespace tallowmere {
namespace {

// Towards Oracle a decimal is the unconstrained NUMBER (a bare NUMERIC there
// has scale 0); integers stay NUMERIC.
std::string oracleClause(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::LongBinary:
        return " BLOB,";
    case ColumnKind::Decimal:
        return " NUMBER,";
    case ColumnKind::Integer:
        return " NUMERIC,";
    case ColumnKind::Text:
        break;
    }
    return " VARCHAR(2000),";
}

std::string sqlAnywhereClause(ColumnKind kind, long precision, long scale) {
    switch (kind) {
    case ColumnKind::LongBinary:
        return " OLEOBJECT,";
    case ColumnKind::Decimal:
        if (SqlAnywhereTakes(precision, scale))
            return " NUMERIC(" + std::to_string(precision) + "," + std::to_string(scale) + "),";
        return " NUMERIC,";
    case ColumnKind::Integer:
        return " NUMERIC,";
    case ColumnKind::Text:
        break;
    }
    return " TEXT,";
}

} // namespace

bool SqlAnywhereTakes(long precision, long scale) {
    return precision >= 1 && precision <= kSqlAnywhereMaxPrecision && scale >= 0 &&
           scale <= precision;
}

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

std::string CountRowsStatement(const std::string& tableName) {
    return "SELECT COUNT(*) FROM " + QuoteIdentifier(tableName);
}

std::string SelectAllStatement(const std::string& tableName) {
    return "SELECT * FROM " + QuoteIdentifier(tableName);
}

std::string DropTableStatement(const std::string& tableName) {
    return "DROP TABLE " + QuoteIdentifier(tableName);
}

std::string RenameStatement(Side side, const std::string& oldName, const std::string& newName) {
    if (side == Side::Oracle)
        return "RENAME " + QuoteIdentifier(oldName) + " TO " + QuoteIdentifier(newName);
    return "ALTER TABLE " + QuoteIdentifier(oldName) + " RENAME " + QuoteIdentifier(newName) + ";";
}

std::string ColumnClauseText(Side target, ColumnKind kind, long precision, long scale) {
    return target == Side::Oracle ? oracleClause(kind) : sqlAnywhereClause(kind, precision, scale);
}

std::string CreateTableText(Side target, const std::string& tableName,
                            const std::vector<ColumnDefinition>& columns) {
    std::string statement = "CREATE TABLE " + QuoteIdentifier(tableName) + "(";
    for (const ColumnDefinition& column : columns)
        statement += QuoteIdentifier(column.name) + column.clause;
    statement.pop_back(); // the last clause's comma (or the "(" of a table with no columns)
    statement += target == Side::Oracle ? ")" : ");";
    return statement;
}

std::string InsertStart(const std::string& tableName) {
    return "INSERT INTO " + QuoteIdentifier(tableName) + " VALUES(";
}

std::string BoundInsertText(const std::string& tableName, size_t columns) {
    std::string statement = InsertStart(tableName);
    for (size_t i = 0; i < columns; ++i) {
        if (i > 0)
            statement += kInsertValueSeparator;
        statement += '?';
    }
    statement += kInsertEnd;
    return statement;
}

} // namespace tallowmere
