#include "ChildArgs.h"

#include "data_access/OdbcConnection.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace bench {

void appendSettings(std::vector<std::string>& args,
                    const tallowmere::ConnectionSettings& settings) {
    args.insert(args.end(), {settings.oracleServer, settings.oracleUser, settings.oraclePassword,
                             settings.dataSourceName});
}

tallowmere::ConnectionSettings settingsFrom(char** argv) {
    return {argv[0], argv[1], argv[2], argv[3]};
}

std::string oracleOdbcString(const tallowmere::ConnectionSettings& settings) {
    return tallowmere::OdbcConnection::odbcConnectionString(
        tallowmere::OracleConnectionString(settings));
}

std::string sqlAnywhereOdbcString(const tallowmere::ConnectionSettings& settings) {
    return tallowmere::OdbcConnection::odbcConnectionString(
        tallowmere::SqlAnywhereConnectionString(settings));
}

void report(const std::string& key, double value) {
    std::printf("%s %.6f\n", key.c_str(), value);
    std::fflush(stdout);
}

void report(const std::string& key, const std::string& value) {
    std::printf("%s %s\n", key.c_str(), value.c_str());
    std::fflush(stdout);
}

std::map<std::string, std::string> parseReport(const std::string& output) {
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const size_t space = line.find(' ');
        if (space != std::string::npos)
            values[line.substr(0, space)] = line.substr(space + 1);
    }
    return values;
}

double number(const std::map<std::string, std::string>& values, const std::string& key) {
    const auto found = values.find(key);
    if (found == values.end())
        throw std::runtime_error("A measurement did not report " + key + ".");
    return std::stod(found->second);
}

} // namespace bench
