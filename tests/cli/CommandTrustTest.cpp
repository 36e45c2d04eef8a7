// What the command line must never do quietly: write numbers in the locale's
// form, lose the old table to a failed read, blame a row for a lost
// connection, or leave a refused commit unnamed; and what it accepts of
// SQL Anywhere's letter case and of a connection that does not open.
#include "CommandRunFixture.h"

#include "data_access/ConnectionSettings.h"
#include "data_access/OdbcConnection.h"

#include <csignal>
#include <thread>

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

using std::chrono::milliseconds;

constexpr auto kWaitAtMost = std::chrono::seconds(30);

const std::string kOldRows = "INSERT INTO big VALUES(1, 'old'), (2, 'old')";

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Waits until the condition holds, or the time is up; the condition's last word.
template <typename Condition> bool waitFor(Condition condition) {
    const auto started = std::chrono::steady_clock::now();
    while (!condition() && std::chrono::steady_clock::now() - started < kWaitAtMost)
        std::this_thread::sleep_for(milliseconds(20));
    return condition();
}

// How many of the account's sessions run a statement that starts so.
long sessionsRunning(const OracleAccount& account, const std::string& start) {
    const Rows rows = account.query(
        "SELECT count(*) FROM pg_stat_activity WHERE state = 'active' AND query LIKE " +
        literal(start + "%") + " AND usename = " + literal(account.user()));
    return std::stol(*rows.at(0).at(0));
}

TEST_F(CommandRun, UnderACommaLocaleNumbersArriveWithADecimalPoint) {
    oracle->exec("CREATE TABLE nums(d numeric(10,2), f double precision)");
    oracle->exec("INSERT INTO nums VALUES(3.25, 0.1), (-1234.50, 2.5)");
    const ProgramRun copied =
        run({"copy", "--to", "sqlanywhere", "nums"}, {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
    ASSERT_EQ(copied.exitCode(), 0) << copied.err;
    EXPECT_TRUE(sameRows(sqlAnywhere.query("SELECT CAST(d AS TEXT), f FROM nums ORDER BY f"),
                         Rows{{"3.25", "0.1"}, {"-1234.5", "2.5"}}));
}

// A source table large enough to go to the temporary folder as it is read.
void makeLargeOracleTable(OracleAccount& account) {
    account.exec("CREATE TABLE big(n integer, t text)");
    account.exec("INSERT INTO big SELECT g, repeat('x', 1000) FROM generate_series(1, 40000) g");
}

TEST_F(CommandRun, OverwriteWhoseReadFailsLeavesTheOldTableAsItWas) {
    makeLargeOracleTable(*oracle);
    sqlAnywhere.exec("CREATE TABLE BIG(n INTEGER, t TEXT)");
    sqlAnywhere.exec(kOldRows);
    const ProgramRun failed = run({"copy", "--to", "sqlanywhere", "--overwrite", "big"},
                                  {"TMPDIR=/nonexistent/tallowmere"});
    EXPECT_EQ(failed.exitCode(), 1);
    EXPECT_TRUE(contains(failed.err, "/nonexistent/tallowmere")) << failed.err;
    EXPECT_TRUE(contains(failed.err, "the table \"BIG\" on the SQL Anywhere side is as it was"))
        << failed.err;
    EXPECT_EQ(rowCount(sqlAnywhere, "BIG"), 2);
}

TEST_F(CommandRun, OverwriteInterruptedDuringTheReadLeavesTheOldTableAsItWas) {
    oracle->exec("CREATE TABLE big(n integer, t text)");
    sqlAnywhere.exec("CREATE TABLE big(n INTEGER, t TEXT)");
    sqlAnywhere.exec(kOldRows);
    // The read waits on a lock held here until the interrupt has come.
    OdbcConnection holder;
    holder.open(OracleConnectionString(workingSettings(*oracle)));
    holder.setAutoCommit(false);
    holder.execute("LOCK TABLE big IN ACCESS EXCLUSIVE MODE");

    faults::RunningProgram copy(
        {TALLOWMERE_PROGRAM, "copy", "--to", "sqlanywhere", "--overwrite", "big"});
    ASSERT_TRUE(waitFor([&] { return sessionsRunning(*oracle, "SELECT * FROM") > 0; }));
    kill(copy.pid(), SIGINT);
    const ProgramRun ended = copy.finish();
    holder.rollback();
    EXPECT_EQ(ended.exitCode(), 130) << ended.err;
    EXPECT_TRUE(contains(ended.err, "the table \"big\" on the SQL Anywhere side is as it was"))
        << ended.err;
    EXPECT_EQ(rowCount(sqlAnywhere, "big"), 2);
}

} // namespace
} // namespace tallowmere::testing
