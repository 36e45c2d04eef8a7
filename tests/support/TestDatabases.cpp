#include "TestDatabases.h"

#include "data_access/OdbcConnection.h"
#include "data_access/SettingsStore.h"
#include "data_access/TableList.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace tallowmere::testing {
namespace {

std::string gFolder;

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string driverRegistrations() {
    return gFolder + "/odbcinst.ini";
}

std::string driverPath(const char* library) {
    return std::string("/usr/lib/x86_64-linux-gnu/odbc/") + library;
}

std::string sqliteConnectionString() {
    return std::string("DSN=") + kSqliteDataSource;
}

std::string postgresConnectionString(const std::string& user, const std::string& password) {
    return "Driver={Microsoft ODBC for Oracle};Server=" + OracleAccount::server() + ";Uid=" + user +
           ";Pwd=" + password + ";";
}

void execOn(const std::string& connectionString, const std::string& sql) {
    OdbcConnection connection;
    connection.open(connectionString);
    connection.execute(sql);
}

Rows queryOn(const std::string& connectionString, const std::string& sql) {
    OdbcConnection connection;
    connection.open(connectionString);
    return readAll(*connection.openRecordset(sql));
}

Names sortedLikeTheLists(Names names) {
    std::sort(names.begin(), names.end(), tableNameLess);
    return names;
}

long countOf(const Rows& rows) {
    return std::stol(rows.at(0).at(0).value_or("-1"));
}

} // namespace

