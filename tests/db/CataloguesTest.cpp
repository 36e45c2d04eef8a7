// Both table catalogues on the real databases, and what each catalogue says
// of one table.
#include "db/TestSql.h"

#include "data_access/OdbcConnection.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <gtest/gtest.h>
#include <sql.h>

using namespace tallowmere;
using namespace tallowmere::testing;

TEST(SqlAnywhereCatalogueTest, ListsUserTablesButNoViewsAndNoNamesWithSys) {
    SqliteDatabase database;
    for (const char* table : {"EMP", "dept", "SysLog", "MYSYSTEM", "analysys", "Hire Date",
                              "\xd0\xa2\xd0\xb0\xd0\xb1\xd0\xbb\xd0\xb8\xd1\x86\xd0\xb0"})
        database.exec(std::string("CREATE TABLE \"") + table + "\"(a)");
    database.exec("CREATE VIEW emp_view AS SELECT * FROM EMP");

    PlainTableList list;
    list.addItem("stale");
    OdbcConnectionFactory connections;
    NoEventPump events;
    LoadSqlAnywhereTables(list, connections, FixedConnectionFields(sqlAnywhereOnlySettings()),
                          events);
    EXPECT_EQ(list.texts(), (Names{"dept", "EMP", "Hire Date",
                                   "\xd0\xa2\xd0\xb0\xd0\xb1\xd0\xbb\xd0\xb8\xd1\x86\xd0\xb0"}));
    EXPECT_EQ(list.currentIndex(), -1);

    database.exec("DROP TABLE dept");
    LoadSqlAnywhereTables(list, connections, FixedConnectionFields(sqlAnywhereOnlySettings()),
                          events);
    EXPECT_EQ(list.texts(), (Names{"EMP", "Hire Date",
                                   "\xd0\xa2\xd0\xb0\xd0\xb1\xd0\xbb\xd0\xb8\xd1\x86\xd0\xb0"}));
}

TEST(SqlAnywhereCatalogueTest, AFailedOpenLeavesTheListAsItWas) {
    PlainTableList list;
    list.addItem("kept");
    OdbcConnectionFactory connections;
    NoEventPump events;
    ConnectionSettings settings;
    settings.dataSourceName = "NoSuchDataSource";
    EXPECT_ANY_THROW(
        LoadSqlAnywhereTables(list, connections, FixedConnectionFields(settings), events));
    EXPECT_EQ(list.texts(), Names{"kept"});
}

TEST(OracleCatalogueTest, ListsEveryTableOfTheUserWithEntryZeroCurrent) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    OracleAccount other;
    other.exec("CREATE TABLE not_mine(a int)");
    oracle.exec("CREATE TABLE \"SYSLOG\"(a int)");
    oracle.exec("CREATE TABLE \"EMP\"(a int)");
    oracle.exec("CREATE TABLE emp(a int)");
    oracle.exec("CREATE VIEW emp_view AS SELECT * FROM emp");

    PlainTableList list;
    OdbcConnectionFactory connections;
    NoEventPump events;
    LoadOracleTables(list, connections, FixedConnectionFields(workingSettings(oracle)), events);
    EXPECT_EQ(list.texts(), (Names{"EMP", "emp", "SYSLOG"}));
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST(OracleCatalogueTest, AnEmptySchemaGivesAnEmptyListWithNoCurrentEntry) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    PlainTableList list;
    list.addItem("stale");
    OdbcConnectionFactory connections;
    NoEventPump events;
    LoadOracleTables(list, connections, FixedConnectionFields(workingSettings(oracle)), events);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
}

namespace {

Names namesOf(const std::vector<ColumnDescription>& columns) {
    Names names;
    for (const ColumnDescription& column : columns)
        names.push_back(column.name + (column.nullable ? "" : " NOT NULL"));
    return names;
}

// Each index as "name unique? (columns)", a descending column with " DESC".
Names indexesOf(const TableDescription& shape) {
    Names indexes;
    for (const IndexDescription& index : shape.indexes) {
        std::string columns;
        for (const IndexColumn& column : index.columns)
            columns +=
                (columns.empty() ? "" : ",") + column.name + (column.descending ? " DESC" : "");
        indexes.push_back(index.name + (index.unique ? " unique (" : " (") + columns + ")");
    }
    return sortedNames(indexes);
}

} // namespace

