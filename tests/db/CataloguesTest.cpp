// Both table catalogues on the real databases.
#include "support/TestDatabases.h"

#include "data_access/OdbcConnection.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <gtest/gtest.h>

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
