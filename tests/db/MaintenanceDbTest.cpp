// Dropping and renaming on the real databases.
#include "support/OperationHarness.h"

#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::testing;

TEST(MaintenanceOnSqlAnywhere, DeletesTheSelectedTablesAndStopsAtTheFirstRefusal) {
    SqliteDatabase database;
    for (const char* table : {"a", "b", "c", "d"})
        database.exec(std::string("CREATE TABLE ") + table + "(n)");
    Harness harness(sqlAnywhereOnlySettings());
    harness.loadSqlAnywhereList();
    select(harness.sqlAnywhereList, "a");
    select(harness.sqlAnywhereList, "c");
    select(harness.sqlAnywhereList, "d");
    database.exec("DROP TABLE c"); // gone behind the list's back

    harness.run(DeleteSqlAnywhereTables);

    // d was dropped, c failed and stays listed, a was never tried.
    ASSERT_EQ(harness.prompts.shown.size(), 1u);
    EXPECT_NE(harness.prompts.shown[0].text.find("no such table"), std::string::npos);
    EXPECT_EQ(harness.sqlAnywhereList.texts(), (Names{"a", "b", "c"}));
    EXPECT_EQ(harness.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(database.query("SELECT name FROM sqlite_master ORDER BY name").size(), 2u);
}

TEST(MaintenanceOnSqlAnywhere, ARenameTheDatabaseRefusesLeavesTheListAsItWas) {
    SqliteDatabase database;
    database.exec("CREATE TABLE t1(n)");
    Harness harness(sqlAnywhereOnlySettings());
    harness.loadSqlAnywhereList();
    select(harness.sqlAnywhereList, "t1");
    harness.prompts.inputs = {"t2"};

    harness.run(RenameSqlAnywhereTable);

    // SQLite knows only ALTER TABLE ... RENAME TO, so the statement fails.
    ASSERT_EQ(harness.prompts.shown.size(), 2u);
    EXPECT_EQ(harness.prompts.shown[0].text, "Enter new name of t1:");
    EXPECT_EQ(harness.prompts.shown[1].text.rfind("Error ", 0), 0u);
    EXPECT_EQ(harness.sqlAnywhereList.texts(), Names{"t1"});
}

TEST(MaintenanceOnOracle, DeletesQuotedNamesAndNeverRunsASecondStatement) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    const std::string nasty = "x\"; DROP TABLE keep; --";
    oracle.exec("CREATE TABLE keep(n int)");
    oracle.exec("CREATE TABLE \"x\"\"; DROP TABLE keep; --\"(n int)");
    Harness harness(workingSettings(oracle));
    harness.loadOracleList();
    ASSERT_EQ(harness.oracleList.texts(), (Names{"keep", nasty}));
    select(harness.oracleList, nasty);

    harness.run(DeleteOracleTables);

    EXPECT_TRUE(harness.prompts.shown.empty());
    EXPECT_EQ(harness.oracleList.texts(), Names{"keep"});
    harness.loadOracleList();
    EXPECT_EQ(harness.oracleList.texts(), Names{"keep"});
}

TEST(MaintenanceOnOracle, AWrongLoginFailsBeforeTheSelectionIsLookedAt) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    ConnectionSettings wrong = workingSettings(oracle);
    wrong.oracleUser = "nobody";
    Harness harness(wrong);

    harness.run(RenameOracleTable);

    ASSERT_EQ(harness.prompts.shown.size(), 1u);
    EXPECT_EQ(harness.prompts.shown[0].text.rfind("Error ", 0), 0u);
    EXPECT_EQ(harness.pointer.pointer(), PointerSetting::Default);
}
