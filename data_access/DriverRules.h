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

// Whether the driver (by the SQL_DRIVER_NAME it reports) is known to take
// SQLCancel from another thread on a statement that is executing, without
// harm to the call running there. Only such a driver is ever asked to cancel;
// with any other, an operation stops between calls.
// - PostgreSQL's (psqlodbc): shown by the stalled-server tests, where a cancel
//   ends a statement that waits on a stopped server.
// - SQLite's (sqlite3odbc): shown unsafe; its SQLCancel frees the result of
//   the statement it cancels while another thread may still read it.
// - Oracle's own (libsqora) and SQL Anywhere's (libdbodbc): their manuals say
//   nothing of SQLCancel from another thread, so they are not asked.
bool DriverCancelsFromAnotherThread(std::string_view driverName);

// True for a driver (by its SQL_DRIVER_NAME) whose approximate numbers are
// read as its text, because asking it for the double gains no digit and
// loses values: SQLite's (sqlite3odbc.so 0.9998) makes its double by parsing
// its own text of a REAL, 15 significant digits, so the largest double comes
// out infinite; it gives integers past 2^53 rounded; and it gives NULL for a
// text, which SQLite's loose typing lets a REAL or NUMERIC column hold (the
// driver describes NUMERIC as SQL_DOUBLE too). Also true for any driver of a
// database that names itself Oracle (by its SQL_DBMS_NAME): Oracle's NUMBER
// and FLOAT(p) are decimals of up to 38 digits, and some Oracle drivers
// describe a plain NUMBER as SQL_DOUBLE (DataDirect's documents it), which a
// double would round; Oracle's session gives its numbers in full with a
// point. Any other driver's are read as doubles, which keep every digit
// whatever its text would show.
bool ApproximateNumbersAsText(std::string_view driverName, std::string_view dbmsName);

// True for a driver (by its SQL_DRIVER_NAME) that sends every binary value of
// a parameter array at the length of the array's first one: SQLite's
// (sqlite3odbc.so 0.9998; reported at github.com/softace/sqliteodbc). Rows with a long
// binary then go to it one row per execution.
bool CutsBinaryArrays(std::string_view driverName);

// True for a driver that takes a long binary parameter (SQL_LONGVARBINARY)
// only for a column of its own binary type and refuses it for a domain over
// that type, but takes SQL_VARBINARY of any length: PostgreSQL's (psqlodbc
// 13.02, "Could not convert binary other than LO type"), which meets such a
// domain as the Oracle stand-in's BLOB. Long binaries go to it as SQL_VARBINARY.
bool TakesLongBinaryAsVarBinary(std::string_view driverName);

// True when an error's SQLSTATE says the connection itself is gone, so the
// outcome of what was under way is the server's to know: ODBC's class 08
// (08S01 communication link failure, 08003, 08007), which Oracle's and SQL
// Anywhere's drivers report by their manuals; and PostgreSQL's operator
// intervention (57P01 to 57P05), which its driver passes on when the server
// ends the session.
bool SaysConnectionLost(std::string_view sqlState);

// Several versions of Oracle's own driver mishandle parameter arrays that
// carry large objects: towards Oracle, a table with a long binary column is
// sent one row per execution (still bound, still a transaction per array).
inline constexpr bool kOracleTakesLargeObjectArrays = false;

} // namespace tallowmere
