// The command line's tables arriving whole through the real stand-ins: each
// column as its own type with its values, the key in its order, NOT NULL and
// the indexes, both ways; the plan that writes nothing; --plain giving the
// window's table; names and values the target would refuse.
#include "CommandRunFixture.h"

#include "transfer/TableTransfer.h"

#include <regex>

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

// Queries of each database's own catalogue about the table named at "@":
// each column as "name type", " NOT NULL" and its place in the key (SQLite's),
// in the table's order; each index as its name, " unique" and its columns.
constexpr const char* kPostgresColumns =
    "SELECT attname || ' ' || format_type(atttypid, atttypmod) || CASE WHEN attnotnull THEN ' "
    "NOT NULL' ELSE '' END FROM pg_attribute WHERE attnum > 0 AND attrelid = @::regclass ORDER "
    "BY attnum";
constexpr const char* kPostgresIndexes =
    "SELECT indexname || CASE WHEN indexdef LIKE 'CREATE UNIQUE%' THEN ' unique ' ELSE ' ' END || "
    "substring(indexdef from '\\(.*\\)$') FROM pg_indexes WHERE schemaname = current_schema() "
    "AND tablename = @ ORDER BY 1";
constexpr const char* kSqliteColumns =
    "SELECT name || ' ' || type || CASE WHEN \"notnull\" THEN ' NOT NULL' ELSE '' END || CASE "
    "WHEN pk > 0 THEN ' key ' || pk ELSE '' END FROM pragma_table_info(@)";
constexpr const char* kSqliteIndexes =
    "SELECT l.name || CASE WHEN l.\"unique\" THEN ' unique' ELSE '' END || ' (' || (SELECT "
    "group_concat(name) FROM pragma_index_info(l.name)) || ')' FROM pragma_index_list(@) l "
    "WHERE l.origin = 'c' ORDER BY 1";

// The catalogue's answer for the table, a line each.
template <typename Database>
Names about(const Database& database, std::string query, const std::string& table) {
    return firstColumn(database.query(query.replace(query.find('@'), 1, literal(table))));
}

