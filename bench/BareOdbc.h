// A plain ODBC connection with no layer of the program in between: the
// benchmark's own setup and checks, and the "limit" it compares the tool with.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace bench {

// An ODBC handle that frees itself; a failed allocation throws.
class BareHandle {
public:
    BareHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~BareHandle();
    BareHandle(const BareHandle&) = delete;
    BareHandle& operator=(const BareHandle&) = delete;
    SQLHANDLE get() const { return mHandle; }

private:
    SQLSMALLINT mType;
    SQLHANDLE mHandle = SQL_NULL_HANDLE;
};

class BareOdbc {
public:
    explicit BareOdbc(const std::string& connectionString);
    ~BareOdbc();
    BareOdbc(const BareOdbc&) = delete;
    BareOdbc& operator=(const BareOdbc&) = delete;

    void exec(const std::string& sql);
    // The first column of the first row; wide drivers get the text as UTF-16.
    long long scalar(const std::string& sql, bool wide = false);
    void setAutocommit(bool on);
    void commit();
    SQLHDBC connection() const { return mConnection.get(); }

private:
    // Declared in the order they are made: a failed connect frees both.
    BareHandle mEnvironment;
    BareHandle mConnection;
};

// A statement handle that frees itself.
class BareStatement : public BareHandle {
public:
    explicit BareStatement(SQLHDBC connection)
        : BareHandle(SQL_HANDLE_STMT, connection) {}
};

// Throws with the driver's diagnostics when rc is not a success.
void checkOdbc(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what);

} // namespace bench
