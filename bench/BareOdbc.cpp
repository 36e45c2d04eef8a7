#include "BareOdbc.h"

#include "data_access/Utf16.h"

#include <sqlucode.h>

#include <iostream>
#include <stdexcept>

namespace bench {

namespace {

std::string diagnostics(SQLSMALLINT type, SQLHANDLE handle, const char* what) {
    std::string text = std::string(what) + " failed";
    SQLCHAR state[6] = {};
    SQLCHAR message[1024] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1; SQL_SUCCEEDED(SQLGetDiagRec(
             type, handle, record, state, &native, message, SQLSMALLINT(sizeof message), &length));
         ++record)
        text += std::string(": [") + reinterpret_cast<char*>(state) + "] " +
                reinterpret_cast<char*>(message);
    return text;
}

// For the clean-up in destructors, which must not throw: the failure is told.
void reportOdbc(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what) noexcept {
    if (!SQL_SUCCEEDED(rc))
        std::cerr << diagnostics(type, handle, what) << "\n";
}

// The version goes on the environment before a connection handle is made on it.
SQLHENV odbc3(const BareHandle& environment) {
    checkOdbc(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                            reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
              SQL_HANDLE_ENV, environment.get(), "Setting the ODBC version");
    return environment.get();
}

} // namespace

void checkOdbc(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
        return;
    throw std::runtime_error(diagnostics(type, handle, what));
}

BareHandle::BareHandle(SQLSMALLINT type, SQLHANDLE parent)
    : mType(type) {
    // The diagnostics of a failed allocation are on the parent; an environment has none.
    const SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
    checkOdbc(SQLAllocHandle(type, parent, &mHandle), parentType, parent, "Allocating a handle");
}

BareHandle::~BareHandle() {
    reportOdbc(SQLFreeHandle(mType, mHandle), mType, mHandle, "Freeing a handle");
}

BareOdbc::BareOdbc(const std::string& connectionString)
    : mEnvironment(SQL_HANDLE_ENV, SQL_NULL_HANDLE)
    , mConnection(SQL_HANDLE_DBC, odbc3(mEnvironment)) {
    std::string text = connectionString;
    SQLSMALLINT outLength = 0;
    checkOdbc(SQLDriverConnect(connection(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                               SQLSMALLINT(text.size()), nullptr, 0, &outLength,
                               SQL_DRIVER_NOPROMPT),
              SQL_HANDLE_DBC, connection(), "Connecting");
}

BareOdbc::~BareOdbc() {
    if (SQL_SUCCEEDED(SQLDisconnect(connection())))
        return;
    // Work left open with autocommit off refuses the disconnect: undo it first.
    reportOdbc(SQLEndTran(SQL_HANDLE_DBC, connection(), SQL_ROLLBACK), SQL_HANDLE_DBC, connection(),
               "Rolling back");
    reportOdbc(SQLDisconnect(connection()), SQL_HANDLE_DBC, connection(), "Disconnecting");
}

void BareOdbc::exec(const std::string& sql) {
    BareStatement statement(connection());
    std::string text = sql;
    checkOdbc(SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()),
                            SQLINTEGER(text.size())),
              SQL_HANDLE_STMT, statement.get(), sql.c_str());
}

long long BareOdbc::scalar(const std::string& sql, bool wide) {
    BareStatement statement(connection());
    std::string text = sql;
    std::u16string wideText = tallowmere::utf8ToUtf16(sql);
    checkOdbc(wide ? SQLExecDirectW(statement.get(), reinterpret_cast<SQLWCHAR*>(wideText.data()),
                                    SQLINTEGER(wideText.size()))
                   : SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                   SQLINTEGER(text.size())),
              SQL_HANDLE_STMT, statement.get(), sql.c_str());
    const SQLRETURN fetched = SQLFetch(statement.get());
    checkOdbc(fetched, SQL_HANDLE_STMT, statement.get(), "Fetching");
    if (fetched == SQL_NO_DATA)
        throw std::runtime_error("No row from " + sql);
    SQLBIGINT value = 0;
    SQLLEN indicator = 0;
    checkOdbc(SQLGetData(statement.get(), 1, SQL_C_SBIGINT, &value, 0, &indicator), SQL_HANDLE_STMT,
              statement.get(), "Reading a number");
    if (indicator == SQL_NULL_DATA)
        throw std::runtime_error("NULL from " + sql);
    return value;
}

void BareOdbc::setAutocommit(bool on) {
    checkOdbc(SQLSetConnectAttr(
                  connection(), SQL_ATTR_AUTOCOMMIT,
                  reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, connection(), "Setting autocommit");
}

void BareOdbc::commit() {
    checkOdbc(SQLEndTran(SQL_HANDLE_DBC, connection(), SQL_COMMIT), SQL_HANDLE_DBC, connection(),
              "Commit");
}

} // namespace bench
