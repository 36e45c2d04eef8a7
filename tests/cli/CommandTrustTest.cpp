// What the command line must never do quietly: write numbers in the locale's
// form, lose the old table to a failed read, blame a row for a lost
// connection, or leave a refused commit unnamed; and what it accepts of
// SQL Anywhere's letter case and of a connection that does not open.
#include "CommandRunFixture.h"

#include "data_access/ConnectionSettings.h"
#include "data_access/OdbcConnection.h"

#include "operations/UserTexts.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

using std::chrono::milliseconds;

const std::string kOldRows = "INSERT INTO big VALUES(1, 'old'), (2, 'old')";

// How many of the account's sessions run a statement that starts so, and
// which further condition of pg_stat_activity they meet.
long sessionsRunning(const OracleAccount& account, const std::string& start,
                     const std::string& also = "true") {
    const Rows rows = account.query(
        "SELECT count(*) FROM pg_stat_activity WHERE state = 'active' AND query LIKE " +
        literal(start + "%") + " AND usename = " + literal(account.user()) + " AND " + also);
    return std::stol(*rows.at(0).at(0));
}

// Ends every session of the account, so nothing it left running outlasts a test.
void endSessions(const OracleAccount& account) {
    postgresAdminExec("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = " +
                      literal(account.user()));
}

