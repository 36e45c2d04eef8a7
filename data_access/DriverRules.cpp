#include "DriverRules.h"

#include <algorithm>
#include <cctype>

namespace tallowmere {

namespace {
constexpr std::string_view kOracleOwnDriverPrefix = "libsqora";
constexpr std::string_view kOracleDbmsName = "Oracle";
} // namespace

std::string_view OracleDatabaseKeyword(std::string_view driverLibrary) {
    const size_t slash = driverLibrary.rfind('/');
    const std::string_view file =
        slash == std::string_view::npos ? driverLibrary : driverLibrary.substr(slash + 1);
    return file.starts_with(kOracleOwnDriverPrefix) ? "DBQ=" : "Server=";
}

bool NamesOracle(std::string_view dbmsName) {
    return std::equal(
        dbmsName.begin(), dbmsName.end(), kOracleDbmsName.begin(), kOracleDbmsName.end(),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

} // namespace tallowmere
