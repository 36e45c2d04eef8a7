// Several tables at once (--jobs) and rows read beside their sending, through
// the real stand-ins: the first failure starts no new table and the run names
// every table not copied; Ctrl-C stops every running table in time, saying
// each; a table whose row fails midway keeps exactly the rows before it.
#include "CommandRunFixture.h"

#include <csignal>

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

constexpr long kManyRows = 60000;

class CopyJobs : public CommandRun {
protected:
    void makeNumbers(const std::string& table, long rows) {
        sqlAnywhere.exec("CREATE TABLE " + table + "(n INTEGER, t TEXT)");
        sqlAnywhere.exec("INSERT INTO " + table + " SELECT x, 'row ' || x FROM (" +
                         numbersUpTo(rows) + ")");
    }
};

TEST_F(CopyJobs, TheFirstFailureStartsNoNewTableAndEveryTableNotCopiedIsNamed) {
    for (const std::string table : {"t1", "t2", "t3", "t4", "t5"})
        makeNumbers(table, table == "t3" ? 10 : kManyRows);
    oracle->exec("CREATE TABLE t3(n integer)"); // the third is refused at once
    const ProgramRun run3 = run({"copy", "--to", "oracle", "--jobs", "3", "--all"});
    EXPECT_EQ(run3.exitCode(), 1);
    EXPECT_TRUE(contains(run3.err, "\"t3\" already exists")) << run3.err;
    EXPECT_TRUE(contains(run3.err, "not copied: \"t3\", \"t4\", \"t5\"\n")) << run3.err;
    // The two running ones ended whole, each said on its own line.
    EXPECT_TRUE(contains(run3.out, "t1\t60000\n") && contains(run3.out, "t2\t60000\n")) << run3.out;
    EXPECT_EQ(rowCount(*oracle, "t1") + rowCount(*oracle, "t2"), 2 * kManyRows);
    EXPECT_EQ(oracleTables(*oracle), (Names{"t1", "t2", "t3"}));
}

TEST_F(CopyJobs, CtrlCStopsEveryRunningTableInTimeSayingEach) {
    for (const std::string table : {"a", "b", "c"})
        makeNumbers(table, 4 * kManyRows);
    faults::RunningProgram copy({TALLOWMERE_PROGRAM, "copy", "--to", "oracle", "--jobs", "3",
                                 "--batch-rows", "500", "a", "b", "c"});
    ASSERT_TRUE(waitFor(
        [&] { return hasRows(*oracle, "a") && hasRows(*oracle, "b") && hasRows(*oracle, "c"); }));
    const auto interrupted = std::chrono::steady_clock::now();
    kill(copy.pid(), SIGINT);
    const ProgramRun ended = copy.finish();
    EXPECT_LT(std::chrono::steady_clock::now() - interrupted, std::chrono::seconds(2));
    EXPECT_EQ(ended.exitCode(), 130) << ended.err;
    for (const std::string table : {"a", "b", "c"})
        EXPECT_TRUE(contains(ended.err, "interrupted; table \"" + table + "\": ")) << ended.err;
}

// Rows read beside their sending (into the table that exists, emptied)
// arrive as those of a table read whole first (--overwrite), both ways.
TEST_F(CopyJobs, RowsReadBesideTheirSendingArriveAsThoseReadWholeFirst) {
    oracle->exec("CREATE TABLE mixed(n integer, t text, d numeric(9,3), r double precision, "
                 "day date, at timestamp, b bytea)");
    oracle->exec("INSERT INTO mixed SELECT g, CASE WHEN g % 7 = 0 THEN NULL ELSE 'r' || g || "
                 "' \xe6\x9d\xb1' END, g / 8.0, 0.1 * g, DATE '2024-02-29' + g, "
                 "TIMESTAMP '2024-02-29 13:14:15.25' + g * INTERVAL '1 minute', "
                 "decode(lpad(to_hex(g), 8, '0'), 'hex') FROM generate_series(1, 2500) g");
    const auto sqliteRows = [&] { return sqlAnywhere.query("SELECT * FROM mixed ORDER BY 1"); };
    ASSERT_EQ(run({"copy", "--to", "sqlanywhere", "mixed"}).exitCode(), 0);
    const Rows whole = sqliteRows();
    const ProgramRun queued = run({"copy", "--to", "sqlanywhere", "--truncate", "mixed"});
    ASSERT_EQ(queued.exitCode(), 0) << queued.err;
    EXPECT_TRUE(sameRows(sqliteRows(), whole));

    oracle->exec("ALTER TABLE mixed RENAME TO old");
    const auto oracleRows = [&] { return oracle->query("SELECT * FROM mixed ORDER BY 1"); };
    ASSERT_EQ(run({"copy", "--to", "oracle", "mixed"}).exitCode(), 0);
    const Rows wholeBack = oracleRows();
    ASSERT_EQ(run({"copy", "--to", "oracle", "--truncate", "mixed"}).exitCode(), 0);
    EXPECT_TRUE(sameRows(oracleRows(), wholeBack));
    // Round the trip, every value as it was (a decimal's trailing zeros aside).
    const auto values = [&](const std::string& table) {
        return oracle->query("SELECT n, t, d::float8, r, day, at, b FROM " + table + " ORDER BY 1");
    };
    EXPECT_TRUE(sameRows(values("mixed"), values("old")));
}

// Into a table that exists, the rows are read beside their sending: the
// failing row is named, and every row before it stays.
TEST_F(CopyJobs, AQueuedTableFailingMidwayKeepsTheRowsBeforeTheFailingRow) {
    oracle->exec("CREATE TABLE src(n integer)");
    oracle->exec("INSERT INTO src SELECT CASE WHEN g = 2500 THEN 7 ELSE g END "
                 "FROM generate_series(1, 5000) g");
    sqlAnywhere.exec("CREATE TABLE src(n INTEGER UNIQUE)");
    const ProgramRun failed = run({"copy", "--to", "sqlanywhere", "--append", "src"});
    EXPECT_EQ(failed.exitCode(), 1);
    EXPECT_TRUE(contains(failed.err, "row 2500 of the table failed")) << failed.err;
    EXPECT_EQ(rowCount(sqlAnywhere, "src"), 2499);
}

} // namespace
} // namespace tallowmere::testing