TEST_F(CommandRun, UnderACommaLocaleNumbersArriveWithADecimalPoint) {
    oracle->exec("CREATE TABLE nums(d numeric(10,2), f double precision)");
    oracle->exec("INSERT INTO nums VALUES(3.25, 0.1), (-1234.50, 2.5)");
    const ProgramRun copied =
        run({"copy", "--to", "sqlanywhere", "nums"}, {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
    ASSERT_EQ(copied.exitCode(), 0) << copied.err;
    EXPECT_TRUE(sameRows(sqlAnywhere.query("SELECT CAST(d AS TEXT), f FROM nums ORDER BY f"),
                         Rows{{"3.25", "0.1"}, {"-1234.5", "2.5"}}));
    // The same read beside its sending, into the table that exists.
    const ProgramRun queued = run({"copy", "--to", "sqlanywhere", "--truncate", "nums"},
                                  {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
    ASSERT_EQ(queued.exitCode(), 0) << queued.err;
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

// The rows the failure message says were written: "N of M rows written".
// The rows a message says were written: "N of M rows written", or "N rows
// written" while the table was still read; -1 when it says neither.
long rowsSaidWritten(const std::string& message) {
    std::smatch said;
    static const std::regex written("(\\d+)( of \\d+)? rows written");
    return std::regex_search(message, said, written) ? std::stol(said[1]) : -1;
}

TEST_F(CommandRun, ALostConnectionIsSaidAsSuchWithTheRowsWrittenAndNoRowBlamed) {
    sqlAnywhere.exec("CREATE TABLE big(n INTEGER, t TEXT)");
    sqlAnywhere.exec("INSERT INTO big SELECT x, 'row' FROM (" + numbersUpTo(300000) + ")");
    faults::RunningProgram copy({TALLOWMERE_PROGRAM, "copy", "--to", "oracle", "big"});
    ASSERT_TRUE(waitFor([&] { return hasRows(*oracle, "big"); }));
    endSessions(*oracle);
    const ProgramRun ended = copy.finish();
    EXPECT_EQ(ended.exitCode(), 1);
    EXPECT_TRUE(contains(ended.err, texts::kConnectionLost)) << ended.err;
    EXPECT_FALSE(contains(ended.err, "of the table failed")) << ended.err;
    EXPECT_EQ(rowsSaidWritten(ended.err), rowCount(*oracle, "big")) << ended.err;
}

// Whoever creates the table, its row with n = 1500 runs the statement given
// when its transaction commits: a deferred constraint. Its functions and
// trigger are named for the table, as tests run side by side on one server.
class AtCommitOf1500 {
public:
    AtCommitOf1500(const std::string& table, const std::string& statement)
        : mName("at_1500_" + table) {
        postgresAdminExec("CREATE OR REPLACE FUNCTION public." + mName +
                          "() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF NEW.n = 1500 THEN " +
                          statement + "; END IF; RETURN NULL; END $$");
        postgresAdminExec(
            "CREATE OR REPLACE FUNCTION public.add_" + mName +
            "() RETURNS event_trigger LANGUAGE plpgsql AS $$ DECLARE o record; BEGIN FOR o IN "
            "SELECT * FROM pg_event_trigger_ddl_commands() WHERE command_tag = 'CREATE TABLE' "
            "AND object_identity LIKE '%." +
            table + "' LOOP EXECUTE 'CREATE CONSTRAINT TRIGGER " + mName + " AFTER INSERT ON ' " +
            "|| o.object_identity || ' DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE "
            "FUNCTION public." +
            mName + "()'; END LOOP; END $$");
        postgresAdminExec("CREATE EVENT TRIGGER add_" + mName +
                          " ON ddl_command_end EXECUTE FUNCTION public.add_" + mName + "()");
    }
    ~AtCommitOf1500() {
        postgresAdminExec("DROP EVENT TRIGGER add_" + mName);
        postgresAdminExec("DROP FUNCTION public.add_" + mName + "(), public." + mName +
                          "() CASCADE");
    }

private:
    std::string mName;
};

TEST_F(CommandRun, ACommitRefusedInTheRowByRowRetryNamesItsRow) {
    sqlAnywhere.exec("CREATE TABLE refused(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO refused " + numbersUpTo(3000));
    const AtCommitOf1500 refusal("refused", "RAISE EXCEPTION 'n is 1500'");
    const ProgramRun failed = run({"copy", "--to", "oracle", "refused"});
    EXPECT_EQ(failed.exitCode(), 1);
    EXPECT_TRUE(contains(failed.err, "1499 of 3000 rows written; row 1500 of the table failed"))
        << failed.err;
    EXPECT_EQ(rowCount(*oracle, "refused"), 1499);
}

TEST_F(CommandRun, CtrlCDuringACommitSaysItsRowsMayHaveBeenWritten) {
    sqlAnywhere.exec("CREATE TABLE slow(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO slow " + numbersUpTo(3000));
    const AtCommitOf1500 slowCommit("slow", "PERFORM pg_sleep(30)");
    faults::RunningProgram copy({TALLOWMERE_PROGRAM, "copy", "--to", "oracle", "slow"});
    // The second array's commit, which waits on the sleeping row.
    ASSERT_TRUE(
        waitFor([&] { return sessionsRunning(*oracle, "COMMIT", "wait_event = 'PgSleep'") > 0; }));
    kill(copy.pid(), SIGINT);
    const ProgramRun ended = copy.finish();
    endSessions(*oracle); // the commit the program left behind ends undone
    EXPECT_EQ(ended.exitCode(), 130);
    EXPECT_TRUE(contains(ended.err, "1000 of 3000 rows written, and 1000 more may have been"))
        << ended.err;
    const long present = rowCount(*oracle, "slow");
    EXPECT_TRUE(present == 1000 || present == 2000) << present;
}

// The target's file may grow to a megabyte only, as on a full disk.
TEST_F(CommandRun, AFullDiskOnTheTargetIsSaidInTheDatabasesOwnWords) {
    oracle->exec("CREATE TABLE big(n integer, t text)");
    oracle->exec("INSERT INTO big SELECT g, repeat('x', 100) FROM generate_series(1, 40000) g");
    // Ignored, the signal of a file past its limit leaves the failing write.
    const ProgramRun failed = faults::runProgram(
        {"/bin/sh", "-c", "trap '' XFSZ; exec /usr/bin/prlimit --fsize=1000000 \"$0\" \"$@\"",
         TALLOWMERE_PROGRAM, "copy", "--to", "sqlanywhere", "big"});
    EXPECT_EQ(failed.exitCode(), 1);
    // A file past its limit is an I/O error to SQLite; its rollback then fails too.
    EXPECT_TRUE(contains(failed.err, "disk I/O error")) << failed.err;
    EXPECT_FALSE(contains(failed.err, "may have been")) << failed.err;
    EXPECT_EQ(rowsSaidWritten(failed.err), rowCount(sqlAnywhere, "big")) << failed.err;
}

TEST_F(CommandRun, SqlAnywhereNamesIgnoreLetterCaseAndOracleNamesDoNot) {
    sqlAnywhere.exec("CREATE TABLE EMP(n INTEGER)");
    sqlAnywhere.exec("CREATE TABLE customers(n INTEGER)");
    const ProgramRun copied = run({"copy", "--to", "oracle", "CUSTOMERS"});
    EXPECT_EQ(copied.out, "customers\t0\n") << copied.err;
    EXPECT_EQ(run({"drop", "sqlanywhere", "emp"}).out, "EMP\n");
    EXPECT_EQ(sqliteTables(sqlAnywhere), Names{"customers"});
    const ProgramRun exact = run({"drop", "oracle", "Customers"});
    EXPECT_EQ(exact.exitCode(), 1);
    EXPECT_TRUE(contains(exact.err, "no table \"Customers\" on the Oracle side")) << exact.err;
}

TEST_F(CommandRun, AConnectionThatDoesNotOpenNamesItsSideAndWhatToCheckOnTwoLines) {
    const ProgramRun noSource = run({"list", "sqlanywhere", "--dsn", "NoSuch"});
    EXPECT_EQ(noSource.exitCode(), 1);
    EXPECT_TRUE(contains(noSource.err, "cannot connect to the SQL Anywhere side; check the data "
                                       "source \"NoSuch\" (--dsn)\n"))
        << noSource.err;
    EXPECT_TRUE(contains(noSource.err, "(SQLSTATE IM002)\n")) << noSource.err;
    EXPECT_EQ(std::count(noSource.err.begin(), noSource.err.end(), '\n'), 2) << noSource.err;
    const ProgramRun noUser = run({"list", "oracle", "--oracle-user", "nobody_here"});
    EXPECT_TRUE(contains(noUser.err, "cannot connect to the Oracle side; check the SID"))
        << noUser.err;
    EXPECT_TRUE(contains(noUser.err, "\"nobody_here\" (--oracle-user)")) << noUser.err;
}

} // namespace
} // namespace tallowmere::testing
