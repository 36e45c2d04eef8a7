// Every text the program shows: window titles, control captions, the messages
// of the operations and of the setup window, and the two help texts. A
// doubled "&" in a caption shows as one "&".
#pragma once

#include "data_access/Side.h"
#include "data_access/SqlColumnTypes.h"

#include <cstddef>
#include <string>
#include <vector>

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

// The command line: its help, and what it says on standard error.
inline constexpr const char* kProgramDescription =
    "Copies, drops and renames tables between an Oracle and a SQL Anywhere database over ODBC.";
std::string commandLineSummary(); // the commands, after the description of --help
inline constexpr const char* kCommandArgumentHelp = "list, copy, drop or rename";
inline constexpr const char* kCommandHelpOptionHelp = "Shows this command's help.";
inline constexpr const char* kCommandVersionOptionHelp = "Shows the program's version.";
inline constexpr const char* kListDescription =
    "Prints the tables of one side, one name a line, as the window lists them.";
// The copy command's help: what it does, the mapping table of both
// directions, and an example of each option.
std::string copyDescription(const std::vector<MappingTableRow>& mapping);
inline constexpr const char* kDropDescription = "Drops the tables named on one side.";
inline constexpr const char* kRenameDescription = "Renames one table on one side.";
inline constexpr const char* kSideArgumentHelp = "The side: oracle or sqlanywhere.";
inline constexpr const char* kTablesArgumentHelp = "Tables, by their names as listed.";
inline constexpr const char* kToOptionHelp = "The side the tables go to: sqlanywhere or oracle.";
inline constexpr const char* kOverwriteOptionHelp =
    "Drop and replace a table that already exists on the target.";
inline constexpr const char* kAppendOptionHelp =
    "Insert into the table that exists on the target, its columns matched by name; the "
    "others take their defaults.";
inline constexpr const char* kTruncateOptionHelp =
    "Empty the table that exists on the target first (TRUNCATE TABLE, or DELETE FROM where "
    "the database has no TRUNCATE), then insert as --append.";
inline constexpr const char* kAsOptionHelp =
    "The one table's name on the target; every other rule applies to that name.";
inline constexpr const char* kWhereOptionHelp =
    "Copy only the rows that meet the condition: your own SQL for the source database, "
    "sent as it is after WHERE.";
inline constexpr const char* kOneWayIntoTarget =
    "--overwrite, --append and --truncate exclude each other: give one of them";
inline constexpr const char* kPlainMakesTable =
    "--plain makes a new table, so it goes with neither --append nor --truncate";
inline constexpr const char* kAsNeedsName = "--as needs the table's name on the target";
inline constexpr const char* kAsTakesOneTable = "--as names one table: copy exactly one with it";
inline constexpr const char* kWhereNeedsCondition = "--where needs a condition";
inline constexpr const char* kAllOptionHelp =
    "Every table of the source side, in the list's order.";
std::string batchRowsOptionHelp(size_t defaultRows, size_t mostRows);
inline constexpr const char* kRowByRowOptionHelp =
    "Send the window's INSERT texts instead, one autocommitted statement a row, into the "
    "window's table (as --plain).";
std::string batchRowsWrong(size_t mostRows);
std::string jobsOptionHelp(size_t defaultJobs, size_t mostJobs);
std::string jobsWrong(size_t mostJobs);
// The tables a run of several at once did not copy, after its failures.
std::string tablesNotCopied(const std::vector<std::string>& tables);
inline constexpr const char* kBatchRowsOrRowByRow =
    "--batch-rows and --row-by-row exclude each other: give one of them";
inline constexpr const char* kSidOptionHelp = "The Oracle SID for this run (not stored).";
inline constexpr const char* kUserOptionHelp = "The Oracle user name for this run (not stored).";
inline constexpr const char* kDsnOptionHelp =
    "The SQL Anywhere data source for this run (not stored).";
inline constexpr const char* kPasswordVariable = "TALLOWMERE_ORACLE_PASSWORD";
std::string usageHint(const std::string& problem, const std::string& command);
std::string unknownCommand(const std::string& word);
std::string unknownSide(const std::string& word);
inline constexpr const char* kTablesOrAllNeeded = "copy needs the tables to copy, or --all";
inline constexpr const char* kTablesAndAll =
    "name the tables or give --all, not both: --all copies every table";
inline constexpr const char* kDropNeedsTables = "drop needs at least one table name";
std::string tableNamedTwice(const std::string& table);
inline constexpr const char* kRenameNeedsTwoNames =
    "rename takes the side, the old name and the new";
