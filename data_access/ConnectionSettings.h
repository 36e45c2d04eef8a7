// The four connection values, where their live texts come from, and the two
// connection strings built from them.
#pragma once

#include <string>

namespace tallowmere {

struct ConnectionSettings {
    std::string oracleServer;   // SID, key OracleServer
    std::string oracleUser;     // key OracleUser
    std::string oraclePassword; // key OraclePassword
    std::string dataSourceName; // SQL Anywhere ODBC data source, key DataSourceName
};

// Supplies the live connection values at the moment an operation runs (the
// setup window's four fields in the program).
class ConnectionFields {
public:
    virtual ~ConnectionFields() = default;
    virtual ConnectionSettings current() const = 0;
};

// Fixed values, for headless use.
class FixedConnectionFields : public ConnectionFields {
public:
    explicit FixedConnectionFields(ConnectionSettings settings)
        : mSettings(std::move(settings)) {}
    ConnectionSettings current() const override { return mSettings; }
    void set(ConnectionSettings settings) { mSettings = std::move(settings); }

private:
    ConnectionSettings mSettings;
};

// Values go in exactly as typed: nothing is quoted, escaped or braced.
// The Oracle string names the SID with the keyword that the driver library
// registered for "Microsoft ODBC for Oracle" reads; every Oracle connection,
// probe and operation alike, is opened with it.
std::string OracleConnectionString(const ConnectionSettings& settings);
// The same for a given driver library, registered or not.
std::string OracleConnectionStringFor(const ConnectionSettings& settings,
                                      const std::string& driverLibrary);
std::string SqlAnywhereConnectionString(const ConnectionSettings& settings);

inline constexpr const char* kSqlAnywhereProvider = "MSDASQL";

} // namespace tallowmere
