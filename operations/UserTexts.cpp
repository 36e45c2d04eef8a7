#include "UserTexts.h"

#include <array>

namespace tallowmere::texts {
namespace {

constexpr const char* kCr = "\r";
constexpr const char* kCrLf = "\r\n";

// An example TNSNAMES.ORA entry.
constexpr std::array kTnsNamesExample = {
    "KWDB =",
    " (DESCRIPTION =",
    "   (ADDRESS_LIST =",
    "     (ADDRESS = (PROTOCOL = TCP)(HOST = 192.168.1.12)(PORT = 1521))",
    "   )",
    "   (CONNECT_DATA =",
    "     (SID = KWDB)",
    "   )",
    " )",
};

constexpr std::array kSqlAnywhereSteps = {
    "Here is how I connected to my Sybase ASA 6.0 database.",
    "1. Downloaded and installed drivers: SQL Anywhere 10 for Windows "
    "(SQLAnywhere_1000_Windows.exe)",
    "2. Applied for a Developer Key with sybase.com (devprogram@sybase.com helped)",
    "3. Clicked to Start > Settings > Control Panel > Administrative Tools > Data Source (ODBC)",
    "4. Clicked 'Add...' ",
    "5. Selected 'SQL Anywhere 10'",
    "6. Filled in 'Data source name', 'User ID', 'Password', 'Server Name', 'TCP/IP' given to me "
    "by my administrator.",
    "7. Clicked 'Test Connection'.",
    "8. Filled in 'Data Source Name' in my program to be the same as 'Data source name' in Data "
    "Source (ODBC)",
    "9. Clicked 'Test Connection' in my program.",
};

} // namespace

std::string oracleHelpText() {
    std::string text = "This software works with Oracle 9i or higher.";
    text += std::string(kCr) + kCr;
    text += "The SID is used to identify a particular database. The SID is usually defined in the "
            "TNSNAMES.ORA file. The TNSNAMES.ORA file found in my Oracle 9i folder looks like:";
    text += std::string(kCrLf) + kCrLf;
    for (size_t i = 0; i < kTnsNamesExample.size(); ++i) {
        text += kTnsNamesExample[i];
        if (i + 1 < kTnsNamesExample.size())
            text += kCrLf;
    }
    text += std::string(kCrLf) + kCrLf;
    text += "Therefore, my SID would be KWDB";
    return text;
}

std::string sqlAnywhereHelpText() {
    std::string text;
    for (const char* line : kSqlAnywhereSteps)
        text += std::string(line) + kCr + kCr;
    return text;
}

std::string settingsNotSaved(const std::string& file) {
    return "The connection settings could not be saved to " + file +
           ". They stay in the fields and are saved again with the next change.";
}

std::string overwriteQuestion(const std::string& table) {
    return "Would you like to overwrite " + table + "?";
}

std::string newNamePrompt(const std::string& table) {
    return "Enter new name of " + table + ":";
}

std::string failureText(long number, const std::string& description) {
    return "Error " + std::to_string(number) + "\n\n" + description;
}

std::string spillFailed(const std::string& folder, const std::string& reason) {
    return "The rows of the table could not be kept in the temporary folder " + folder + ": " +
           reason + ". Make room there, or set TMPDIR to a writable folder that has room.";
}

} // namespace tallowmere::texts
