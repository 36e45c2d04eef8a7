#include "DriverRules.h"

#include <algorithm>
#include <cctype>

namespace tallowmere {

namespace {
constexpr std::string_view kOracleOwnDriverPrefix = "libsqora";
constexpr std::string_view kOracleDbmsName = "Oracle";
constexpr std::string_view kPostgresDriverPrefix = "psqlodbc";

std::string_view fileName(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
} // namespace

std::string_view OracleDatabaseKeyword(std::string_view driverLibrary) {
    return fileName(driverLibrary).starts_with(kOracleOwnDriverPrefix) ? "DBQ=" : "Server=";
}

bool NamesOracle(std::string_view dbmsName) {
    return std::equal(
        dbmsName.begin(), dbmsName.end(), kOracleDbmsName.begin(), kOracleDbmsName.end(),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

bool DriverCancelsFromAnotherThread(std::string_view driverName) {
    return fileName(driverName).starts_with(kPostgresDriverPrefix);
}

} // namespace tallowmere
