// A cancel from another thread at a random moment of a large read or of an
// insert loop, through the real drivers, many times over: the program never
// crashes, a read ends whole or fails, and a cancel is remembered.
#include "TestSql.h"

#include "data_access/DatabaseError.h"
#include "data_access/OdbcConnection.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <thread>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

constexpr long kBigRows = 20000;
constexpr int kReadTries = 100;
constexpr int kInsertTries = 60;
constexpr int kInsertsATry = 100;

// One side's database and how to open a connection to it.
struct Stand {
    std::function<void(Connection&)> open;
    std::function<long(const std::string&)> rows;
};

// Runs work on a thread of its own and cancels the connection at a random
// moment within the given span; the work's failure, if any, is kept.
bool failsWhenCancelled(OdbcConnection& connection, const std::function<void()>& work,
                        std::chrono::microseconds span, std::mt19937& random) {
    std::atomic<bool> failed{false};
    std::thread worker([&] {
        try {
            work();
        } catch (const DatabaseError&) {
            failed = true;
        }
    });
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::uniform_int_distribution<long>(0, span.count())(random)));
    connection.cancel();
    worker.join();
    return failed;
}

std::chrono::microseconds timeOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

void readsEndWholeOrFail(const Stand& stand) {
    std::mt19937 random(std::random_device{}());
    OdbcConnection probe;
    stand.open(probe);
    const auto span = timeOf([&] { probe.openRecordset("SELECT * FROM big"); }) * 3 / 2;
    int failures = 0;
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        OdbcConnection connection;
        stand.open(connection);
        long read = -1;
        const bool failed = failsWhenCancelled(
            connection,
            [&] { read = connection.openRecordset("SELECT * FROM big")->recordCount(); }, span,
            random);
        failures += failed ? 1 : 0;
        ASSERT_TRUE(failed || read == kBigRows) << "try " << attempt << " read " << read << " rows";
    }
    // The moments spread over the read: some stopped it, some came too late.
    EXPECT_GT(failures, 0);
    EXPECT_LT(failures, kReadTries);
}

void insertsStopAndStayStopped(const Stand& stand) {
    std::mt19937 random(std::random_device{}());
    OdbcConnection probe;
    stand.open(probe);
    probe.execute("CREATE TABLE ins(n INTEGER)");
    const auto span = timeOf([&] {
                          for (int i = 0; i < kInsertsATry; ++i)
                              probe.execute("INSERT INTO ins VALUES(0)");
                      }) *
                      3 / 2;
    probe.execute("DELETE FROM ins");
    for (int attempt = 0; attempt < kInsertTries; ++attempt) {
        OdbcConnection connection;
        stand.open(connection);
        long succeeded = 0;
        failsWhenCancelled(
            connection,
            [&] {
                for (int i = 0; i < kInsertsATry; ++i, ++succeeded)
                    connection.execute("INSERT INTO ins VALUES(" + std::to_string(attempt) + ")");
            },
            span, random);
        // Every statement that said it succeeded left its row, and no other did.
        ASSERT_EQ(stand.rows("SELECT * FROM ins WHERE n = " + std::to_string(attempt)), succeeded);
        EXPECT_THROW(connection.execute("INSERT INTO ins VALUES(-1)"), DatabaseError)
            << "a statement after the cancel ran";
    }
    EXPECT_EQ(stand.rows("SELECT * FROM ins WHERE n = -1"), 0);
}

class CancelRaceTest : public ::testing::Test {
protected:
    Stand sqlite() {
        sqliteFile.exec("CREATE TABLE big(n INTEGER, t TEXT, d NUMERIC)");
        sqliteFile.exec("INSERT INTO big WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                        "FROM c WHERE x < " +
                        std::to_string(kBigRows) + ") SELECT x, 'row ' || x, x / 7.0 FROM c");
        return {[](Connection& c) {
                    c.open(SqlAnywhereConnectionString(sqlAnywhereOnlySettings()));
                    // The loop is about cancels, not about waiting for the disk.
                    c.execute("PRAGMA synchronous = OFF");
                },
                [this](const std::string& sql) { return long(sqliteFile.query(sql).size()); }};
    }
    Stand postgres() {
        oracle = std::make_unique<OracleAccount>();
        oracle->exec("CREATE TABLE big(n INTEGER, t TEXT, d NUMERIC)");
        oracle->exec("INSERT INTO big SELECT x, 'row ' || x, x / 7.0 FROM generate_series(1, " +
                     std::to_string(kBigRows) + ") AS x");
        return {[this](Connection& c) { OpenOracleConnection(c, workingSettings(*oracle)); },
                [this](const std::string& sql) { return long(oracle->query(sql).size()); }};
    }

    SqliteDatabase sqliteFile;
    std::unique_ptr<OracleAccount> oracle;
};

TEST_F(CancelRaceTest, SqliteReadsEndWholeOrFail) {
    readsEndWholeOrFail(sqlite());
}

TEST_F(CancelRaceTest, SqliteInsertLoopsStopAndStayStopped) {
    insertsStopAndStayStopped(sqlite());
}

TEST_F(CancelRaceTest, PostgresReadsEndWholeOrFail) {
    TALLOWMERE_REQUIRE_POSTGRES();
    readsEndWholeOrFail(postgres());
}

TEST_F(CancelRaceTest, PostgresInsertLoopsStopAndStayStopped) {
    TALLOWMERE_REQUIRE_POSTGRES();
    insertsStopAndStayStopped(postgres());
}

} // namespace
