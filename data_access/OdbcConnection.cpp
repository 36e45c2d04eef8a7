#include "OdbcConnection.h"

#include "AdoErrors.h"
#include "AdoType.h"
#include "DriverRules.h"
#include "OdbcHandle.h"
#include "OdbcRowArray.h"
#include "OdbcText.h"
#include "Snapshot.h"
#include "Utf16.h"

#include <atomic>
#include <mutex>
#include <sqlucode.h>

namespace tallowmere {
namespace {

// Room for a short text of SQLGetInfo, such as the database system's name.
constexpr SQLSMALLINT kInfoTextRoom = 256;
// A read whole tells its progress after so many rows each time.
constexpr long kReadProgressRows = 1000;

// How a column's values are read: as the driver's text, as bytes, or as the
// approximate number the driver holds.
enum class ValueForm { Text, Binary, Double, Single };

ValueForm formOf(int adoType, bool approximateAsText) {
    if (adoType == adBinary || adoType == adVarBinary || adoType == adLongVarBinary)
        return ValueForm::Binary;
    if (adoType == adDouble && !approximateAsText)
        return ValueForm::Double;
    if (adoType == adSingle && !approximateAsText)
        return ValueForm::Single;
    return ValueForm::Text;
}

SQLLEN numericAttribute(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT attribute) {
    SQLLEN value = 0;
    check(SQLColAttribute(statement.get(), column, attribute, nullptr, 0, nullptr, &value),
          statement);
    return value;
}

std::vector<FieldInfo> describeColumns(const OdbcHandle& statement) {
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(statement.get(), &columns), statement);
    std::vector<FieldInfo> fields;
    fields.reserve(static_cast<size_t>(columns));
    for (SQLUSMALLINT column = 1; column <= columns; ++column) {
        SQLSMALLINT sqlType = 0;
        std::string name = columnName(statement, column, sqlType);
        const bool isUnsigned = numericAttribute(statement, column, SQL_DESC_UNSIGNED) == SQL_TRUE;
        fields.push_back({std::move(name), adoTypeFromSqlType(sqlType, isUnsigned),
                          numericAttribute(statement, column, SQL_DESC_PRECISION),
                          numericAttribute(statement, column, SQL_DESC_SCALE)});
    }
    return fields;
}

// A short text the driver reports about itself or its database.
std::string infoText(const OdbcHandle& connection, SQLUSMALLINT item) {
    SQLCHAR text[kInfoTextRoom] = {};
    SQLSMALLINT length = 0;
    check(SQLGetInfo(connection.get(), item, text, SQLSMALLINT(sizeof text), &length), connection);
    return reinterpret_cast<const char*>(text);
}

// Reads the whole result to the client: the row count is known before the
// caller sees the first row. A cancel stops it at the next row, as a failure:
// a result cut short never passes for the whole table.
std::unique_ptr<Recordset> readWhole(const OdbcHandle& statement,
                                     const std::atomic<bool>& cancelled, bool approximateAsText,
                                     const ReadProgress& progress) {
    auto snapshot = std::make_unique<Snapshot>(describeColumns(statement));
    std::vector<ValueForm> forms;
    for (const FieldInfo& field : snapshot->fields())
        forms.push_back(formOf(field.adoType, approximateAsText));
    const auto columns = static_cast<SQLUSMALLINT>(forms.size());
    std::u16string wideBuffer;
    std::string text;
    for (;;) {
        if (cancelled)
            throw adoError(AdoError::OperationCancelled);
        if (check(SQLFetch(statement.get()), statement, true) == SQL_NO_DATA)
            break;
        for (SQLUSMALLINT column = 1; column <= columns; ++column) {
            switch (forms[column - 1]) {
            case ValueForm::Binary:
                readBinaryValue(statement, column, text, *snapshot);
                break;
            case ValueForm::Double:
            case ValueForm::Single:
                readApproximateValue(statement, column, forms[column - 1] == ValueForm::Single,
                                     *snapshot);
                break;
            case ValueForm::Text:
                readTextValue(statement, column, wideBuffer, text, *snapshot);
                break;
            }
        }
        snapshot->endRow();
        if (progress && snapshot->rowCount() % kReadProgressRows == 0)
            progress(snapshot->rowCount());
    }
    if (cancelled) // the end of the data may be the cancel's doing
        throw adoError(AdoError::OperationCancelled);
    return std::make_unique<SnapshotRecordset>(std::move(snapshot));
}

} // namespace

