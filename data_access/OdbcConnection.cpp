#include "OdbcConnection.h"

#include "AdoType.h"
#include "DatabaseError.h"
#include "OdbcHandle.h"
#include "Snapshot.h"
#include "Utf16.h"

#include <sqlucode.h>

namespace tallowmere {
namespace {

// Long values are read in modest pieces: drivers slow down sharply when
// asked with a large buffer for every value.
constexpr size_t kChunkChars = 2048;

std::u16string toWide(const std::string& text)
{
    return utf8ToUtf16(text);
}

SQLWCHAR* wide(std::u16string& text)
{
    return reinterpret_cast<SQLWCHAR*>(text.data());
}

std::vector<FieldInfo> describeColumns(const OdbcHandle& statement)
{
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(statement.get(), &columns), statement);
    std::vector<FieldInfo> fields;
    fields.reserve(static_cast<size_t>(columns));
    for (SQLUSMALLINT column = 1; column <= columns; ++column) {
        SQLWCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        check(SQLDescribeColW(statement.get(), column, name, SQLSMALLINT(std::size(name)),
                              &nameLength, &sqlType, &size, &digits, &nullable),
              statement);
        SQLLEN isUnsigned = SQL_FALSE;
        SQLColAttributeW(statement.get(), column, SQL_DESC_UNSIGNED, nullptr, 0, nullptr,
                         &isUnsigned);
        fields.push_back({utf16ToUtf8(reinterpret_cast<const char16_t*>(name)),
                          adoTypeFromSqlType(sqlType, isUnsigned == SQL_TRUE)});
    }
    return fields;
}

// Reads one value whole, in pieces, as the driver's own character form.
void readValue(const OdbcHandle& statement, SQLUSMALLINT column, std::u16string& wideBuffer,
               std::string& utf8, Snapshot& snapshot)
{
    std::u16string piece(kChunkChars + 1, u'\0');
    wideBuffer.clear();
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            SQLGetData(statement.get(), column, SQL_C_WCHAR, piece.data(),
                       SQLLEN(piece.size() * sizeof(char16_t)), &indicator);
        if (rc == SQL_NO_DATA)
            break;
        check(rc, statement);
        if (indicator == SQL_NULL_DATA) {
            snapshot.appendNull();
            return;
        }
        const bool truncated = rc == SQL_SUCCESS_WITH_INFO &&
                               (indicator == SQL_NO_TOTAL ||
                                size_t(indicator) > kChunkChars * sizeof(char16_t));
        const size_t chars = truncated ? kChunkChars : size_t(indicator) / sizeof(char16_t);
        wideBuffer.append(piece.data(), chars);
        if (!truncated)
            break;
    }
    utf8.clear();
    appendUtf16AsUtf8(wideBuffer, utf8);
    snapshot.appendValue(std::string_view(utf8));
}

std::unique_ptr<Recordset> readWhole(const OdbcHandle& statement)
{
    auto snapshot = std::make_unique<Snapshot>(describeColumns(statement));
    const auto columns = static_cast<SQLUSMALLINT>(snapshot->fields().size());
    std::u16string wideBuffer;
    std::string utf8;
    while (check(SQLFetch(statement.get()), statement, true) != SQL_NO_DATA) {
        for (SQLUSMALLINT column = 1; column <= columns; ++column)
            readValue(statement, column, wideBuffer, utf8, *snapshot);
        snapshot->endRow();
    }
    return std::make_unique<SnapshotRecordset>(std::move(snapshot));
}

} // namespace

struct OdbcConnection::Private {
    OdbcHandle environment;
    OdbcHandle connection;
    OdbcHandle executeStatement; // reused by execute(), one per connection
    bool connected = false;
    CursorLocation cursorLocation = CursorLocation::Server;

    void requireOpen() const
    {
        if (!connected)
            throw DatabaseError(3704, "",
                                "Operation is not allowed when the object is closed.");
    }
    OdbcHandle newStatement() const { return OdbcHandle(SQL_HANDLE_STMT, connection.get()); }
};

OdbcConnection::OdbcConnection()
    : d(std::make_unique<Private>())
{
}

OdbcConnection::~OdbcConnection()
{
    close(); // a release closes an open connection
}

void OdbcConnection::setProvider(const std::string& provider)
{
    if (!provider.empty() && provider != "MSDASQL" && provider.rfind("MSDASQL.", 0) != 0)
        throw DatabaseError(3706, "", "Provider cannot be found. It may not be properly installed.");
}

void OdbcConnection::setCursorLocation(CursorLocation location)
{
    d->cursorLocation = location;
}

std::string OdbcConnection::odbcConnectionString(const std::string& connectionString)
{
    static const std::string dataSource = "Data Source=";
    if (connectionString.rfind(dataSource, 0) == 0)
        return "DSN=" + connectionString.substr(dataSource.size());
    return connectionString;
}

void OdbcConnection::open(const std::string& connectionString, const std::string&,
                          const std::string&, long)
{
    if (d->connected)
        throw DatabaseError(3705, "", "Operation is not allowed when the object is open.");
    d->environment = OdbcHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    check(SQLSetEnvAttr(d->environment.get(), SQL_ATTR_ODBC_VERSION,
                        reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
          d->environment);
    d->connection = OdbcHandle(SQL_HANDLE_DBC, d->environment.get());
    std::u16string text = toWide(odbcConnectionString(connectionString));
    SQLSMALLINT outLength = 0;
    check(SQLDriverConnectW(d->connection.get(), nullptr, wide(text), SQLSMALLINT(text.size()),
                            nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT),
          d->connection);
    d->connected = true;
}

void OdbcConnection::execute(const std::string& statement)
{
    d->requireOpen();
    if (!d->executeStatement)
        d->executeStatement = d->newStatement();
    std::u16string text = toWide(statement);
    const SQLHANDLE handle = d->executeStatement.get();
    const SQLRETURN rc = SQLExecDirectW(handle, wide(text), SQLINTEGER(text.size()));
    SQLFreeStmt(handle, SQL_CLOSE); // any result is released unread
    check(rc, d->executeStatement, true);
}

std::unique_ptr<Recordset> OdbcConnection::openRecordset(const std::string& commandText,
                                                         CursorType, LockType)
{
    d->requireOpen();
    OdbcHandle statement = d->newStatement();
    std::u16string text = toWide(commandText);
    check(SQLExecDirectW(statement.get(), wide(text), SQLINTEGER(text.size())), statement, true);
    return readWhole(statement);
}

std::unique_ptr<Recordset> OdbcConnection::openSchema(int schema)
{
    d->requireOpen();
    if (schema != adSchemaTables)
        throw DatabaseError(3251, "", "Object or provider is not capable of performing the "
                                      "requested operation.");
    OdbcHandle statement = d->newStatement();
    check(SQLTablesW(statement.get(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0), statement);
    return readWhole(statement);
}

void OdbcConnection::close()
{
    d->executeStatement.reset();
    if (d->connected)
        SQLDisconnect(d->connection.get());
    d->connected = false;
    d->connection.reset();
    d->environment.reset();
}

bool OdbcConnection::isOpen() const
{
    return d->connected;
}

} // namespace tallowmere
