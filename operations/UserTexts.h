// Every text the program shows: window titles, control captions, the messages
// of the operations and of the setup window, and the two help texts. A
// doubled "&" in a caption shows as one "&".
#pragma once

#include <string>

namespace tallowmere::texts {

inline constexpr const char* kApplicationTitle = "Tallowmere";

// The setup window.
inline constexpr const char* kSetupTitle = "Setup Connections";
inline constexpr const char* kOracleFrame = "Oracle Login";
inline constexpr const char* kSqlAnywhereFrame = "Sybase SQL Anywhere Database";
inline constexpr const char* kSidLabel = "SID:";
inline constexpr const char* kUserLabel = "Username:";
inline constexpr const char* kPasswordLabel = "Password:";
inline constexpr const char* kDataSourceLabel = "Data Source Name:";
inline constexpr const char* kTestConnection = "Test Connection";
inline constexpr const char* kHelp = "Help";
inline constexpr const char* kSidHelp = "?";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kDriverNote =
    " Note: This software does not support the CLOB and NLOB data type in      Oracle.";
inline constexpr const char* kConnectionSuccessful = "Connection successful.";
inline constexpr const char* kCouldNotConnect =
    "Could not connect. Please check with your administrator.";
std::string oracleHelpText();
std::string sqlAnywhereHelpText();
// A settings file that could not be written, named by its path.
std::string settingsNotSaved(const std::string& file);

// The main window.
inline constexpr const char* kSqlAnywhereTablesFrame = "Sybase SQL Anywhere Tables";
inline constexpr const char* kOracleTablesFrame = "Oracle Tables";
inline constexpr const char* kSelectAll = "Select All";
inline constexpr const char* kDeselectAll = "Deselect All";
inline constexpr const char* kSendToOracle = "Send Table(s) to Oracle";
inline constexpr const char* kSendToSqlAnywhere = "Send Table(s) to Sybase";
inline constexpr const char* kDeleteTables = "Delete Table(s)";
inline constexpr const char* kRenameTable = "Rename Table";
inline constexpr const char* kSetupConnections = "Setup Sybase && Oracle Connections";

// The operations.
inline constexpr const char* kSelectTable = "Please select a table";
inline constexpr const char* kSelectTableToSend = "Please select a table to send.";
inline constexpr const char* kSelectTableToRename = "Please select a table to rename.";
inline constexpr const char* kSelectJustOneTable = "Please select just one table to rename.";
inline constexpr const char* kOverwriteTitle = "Overwrite?";
std::string overwriteQuestion(const std::string& table);
std::string newNamePrompt(const std::string& table);
// A failure as shown: "Error <number>", a blank line, the description.
std::string failureText(long number, const std::string& description);
// The rows of a table could not be kept in the temporary folder.
std::string spillFailed(const std::string& folder, const std::string& reason);

} // namespace tallowmere::texts
