#include "SqlTexts.h"

#include <algorithm>
#include <cstring>

namespace tallowmere {
namespace {
// Finds the characters of a value that must be doubled. memchr scans a long
// text many bytes at a time, where a character-by-character search of a set
// would cost most of the time spent building a row; each character's next
// place is kept until passed, so a text full of one never rescans for the other.
class DoubledCharacters {
public:
    DoubledCharacters(std::string_view value, bool backslashes)
        : mValue(value)
        , mQuote(find('\'', 0))
        , mBackslash(backslashes ? find('\\', 0) : value.size()) {}

    // The first one at or after start; the value's size when there is none.
    size_t next(size_t start) {
        if (mQuote < start)
            mQuote = find('\'', start);
        if (mBackslash < start)
            mBackslash = find('\\', start);
        return std::min(mQuote, mBackslash);
    }

private:
    size_t find(char wanted, size_t start) const {
        if (start >= mValue.size())
            return mValue.size();
        const void* at = std::memchr(mValue.data() + start, wanted, mValue.size() - start);
        return at ? static_cast<size_t>(static_cast<const char*>(at) - mValue.data())
                  : mValue.size();
    }

    std::string_view mValue;
    size_t mQuote;
    size_t mBackslash;
};

// Towards Oracle a decimal is the unconstrained NUMBER (a bare NUMERIC there
// has scale 0); integers stay NUMERIC.
std::string oracleType(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::LongBinary:
        return "BLOB";
    case ColumnKind::Decimal:
        return "NUMBER";
    case ColumnKind::Integer:
        return "NUMERIC";
    case ColumnKind::Text:
        break;
    }
    return "VARCHAR(2000)";
}

std::string sqlAnywhereType(ColumnKind kind, long precision, long scale) {
    switch (kind) {
    case ColumnKind::LongBinary:
        return "OLEOBJECT";
    case ColumnKind::Decimal:
        if (SqlAnywhereTakes(precision, scale))
            return SizedTypeText("NUMERIC", precision, scale);
        return "NUMERIC";
    case ColumnKind::Integer:
        return "NUMERIC";
    case ColumnKind::Text:
        break;
    }
    return "TEXT";
}

// What ends a statement that defines a table: nothing towards Oracle, whose
// driver refuses a semicolon, and ";" towards SQL Anywhere, as the window
// always ended them.
const char* statementEnd(Side target) {
    return target == Side::Oracle ? ")" : ");";
}

// CREATE TABLE from its parts, each ending in its comma.
std::string tableText(Side target, const std::string& tableName, const std::string& parts) {
    std::string statement = "CREATE TABLE " + QuoteIdentifier(tableName) + "(" + parts;
    statement.pop_back(); // the last part's comma (or the "(" of a table with no columns)
    return statement + statementEnd(target);
}

// Names between parentheses, apart by commas: ("a","b").
std::string nameList(const std::vector<std::string>& names) {
    std::string list = "(";
    for (const std::string& name : names)
        list += QuoteIdentifier(name) + ",";
    list.back() = ')';
    return list;
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

std::string SelectAllStatement(const std::string& tableName, const std::string& condition) {
    const std::string all = "SELECT * FROM " + QuoteIdentifier(tableName);
    return condition.empty() ? all : all + " WHERE " + condition;
}

std::string EmptyTableStatement(const std::string& tableName, bool truncate) {
    return (truncate ? "TRUNCATE TABLE " : "DELETE FROM ") + QuoteIdentifier(tableName);
}

std::string DropTableStatement(const std::string& tableName) {
    return "DROP TABLE " + QuoteIdentifier(tableName);
}

std::string RenameStatement(Side side, const std::string& oldName, const std::string& newName) {
    if (side == Side::Oracle)
        return "RENAME " + QuoteIdentifier(oldName) + " TO " + QuoteIdentifier(newName);
    return "ALTER TABLE " + QuoteIdentifier(oldName) + " RENAME " + QuoteIdentifier(newName) + ";";
}

std::string ColumnTypeText(Side target, ColumnKind kind, long precision, long scale) {
    return target == Side::Oracle ? oracleType(kind) : sqlAnywhereType(kind, precision, scale);
}

std::string ColumnClauseText(Side target, ColumnKind kind, long precision, long scale) {
    std::string clause(1, ' ');
    clause += ColumnTypeText(target, kind, precision, scale);
    clause += ',';
    return clause;
}

std::string SizedTypeText(std::string_view type, long size, std::optional<long> scale) {
    std::string text(type);
    text += '(';
    text += std::to_string(size);
    if (scale) {
        text += ',';
        text += std::to_string(*scale);
    }
    text += ')';
    return text;
}

std::string CreateTableText(Side target, const std::string& tableName,
                            const std::vector<ColumnDefinition>& columns) {
    std::string parts;
    for (const ColumnDefinition& column : columns)
        parts += QuoteIdentifier(column.name) + column.clause;
    return tableText(target, tableName, parts);
}

std::string WholeTableText(Side target, const std::string& tableName,
                           const std::vector<WholeColumn>& columns,
                           const std::vector<std::string>& primaryKey) {
    std::string parts;
    for (const WholeColumn& column : columns)
        parts += QuoteIdentifier(column.name) + " " + column.type +
                 (column.notNull ? " NOT NULL," : ",");
    if (!primaryKey.empty())
        parts += "PRIMARY KEY" + nameList(primaryKey) + ",";
    return tableText(target, tableName, parts);
}

std::string CreateIndexText(Side target, const std::string& tableName,
                            const IndexDescription& index) {
    std::string statement = index.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
    statement += QuoteIdentifier(index.name) + " ON " + QuoteIdentifier(tableName) + "(";
    for (const IndexColumn& column : index.columns)
        statement += QuoteIdentifier(column.name) + (column.descending ? " DESC," : ",");
    statement.pop_back();
    return statement + statementEnd(target);
}

std::string InsertStart(const std::string& tableName, const std::vector<std::string>& columns) {
    std::string start = "INSERT INTO " + QuoteIdentifier(tableName);
    for (size_t i = 0; i < columns.size(); ++i)
        start += (i == 0 ? "(" : kInsertValueSeparator) + QuoteIdentifier(columns[i]);
    return start + (columns.empty() ? "" : ")") + " VALUES(";
}

std::string BoundInsertText(const std::string& tableName, size_t values,
                            const std::vector<std::string>& columns) {
    std::string statement = InsertStart(tableName, columns);
    for (size_t i = 0; i < values; ++i) {
        if (i > 0)
            statement += kInsertValueSeparator;
        statement += '?';
    }
    statement += kInsertEnd;
    return statement;
}

void appendLiteral(std::string& statement, std::string_view value, Side target) {
    DoubledCharacters doubled(value, target == Side::SqlAnywhere);
    statement += '\'';
    size_t start = 0;
    for (size_t at; (at = doubled.next(start)) < value.size(); start = at + 1) {
        statement.append(value, start, at + 1 - start);
        statement += value[at];
    }
    statement.append(value, start);
    statement += '\'';
}

void appendByteEscapes(std::string& statement, std::string_view hexDigits) {
    // Only pairs of digits can be escapes; anything else stays a plain literal.
    if (hexDigits.size() % 2 != 0 ||
        hexDigits.find_first_not_of("0123456789ABCDEFabcdef") != std::string_view::npos) {
        appendLiteral(statement, hexDigits, Side::SqlAnywhere);
        return;
    }
    statement.reserve(statement.size() + hexDigits.size() * 2 + 2); // "\\x" before every two digits
    statement += '\'';
    for (size_t at = 0; at < hexDigits.size(); at += 2) {
        statement += "\\x";
        statement.append(hexDigits.substr(at, 2));
    }
    statement += '\'';
}

} // namespace tallowmere
