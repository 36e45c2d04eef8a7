// What the real drivers behind either side ask for beyond the plain
// connection strings and statements: the rules that differ from driver to
// driver, kept together.
#pragma once

#include <string>
#include <string_view>

namespace tallowmere {

// The driver name the Oracle connection string asks the driver manager for.
inline constexpr const char* kOracleDriverName = "Microsoft ODBC for Oracle";

// The keyword before the SID in the Oracle connection string, for the driver
// library registered under kOracleDriverName. Oracle's own driver
// (libsqora.so.<version>) takes the database as DBQ= and silently ignores
// Server=; Microsoft's, Devart's and the others take Server=.
std::string_view OracleDatabaseKeyword(std::string_view driverLibrary);

// True when a data source's SQL_DBMS_NAME says it is an Oracle database.
bool NamesOracle(std::string_view dbmsName);

} // namespace tallowmere