std::string sqliteDefinition(const SqliteDatabase& database, const std::string& table) {
    return database.query("SELECT sql FROM sqlite_master WHERE name = " + literal(table))
        .at(0)
        .at(0)
        .value_or("");
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class WholeTableCopy : public CommandRun {
protected:
    // The Oracle side's emp: every kind of column, a composite key, a unique
    // index, a plain one, one on an expression and a foreign key.
    void makeOracleEmp() {
        oracle->exec("CREATE TABLE dept(no smallint PRIMARY KEY)");
        oracle->exec("INSERT INTO dept VALUES(10)");
        oracle->exec("CREATE TABLE emp(empno integer, ename varchar(10) NOT NULL, sal "
                     "numeric(7,2), hired date, seen timestamp, rate real, score double precision, "
                     "big bigint, pic bytea, deptno smallint REFERENCES dept, shift time, "
                     "PRIMARY KEY(ename, empno))");
        oracle->exec("CREATE UNIQUE INDEX emp_seen ON emp(seen DESC)");
        oracle->exec("CREATE INDEX emp_sal ON emp(sal, deptno)");
        oracle->exec("CREATE INDEX emp_low ON emp(lower(ename))");
        oracle->exec("INSERT INTO emp VALUES(7369, 'SMITH', 800.5, '2024-02-29', "
                     "'2024-02-29 13:14:15.123456', 0.5, 0.30000000000000004, 9007199254740993, "
                     "'\\x00ff', 10, '23:59:59.5'), (7499, 'ALLEN', NULL, NULL, NULL, NULL, "
                     "-2.5e-7, NULL, NULL, NULL, NULL)");
    }
};

TEST_F(WholeTableCopy, OracleTablesArriveOnSqlAnywhereWithTypesKeyAndIndexes) {
    makeOracleEmp();
    const ProgramRun copied = run({"copy", "--to", "sqlanywhere", "emp"});
    ASSERT_EQ(copied.exitCode(), 0) << copied.err;
    EXPECT_EQ(
        about(sqlAnywhere, kSqliteColumns, "emp"),
        (Names{"empno INTEGER NOT NULL key 2", "ename VARCHAR(10) NOT NULL key 1",
               "sal NUMERIC(7,2)", "hired DATE", "seen TIMESTAMP", "rate REAL", "score DOUBLE",
               "big BIGINT", "pic LONG BINARY", "deptno SMALLINT", "shift TIME"}));
    EXPECT_EQ(about(sqlAnywhere, kSqliteIndexes, "emp"),
              (Names{"emp_sal (sal,deptno)", "emp_seen unique (seen)"}));
    EXPECT_TRUE(sameRows(
        sqlAnywhere.query("SELECT hired, seen, typeof(rate), rate, score = 0.30000000000000004, "
                          "big, nullif(hex(pic), ''), shift FROM emp ORDER BY empno"),
        {{"2024-02-29", "2024-02-29 13:14:15.123456", "real", "0.5", "1", "9007199254740993",
          "00FF", "23:59:59.5"},
         {std::nullopt, std::nullopt, "null", std::nullopt, "0", std::nullopt, std::nullopt,
          std::nullopt}}));
}

TEST_F(WholeTableCopy, SqlAnywhereTablesArriveOnOracleWithTypesKeyNotNullAndIndexes) {
    makeSqliteTable("staff",
                    "id INTEGER, part VARCHAR(10) NOT NULL, hired DATE, seen TIMESTAMP, "
                    "pay DOUBLE, photo BLOB, memo TEXT, code VARCHAR(4) NOT NULL, "
                    "PRIMARY KEY(part, id)",
                    {});
    sqlAnywhere.exec("CREATE UNIQUE INDEX staff_seen ON staff(seen)");
    sqlAnywhere.exec("CREATE INDEX staff_memo ON staff(memo, pay)");
    sqlAnywhere.exec("INSERT INTO staff VALUES(1, 'a', '2024-02-29', '2024-02-29 13:14:15.5', "
                     "0.5, x'00ff', 'x', 'c1'), (2, 'b', '1999-12-31', '1999-12-31 23:59:59', "
                     "-2.5e-7, NULL, NULL, '')");
    const ProgramRun copied = run({"copy", "--to", "oracle", "staff"});
    ASSERT_EQ(copied.exitCode(), 0) << copied.err;
    // The empty code goes as NULL: the column cannot keep its NOT NULL, and says so.
    EXPECT_EQ(copied.err, "tallowmere: \"staff\".\"code\": NOT NULL is not carried: the column "
                          "holds empty texts, which go as NULL\n");
    EXPECT_EQ(about(*oracle, kPostgresColumns, "staff"),
              (Names{"id numeric(10,0) NOT NULL", "part character varying(10) NOT NULL",
                     "hired date", "seen timestamp without time zone", "pay binary_double",
                     "photo blob", "memo character varying(4000)", "code character varying(4)"}));
    EXPECT_EQ(about(*oracle, kPostgresIndexes, "staff"),
              (Names{"staff_memo (memo, pay)", "staff_pkey unique (part, id)",
                     "staff_seen unique (seen)"}));
    EXPECT_TRUE(
        sameRows(oracle->query("SELECT hired::text, seen::text, pay::text, "
                               "encode(photo, 'hex'), code FROM staff ORDER BY id"),
                 {{"2024-02-29", "2024-02-29 13:14:15.5", "0.5", "00ff", "c1"},
                  {"1999-12-31", "1999-12-31 23:59:59", "-2.5e-07", std::nullopt, std::nullopt}}));
}

// The plan is the copy's: its CREATE TABLE is the one the copy then sends.
TEST_F(WholeTableCopy, APlanWritesNothingAndShowsWhatTheCopySendsAndChanges) {
    makeOracleEmp();
    sqlAnywhere.exec("CREATE TABLE emp(old TEXT)");
    const ProgramRun plan = run({"copy", "--to", "sqlanywhere", "--plan", "--overwrite", "emp"});
    ASSERT_EQ(plan.exitCode(), 0) << plan.err;
    EXPECT_EQ(about(sqlAnywhere, kSqliteColumns, "emp"), Names{"old TEXT"});
    EXPECT_TRUE(has(plan.out, "DROP TABLE \"emp\"\nCREATE TABLE \"emp\"(")) << plan.out;
    EXPECT_TRUE(has(plan.out, "INSERT INTO \"emp\" VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)  -- 2 "
                              "rows, bound in arrays of up to 1000 rows\n"))
        << plan.out;
    EXPECT_TRUE(has(plan.out, "CREATE UNIQUE INDEX \"emp_seen\" ON \"emp\"(\"seen\" DESC);\n"));
    EXPECT_TRUE(has(plan.out, "-- \"emp\": the index \"emp_low\" is on an expression"));
    EXPECT_TRUE(has(plan.out, "-- \"emp\": the foreign key \"emp_deptno_fkey\" (\"deptno\") to "
                              "\"dept\" is not carried\n"));
    const std::string planned = plan.out.substr(plan.out.find("CREATE TABLE"));

    ASSERT_EQ(run({"copy", "--to", "sqlanywhere", "--overwrite", "emp"}).exitCode(), 0);
    EXPECT_EQ(planned.substr(0, planned.find(";\n")), sqliteDefinition(sqlAnywhere, "emp"));
}

// --plain makes the very table the window makes, and nothing besides.
TEST_F(WholeTableCopy, PlainCreatesTheWindowsTable) {
    makeOracleEmp();
    harness->loadLists();
    selectOnly(harness->oracleList, {"emp"});
    harness->run(SendTablesToSqlAnywhere);
    const std::string windows = sqliteDefinition(sqlAnywhere, "emp");
    ASSERT_FALSE(windows.empty());
    ASSERT_EQ(run({"copy", "--to", "sqlanywhere", "--plain", "--overwrite", "emp"}).exitCode(), 0);
    EXPECT_EQ(sqliteDefinition(sqlAnywhere, "emp"), windows);
    EXPECT_TRUE(about(sqlAnywhere, kSqliteIndexes, "emp").empty());
}

// Refused before any row: an index name another table's index holds on
// Oracle (which the plan shows), one longer than the target takes, a text
// that is no date; an empty key left behind.
TEST_F(WholeTableCopy, WhatTheTargetWouldRefuseStopsTheCopyBeforeAnyRowOrIsLeftBehind) {
    oracle->exec("CREATE TABLE other(a int)");
    oracle->exec("CREATE INDEX shared ON other(a)");
    makeSqliteTable("taken", "a INTEGER", {{"1"}});
    sqlAnywhere.exec("CREATE INDEX shared ON taken(a)");
    const std::string longName(70, 'i');
    makeSqliteTable("long", "a INTEGER", {{"1"}});
    sqlAnywhere.exec("CREATE INDEX " + longName + " ON long(a)");
    makeSqliteTable("dates", "d DATE", {{"2024-02-29"}, {"soon"}});
    makeSqliteTable("keyed", "k TEXT NOT NULL PRIMARY KEY", {{"a"}, {""}});

    const ProgramRun taken = run({"copy", "--to", "oracle", "taken"});
    EXPECT_EQ(taken.exitCode(), 1);
    EXPECT_TRUE(has(taken.err, "\"shared\" is taken by an index of \"other\"")) << taken.err;
    const ProgramRun planned = run({"copy", "--to", "oracle", "--plan", "taken"});
    EXPECT_EQ(planned.exitCode(), 0);
    EXPECT_TRUE(has(planned.out, "-- \"taken\": the index name \"shared\" is taken"))
        << planned.out;
    const ProgramRun tooLong = run({"copy", "--to", "oracle", "long"});
    EXPECT_TRUE(has(tooLong.err, "\"" + longName + "\" is longer than the Oracle side takes (63"))
        << tooLong.err;
    EXPECT_EQ(oracleTables(*oracle), Names{"other"});

    const ProgramRun dates = run({"copy", "--to", "oracle", "dates"});
    EXPECT_EQ(dates.exitCode(), 1);
    EXPECT_TRUE(has(dates.err, "\"soon\" is not an ISO date")) << dates.err;
    // Read beside the sending, the table's count may not be known yet.
    EXPECT_TRUE(std::regex_search(
        dates.err, std::regex("SQLSTATE 22007; table \"dates\": 0 (of 2 )?rows written")))
        << dates.err;

    // An empty key goes as NULL: the key and its NOT NULL stay behind, and the copy says so.
    const ProgramRun keyed = run({"copy", "--to", "oracle", "keyed"});
    EXPECT_EQ(keyed.exitCode(), 0) << keyed.err;
    EXPECT_TRUE(has(keyed.err, "\"keyed\": the primary key is not carried: its column \"k\""))
        << keyed.err;
    EXPECT_TRUE(about(*oracle, kPostgresIndexes, "keyed").empty());
}

} // namespace
} // namespace tallowmere::testing
