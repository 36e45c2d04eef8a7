// What the benchmark hands to the processes it starts for each measurement,
// and how they answer: "key value" lines on standard output.
#pragma once

#include "data_access/ConnectionSettings.h"

#include <map>
#include <string>
#include <vector>

namespace bench {

// The four connection values as four arguments, and back.
void appendSettings(std::vector<std::string>& args, const tallowmere::ConnectionSettings& settings);
tallowmere::ConnectionSettings settingsFrom(char** argv);

// The driver manager's connection string of each side, as the program makes it.
std::string oracleOdbcString(const tallowmere::ConnectionSettings& settings);
std::string sqlAnywhereOdbcString(const tallowmere::ConnectionSettings& settings);

void report(const std::string& key, double value);
void report(const std::string& key, const std::string& value);
std::map<std::string, std::string> parseReport(const std::string& output);
double number(const std::map<std::string, std::string>& values, const std::string& key);

} // namespace bench
