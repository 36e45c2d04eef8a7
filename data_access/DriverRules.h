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
// Names compared as Oracle and SQL Anywhere compare type and user names.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

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

// True for a driver (by its SQL_DRIVER_NAME) that keeps only milliseconds of
// a timestamp bound as a structure: SQLite's (sqlite3odbc.so 0.9998 writes
// 13:14:15.123456 as 13:14:15.123). SQLite keeps a timestamp as text, so
// the ISO text goes to it as it was read, every digit kept.
bool CutsTimestampFractions(std::string_view driverName);

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

// What the catalogue functions answer of a table, driver by driver. Where
// a rule is not named here, the driver answers as ODBC defines: nullability
// from SQLColumns (SQLite's driver says every result column may be NULL,
// so a result's description never decides it), the key's order from
// SQLPrimaryKeys' KEY_SEQ, indexes from SQLStatistics in column order. The
// key's own index is among those (PostgreSQL's "<table>_pkey", SQLite's
// "sqlite_autoindex_<table>_1", even the index SQLite's driver reports for
// an INTEGER PRIMARY KEY, which has none in the file): a unique index on
// exactly the key's columns is never made again. Oracle's and SQL
// Anywhere's drivers, by their manuals, answer as ODBC defines.

// True for a driver (by its SQL_DRIVER_NAME) that numbers a primary key's
// columns in SQLPrimaryKeys in the table's order rather than the key's, while
// SQLStatistics lists the key's own index in the key's order: SQLite's
// (sqlite3odbc.so 0.9998, shown for PRIMARY KEY(b, a) on columns a, b). The
// key's order is then that index's.
bool NumbersKeyInTableOrder(std::string_view driverName);

// True for a driver whose SQLColumns gives a column's size as BUFFER_LENGTH
// and its decimal digits as COLUMN_SIZE: SQLite's (sqlite3odbc.so 0.9998
// answers NUMERIC(7,2) with COLUMN_SIZE 2, BUFFER_LENGTH 7 and
// DECIMAL_DIGITS 10, VARCHAR(10) with 10 and 10).
bool ShiftsColumnSizes(std::string_view driverName);

// True for a driver whose SQLColumns reports decimals under other types,
// with the declared type as TYPE_NAME ("NUMERIC(7,2)"): SQLite's (sqlite3odbc.so 0.9998
// reports NUMERIC as SQL_DOUBLE and DECIMAL as SQL_VARCHAR). A type named
// NUMERIC or DECIMAL is then a decimal.
bool NamesDecimalsOnly(std::string_view driverName);

// True for a driver whose SQLColumns reports a binary type it does not know
// by name as SQL_VARCHAR, with the declared type as TYPE_NAME: SQLite's
// (sqlite3odbc.so 0.9998 answers LONG BINARY and BINARY(4) with 12, as
// isql's "help" shows, while VARBINARY(16) and BLOB come as binaries). A
// type so named holding BINARY is then a binary, LONG BINARY a long one.
bool DescribesBinariesAsText(std::string_view driverName);

// False for a driver whose columns hold any value whatever their declared
// type: SQLite's, whose types are affinities (sqlite.org, "Datatypes In
// SQLite"), so an INTEGER holds 64-bit integers and a VARCHAR(10) longer
// texts. The values read then size the target's column as well.
bool DeclaredTypesBoundValues(std::string_view driverName);

// Whether the database (by its SQL_DBMS_NAME) empties a table with TRUNCATE
// TABLE: Oracle's and SQL Anywhere's SQL references give the statement, and
// PostgreSQL takes it; SQLite has none ("SQLite", shown by the tests), so a
// table there is emptied by DELETE FROM.
bool TakesTruncateTable(std::string_view dbmsName);

// What a column an Oracle database describes as an approximate number is,
// by its type name: only BINARY_DOUBLE and BINARY_FLOAT are floating; NUMBER
// and FLOAT(p) are decimals of up to 38 digits. Drivers disagree on the SQL
// type: DataDirect's manual describes NUMBER as SQL_DOUBLE and BINARY_DOUBLE
// as SQL_REAL, Devart's BINARY_FLOAT as SQL_FLOAT.
enum class OracleNumberKind { Double, Single, Decimal };
OracleNumberKind OracleApproximateKind(std::string_view typeName);

// Several versions of Oracle's own driver mishandle parameter arrays that
// carry large objects: towards Oracle, a table with a large object column
// (a long binary, or any BLOB or CLOB of a whole table) is sent one row per
// execution (still bound, still a transaction per array).
inline constexpr bool kOracleTakesLargeObjectArrays = false;

} // namespace tallowmere
