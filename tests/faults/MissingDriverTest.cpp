// The probes against a driver library that does not exist, a driver file that
// is no library, and a data source that does not exist: each answers false,
// leaves no connection behind, and a working side still answers afterwards.
#include "BrokenDrivers.h"
#include "support/OperationHarness.h"

#include "data_access/DatabaseError.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

namespace tallowmere::faults {
namespace {

using namespace testing;

// What the driver manager says when asked to open the connection string.
std::string openingFailure(const std::string& connectionString) {
    OdbcConnection connection;
    try {
        connection.open(connectionString);
    } catch (const DatabaseError& error) {
        return error.description();
    }
    return "(it opened)";
}

TEST(FaultMissingDriver, TheOracleProbeAnswersFalseWhenItsDriverLibraryIsMissing) {
    testing::SqliteDatabase sqlite;
    const FixedConnectionFields fields(
        {"127.0.0.1;Port=1", "scott", "tiger", testing::kSqliteDataSource});
    // The library is the cause, not the server, which is never reached.
    EXPECT_NE(openingFailure(OracleConnectionString(fields.current())).find(missingOracleLibrary()),
              std::string::npos);

    CountingConnectionFactory connections;
    EXPECT_FALSE(CanConnectOracle(connections, fields));
    EXPECT_TRUE(CanConnectSqlAnywhere(connections, fields));
    // The check gets past SQL Anywhere and fails on Oracle.
    EXPECT_FALSE(ConnectionCheckPasses(connections, fields));
    EXPECT_EQ(connections.created(), 4);
    EXPECT_EQ(connections.alive(), 0);
}

TEST(FaultMissingDriver,
     TheSqlAnywhereProbeAnswersFalseForEachBrokenDataSourceAndOracleIsNotTried) {
    testing::SqliteDatabase sqlite;
    const std::pair<std::string, std::string> sources[] = {
        {testing::kBrokenDriverDataSource, "no-such-driver.so"},
        {kNotALibraryDataSource, "not-a-library.so"},
        {"TallowmereNoSuchDataSource", "Data source name not found"},
    };
    CountingConnectionFactory connections;
    for (const auto& [source, cause] : sources) {
        const FixedConnectionFields fields({"", "", "", source});
        EXPECT_NE(openingFailure(SqlAnywhereConnectionString(fields.current())).find(cause),
                  std::string::npos)
            << source;
        const int before = connections.created();
        EXPECT_FALSE(CanConnectSqlAnywhere(connections, fields)) << source;
        EXPECT_FALSE(ConnectionCheckPasses(connections, fields)) << source;
        EXPECT_EQ(connections.created() - before, 2) << source; // one probe each, no Oracle
        EXPECT_EQ(connections.alive(), 0) << source;
    }
    // Nothing of it stays behind: the working data source opens as before.
    EXPECT_TRUE(CanConnectSqlAnywhere(
        connections, FixedConnectionFields({"", "", "", testing::kSqliteDataSource})));
    EXPECT_EQ(connections.alive(), 0);
}

} // namespace
} // namespace tallowmere::faults
