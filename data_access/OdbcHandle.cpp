#include "OdbcHandle.h"

#include "DatabaseError.h"
#include "Utf16.h"

#include <sqlucode.h>

#include <string>

namespace tallowmere {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent)
    : mType(type) {
    const SQLRETURN rc = SQLAllocHandle(type, parent, &mHandle);
    if (!SQL_SUCCEEDED(rc)) {
        mHandle = SQL_NULL_HANDLE;
        if (parent != SQL_NULL_HANDLE)
            check(rc, type == SQL_HANDLE_DBC ? SQL_HANDLE_ENV : SQL_HANDLE_DBC, parent);
        throw DatabaseError(0, "HY001", "The ODBC driver manager could not allocate a handle.");
    }
}

void OdbcHandle::reset() noexcept {
    if (mHandle != SQL_NULL_HANDLE)
        SQLFreeHandle(mType, mHandle);
    mHandle = SQL_NULL_HANDLE;
}

namespace {

// One diagnostic record as (SQLSTATE, native number, text); false past the last.
bool diagnosticRecord(SQLSMALLINT handleType, SQLHANDLE handle, SQLSMALLINT record, bool narrow,
                      std::string& state, SQLINTEGER& native, std::string& text) {
    SQLSMALLINT length = 0;
    if (narrow) {
        SQLCHAR stateText[6] = {};
        SQLCHAR message[2048] = {};
        if (!SQL_SUCCEEDED(SQLGetDiagRec(handleType, handle, record, stateText, &native, message,
                                         SQLSMALLINT(sizeof message), &length)))
            return false;
        state = reinterpret_cast<const char*>(stateText);
        text = reinterpret_cast<const char*>(message);
        return true;
    }
    SQLWCHAR stateText[6] = {};
    SQLWCHAR message[1024] = {};
    if (!SQL_SUCCEEDED(SQLGetDiagRecW(handleType, handle, record, stateText, &native, message,
                                      SQLSMALLINT(std::size(message)), &length)))
        return false;
    state = utf16ToUtf8(reinterpret_cast<const char16_t*>(stateText));
    text = utf16ToUtf8(reinterpret_cast<const char16_t*>(message));
    return true;
}

} // namespace

SQLRETURN check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, bool noDataIsOk,
                bool narrow) {
    if (SQL_SUCCEEDED(rc) || (noDataIsOk && rc == SQL_NO_DATA))
        return rc;

    long firstNative = 0;
    std::string firstState;
    std::string description;
    std::string state;
    std::string text;
    SQLINTEGER native = 0;
    for (SQLSMALLINT record = 1;
         diagnosticRecord(handleType, handle, record, narrow, state, native, text); ++record) {
        if (record == 1) {
            firstNative = native;
            firstState = state;
        } else {
            description += '\n';
        }
        description += "[" + state + "] " + text;
    }
    if (description.empty())
        description = rc == SQL_INVALID_HANDLE ? "Invalid ODBC handle." : "The ODBC call failed.";
    throw DatabaseError(firstNative, firstState, description);
}

} // namespace tallowmere
