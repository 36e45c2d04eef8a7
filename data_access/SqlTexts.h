// Every SQL text the program sends, built here and nowhere else: the Oracle
// catalogue queries and session statement, SELECT *, DROP TABLE, CREATE TABLE
// with its column clauses (or a whole table's types and key), CREATE INDEX,
// the parts of a row's INSERT and how a value becomes a literal in it, the
// INSERT whose values are bound, and both renames. The types of a whole
// table's columns are beside it, in SqlColumnTypes.
#pragma once

#include "Side.h"
#include "TableDescription.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

inline constexpr const char* kOracleCatalogueQuery = "SELECT table_name FROM user_tables";
// Numbers travel as text with "." for the decimal character, whatever the
// territory the Oracle client takes its session's number format from.
inline constexpr const char* kOracleSessionNumberFormat =
    "ALTER SESSION SET NLS_NUMERIC_CHARACTERS = '.,'";

// A name as one delimited identifier: between double quotes, each embedded
// double quote doubled so the name can never end the identifier early.
std::string QuoteIdentifier(const std::string& name);

// SELECT * FROM "T", and " WHERE " with the condition when one is given:
// the user's own SQL for their own database, passed as it is.
std::string SelectAllStatement(const std::string& tableName, const std::string& condition = {});
std::string DropTableStatement(const std::string& tableName);
// Empties a table that stays: TRUNCATE TABLE "T" where the database takes it
// (see TakesTruncateTable), DELETE FROM "T" otherwise.
std::string EmptyTableStatement(const std::string& tableName, bool truncate);
// The rows a table holds, one row of one number: the check after a copy.
std::string CountRowsStatement(const std::string& tableName);
// ALTER TABLE "old" RENAME "new"; on SQL Anywhere, RENAME "old" TO "new" on Oracle.
std::string RenameStatement(Side side, const std::string& oldName, const std::string& newName);

// What a column becomes on the target, as the type mapping decides it.
enum class ColumnKind { LongBinary, Text, Decimal, Integer };

// The numbers each target's decimal column holds: SQL Anywhere's NUMERIC
// takes a precision up to 127 and is NUMERIC(30,6) when bare; Oracle's NUMBER
// keeps 38 significant digits.
inline constexpr long kSqlAnywhereMaxPrecision = 127;
inline constexpr long kSqlAnywhereBarePrecision = 30;
inline constexpr long kSqlAnywhereBareScale = 6;
inline constexpr long kOracleNumberDigits = 38;

// True when SQL Anywhere takes NUMERIC(precision,scale).
bool SqlAnywhereTakes(long precision, long scale);

// The type of a column of the window's tables: "VARCHAR(2000)". A decimal
// column towards SQL Anywhere is NUMERIC(precision,scale) when SQL Anywhere
// takes those, and the bare NUMERIC otherwise (precision 0).
std::string ColumnTypeText(Side target, ColumnKind kind, long precision = 0, long scale = 0);
// The same as the clause after a column's name, comma included: " VARCHAR(2000),".
std::string ColumnClauseText(Side target, ColumnKind kind, long precision = 0, long scale = 0);
// A type with its size, and its scale when given: "VARCHAR(10)", "NUMERIC(7,2)".
std::string SizedTypeText(std::string_view type, long size, std::optional<long> scale = {});

struct ColumnDefinition {
    std::string name;
    std::string clause; // from ColumnClauseText
};

// CREATE TABLE for the target from its columns in their order.
std::string CreateTableText(Side target, const std::string& tableName,
                            const std::vector<ColumnDefinition>& columns);

// A column of a table the command line copies whole: its own type, and
// whether it takes no NULL.
struct WholeColumn {
    std::string name;
    std::string type; // from WholeColumnTypeFor
    bool notNull = false;
};
// CREATE TABLE with each column's type and NOT NULL, and the primary key's
// columns in the key's order after them: CREATE TABLE "T"("a" INTEGER NOT
// NULL,"b" DATE,PRIMARY KEY("a")), ending as the window's statements end.
std::string WholeTableText(Side target, const std::string& tableName,
                           const std::vector<WholeColumn>& columns,
                           const std::vector<std::string>& primaryKey);
// CREATE [UNIQUE] INDEX "i" ON "T"("a","b" DESC), ending in the same way.
std::string CreateIndexText(Side target, const std::string& tableName,
                            const IndexDescription& index);
// Every index of the Oracle user's schema, with its table: index names are
// one namespace per schema there.
inline constexpr const char* kOracleIndexesQuery =
    "SELECT index_name, table_name FROM user_indexes";

// The fixed parts of a row's INSERT: start, then values apart by the
// separator, each a literal or the null word, then the end. The start names
// the columns when given (a table that exists: INSERT INTO "T"("a", "b")
// VALUES(), and none for a table made by the copy, which takes the values
// in its own order.
std::string InsertStart(const std::string& tableName, const std::vector<std::string>& columns = {});
inline constexpr const char* kInsertValueSeparator = ", ";
inline constexpr const char* kInsertNull = "NULL";
inline constexpr char kInsertEnd = ')';
// A value as a string literal for the target. SQL Anywhere reads a backslash
// in a literal as an escape, so there backslashes are doubled too.
void appendLiteral(std::string& statement, std::string_view value, Side target);
// A binary value, given as hexadecimal digits, as a SQL Anywhere literal of
// its bytes: '\x00\xFF'. SQL Anywhere keeps a string literal's characters
// in a long binary column, so the digits alone would arrive as text. A value
// that is no pairs of hexadecimal digits goes as a plain literal.
void appendByteEscapes(std::string& statement, std::string_view hexDigits);

// The INSERT whose values are bound: the same start, one parameter marker
// per value.
std::string BoundInsertText(const std::string& tableName, size_t values,
                            const std::vector<std::string>& columns = {});

} // namespace tallowmere
