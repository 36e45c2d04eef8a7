// The Oracle connection string as it reaches the driver, read from the driver
// manager's trace: the keyword before the SID follows the file name of the
// library registered for "Microsoft ODBC for Oracle": a link named
// TALLOWMERE_ORACLE_DRIVER_FILE to the PostgreSQL driver.
#include "support/OperationHarness.h"
#include "support/TestMain.h"

#include "data_access/DatabaseError.h"
#include "data_access/Oracle.h"
#include "maintenance/TableDeletion.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace tallowmere::testing {

// The registration and the driver manager's trace, both before any ODBC call.
TestProgramSetup testProgramSetup() {
    return {.configure = [] {
        const std::string link = privateFolder() + "/" + TALLOWMERE_ORACLE_DRIVER_FILE;
        std::filesystem::create_symlink(postgresDriverLibrary(), link);
        registerOracleDriver(link);
        traceDriverManager(driverManagerTrace());
    }};
}

namespace {

// How often the driver manager was handed exactly this connection string.
int timesHandedOver(const std::string& connectionString) {
    const std::string trace = readFile(driverManagerTrace());
    const std::string entry = "Str In = [" + connectionString + "]";
    int times = 0;
    for (size_t at = trace.find(entry); at != std::string::npos; at = trace.find(entry, at + 1))
        ++times;
    return times;
}

TEST(OracleDriverRegistration, TheProbeCatalogueAndOperationsAllSendTheKeywordOfTheLibrary) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    Harness harness(workingSettings(oracle));
    const std::string sent = std::string("Driver={Microsoft ODBC for Oracle};") +
                             TALLOWMERE_EXPECTED_KEYWORD + OracleAccount::server() +
                             ";Uid=" + oracle.user() + ";Pwd=" + oracle.password() + ";";
    const bool reachesTheServer = std::string(TALLOWMERE_EXPECTED_KEYWORD) == "Server=";

    // The test button and the start-up check, the catalogue, an operation.
    EXPECT_EQ(CanConnectOracle(harness.connections, harness.fields), reachesTheServer);
    try {
        harness.loadOracleList();
        EXPECT_TRUE(reachesTheServer);
    } catch (const DatabaseError& error) {
        // The PostgreSQL driver knows no DBQ= and so has no server to reach.
        EXPECT_FALSE(reachesTheServer) << error.description();
    }
    harness.run(DeleteOracleTables);
    ASSERT_EQ(harness.prompts.shown.size(), 1u);
    EXPECT_EQ(harness.prompts.shown[0].text.rfind("Error ", 0) == 0, !reachesTheServer)
        << harness.prompts.shown[0].text;

    EXPECT_EQ(timesHandedOver(sent), 3);
    std::string other = sent;
    other.replace(other.find(TALLOWMERE_EXPECTED_KEYWORD),
                  std::string(TALLOWMERE_EXPECTED_KEYWORD).size(),
                  reachesTheServer ? "DBQ=" : "Server=");
    EXPECT_EQ(timesHandedOver(other), 0);
}

} // namespace
} // namespace tallowmere::testing
