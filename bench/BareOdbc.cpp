#include "BareOdbc.h"

#include "data_access/Utf16.h"

#include <sqlucode.h>

#include <stdexcept>

namespace bench {

void checkOdbc(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
        return;
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
    throw std::runtime_error(text);
}

BareOdbc::BareOdbc(const std::string& connectionString) {
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &mEnvironment);
    SQLSetEnvAttr(mEnvironment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                  0);
    SQLAllocHandle(SQL_HANDLE_DBC, mEnvironment, &mConnection);
    std::string text = connectionString;
    SQLSMALLINT outLength = 0;
    checkOdbc(SQLDriverConnect(mConnection, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                               SQLSMALLINT(text.size()), nullptr, 0, &outLength,
                               SQL_DRIVER_NOPROMPT),
              SQL_HANDLE_DBC, mConnection, "Connecting");
}

BareOdbc::~BareOdbc() {
    SQLDisconnect(mConnection);
    SQLFreeHandle(SQL_HANDLE_DBC, mConnection);
    SQLFreeHandle(SQL_HANDLE_ENV, mEnvironment);
}

void BareOdbc::exec(const std::string& sql) {
    BareStatement statement(mConnection);
    std::string text = sql;
    checkOdbc(SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()),
                            SQLINTEGER(text.size())),
              SQL_HANDLE_STMT, statement.get(), sql.c_str());
}

long long BareOdbc::scalar(const std::string& sql, bool wide) {
    BareStatement statement(mConnection);
    std::string text = sql;
    std::u16string wideText = tallowmere::utf8ToUtf16(sql);
    checkOdbc(wide ? SQLExecDirectW(statement.get(), reinterpret_cast<SQLWCHAR*>(wideText.data()),
                                    SQLINTEGER(wideText.size()))
                   : SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                   SQLINTEGER(text.size())),
              SQL_HANDLE_STMT, statement.get(), sql.c_str());
    if (SQLFetch(statement.get()) != SQL_SUCCESS)
        throw std::runtime_error("No row from " + sql);
    SQLBIGINT value = 0;
    SQLLEN indicator = 0;
    checkOdbc(SQLGetData(statement.get(), 1, SQL_C_SBIGINT, &value, 0, &indicator), SQL_HANDLE_STMT,
              statement.get(), "Reading a number");
    return value;
}

void BareOdbc::setAutocommit(bool on) {
    checkOdbc(SQLSetConnectAttr(
                  mConnection, SQL_ATTR_AUTOCOMMIT,
                  reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, mConnection, "Setting autocommit");
}

void BareOdbc::commit() {
    checkOdbc(SQLEndTran(SQL_HANDLE_DBC, mConnection, SQL_COMMIT), SQL_HANDLE_DBC, mConnection,
              "Commit");
}

BareStatement::BareStatement(SQLHDBC connection) {
    checkOdbc(SQLAllocHandle(SQL_HANDLE_STMT, connection, &mHandle), SQL_HANDLE_DBC, connection,
              "Allocating a statement");
}

BareStatement::~BareStatement() {
    SQLFreeHandle(SQL_HANDLE_STMT, mHandle);
}

} // namespace bench