inline constexpr const char* kToNeeded = "copy needs --to sqlanywhere or --to oracle";
inline constexpr const char* kSideNeeded = "name the side: oracle or sqlanywhere";
// Standard output that refused a line or an answer, with the system's reason.
std::string outputNotWritten(const std::string& reason);
inline constexpr const char* kNoDisplay =
    "tallowmere: the window needs a display; the commands (tallowmere --help) work without one.";
std::string sideName(Side side);
std::string sideNotSetUp(Side side, const std::string& settingsFile);
std::string tableNotOnSide(const std::string& table, Side side);
std::string tableExists(const std::string& table, Side side);
// --append or --truncate towards a table the target does not have.
std::string noTableToFill(const std::string& table, Side side);
std::string rowCountDiffers(const std::string& table, long read, long counted);
// Where a copy stood when it ended early: its rows written, and those whose
// commit was under way and so may have been written as well.
struct CopyStanding {
    std::string table; // empty when no table was under way
    long written = 0;
    long total = 0; // below 0 while the rows are read as they are sent

    long unsure = 0;
    // The table on the target a copy was to replace or fill, while it is
    // as it was.
    std::string keptTable;
    Side target = Side::Oracle;
    // Whether the table the rows go into was emptied first.
    bool emptied = false;
};
std::string failureContext(const std::string& sqlState, const CopyStanding& standing);
std::string failingRow(long row);
inline constexpr const char* kConnectionLost = "the connection to the database was lost: ";
// Said after a failure or interrupt that came before the old table was dropped.
std::string targetKept(const std::string& table, Side side);
std::string cannotConnect(Side side, const std::string& oracleSid, const std::string& oracleUser,
                          const std::string& dataSource);
// The database's words and SQLSTATE on one line.
std::string driverSaid(const std::string& description, const std::string& sqlState);
std::string interrupted(const CopyStanding& standing);
std::string readingLine(const std::string& table, long rows, long perSecond);
std::string progressLine(const std::string& table, long done, long total, long perSecond);
std::string tableDoneLine(const std::string& table, long rows, double seconds, long perSecond);
std::string ambiguousName(const std::string& name, Side side, const std::string& matches);

// What a copy of a whole table changes of it, a line each, as a plan shows
// them; a column is named "T"."c".
std::string noEqualType(const std::string& column, const std::string& sourceType, Side target,
                        const std::string& targetType);
std::string widerValues(const std::string& column, const std::string& sourceType,
                        const std::string& targetType);
std::string longerThanTarget(const std::string& column, const std::string& sourceType, Side target,
                             const std::string& targetType);
std::string notNullDropped(const std::string& column);
std::string keyDropped(const std::string& table, const std::string& column);
std::string expressionIndex(const std::string& table, const std::string& index);
std::string foreignKeyLeft(const std::string& table, const std::string& key,
                           const std::string& columns, const std::string& referenced);
// A column the catalogue did not describe, so the copy cannot map its type.
std::string columnNotDescribed(const std::string& table, const std::string& column);
// Index names the target refuses, found before anything is done.
std::string indexNameTooLong(const std::string& table, const std::string& index, Side target,
                             long longest);
std::string indexNameTaken(const std::string& table, const std::string& index,
                           const std::string& holder);
// The lines of a plan besides the statements: the rows the INSERT sends, and
// a table that exists on the target.
std::string plannedRows(long rows, bool rowByRow, size_t arrayRows);
std::string planStopsAtExisting(const std::string& table, Side side);
std::string planStopsAtMissing(const std::string& table, Side side);
// Why a copy reads a table whole before it makes it, rather than reading its
// rows beside sending them; and the plan's line that says so.
std::string readWholeToReplace(const std::string& table);
std::string sizedByValues(const std::string& table, const std::string& column);
std::string notNullHangsOnValues(const std::string& table, const std::string& column);
std::string plannedWholeRead(const std::string& table, const std::string& why);
// The rows a plan's copy reads, when a condition chooses them.
std::string plannedRead(const std::string& select);
// Into a table that exists: a source column it lacks, which stops the copy
// before anything is written, and a column of its own the copy leaves to its
// default.
std::string columnNotOnTarget(const std::string& table, const std::string& column, Side side);
std::string columnTakesDefault(const std::string& table, const std::string& column);
// A value that is not what its column is bound as (a date, or a number).
std::string valueNotBound(const std::string& value, bool date);
inline constexpr const char* kPlainOptionHelp =
    "Create each table as the window does: its simple column types, no key, no NOT NULL, no "
    "index.";
inline constexpr const char* kPlanOptionHelp =
    "Print what the copy would send and what it would change, and copy nothing.";

} // namespace tallowmere::texts
