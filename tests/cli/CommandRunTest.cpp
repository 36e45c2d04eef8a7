// The command line run as a script runs it: the program as a process, its
// standard output, standard error and exit status, against the real stand-in
// databases; and a connection that loses a row, caught by the count.
#include "CommandRunFixture.h"

#include "cli/Commands.h"

#include "data_access/OdbcConnection.h"
#include "data_access/SettingsStore.h"
#include "operations/UserTexts.h"

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

namespace tallowmere::testing {
namespace {

// Awkward on purpose: quotes of both kinds, a backslash, a blank, non-Latin.
const std::string kOddTable = "Odd \"q\" 'x' \xc3\xa9";
const Rows kOddRows = {{"1", "O'Brien \\ \"quoted\""}, {"2", std::nullopt}, {"3", "\xe6\x9d\xb1"}};

TEST_F(CommandRun, ListsAndCopiesBothWaysWithAwkwardNamesAndValues) {
    makeSqliteTable(kOddTable, "n INTEGER, t TEXT", kOddRows);
    sqlAnywhere.exec("CREATE TABLE plain(a TEXT)");
    EXPECT_EQ(run({"list", "sqlanywhere"}).out, kOddTable + "\nplain\n");

    const ProgramRun there = run({"copy", "--to", "oracle", kOddTable});
    EXPECT_EQ(there.exitCode(), 0) << there.err;
    EXPECT_EQ(there.out, kOddTable + "\t3\n");
    EXPECT_TRUE(there.err.empty()) << there.err; // not a terminal: no progress line
    EXPECT_TRUE(
        sameRows(oracle->query("SELECT * FROM " + quoted(kOddTable) + " ORDER BY 1"), kOddRows));
    EXPECT_EQ(run({"list", "oracle"}).out, kOddTable + "\n");

    // Back again: the table is there, and only --overwrite replaces it.
    const ProgramRun refused = run({"copy", "--to", "sqlanywhere", kOddTable});
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find(kOddTable), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--overwrite"), std::string::npos) << refused.err;
    const ProgramRun back = run({"copy", "--to", "sqlanywhere", "--overwrite", kOddTable});
    EXPECT_EQ(back.exitCode(), 0) << back.err;
    EXPECT_EQ(back.out, kOddTable + "\t3\n");
    // Bound, the backslash arrives as read: no literal escapes it.
    EXPECT_TRUE(sameRows(sqlAnywhere.query("SELECT * FROM " + quoted(kOddTable) + " ORDER BY 1"),
                         kOddRows));
}

TEST_F(CommandRun, AMissingTableStopsTheRunBeforeAnythingIsDone) {
    sqlAnywhere.exec("CREATE TABLE here(a TEXT)");
    const ProgramRun missing = run({"copy", "--to", "oracle", "here", "gone"});
    EXPECT_EQ(missing.exitCode(), 1);
    EXPECT_NE(missing.err.find("\"gone\" on the SQL Anywhere side"), std::string::npos)
        << missing.err;
    EXPECT_TRUE(oracleTables(*oracle).empty());
}

TEST_F(CommandRun, AFailureMidTableKeepsTheRowsBeforeItAndSaysHowManyWent) {
    sqlAnywhere.exec("CREATE TABLE nums(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO nums VALUES(1), (2), ('three'), (4)");
    const ProgramRun failed = run({"copy", "--to", "oracle", "nums"});
    EXPECT_EQ(failed.exitCode(), 1);
    EXPECT_TRUE(failed.out.empty());
    EXPECT_NE(failed.err.find("SQLSTATE 22P02; table \"nums\": 2 of 4 rows written"),
              std::string::npos)
        << failed.err;
    EXPECT_EQ(rowCount(*oracle, "nums"), 2);
}

TEST_F(CommandRun, DropsTablesAndShowsTheRenamesDatabaseError) {
    for (const char* table : {"a", "b", "c"})
        sqlAnywhere.exec(std::string("CREATE TABLE ") + table + "(x TEXT)");
    const ProgramRun dropped = run({"drop", "sqlanywhere", "a", "c"});
    EXPECT_EQ(dropped.exitCode(), 0) << dropped.err;
    EXPECT_EQ(dropped.out, "c\na\n"); // from the bottom of the list up, as the window drops
    EXPECT_EQ(sqliteTables(sqlAnywhere), Names{"b"});
    // SQLite takes neither rename statement: the database's own error.
    const ProgramRun renamed = run({"rename", "sqlanywhere", "b", "d"});
    EXPECT_EQ(renamed.exitCode(), 1);
    EXPECT_NE(renamed.err.find("Error "), std::string::npos) << renamed.err;
    EXPECT_NE(renamed.err.find("SQLSTATE HY000"), std::string::npos) << renamed.err;
    EXPECT_EQ(sqliteTables(sqlAnywhere), Names{"b"});
}

TEST_F(CommandRun, ValuesGivenForOneRunAreUsedAndNothingStoredNamesTheSettingsFile) {
    storeSettingsFile({});
    const ProgramRun unset = run({"list", "oracle"});
    EXPECT_EQ(unset.exitCode(), 1);
    EXPECT_NE(unset.err.find(FileSettingsStore::filePath(kSettingsApplication)), std::string::npos)
        << unset.err;
    oracle->exec("CREATE TABLE given(a TEXT)");
    const ProgramRun given =
        run({"list", "oracle", "--oracle-sid", OracleAccount::server(), "--oracle-user",
             oracle->user()},
            {std::string(texts::kPasswordVariable) + "=" + oracle->password()});
    EXPECT_EQ(given.out, "given\n") << given.err;
    EXPECT_EQ(run({"list", "sqlanywhere", "--dsn", kSqliteDataSource}).exitCode(), 0);
    EXPECT_EQ(
        FileSettingsStore().GetSetting(kSettingsApplication, kSettingsSection, kKeyOracleUser), "");
}

TEST_F(CommandRun, HelpBesideADropAnswersAndDropsNothing) {
    oracle->exec("CREATE TABLE throwaway(a TEXT)");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--help", "drop", "oracle", "throwaway"},
          {"drop", "oracle", "throwaway", "-h"}}) {
        const ProgramRun answered = run(words);
        EXPECT_EQ(answered.exitCode(), 0) << answered.err;
        EXPECT_NE(answered.out.find("Usage:"), std::string::npos) << answered.out;
        EXPECT_EQ(oracleTables(*oracle), Names{"throwaway"}) << words.front();
    }
}

