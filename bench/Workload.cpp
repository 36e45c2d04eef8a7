#include "Workload.h"

namespace bench {
namespace {

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

std::vector<std::string> numberedTables(int count) {
    std::vector<std::string> tables;
    for (int i = 1; i <= count; ++i)
        tables.push_back(std::string(kTable) + "_" + std::to_string(i));
    return tables;
}

std::string sourceTableDefinition(const std::string& table) {
    return "CREATE TABLE " + quoted(table) +
           R"(("ID" INTEGER, "AMOUNT" DECIMAL(12,2), "RATIO" DOUBLE, )"
           R"("NAME" VARCHAR(40), "NOTE" VARCHAR(200), "BORN" DATE, "MAYBE" VARCHAR(20), )"
           R"("GREEK" VARCHAR(40), PRIMARY KEY("ID")))";
}

std::string sourceIndexDefinition(const std::string& table) {
    return "CREATE INDEX " + quoted(table + "_NAME") + " ON " + quoted(table) +
           R"(("NAME", "BORN"))";
}

std::string sourceFill(const std::string& table, long rows) {
    return "INSERT INTO " + quoted(table) +
           R"( WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 )"
           "FROM n WHERE i < " +
           std::to_string(rows) +
           R"() SELECT i, printf('%d.%02d', i % 100000, i % 100), i * 0.37 + 0.5, )"
           R"('O''Brien ' || i, )"
           R"(printf('%-200.200s', 'Row ' || i || ' of the benchmark: the quick brown fox )"
           R"(jumps over the lazy dog, again and again, until the line is long enough to )"
           R"(fill two hundred characters of text'), )"
           R"(date('2000-01-01', '+' || (i % 9000) || ' days'), )"
           R"(CASE WHEN i % 3 = 0 THEN NULL ELSE 'maybe ' || i END, )"
           R"('Ελληνικά ' || i || ' 日本語' FROM n)";
}

std::string rowCountQuery(const std::string& table) {
    return "SELECT COUNT(*) FROM " + quoted(table);
}

std::string firstRowMatchesQuery(const std::string& table) {
    return "SELECT COUNT(*) FROM " + quoted(table) +
           R"( WHERE "NAME" = 'O''Brien 1' AND )"
           R"("MAYBE" = 'maybe 1' AND "GREEK" = 'Ελληνικά 1 日本語' AND "BORN" = '2000-01-02')";
}

std::string nullCountQuery(const std::string& table) {
    return "SELECT COUNT(*) FROM " + quoted(table) + R"( WHERE "MAYBE" IS NULL)";
}

long expectedNulls(long rows) {
    return rows / 3;
}

std::string dropTableStatement(const std::string& table) {
    return "DROP TABLE IF EXISTS " + quoted(table);
}

std::string emptyTableStatement(bool truncate) {
    return std::string(truncate ? "TRUNCATE TABLE " : "DELETE FROM ") + quoted(kTable);
}

std::string wholeTableQuery(const std::string& table) {
    return "SELECT * FROM " + quoted(table);
}

std::string boundInsert(const std::string& table, size_t columns) {
    std::string text = "INSERT INTO " + quoted(table) + " VALUES (";
    for (size_t i = 0; i < columns; ++i)
        text += i == 0 ? "?" : ", ?";
    return text + ")";
}

std::string catalogueTableDefinition(long index, long count) {
    // Created in a scattered order, so the list does not receive them sorted.
    const long name = (index * 7919) % count;
    return "CREATE TABLE " + quoted("TABLE_" + std::to_string(name)) + "(\"A\" INTEGER)";
}

std::string oracleCatalogueView() {
    return "CREATE VIEW user_tables AS SELECT name AS table_name FROM sqlite_master "
           "WHERE type = 'table'";
}

} // namespace bench
