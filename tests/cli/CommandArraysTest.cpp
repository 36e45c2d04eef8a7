// The command line's copy with its rows bound in parameter arrays, against
// the real stand-ins: the same values as one INSERT text a row, a failing
// row in the second array, a long binary whole, and any array size.
#include "CommandRunFixture.h"

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

constexpr long kRows = 1300; // a second array of 1,000 holds the last of them

const Rows kMixed = {{"1", "O'Brien \"q\" \xe6\x9d\xb1", "3.25"},
                     {"2", "", "-0.5"},
                     {"3", std::nullopt, std::nullopt}};

// Both ways of sending leave the same rows. The values hold no backslash and
// no binary: towards SQL Anywhere the INSERT texts escape those, and the
// SQLite stand-in keeps the escapes as characters.
TEST_F(CommandRun, ArraysAndInsertTextsLeaveTheSameValuesEitherWay) {
    makeSqliteTable("mixed", "n INTEGER, t TEXT, d NUMERIC", kMixed);
    const auto oracleRows = [&] { return oracle->query("SELECT * FROM mixed ORDER BY 1"); };
    ASSERT_EQ(run({"copy", "--to", "oracle", "mixed"}).exitCode(), 0);
    const Rows bound = oracleRows();
    ASSERT_EQ(run({"copy", "--to", "oracle", "--overwrite", "--row-by-row", "mixed"}).exitCode(),
              0);
    EXPECT_TRUE(sameRows(oracleRows(), bound));
    EXPECT_EQ(bound[1][1], std::nullopt); // an empty text arrives as NULL

    oracle->exec("ALTER TABLE mixed RENAME TO back");
    const auto sqliteRows = [&] { return sqlAnywhere.query("SELECT * FROM back ORDER BY 1"); };
    ASSERT_EQ(run({"copy", "--to", "sqlanywhere", "back"}).exitCode(), 0);
    const Rows boundBack = sqliteRows();
    ASSERT_EQ(
        run({"copy", "--to", "sqlanywhere", "--overwrite", "--row-by-row", "back"}).exitCode(), 0);
    EXPECT_TRUE(sameRows(sqliteRows(), boundBack));
    EXPECT_EQ(boundBack[0][1], kMixed[0][1]);
}

TEST_F(CommandRun, ARowFailingInTheSecondArrayLeavesEveryRowBeforeItAndNamesIt) {
    sqlAnywhere.exec("CREATE TABLE nums(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO nums " + numbersUpTo(kRows));
    sqlAnywhere.exec("UPDATE nums SET n = 'bad' WHERE n = " + std::to_string(kRows));
    const ProgramRun failed = run({"copy", "--to", "oracle", "nums"});
    EXPECT_EQ(failed.exitCode(), 1);
    EXPECT_NE(failed.err.find("1299 of 1300 rows written; row 1300 of the table failed"),
              std::string::npos)
        << failed.err;
    EXPECT_EQ(rowCount(*oracle, "nums"), kRows - 1);
    EXPECT_EQ(oracle->query("SELECT max(n) FROM nums"), (Rows{{"1299"}}));
}

TEST_F(CommandRun, AMegabyteBinaryArrivesWholeOnTheOracleSide) {
    sqlAnywhere.exec("CREATE TABLE pictures(n INTEGER, b LONGVARBINARY)");
    sqlAnywhere.exec(
        "INSERT INTO pictures VALUES(1, randomblob(1048576)), (2, x'00FF'), (3, NULL)");
    const ProgramRun copied = run({"copy", "--to", "oracle", "pictures"});
    EXPECT_EQ(copied.out, "pictures\t3\n") << copied.err;
    EXPECT_TRUE(sameRows(oracle->query("SELECT upper(encode(b, 'hex')) FROM pictures ORDER BY n"),
                         sqlAnywhere.query("SELECT nullif(hex(b), '') FROM pictures ORDER BY n")));
}

TEST_F(CommandRun, ArraysOfOneRowAndLargerThanTheTableCopyEveryRow) {
    sqlAnywhere.exec("CREATE TABLE nums(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO nums " + numbersUpTo(kRows));
    for (const char* rows : {"1", "5000"}) {
        const ProgramRun copied =
            run({"copy", "--to", "oracle", "--overwrite", "--batch-rows", rows, "nums"});
        EXPECT_EQ(copied.out, "nums\t1300\n") << rows << copied.err;
        EXPECT_EQ(oracle->query("SELECT count(DISTINCT n) FROM nums"), (Rows{{"1300"}})) << rows;
    }
}

} // namespace
} // namespace tallowmere::testing
