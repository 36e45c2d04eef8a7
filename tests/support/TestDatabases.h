// The real databases of the tests: a private ODBC configuration in a folder of
// the test process's own, an SQLite data source for the SQL Anywhere side, and
// a user of the test PostgreSQL server behind "Microsoft ODBC for Oracle".
#pragma once

#include "data_access/ConnectionSettings.h"
#include "data_access/Recordset.h"

#include <string>
#include <vector>

namespace tallowmere::testing {

using Rows = std::vector<std::vector<FieldValue>>;
using Names = std::vector<std::string>;

// Points ODBCSYSINI, ODBCINI and XDG_CONFIG_HOME at a new temporary folder,
// so no test touches the machine's ODBC configuration or the user's settings.
// Call once, first thing in main().
void installPrivateEnvironment();
const std::string& privateFolder();

// A whole file's text, and a file written whole (throws when it cannot be).
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// The PostgreSQL driver library that stands in for Oracle's.
std::string postgresDriverLibrary();
// Points the driver name "Microsoft ODBC for Oracle" at another library. The
// driver manager keeps what it has read: call before the first ODBC call.
void registerOracleDriver(const std::string& library);
// Has the driver manager write every call it takes to a trace file, which
// shows each connection string as it was handed over. Before the first ODBC
// call, too.
void traceDriverManager(const std::string& traceFile);
// Where the Oracle driver registration tests have the trace written.
inline std::string driverManagerTrace() {
    return privateFolder() + "/driver-manager.trace";
}

// Every row of a result, read to its end.
Rows readAll(Recordset& result);

// The data source of the SQL Anywhere side, on a fresh SQLite file.
inline constexpr const char* kSqliteDataSource = "TallowmereSqlAnywhere";
// A data source whose driver library does not exist.
inline constexpr const char* kBrokenDriverDataSource = "TallowmereBrokenDriver";

class SqliteDatabase {
public:
    SqliteDatabase(); // empties the data source's file
    const std::string& path() const { return mPath; }
    void exec(const std::string& sql) const;
    Rows query(const std::string& sql) const;

private:
    std::string mPath;
};

// True when the test server runs (scripts/test starts it). When it does not,
// a test skips, except under CI, where it fails.
bool postgresAvailable();
#define TALLOWMERE_REQUIRE_POSTGRES()                                                              \
    do {                                                                                           \
        if (!::tallowmere::testing::postgresAvailable()) {                                         \
            if (std::getenv("CI"))                                                                 \
                FAIL() << "The test PostgreSQL server is not running.";                            \
            GTEST_SKIP() << "The test PostgreSQL server is not running (see scripts/test).";       \
        }                                                                                          \
    } while (false)

// A new login with a schema of its own, dropped again at the end: the
// "Oracle user" whose tables user_tables lists.
class OracleAccount {
public:
    OracleAccount();
    ~OracleAccount();
    OracleAccount(const OracleAccount&) = delete;
    OracleAccount& operator=(const OracleAccount&) = delete;

    // The SID text: host, then the port and database after ";".
    static std::string server();
    const std::string& user() const { return mUser; }
    const std::string& password() const { return mPassword; }
    void exec(const std::string& sql) const;
    Rows query(const std::string& sql) const;

private:
    std::string mUser;
    std::string mPassword;
};

// The tables each database itself holds, in the lists' order.
Names sqliteTables(const SqliteDatabase& database);
Names oracleTables(const OracleAccount& account);
long rowCount(const SqliteDatabase& database, const std::string& table);
long rowCount(const OracleAccount& account, const std::string& table);
// True once the table exists and holds a row.
bool hasRows(const OracleAccount& account, const std::string& table);
// The first column of every row, as names.
Names firstColumn(const Rows& rows);

// Settings that reach both test databases.
ConnectionSettings workingSettings(const OracleAccount& oracle);
// Settings for the SQL Anywhere side only (the Oracle fields left empty).
ConnectionSettings sqlAnywhereOnlySettings();

// Writes the four values to the settings file the program reads, in the
// private settings folder.
void storeSettingsFile(const ConnectionSettings& settings);

// Runs a statement through the admin login of the test server.
void postgresAdminExec(const std::string& sql);

} // namespace tallowmere::testing
