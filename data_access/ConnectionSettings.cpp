#include "ConnectionSettings.h"

namespace tallowmere {

std::string OracleConnectionString(const ConnectionSettings& settings) {
    return "Driver={Microsoft ODBC for Oracle};Server=" + settings.oracleServer +
           ";Uid=" + settings.oracleUser + ";Pwd=" + settings.oraclePassword + ";";
}

std::string SqlAnywhereConnectionString(const ConnectionSettings& settings) {
    return "Data Source=" + settings.dataSourceName;
}

} // namespace tallowmere
