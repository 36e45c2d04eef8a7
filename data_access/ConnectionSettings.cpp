#include "ConnectionSettings.h"

#include "DriverRules.h"
#include "OdbcInstaller.h"

namespace tallowmere {

std::string OracleConnectionStringFor(const ConnectionSettings& settings,
                                      const std::string& driverLibrary) {
    return std::string("Driver={") + kOracleDriverName + "};" +
           std::string(OracleDatabaseKeyword(driverLibrary)) + settings.oracleServer +
           ";Uid=" + settings.oracleUser + ";Pwd=" + settings.oraclePassword + ";";
}

std::string OracleConnectionString(const ConnectionSettings& settings) {
    return OracleConnectionStringFor(settings, RegisteredDriverLibrary(kOracleDriverName));
}

std::string SqlAnywhereConnectionString(const ConnectionSettings& settings) {
    return "Data Source=" + settings.dataSourceName;
}

} // namespace tallowmere
