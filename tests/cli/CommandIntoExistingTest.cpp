// Copies into tables that exist, through the real stand-ins: columns matched
// by name whatever their order, the others left to their defaults; the table
// emptied first on either side; a column or table that is not there refused
// before anything is written; another name on the target; a subset of rows.
#include "CommandRunFixture.h"

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

const Rows kSourceRows = {{"1", "2024-02-29"}, {"2", "1999-12-31"}, {"3", std::nullopt}};

class IntoExistingTable : public CommandRun {
protected:
    // The source on the SQL Anywhere side, and a table of its name on the
    // Oracle side, its columns in another order after one more with a
    // default, holding one row of its own.
    void makeTables() {
        makeSqliteTable("t", "a INTEGER, b DATE", kSourceRows);
        oracle->exec("CREATE TABLE t(extra varchar(5) DEFAULT 'kept', b date, a integer)");
        oracle->exec("INSERT INTO t VALUES('own', '2000-01-01', 0)");
    }
    Rows oracleRows() const { return oracle->query("SELECT a, b, extra FROM t ORDER BY a"); }
};

TEST_F(IntoExistingTable, AppendFillsColumnsByNameAndLeavesTheOthersTheirDefaults) {
    makeTables();
    const ProgramRun appended = run({"copy", "--to", "oracle", "--append", "t"});
    EXPECT_EQ(appended.exitCode(), 0) << appended.err;
    EXPECT_EQ(appended.out, "t\t3\n"); // the rows the table gained
    EXPECT_TRUE(sameRows(oracleRows(), {{"0", "2000-01-01", "own"},
                                        {"1", "2024-02-29", "kept"},
                                        {"2", "1999-12-31", "kept"},
                                        {"3", std::nullopt, "kept"}}));
    const ProgramRun plan = run({"copy", "--to", "oracle", "--append", "--plan", "t"});
    EXPECT_NE(plan.out.find("INSERT INTO \"t\"(\"a\", \"b\") VALUES(?, ?)"), std::string::npos)
        << plan.out;
    EXPECT_NE(plan.out.find("\"extra\" is not in the source"), std::string::npos) << plan.out;
}

// Towards SQL Anywhere, column names match whatever their letter case.
TEST_F(IntoExistingTable, TruncateEmptiesTheTableFirstOnEitherSide) {
    makeTables();
    const ProgramRun toOracle = run({"copy", "--to", "oracle", "--truncate", "t"});
    EXPECT_EQ(toOracle.exitCode(), 0) << toOracle.err;
    EXPECT_EQ(rowCount(*oracle, "t"), 3);
    EXPECT_NE(run({"copy", "--to", "oracle", "--truncate", "--plan", "t"})
                  .out.find("TRUNCATE TABLE \"t\"\n"),
              std::string::npos);

    sqlAnywhere.exec("CREATE TABLE back(A INTEGER, B DATE, EXTRA TEXT DEFAULT 'kept')");
    sqlAnywhere.exec("INSERT INTO back VALUES(9, '2001-01-01', 'own')");
    const ProgramRun toSqlAnywhere =
        run({"copy", "--to", "sqlanywhere", "--truncate", "--as", "BACK", "t"});
    EXPECT_EQ(toSqlAnywhere.exitCode(), 0) << toSqlAnywhere.err;
    EXPECT_EQ(toSqlAnywhere.out, "back\t3\n"); // the target's own spelling
    EXPECT_TRUE(sameRows(
        sqlAnywhere.query("SELECT * FROM back ORDER BY A"),
        {{"1", "2024-02-29", "kept"}, {"2", "1999-12-31", "kept"}, {"3", std::nullopt, "kept"}}));
    EXPECT_NE(run({"copy", "--to", "sqlanywhere", "--truncate", "--plan", "--as", "back", "t"})
                  .out.find("DELETE FROM \"back\"\n"),
              std::string::npos);
}

TEST_F(IntoExistingTable, AMissingColumnOrTableIsRefusedBeforeAnythingIsWritten) {
    makeTables();
    oracle->exec("ALTER TABLE t DROP COLUMN b");
    const ProgramRun noColumn = run({"copy", "--to", "oracle", "--truncate", "t"});
    EXPECT_EQ(noColumn.exitCode(), 1);
    EXPECT_NE(noColumn.err.find("has no column \"b\""), std::string::npos) << noColumn.err;
    EXPECT_EQ(rowCount(*oracle, "t"), 1); // not even emptied

    const ProgramRun noTable = run({"copy", "--to", "oracle", "--append", "--as", "u", "t"});
    EXPECT_EQ(noTable.exitCode(), 1);
    EXPECT_NE(noTable.err.find("no table \"u\""), std::string::npos) << noTable.err;
    EXPECT_EQ(oracleTables(*oracle), Names{"t"});
}

TEST_F(IntoExistingTable, AnotherNameKeepsTheOverwriteRuleAndAConditionChoosesTheRows) {
    makeSqliteTable("t", "a INTEGER, b DATE", kSourceRows);
    const std::vector<std::string> copy = {"copy", "--to",    "oracle", "--as",
                                           "u",    "--where", "a > 1",  "t"};
    const ProgramRun first = run(copy);
    EXPECT_EQ(first.exitCode(), 0) << first.err;
    EXPECT_EQ(first.out, "u\t2\n");
    EXPECT_TRUE(sameRows(oracle->query("SELECT a FROM u ORDER BY a"), {{"2"}, {"3"}}));
    const ProgramRun again = run(copy);
    EXPECT_EQ(again.exitCode(), 1);
    EXPECT_NE(again.err.find("\"u\" already exists"), std::string::npos) << again.err;
    std::vector<std::string> overwrite = copy;
    overwrite.push_back("--overwrite");
    EXPECT_EQ(run(overwrite).out, "u\t2\n");
    overwrite.push_back("--plan");
    EXPECT_NE(run(overwrite).out.find("-- rows read: SELECT * FROM \"t\" WHERE a > 1\n"),
              std::string::npos);
}

} // namespace
} // namespace tallowmere::testing