struct OdbcConnection::Private {
    OdbcHandle environment;
    OdbcHandle connection;
    OdbcHandle executeStatement; // reused by execute(), one per connection
    std::u16string executeText;  // execute()'s statement for a wide driver
    bool connected = false;
    bool autoCommit = true; // as every ODBC connection starts
    CursorLocation cursorLocation = CursorLocation::Server;
    // Set by cancel() from another thread, and never cleared: every call
    // after it fails at once.
    std::atomic<bool> cancelled{false};
    // Whether cancel() may call SQLCancel on a statement that is executing.
    bool driverCancels = false;
    // Whether approximate numbers are read as the driver's text.
    bool approximateAsText = false;
    // The statement executing now, for cancel(); only while it waits on the
    // server, never while its result is read.
    std::mutex executingLock;
    SQLHSTMT executing = SQL_NULL_HSTMT;
    ReadProgress readProgress;

    void requireOpen() const {
        if (!connected)
            throw adoError(AdoError::ObjectClosed);
        throwIfCancelled();
    }
    void throwIfCancelled() const {
        if (cancelled)
            throw adoError(AdoError::OperationCancelled);
    }
    OdbcHandle newStatement() const {
        OdbcHandle statement(SQL_HANDLE_STMT, connection.get());
        statement.setNarrow(connection.narrow());
        return statement;
    }
    void setExecuting(SQLHSTMT handle) {
        const std::lock_guard lock(executingLock);
        executing = handle;
    }
    // Publishes the statement to cancel() unless a cancel came first. The
    // flag is looked at under the lock that cancel() takes after setting it,
    // so one of the two always sees the other: a cancel before this point
    // fails the call here; one after it finds the statement to cancel.
    void startExecuting(SQLHSTMT handle) {
        const std::lock_guard lock(executingLock);
        throwIfCancelled();
        if (driverCancels)
            executing = handle;
    }
    // Runs the call that executes a statement where cancel() can reach it.
    // Once the call returns, cancel() no longer touches the statement; a call
    // that ended well stands, since what it did is done.
    template <typename Call> void executeCancellable(SQLHSTMT handle, Call call) {
        startExecuting(handle);
        try {
            call();
        } catch (...) {
            setExecuting(SQL_NULL_HSTMT);
            throw;
        }
        setExecuting(SQL_NULL_HSTMT);
    }
    // Reads a whole result on a statement that cancel() can reach while it
    // executes; a cancel meanwhile fails the read at its first row.
    template <typename Start>
    std::unique_ptr<Recordset> readCancellable(const OdbcHandle& statement, Start start) {
        executeCancellable(statement.get(), start);
        return readWhole(statement, cancelled, approximateAsText, readProgress);
    }
};

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
    d->approximateAsText = ApproximateNumbersAsText(driver, infoText(d->connection, SQL_DBMS_NAME));
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
    d->readProgress = std::move(progress);
}

void OdbcConnection::setAutoCommit(bool on) {
    d->requireOpen();
    const SQLULEN value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    check(SQLSetConnectAttr(d->connection.get(), SQL_ATTR_AUTOCOMMIT,
                            reinterpret_cast<SQLPOINTER>(value), SQL_IS_UINTEGER),
          d->connection);
    d->autoCommit = on;
}

void OdbcConnection::commit() {
    d->requireOpen();
    check(SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_COMMIT), d->connection);
}

void OdbcConnection::rollback() {
    // Also after a cancel: what the cancelled work left open is undone.
    if (!d->connected)
        throw adoError(AdoError::ObjectClosed);
    check(SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_ROLLBACK), d->connection);
}

std::unique_ptr<RowArrayInsert>
OdbcConnection::prepareRowArray(const std::string& statement, const std::vector<FieldInfo>& fields,
                                size_t arrayRows, size_t rowsPerExecution) {
    d->requireOpen();
    Private* const connection = d.get(); // the array goes before its connection closes
    return std::make_unique<OdbcRowArray>(
        d->connection, statement, fields, arrayRows, rowsPerExecution,
        [connection](SQLHSTMT handle, const std::function<void()>& call) {
            connection->executeCancellable(handle, call);
        });
}

} // namespace tallowmere
