// Reading a connection string by the driver manager's key=value;... rules,
// and what the two connection strings must read back as.
#pragma once

#include "data_access/ConnectionSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::fuzz {

struct Attribute {
    std::string key;
    std::string value;
    bool braced = false; // the value was written as {...}, "}}" standing for "}"
};

struct ParsedConnectionString {
    std::vector<Attribute> attributes; // those read before any problem
    std::string problem;               // empty when the whole string was read
};

// Attributes are separated by ";" and empty ones are passed over. A key runs
// to the first "="; a value that starts with "{" runs to its closing "}" and
// must be followed by ";" or the end, any other value runs to the next ";".
ParsedConnectionString parseConnectionString(std::string_view text);

// Whether a value written unbraced after "key=" reads back as itself: it
// holds no ";" and does not start with "{".
bool readsBackUnbraced(std::string_view value);

// The connection strings carry their values as typed, without braces, so a
// value that does not read back unbraced changes the string's attributes.
// Unless strict, such a value ends the check at its own attribute (the ones
// before it must still read back); strict, it is a failure.
// The SID goes under databaseKey: "Server", or "DBQ" for Oracle's own driver.
std::string checkOracleConnectionString(const std::string& text, const ConnectionSettings& settings,
                                        bool strict, const std::string& databaseKey = "Server");

// The ADO-style string and what the driver manager gets for it.
std::string checkSqlAnywhereConnectionString(const std::string& adoText,
                                             const std::string& odbcText,
                                             const std::string& dataSourceName, bool strict);

// Rewriting an ADO-style string for the driver manager may change only the
// first key, "Data Source" to "DSN" (an empty name becoming "Default"); any
// other string goes through unchanged.
std::string checkOdbcRewrite(std::string_view input, std::string_view output);

} // namespace tallowmere::fuzz
