// The table the benchmark copies: eight columns of the kinds a real table
// mixes, a key and an index, generated inside the source database.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

inline constexpr const char* kTable = "BENCH";

// `count` tables of the same columns and rows, for a copy of several tables:
// BENCH_1, BENCH_2, ...
std::vector<std::string> numberedTables(int count);

// For an SQLite source: the table with its key, and an index, which the
// command line's copy carries unless --plain. The index is named after its
// table, since index names are one namespace per schema on the Oracle side.
std::string sourceTableDefinition(const std::string& table);
std::string sourceIndexDefinition(const std::string& table);
std::string sourceFill(const std::string& table, long rows);

// Checks a copy of `rows` rows: how many rows differ from what they should
// be (0 for a faithful copy), in a form SQLite and PostgreSQL both run.
std::string rowCountQuery(const std::string& table);
std::string firstRowMatchesQuery(const std::string& table);
std::string nullCountQuery(const std::string& table);
long expectedNulls(long rows);

std::string dropTableStatement(const std::string& table);

// Every row of the table deleted, the table kept: with TRUNCATE where the
// database has it, so no dead rows are left behind for the next copy.
std::string emptyTableStatement(bool truncate);

// The array loop's reading of the whole table, and its INSERT with one
// parameter marker per column.
std::string wholeTableQuery(const std::string& table);
std::string boundInsert(const std::string& table, size_t columns);

// Many empty tables, for the catalogues, and Oracle's catalogue view on SQLite.
std::string catalogueTableDefinition(long index, long count);
std::string oracleCatalogueView();

} // namespace bench
