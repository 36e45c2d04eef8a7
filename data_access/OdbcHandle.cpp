#include "OdbcHandle.h"

#include "DatabaseError.h"
#include "Utf16.h"

#include <sqlucode.h>

#include <string>

namespace tallowmere {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent)
    : mType(type)
{
    const SQLRETURN rc = SQLAllocHandle(type, parent, &mHandle);
    if (!SQL_SUCCEEDED(rc)) {
        mHandle = SQL_NULL_HANDLE;
        if (parent != SQL_NULL_HANDLE)
            check(rc, type == SQL_HANDLE_DBC ? SQL_HANDLE_ENV : SQL_HANDLE_DBC, parent);
        throw DatabaseError(0, "HY001", "The ODBC driver manager could not allocate a handle.");
    }
}

void OdbcHandle::reset() noexcept
{
    if (mHandle != SQL_NULL_HANDLE)
        SQLFreeHandle(mType, mHandle);
    mHandle = SQL_NULL_HANDLE;
}

SQLRETURN check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, bool noDataIsOk)
{
    if (SQL_SUCCEEDED(rc) || (noDataIsOk && rc == SQL_NO_DATA))
        return rc;

    long firstNative = 0;
    std::string firstState;
    std::string text;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN diag = SQLGetDiagRecW(handleType, handle, record, state, &native, message,
                                              SQLSMALLINT(std::size(message)), &length);
        if (!SQL_SUCCEEDED(diag))
            break;
        const std::string stateText = utf16ToUtf8(reinterpret_cast<const char16_t*>(state));
        if (record == 1) {
            firstNative = native;
            firstState = stateText;
        } else {
            text += '\n';
        }
        text += "[" + stateText + "] " + utf16ToUtf8(reinterpret_cast<const char16_t*>(message));
    }
    if (text.empty())
        text = rc == SQL_INVALID_HANDLE ? "Invalid ODBC handle." : "The ODBC call failed.";
    throw DatabaseError(firstNative, firstState, text);
}

} // namespace tallowmere
