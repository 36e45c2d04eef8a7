// Opening and closing the connection, its statements, and the cancel.
#include "OdbcConnection.h"

#include "DriverRules.h"
#include "OdbcBlockFetch.h"
#include "OdbcConnectionState.h"
#include "OdbcResultParts.h"
#include "OdbcText.h"
#include "Utf16.h"

#include <sqlucode.h>

namespace tallowmere {

OdbcConnection::OdbcConnection()
    : d(std::make_unique<Private>()) {}

OdbcConnection::~OdbcConnection() {
    close(); // a release closes an open connection
}

void OdbcConnection::setProvider(const std::string& provider) {
    if (!provider.empty() && provider != "MSDASQL" && provider.rfind("MSDASQL.", 0) != 0)
        throw adoError(AdoError::ProviderNotFound);
}

void OdbcConnection::setCursorLocation(CursorLocation location) {
    d->cursorLocation = location;
}

std::string OdbcConnection::odbcConnectionString(const std::string& connectionString) {
    static const std::string dataSource = "Data Source=";
    if (connectionString.rfind(dataSource, 0) != 0)
        return connectionString;
    const std::string rest = connectionString.substr(dataSource.size());
    // An empty name means the default data source, as on every ODBC driver
    // manager; unixODBC would otherwise hand the string to some driver.
    if (rest.empty() || rest.front() == ';')
        return "DSN=Default" + rest;
    return "DSN=" + rest;
}

void OdbcConnection::open(const std::string& connectionString, const std::string&,
                          const std::string&, long) {
    if (d->connected)
        throw adoError(AdoError::ObjectOpen);
    d->throwIfCancelled();
    d->environment = OdbcHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    check(SQLSetEnvAttr(d->environment.get(), SQL_ATTR_ODBC_VERSION,
                        reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
          d->environment);
    d->connection = OdbcHandle(SQL_HANDLE_DBC, d->environment.get());
    std::u16string text = utf8ToUtf16(odbcConnectionString(connectionString));
    SQLSMALLINT outLength = 0;
    check(SQLDriverConnectW(d->connection.get(), nullptr, reinterpret_cast<SQLWCHAR*>(text.data()),
                            SQLSMALLINT(text.size()), nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT),
          d->connection);
    d->connected = true;
    d->connection.setNarrow(!driverTakesWideText(d->connection));
    const std::string driver = driverName(d->connection);
    d->driverCancels = DriverCancelsFromAnotherThread(driver);
    d->reading.approximateAsText =
        ApproximateNumbersAsText(driver, infoText(d->connection, SQL_DBMS_NAME));
    d->reading.binding = BoundReadingOf(d->connection);
    d->reading.binariesByTypeName = DescribesBinariesAsText(driver);
}

void OdbcConnection::execute(const std::string& statement) {
    d->requireOpen();
    if (!d->executeStatement)
        d->executeStatement = d->newStatement();
    const SQLHANDLE handle = d->executeStatement.get();
    try {
        d->executeCancellable(
            handle, [&] { execDirect(d->executeStatement, statement, true, &d->executeText); });
    } catch (...) {
        SQLFreeStmt(handle, SQL_CLOSE);
        throw;
    }
    SQLFreeStmt(handle, SQL_CLOSE); // any result is released unread
}

std::unique_ptr<Recordset> OdbcConnection::openRecordset(const std::string& commandText, CursorType,
                                                         LockType) {
    d->requireOpen();
    OdbcHandle statement = d->newStatement();
    return d->readCancellable(statement, [&] { execDirect(statement, commandText, true); });
}

std::unique_ptr<ResultParts> OdbcConnection::openParts(const std::string& commandText) {
    d->requireOpen();
    OdbcHandle statement = d->newStatement();
    d->executeCancellable(statement.get(), [&] { execDirect(statement, commandText, true); });
    return std::make_unique<OdbcResultParts>(std::move(statement), d->cancelled, d->reading);
}

std::unique_ptr<Recordset> OdbcConnection::openSchema(int schema) {
    d->requireOpen();
    if (schema != adSchemaTables)
        throw adoError(AdoError::NotCapable);
    OdbcHandle statement = d->newStatement();
    return d->readCancellable(statement, [&] {
        check(SQLTables(statement.get(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0),
              statement);
    });
}

void OdbcConnection::close() {
    d->executeStatement.reset();
    // Drivers refuse to disconnect with work neither committed nor rolled
    // back, which would keep the connection, and SQLite's file lock, open.
    if (d->connected && !d->autoCommit)
        SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_ROLLBACK);
    if (d->connected)
        SQLDisconnect(d->connection.get());
    d->connected = false;
    d->autoCommit = true;
    d->connection.reset();
    d->environment.reset();
}

bool OdbcConnection::isOpen() const {
    return d->connected;
}

std::string OdbcConnection::dbmsName() const {
    d->requireOpen();
    return infoText(d->connection, SQL_DBMS_NAME);
}

void OdbcConnection::cancel() {
    d->cancelled = true; // before the lock: see Private::startExecuting
    const std::lock_guard lock(d->executingLock);
    // Its result, if any, no longer matters: the cancelled call fails anyway.
    if (d->executing != SQL_NULL_HSTMT)
        (void)SQLCancel(d->executing);
}

void OdbcConnection::setReadProgress(ReadProgress progress) {
    d->reading.progress = std::move(progress);
}

} // namespace tallowmere
