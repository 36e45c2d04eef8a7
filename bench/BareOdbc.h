// A plain ODBC connection with no layer of the program in between: the
// benchmark's own setup and checks, and the "limit" it compares the tool with.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace bench {

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
    SQLHDBC connection() const { return mConnection; }

private:
    SQLHENV mEnvironment = SQL_NULL_HENV;
    SQLHDBC mConnection = SQL_NULL_HDBC;
};

// A statement handle that frees itself.
class BareStatement {
public:
    explicit BareStatement(SQLHDBC connection);
    ~BareStatement();
    BareStatement(const BareStatement&) = delete;
    BareStatement& operator=(const BareStatement&) = delete;
    SQLHSTMT get() const { return mHandle; }

private:
    SQLHSTMT mHandle = SQL_NULL_HSTMT;
};

// Throws with the driver's diagnostics when rc is not a success.
void checkOdbc(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what);

} // namespace bench