// SQLite's driver numbers a key's columns in table order and reports an
// INTEGER PRIMARY KEY as an index: the rules give the key's own order.
TEST(TableDescriptionTest, SqliteKeysComeInTheirOwnOrderAndNullabilityFromTheColumns) {
    SqliteDatabase database;
    database.exec("CREATE TABLE dept(no INTEGER PRIMARY KEY)");
    database.exec("CREATE TABLE emp(a INTEGER NOT NULL, b VARCHAR(10) NOT NULL, pay NUMERIC(7,2), "
                  "c TEXT, deptno INTEGER REFERENCES dept(no), PRIMARY KEY(b, a))");
    database.exec("CREATE INDEX emp_c ON emp(c, pay)");
    OdbcConnection connection;
    OpenSqlAnywhereConnection(connection, sqlAnywhereOnlySettings());

    const TableDescription emp = connection.describeTable("emp");
    EXPECT_EQ(namesOf(emp.columns), (Names{"a NOT NULL", "b NOT NULL", "pay", "c", "deptno"}));
    EXPECT_EQ(emp.primaryKey, (Names{"b", "a"}));
    EXPECT_EQ(emp.columns[2].sqlType, SQL_DECIMAL); // the driver says SQL_DOUBLE
    EXPECT_EQ(emp.columns[2].size, 7);
    EXPECT_EQ(emp.columns[2].digits, 2);
    EXPECT_EQ(indexesOf(emp), (Names{"emp_c (c,pay)", "sqlite_autoindex_emp_1 unique (b,a)"}));
    ASSERT_EQ(emp.foreignKeys.size(), 1u);
    EXPECT_EQ(emp.foreignKeys[0].referencedTable, "dept");
    EXPECT_EQ(emp.foreignKeys[0].columns, Names{"deptno"});
    EXPECT_FALSE(emp.typesBoundValues);

    const TableDescription dept = connection.describeTable("dept");
    EXPECT_EQ(dept.primaryKey, Names{"no"});
    ASSERT_EQ(dept.indexes.size(), 1u);
    EXPECT_TRUE(dept.indexes[0].unique);
}

// PostgreSQL's driver answers as ODBC defines; another schema's table of the
// same name is not the user's.
TEST(TableDescriptionTest, PostgresAnswersAsOdbcDefinesForTheUsersOwnTable) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    OracleAccount other;
    other.exec("CREATE TABLE emp(x int)");
    oracle.exec("CREATE TABLE dept(no smallint PRIMARY KEY)");
    oracle.exec("CREATE TABLE emp(a int NOT NULL, b varchar(10), at timestamp, deptno smallint "
                "REFERENCES dept, PRIMARY KEY(b, a))");
    oracle.exec("CREATE UNIQUE INDEX emp_at ON emp(at DESC, deptno)");
    OdbcConnection connection;
    OpenOracleConnection(connection, workingSettings(oracle));

    const TableDescription emp = connection.describeTable("emp");
    EXPECT_EQ(namesOf(emp.columns), (Names{"a NOT NULL", "b NOT NULL", "at", "deptno"}));
    EXPECT_EQ(emp.primaryKey, (Names{"b", "a"}));
    EXPECT_EQ(indexesOf(emp), (Names{"emp_at unique (at DESC,deptno)", "emp_pkey unique (b,a)"}));
    ASSERT_EQ(emp.foreignKeys.size(), 1u);
    EXPECT_EQ(emp.foreignKeys[0].name, "emp_deptno_fkey");
    EXPECT_TRUE(emp.typesBoundValues);
    EXPECT_EQ(connection.longestName(), 63);
}