// Standard output on a full device: the first line that cannot be written
// ends the run with status 1 and says so, before the next table is touched.
TEST_F(CommandRun, AStandardOutputThatCannotBeWrittenFailsTheRunAtItsFirstLine) {
    const std::string full = "/dev/full";
    const std::string said = texts::outputNotWritten(std::strerror(ENOSPC)) + "\n";
    for (const char* table : {"a", "b", "c"})
        sqlAnywhere.exec(std::string("CREATE TABLE ") + table + "(x TEXT)");
    for (const std::vector<std::string>& words : {std::vector<std::string>{"list", "sqlanywhere"},
                                                  {"copy", "--to", "oracle", "b"},
                                                  {"--help"},
                                                  {"--version"},
                                                  {"drop", "sqlanywhere", "a", "c"}}) {
        const ProgramRun failed = run(words, {}, full);
        EXPECT_EQ(failed.exitCode(), 1) << words.front();
        EXPECT_EQ(failed.err, said) << words.front();
    }
    EXPECT_EQ(oracleTables(*oracle), Names{"b"});            // the copy was done; its line was not
    EXPECT_EQ(sqliteTables(sqlAnywhere), (Names{"a", "b"})); // "c" first, then no further
}

TEST(CommandLineProgram, WrongLinesExitTwoAndNoDisplayExitsOneWithOneLine) {
    const ProgramRun bogus = faults::runProgram({TALLOWMERE_PROGRAM, "--bogus"});
    EXPECT_EQ(bogus.exitCode(), 2);
    EXPECT_NE(bogus.err.find("tallowmere --help"), std::string::npos) << bogus.err;
    EXPECT_EQ(std::count(bogus.err.begin(), bogus.err.end(), '\n'), 1);
    const ProgramRun windowless =
        faults::runProgram({TALLOWMERE_PROGRAM}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    EXPECT_EQ(windowless.exitCode(), 1);
    EXPECT_EQ(windowless.err, std::string(texts::kNoDisplay) + "\n");
}

// Forwards every call but silently leaves out the second INSERT it is given.
class RowLosingConnections : public ConnectionFactory {
public:
    std::unique_ptr<Connection> create() override {
        class Losing : public OdbcConnection {
        public:
            void execute(const std::string& statement) override {
                if (statement.rfind("INSERT", 0) == 0 && ++mInserts == 2)
                    return;
                OdbcConnection::execute(statement);
            }

        private:
            int mInserts = 0;
        };
        return std::make_unique<Losing>();
    }
};

TEST_F(CommandRun, AConnectionThatLosesARowIsCaughtByTheCount) {
    sqlAnywhere.exec("CREATE TABLE three(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO three VALUES(1), (2), (3)");
    RowLosingConnections connections;
    FileSettingsStore settings;
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    cli::CommandEnvironment environment{connections, settings, "settings file", nullptr, out, err};
    cli::CommandRequest request;
    request.kind = cli::CommandKind::Copy;
    request.side = Side::Oracle;
    request.tables = {"three"};
    request.rowByRow = true; // the losing connection drops an INSERT text
    EXPECT_EQ(cli::RunCommand(request, environment), 1);
    std::rewind(err);
    char said[512] = {};
    EXPECT_NE(std::fgets(said, sizeof said, err), nullptr);
    EXPECT_STREQ(said, "tallowmere: \"three\": 3 rows read, but 2 rows counted on the target\n");
    std::fclose(out);
    std::fclose(err);
}

} // namespace
} // namespace tallowmere::testing
