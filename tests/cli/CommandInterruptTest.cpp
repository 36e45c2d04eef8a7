// SIGINT (Ctrl-C) or SIGTERM during a copy whose target server has stopped
// answering (every process stopped with SIGSTOP): the program ends within two
// seconds with the shell's status for that signal, 130 or 143, and says how
// many rows of the table it had written.
#include "faults/PrivatePostgres.h"
#include "faults/Processes.h"
#include "support/TestDatabases.h"

#include <chrono>
#include <csignal>
#include <thread>

#include <gtest/gtest.h>

namespace tallowmere::faults {
namespace {

using namespace testing;
using std::chrono::milliseconds;

constexpr long kRows = 100000;
constexpr auto kEndWithin = milliseconds(2000);
constexpr auto kRowsArriveWithin = std::chrono::seconds(30);

struct SignalAndStatus {
    int signal;
    int status; // the shell's convention, 128 + the signal's number
    const char* name;
};

class CommandInterrupt : public ::testing::TestWithParam<SignalAndStatus> {};

TEST_P(CommandInterrupt, ASignalWhileTheTargetServerIsStoppedEndsInTimeSayingWhatWasWritten) {
    TALLOWMERE_REQUIRE_PRIVATE_POSTGRES();
    PrivatePostgres& server = PrivatePostgres::instance();
    SqliteDatabase sqlite;
    sqlite.exec("CREATE TABLE big(n INTEGER, t TEXT)");
    sqlite.exec("INSERT INTO big WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c "
                "WHERE x < " +
                std::to_string(kRows) + ") SELECT x, 'row' FROM c");
    OracleAccount oracle;
    storeSettingsFile(workingSettings(oracle));
    struct GoOnOnTheWayOut {
        ~GoOnOnTheWayOut() {
            PrivatePostgres::instance().resume();
            storeSettingsFile({});
        }
    } goOn;

    RunningProgram copy({TALLOWMERE_PROGRAM, "copy", "--to", "oracle", "big"});
    const auto started = std::chrono::steady_clock::now();
    while (!hasRows(oracle, "big") &&
           std::chrono::steady_clock::now() - started < kRowsArriveWithin)
        std::this_thread::sleep_for(milliseconds(20));
    ASSERT_TRUE(hasRows(oracle, "big"));
    server.pause();
    std::this_thread::sleep_for(milliseconds(300));

    const auto interrupted = std::chrono::steady_clock::now();
    kill(copy.pid(), GetParam().signal);
    const ProgramRun ended = copy.finish();
    EXPECT_LT(std::chrono::steady_clock::now() - interrupted, kEndWithin);
    EXPECT_EQ(ended.exitCode(), GetParam().status) << ended.err;
    EXPECT_TRUE(ended.out.empty());
    EXPECT_NE(ended.err.find("tallowmere: interrupted; table \"big\": "), std::string::npos)
        << ended.err;
    EXPECT_NE(ended.err.find(" of " + std::to_string(kRows) + " rows written"), std::string::npos)
        << ended.err;
}

INSTANTIATE_TEST_SUITE_P(SigintAndSigterm, CommandInterrupt,
                         ::testing::Values(SignalAndStatus{SIGINT, 130, "Sigint"},
                                           SignalAndStatus{SIGTERM, 143, "Sigterm"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallowmere::faults
