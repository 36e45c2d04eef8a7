// The two connection strings, how they reach the driver manager, and the ADO
// type codes of the ODBC SQL types.
#include "data_access/AdoType.h"
#include "data_access/ConnectionSettings.h"
#include "data_access/OdbcConnection.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

TEST(ConnectionStrings, OracleStringHoldsTheValuesAsTyped) {
    const std::pair<ConnectionSettings, std::string> cases[] = {
        {{"ORCL", "scott", "tiger", "x"},
         "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scott;Pwd=tiger;"},
        {{}, "Driver={Microsoft ODBC for Oracle};Server=;Uid=;Pwd=;"},
        {{"ORCL", "scott", "", ""},
         "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scott;Pwd=;"},
        {{" db ", " me", "p w;x ", ""},
         "Driver={Microsoft ODBC for Oracle};Server= db ;Uid= me;Pwd=p w;x ;"},
    };
    for (const auto& [settings, expected] : cases)
        EXPECT_EQ(OracleConnectionString(settings), expected);
}

TEST(ConnectionStrings, OraclesOwnDriverGetsTheSidAsDbqAndEveryOtherDriverAsServer) {
    const ConnectionSettings settings{"//db:1521/orcl", "scott", "tiger", ""};
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/oracle/instantclient_21_1/libsqora.so.21.1", "DBQ="},
        {"libsqora.so.19.1", "DBQ="},
        {"/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so", "Server="},
        {"/opt/devart/libdevartodbcoracle.so", "Server="},
        // Only the file name counts, and it is Oracle's in its own letters.
        {"/opt/libsqora/libmsorcl32.so", "Server="},
        {"/opt/oracle/LIBSQORA.so.21.1", "Server="},
        // Nothing registered, or nothing readable.
        {"", "Server="},
    };
    for (const auto& [library, keyword] : cases)
        EXPECT_EQ(OracleConnectionStringFor(settings, library),
                  "Driver={Microsoft ODBC for Oracle};" + keyword +
                      "//db:1521/orcl;Uid=scott;Pwd=tiger;")
            << library;
}

TEST(ConnectionStrings, SqlAnywhereStringIsTheDataSourceWithNoSemicolon) {
    EXPECT_EQ(SqlAnywhereConnectionString({"a", "b", "c", "Sales"}), "Data Source=Sales");
    EXPECT_EQ(SqlAnywhereConnectionString({}), "Data Source=");
    EXPECT_EQ(SqlAnywhereConnectionString({"", "", "", " My DSN "}), "Data Source= My DSN ");
}

TEST(ConnectionStrings, DriverManagerGetsTheDataSourceOrTheDriverStringUnchanged) {
    EXPECT_EQ(OdbcConnection::odbcConnectionString("Data Source=X"), "DSN=X");
    EXPECT_EQ(OdbcConnection::odbcConnectionString("Data Source= My DSN "), "DSN= My DSN ");
    // An empty name is the default data source.
    EXPECT_EQ(OdbcConnection::odbcConnectionString("Data Source="), "DSN=Default");
    const std::string oracle = "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=a;Pwd=;";
    EXPECT_EQ(OdbcConnection::odbcConnectionString(oracle), oracle);
    // Only a string that starts with the data source key is rewritten.
    EXPECT_EQ(OdbcConnection::odbcConnectionString("Server=x;Data Source=Y"),
              "Server=x;Data Source=Y");
}

TEST(AdoType, FollowsTheOdbcToAdoCorrespondence) {
    struct Case {
        int sqlType;
        bool isUnsigned;
        int ado;
    };
    const Case cases[] = {
        {SQL_CHAR, false, 129},
        {SQL_VARCHAR, false, 200},
        {SQL_LONGVARCHAR, false, 201},
        {SQL_WCHAR, false, 130},
        {SQL_WVARCHAR, false, 202},
        {SQL_WLONGVARCHAR, false, 203},
        {SQL_DECIMAL, false, 131},
        {SQL_NUMERIC, false, 131},
        {SQL_SMALLINT, false, 2},
        {SQL_SMALLINT, true, 18},
        {SQL_INTEGER, false, 3},
        {SQL_INTEGER, true, 19},
        {SQL_BIGINT, false, 20},
        {SQL_BIGINT, true, 21},
        {SQL_TINYINT, false, 16},
        {SQL_TINYINT, true, 17},
        {SQL_REAL, false, 4},
        {SQL_FLOAT, false, 5},
        {SQL_DOUBLE, false, 5},
        {SQL_BIT, false, 11},
        {SQL_BINARY, false, 128},
        {SQL_VARBINARY, false, 204},
        {SQL_LONGVARBINARY, false, 205},
        {SQL_TYPE_DATE, false, 133},
        {SQL_TYPE_TIME, false, 134},
        {SQL_TYPE_TIMESTAMP, false, 135},
        {SQL_GUID, false, 72},
        // Outside the correspondence: read as text.
        {SQL_INTERVAL_DAY, false, 200},
        {9999, false, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sqlType);
        EXPECT_EQ(adoTypeFromSqlType(c.sqlType, c.isUnsigned), c.ado);
    }
}

} // namespace
} // namespace tallowmere