Rows readAll(Recordset& result) {
    Rows rows;
    for (; !result.eof(); result.moveNext()) {
        std::vector<FieldValue> row;
        for (int i = 0; i < result.fieldCount(); ++i)
            row.push_back(result.value(i));
        rows.push_back(std::move(row));
    }
    return rows;
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void installPrivateEnvironment() {
    char pattern[] = "/tmp/tallowmere-test.XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("Cannot create a temporary folder.");
    gFolder = pattern;
    const std::string so = driverPath("libsqlite3odbc.so");
    writeFile(gFolder + "/odbcinst.ini", "[SQLite3]\nDriver=" + so +
                                             "\n\n"
                                             "[Microsoft ODBC for Oracle]\nDriver=" +
                                             postgresDriverLibrary() +
                                             "\n\n"
                                             "[Missing Driver]\nDriver=" +
                                             gFolder + "/no-such-driver.so\n");
    writeFile(gFolder + "/odbc.ini",
              std::string("[") + kSqliteDataSource + "]\nDriver=SQLite3\nDatabase=" + gFolder +
                  "/sqlanywhere.db\nStepAPI=1\n\n[" + kBrokenDriverDataSource +
                  "]\nDriver=Missing Driver\nDatabase=" + gFolder + "/broken.db\n");
    std::filesystem::create_directories(gFolder + "/config");
    setenv("ODBCSYSINI", gFolder.c_str(), 1);
    setenv("ODBCINI", (gFolder + "/odbc.ini").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (gFolder + "/config").c_str(), 1);
    std::atexit([] { std::filesystem::remove_all(gFolder); });
}

const std::string& privateFolder() {
    return gFolder;
}

std::string postgresDriverLibrary() {
    return driverPath("psqlodbcw.so");
}

void registerOracleDriver(const std::string& library) {
    std::string text = readFile(driverRegistrations());
    const std::string entry = "[Microsoft ODBC for Oracle]\nDriver=";
    const auto at = text.find(entry);
    if (at == std::string::npos)
        throw std::runtime_error("no Oracle driver entry in " + driverRegistrations());
    const auto valueStart = at + entry.size();
    text.replace(valueStart, text.find('\n', valueStart) - valueStart, library);
    writeFile(driverRegistrations(), text);
}

void traceDriverManager(const std::string& traceFile) {
    writeFile(driverRegistrations(), "[ODBC]\nTrace=Yes\nTraceFile=" + traceFile + "\n\n" +
                                         readFile(driverRegistrations()));
}

SqliteDatabase::SqliteDatabase()
    : mPath(gFolder + "/sqlanywhere.db") {
    std::filesystem::remove(mPath);
}

void SqliteDatabase::exec(const std::string& sql) const {
    execOn(sqliteConnectionString(), sql);
}

Rows SqliteDatabase::query(const std::string& sql) const {
    return queryOn(sqliteConnectionString(), sql);
}

bool postgresAvailable() {
    return !env("TALLOWMERE_PG_PORT").empty();
}

std::string OracleAccount::server() {
    return env("TALLOWMERE_PG_HOST") + ";Port=" + env("TALLOWMERE_PG_PORT") +
           ";Database=" + env("TALLOWMERE_PG_DATABASE");
}

void postgresAdminExec(const std::string& sql) {
    execOn(postgresConnectionString(env("TALLOWMERE_PG_ADMIN"), env("TALLOWMERE_PG_PASSWORD")),
           sql);
}

OracleAccount::OracleAccount() {
    static int serial = 0;
    mUser = "scott_" + std::to_string(getpid()) + "_" + std::to_string(++serial);
    mPassword = "tiger-" + std::to_string(serial);
    postgresAdminExec("CREATE ROLE " + mUser + " LOGIN PASSWORD '" + mPassword + "'");
    postgresAdminExec("CREATE SCHEMA " + mUser + " AUTHORIZATION " + mUser);
}

OracleAccount::~OracleAccount() {
    try {
        postgresAdminExec("DROP SCHEMA " + mUser + " CASCADE");
        postgresAdminExec("DROP ROLE " + mUser);
    } catch (const std::exception&) {
        // a server stopped by the test itself; the cluster goes anyway
    }
}

void OracleAccount::exec(const std::string& sql) const {
    execOn(postgresConnectionString(mUser, mPassword), sql);
}

Rows OracleAccount::query(const std::string& sql) const {
    return queryOn(postgresConnectionString(mUser, mPassword), sql);
}

Names firstColumn(const Rows& rows) {
    Names names;
    for (const auto& row : rows)
        names.push_back(row.at(0).value_or("<NULL>"));
    return names;
}

Names sqliteTables(const SqliteDatabase& database) {
    return sortedLikeTheLists(
        firstColumn(database.query("SELECT name FROM sqlite_master WHERE type = 'table'")));
}

Names oracleTables(const OracleAccount& account) {
    return sortedLikeTheLists(firstColumn(account.query("SELECT table_name FROM user_tables")));
}

long rowCount(const SqliteDatabase& database, const std::string& table) {
    return countOf(database.query("SELECT COUNT(*) FROM \"" + table + "\""));
}

long rowCount(const OracleAccount& account, const std::string& table) {
    return countOf(account.query("SELECT COUNT(*) FROM \"" + table + "\""));
}

bool hasRows(const OracleAccount& account, const std::string& table) {
    try {
        return rowCount(account, table) > 0;
    } catch (const std::exception&) {
        return false; // not created yet
    }
}

ConnectionSettings workingSettings(const OracleAccount& oracle) {
    return {OracleAccount::server(), oracle.user(), oracle.password(), kSqliteDataSource};
}

void storeSettingsFile(const ConnectionSettings& settings) {
    FileSettingsStore store;
    const auto save = [&](const char* key, const std::string& value) {
        store.SaveSetting(kSettingsApplication, kSettingsSection, key, value);
    };
    save(kKeyOracleServer, settings.oracleServer);
    save(kKeyOracleUser, settings.oracleUser);
    save(kKeyOraclePassword, settings.oraclePassword);
    save(kKeyDataSourceName, settings.dataSourceName);
}

ConnectionSettings sqlAnywhereOnlySettings() {
    return {"", "", "", kSqliteDataSource};
}

} // namespace tallowmere::testing
