#include "DriverRules.h"

#include <algorithm>
#include <cctype>

namespace tallowmere {

namespace {
constexpr std::string_view kOracleOwnDriverPrefix = "libsqora";
constexpr std::string_view kOracleDbmsName = "Oracle";
constexpr std::string_view kSqliteDbmsName = "SQLite";
// In the file name of SQLite's driver however it is installed: sqlite3odbc.so,
// libsqlite3odbc.so.
constexpr std::string_view kSqliteDriverPart = "sqlite3odbc";
// PostgreSQL's driver: psqlodbcw.so, psqlodbca.so.
constexpr std::string_view kPostgresDriverPart = "psqlodbc";
constexpr std::string_view kConnectionExceptionClass = "08";
constexpr std::string_view kOperatorInterventionPrefix = "57P0";

constexpr std::string_view kOracleBinaryDouble = "BINARY_DOUBLE";
constexpr std::string_view kOracleBinaryFloat = "BINARY_FLOAT";

std::string_view fileName(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Whether the driver's file name has the part that names one driver.
bool isDriver(std::string_view driverName, std::string_view part) {
    return fileName(driverName).find(part) != std::string_view::npos;
}
} // namespace

std::string_view OracleDatabaseKeyword(std::string_view driverLibrary) {
    return fileName(driverLibrary).starts_with(kOracleOwnDriverPrefix) ? "DBQ=" : "Server=";
}

bool NamesOracle(std::string_view dbmsName) {
    return EqualsIgnoringCase(dbmsName, kOracleDbmsName);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

bool DriverCancelsFromAnotherThread(std::string_view driverName) {
    return isDriver(driverName, kPostgresDriverPart);
}

bool ApproximateNumbersAsText(std::string_view driverName, std::string_view dbmsName) {
    return isDriver(driverName, kSqliteDriverPart) || NamesOracle(dbmsName);
}

bool CutsBinaryArrays(std::string_view driverName) {
    return isDriver(driverName, kSqliteDriverPart);
}

bool CutsTimestampFractions(std::string_view driverName) {
    return isDriver(driverName, kSqliteDriverPart);
}

bool SaysConnectionLost(std::string_view sqlState) {
    return sqlState.starts_with(kConnectionExceptionClass) ||
           sqlState.starts_with(kOperatorInterventionPrefix);
}

bool TakesLongBinaryAsVarBinary(std::string_view driverName) {
    return isDriver(driverName, kPostgresDriverPart);
}

bool NumbersKeyInTableOrder(std::string_view driverName) {
    return isDriver(driverName, kSqliteDriverPart);
}

bool ShiftsColumnSizes(std::string_view driverName) {
    return isDriver(driverName, kSqliteDriverPart);
}

bool NamesDecimalsOnly(std::string_view driverName) {
    return isDriver(driverName, kSqliteDriverPart);
}

bool DescribesBinariesAsText(std::string_view driverName) {
    return isDriver(driverName, kSqliteDriverPart);
}

bool DeclaredTypesBoundValues(std::string_view driverName) {
    return !isDriver(driverName, kSqliteDriverPart);
}

bool TakesTruncateTable(std::string_view dbmsName) {
    return !EqualsIgnoringCase(dbmsName, kSqliteDbmsName);
}

OracleNumberKind OracleApproximateKind(std::string_view typeName) {
    if (EqualsIgnoringCase(typeName, kOracleBinaryDouble))
        return OracleNumberKind::Double;
    if (EqualsIgnoringCase(typeName, kOracleBinaryFloat))
        return OracleNumberKind::Single;
    return OracleNumberKind::Decimal;
}

} // namespace tallowmere
