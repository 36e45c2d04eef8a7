// The Oracle side's server stops hard in the middle of a copy, towards it and
// from it: the user is told once, the window is usable again, nothing stays
// connected, the cut-off table is not listed, and once the server is back the
// same lists and connections work again. Each case runs for both ways of
// stopping, one after the other on the same private server.
#include "PrivatePostgres.h"
#include "support/OperationHarness.h"

#include "transfer/TableTransfer.h"

namespace tallowmere::faults {
namespace {

using namespace testing;
using Stop = PrivatePostgres::Stop;

constexpr Stop kStops[] = {Stop::Immediate, Stop::Kill};

// Fresh databases and window surroundings for one stop.
struct Scenario {
    Scenario()
        : oracle(std::make_unique<testing::OracleAccount>())
        , harness(testing::workingSettings(*oracle)) {}
    ~Scenario() { PrivatePostgres::instance().ensureRunning(); } // so the account can go

    void fillSqlite(const std::string& table, int rows) {
        sqlite.exec("CREATE TABLE \"" + table + "\"(n INTEGER, s TEXT)");
        for (int n = 1; n <= rows; ++n)
            sqlite.exec("INSERT INTO \"" + table + "\" VALUES(" + std::to_string(n) + ", 'row " +
                        std::to_string(n) + "')");
    }
    void fillOracle(const std::string& table, int rows) {
        oracle->exec("CREATE TABLE \"" + table + "\"(n INTEGER, s TEXT)");
        oracle->exec("INSERT INTO \"" + table +
                     "\" SELECT g, 'row ' || g FROM generate_series(1, " + std::to_string(rows) +
                     ") g");
    }
    // Stops the server once, at the given call of the progress display.
    void stopServerAtProgressCall(Stop how, size_t call) {
        harness.progress.onValue = [this, how, call](size_t calls) {
            if (calls == call && !stopped) {
                stopped = true;
                PrivatePostgres::instance().stop(how);
            }
        };
    }
    // Exactly one failure was shown, and the window is usable again.
    void expectOneFailureAndAUsableWindow() {
        ASSERT_EQ(harness.prompts.shown.size(), 1u);
        EXPECT_TRUE(isDatabaseFailure(harness.prompts.shown[0].text));
        EXPECT_EQ(harness.pointer.pointer(), PointerSetting::Default);
        ASSERT_FALSE(harness.progress.values.empty());
        EXPECT_EQ(harness.progress.values.back(), 0.0f);
        EXPECT_EQ(harness.connections.alive(), 0);
    }

    testing::SqliteDatabase sqlite;
    std::unique_ptr<testing::OracleAccount> oracle;
    Harness harness;
    bool stopped = false;
};

void copyTowardsItCutOffAtARow(Stop how) {
    Scenario s;
    s.fillSqlite("alpha", 6);
    s.fillSqlite("beta", 4);
    s.harness.loadSqlAnywhereList();
    s.harness.loadOracleList();
    select(s.harness.sqlAnywhereList, "alpha");
    select(s.harness.sqlAnywhereList, "beta");
    // beta goes first (the walk is bottom-up): its 4 rows and the reset to 0
    // are calls 1 to 5; alpha's third row is call 8, before its INSERT.
    s.stopServerAtProgressCall(how, 8);

    s.harness.run(SendTablesToOracle);

    ASSERT_TRUE(s.stopped);
    s.expectOneFailureAndAUsableWindow();
    EXPECT_EQ(entries(s.harness.oracleList), Names{"beta"});

    PrivatePostgres::instance().start();
    // beta arrived whole; alpha was created and holds the two rows sent.
    EXPECT_EQ(oracleTables(*s.oracle), (Names{"alpha", "beta"}));
    EXPECT_EQ(rowCount(*s.oracle, "beta"), 4);
    EXPECT_EQ(rowCount(*s.oracle, "alpha"), 2);

    // The same lists and factory: reload, then replace the cut-off table.
    s.harness.loadOracleList();
    EXPECT_EQ(entries(s.harness.oracleList), (Names{"alpha", "beta"}));
    deselectAll(s.harness.sqlAnywhereList);
    select(s.harness.sqlAnywhereList, "alpha");
    s.harness.prompts.answers = {true};
    s.harness.run(SendTablesToOracle);

    ASSERT_EQ(s.harness.prompts.shown.size(), 2u);
    EXPECT_EQ(s.harness.prompts.shown[1].text, "Would you like to overwrite alpha?");
    EXPECT_EQ(rowCount(*s.oracle, "alpha"), 6);
    EXPECT_EQ(entries(s.harness.oracleList), (Names{"alpha", "beta"}));
    EXPECT_EQ(s.harness.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(s.harness.connections.alive(), 0);
}

void copyFromItCutOffBeforeTheSecondTable(Stop how) {
    Scenario s;
    s.fillOracle("dept", 3);
    s.fillOracle("emp", 5);
    s.harness.loadSqlAnywhereList();
    s.harness.loadOracleList();
    select(s.harness.oracleList, "dept");
    select(s.harness.oracleList, "emp");
    // emp goes first: its 5 rows, then the reset to 0 (call 6) ends it; the
    // server goes before dept is read.
    s.stopServerAtProgressCall(how, 6);

    s.harness.run(SendTablesToSqlAnywhere);

    ASSERT_TRUE(s.stopped);
    s.expectOneFailureAndAUsableWindow();
    EXPECT_EQ(entries(s.harness.sqlAnywhereList), Names{"emp"});
    EXPECT_EQ(sqliteTables(s.sqlite), Names{"emp"});
    EXPECT_EQ(rowCount(s.sqlite, "emp"), 5);

    PrivatePostgres::instance().start();
    deselectAll(s.harness.oracleList);
    select(s.harness.oracleList, "dept");
    s.harness.run(SendTablesToSqlAnywhere);

    EXPECT_EQ(s.harness.prompts.shown.size(), 1u); // nothing new
    EXPECT_EQ(entries(s.harness.sqlAnywhereList), (Names{"dept", "emp"}));
    EXPECT_EQ(sqliteTables(s.sqlite), (Names{"dept", "emp"}));
    EXPECT_EQ(rowCount(s.sqlite, "dept"), 3);
    EXPECT_EQ(s.harness.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(s.harness.connections.alive(), 0);
}

TEST(FaultServerLoss, CopyTowardsItIsCutOffAtARowAndTheSameListsCopyAgainOnceItIsBack) {
    TALLOWMERE_REQUIRE_PRIVATE_POSTGRES();
    for (Stop how : kStops) {
        SCOPED_TRACE(stopName(how));
        copyTowardsItCutOffAtARow(how);
    }
}

TEST(FaultServerLoss, CopyFromItIsCutOffBeforeTheSecondTableAndThatTableCopiesOnceItIsBack) {
    TALLOWMERE_REQUIRE_PRIVATE_POSTGRES();
    for (Stop how : kStops) {
        SCOPED_TRACE(stopName(how));
        copyFromItCutOffBeforeTheSecondTable(how);
    }
}

} // namespace
} // namespace tallowmere::faults
