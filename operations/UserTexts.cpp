#include "UserTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>

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

std::string commandLineSummary() {
    return "Without a command, opens the windows. The commands work without a display:\n"
           "  list oracle|sqlanywhere\n"
           "  copy --to sqlanywhere|oracle [--plan] [--plain] [--overwrite]\n"
           "       [--batch-rows N | --row-by-row] (TABLE... | --all)\n"
           "  drop oracle|sqlanywhere TABLE...\n"
           "  rename oracle|sqlanywhere OLD NEW\n"
           "The connection values are the ones the window stores; --oracle-sid, --oracle-user "
           "and --dsn after a command change one for that run, and the Oracle password may come "
           "from the environment variable " +
           std::string(kPasswordVariable) +
           ".\n"
           "Run tallowmere COMMAND --help for a command's options.";
}

namespace {

constexpr const char* kCopyExamples[][2] = {
    {"tallowmere copy --to sqlanywhere --plan EMP", "what a copy would send, nothing copied"},
    {"tallowmere copy --to sqlanywhere EMP DEPT", "whole tables, in this order"},
    {"tallowmere copy --to oracle --all --overwrite", "every table, replacing"},
    {"tallowmere copy --to oracle --plain products", "the window's table: no key, no index"},
    {"tallowmere copy --to oracle --batch-rows 5000 invoices", "5000 rows bound a transaction"},
    {"tallowmere copy --to oracle --all --jobs 4", "four tables at once"},
    {"tallowmere copy --to oracle --row-by-row products", "the window's table and INSERT texts"},
    {"tallowmere copy --to sqlanywhere --append EMP", "into the EMP that exists"},
    {"tallowmere copy --to sqlanywhere --truncate --where \"SAL >= 1500\" EMP",
     "nightly refresh: emptied, refilled"},
    {"tallowmere copy --to oracle --as CUSTOMERS_OLD customers", "under another name"},
    {"tallowmere copy --to oracle --where \"balance > 0\" customers", "only the rows that meet it"},
};
constexpr size_t kHelpGap = 2;

// Rows of cells, each column as wide as its widest cell.
std::string columns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line = "  ";
        for (size_t i = 0; i < row.size(); ++i)
            line +=
                row[i] +
                (i + 1 < row.size() ? std::string(widths[i] - row[i].size() + kHelpGap, ' ') : "");
        text += line + "\n";
    }
    return text;
}

} // namespace

std::string copyDescription(const std::vector<MappingTableRow>& mapping) {
    std::vector<std::vector<std::string>> table{{"Source type", "On Oracle", "On SQL Anywhere"}};
    for (const MappingTableRow& row : mapping)
        table.push_back({row.source, row.toOracle, row.toSqlAnywhere});
    std::vector<std::vector<std::string>> examples;
    for (const auto& [example, what] : kCopyExamples)
        examples.push_back({example, what});
    return "Copies tables from the other side to the side given with --to: each table created "
           "anew, then every row, then its rows counted on the target.\n\n"
           "Each table arrives whole: every column as the target's own type, the primary key, "
           "NOT NULL and the indexes (not the foreign keys); --plain makes the window's simple "
           "table instead. A decimal is sized by its values too.\n\n"
           "--append and --truncate write into the table that exists instead, its columns "
           "matched by name (letter case ignored towards SQL Anywhere); the others take their "
           "defaults. --where takes your own SQL for the source database, sent as it is.\n\n" +
           columns(table) + "\nExamples:\n" + columns(examples);
}

std::string batchRowsOptionHelp(size_t defaultRows, size_t mostRows) {
    return "Rows bound and sent together, one transaction each: 1 to " + std::to_string(mostRows) +
           " (default " + std::to_string(defaultRows) + ").";
}

std::string batchRowsWrong(size_t mostRows) {
    return "--batch-rows takes a whole number of rows from 1 to " + std::to_string(mostRows);
}

std::string jobsOptionHelp(size_t defaultJobs, size_t mostJobs) {
    return "Tables copied at once, each on its own connections, started in the order given: 1 "
           "to " +
           std::to_string(mostJobs) + " (default " + std::to_string(defaultJobs) + ").";
}

std::string jobsWrong(size_t mostJobs) {
    return "--jobs takes a whole number of tables from 1 to " + std::to_string(mostJobs);
}

std::string tablesNotCopied(const std::vector<std::string>& tables) {
    std::string names;
    for (const std::string& table : tables)
        names += (names.empty() ? "\"" : ", \"") + table + "\"";
    return "tallowmere: not copied: " + names;
}

std::string usageHint(const std::string& problem, const std::string& command) {
    const std::string help =
        command.empty() ? "tallowmere --help" : "tallowmere " + command + " --help";
    return "tallowmere: " + problem + " (see " + help + ")";
}

std::string unknownCommand(const std::string& word) {
    return "unknown command or argument \"" + word + "\"";
}

std::string unknownSide(const std::string& word) {
    return "unknown side \"" + word + "\": oracle or sqlanywhere";
}

std::string tableNamedTwice(const std::string& table) {
    return "the table \"" + table + "\" is named twice";
}

std::string outputNotWritten(const std::string& reason) {
    return "tallowmere: standard output could not be written: " + reason;
}

std::string sideName(Side side) {
    return side == Side::Oracle ? "Oracle" : "SQL Anywhere";
}

std::string sideNotSetUp(Side side, const std::string& settingsFile) {
    const std::string options = side == Side::Oracle ? "--oracle-sid and --oracle-user" : "--dsn";
    return "tallowmere: no " + sideName(side) + " connection is stored in " + settingsFile +
           "; set it up in the window, or give " + options;
}

std::string tableNotOnSide(const std::string& table, Side side) {
    return "tallowmere: there is no table \"" + table + "\" on the " + sideName(side) +
           " side; nothing was done";
}

std::string tableExists(const std::string& table, Side side) {
    return "tallowmere: the table \"" + table + "\" already exists on the " + sideName(side) +
           " side; --overwrite drops and replaces it, --append or --truncate writes into it";
}

std::string noTableToFill(const std::string& table, Side side) {
    return "tallowmere: there is no table \"" + table + "\" on the " + sideName(side) +
           " side for --append or --truncate to write into; nothing was done";
}

std::string rowCountDiffers(const std::string& table, long read, long counted) {
    return "tallowmere: \"" + table + "\": " + std::to_string(read) + " rows read, but " +
           std::to_string(counted) + " rows counted on the target";
}

namespace {

// "; table "T": 1000 of 5000 rows written, and 1000 more may have been"
std::string standingText(const CopyStanding& standing) {
    if (standing.table.empty())
        return {};
    if (!standing.keptTable.empty())
        return "; table \"" + standing.table + "\" not copied" +
               targetKept(standing.keptTable, standing.target);
    std::string text =
        "; table \"" + standing.table + "\": " + std::to_string(standing.written) +
        (standing.total < 0 ? std::string(" rows written, its rows still being read")
                            : " of " + std::to_string(standing.total) + " rows written");
    if (standing.emptied)
        text += " after it was emptied";
    if (standing.unsure > 0)
        text += ", and " + std::to_string(standing.unsure) + " more may have been";
    return text;
}

} // namespace

std::string failureContext(const std::string& sqlState, const CopyStanding& standing) {
    return "SQLSTATE " + (sqlState.empty() ? std::string("none") : sqlState) +
           standingText(standing);
}

std::string targetKept(const std::string& table, Side side) {
    return "; the table \"" + table + "\" on the " + sideName(side) + " side is as it was";
}

std::string cannotConnect(Side side, const std::string& oracleSid, const std::string& oracleUser,
                          const std::string& dataSource) {
    const std::string check = side == Side::Oracle
                                  ? "the SID \"" + oracleSid + "\" (--oracle-sid), the user \"" +
                                        oracleUser + "\" (--oracle-user) and the password (" +
                                        kPasswordVariable + ")"
                                  : "the data source \"" + dataSource + "\" (--dsn)";
    return "tallowmere: cannot connect to the " + sideName(side) + " side; check " + check;
}

std::string driverSaid(const std::string& description, const std::string& sqlState) {
    std::string line;
    for (char c : description)
        line += c == '\n' || c == '\r' ? ' ' : c;
    return line + " (SQLSTATE " + (sqlState.empty() ? std::string("none") : sqlState) + ")";
}

std::string failingRow(long row) {
    return "; row " + std::to_string(row) + " of the table failed";
}

std::string interrupted(const CopyStanding& standing) {
    return "tallowmere: interrupted" + standingText(standing);
}

std::string readingLine(const std::string& table, long rows, long perSecond) {
    return table + ": reading, " + std::to_string(rows) + " rows, " + std::to_string(perSecond) +
           " rows/s";
}

std::string progressLine(const std::string& table, long done, long total, long perSecond) {
    const std::string of = total < 0 ? "" : " of " + std::to_string(total);
    return table + ": " + std::to_string(done) + of + " rows, " + std::to_string(perSecond) +
           " rows/s";
}

std::string tableDoneLine(const std::string& table, long rows, double seconds, long perSecond) {
    char time[32];
    std::snprintf(time, sizeof time, "%.1f", seconds);
    return table + ": " + std::to_string(rows) + " rows in " + time + " s, " +
           std::to_string(perSecond) + " rows/s";
}

std::string ambiguousName(const std::string& name, Side side, const std::string& matches) {
    return "tallowmere: \"" + name + "\" matches several tables on the " + sideName(side) +
           " side (" + matches + "); name one as listed";
}

namespace {

constexpr const char* kNotCarriedWay =
    "; --plain copies the table without indexes, or rename the index on the source";

std::string quotedName(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

std::string noEqualType(const std::string& column, const std::string& sourceType, Side target,
                        const std::string& targetType) {
    return column + ": " + sourceType + " has no equal on the " + sideName(target) +
           " side; it becomes " + targetType + ", which holds every value";
}

std::string widerValues(const std::string& column, const std::string& sourceType,
                        const std::string& targetType) {
    return column + ": its values are wider than its " + sourceType + "; it becomes " + targetType;
}

std::string longerThanTarget(const std::string& column, const std::string& sourceType, Side target,
                             const std::string& targetType) {
    return column + ": " + sourceType + " is longer than a text of the " + sideName(target) +
           " side holds; it becomes " + targetType + ", which holds every value read";
}

std::string notNullDropped(const std::string& column) {
    return column + ": NOT NULL is not carried: the column holds empty texts, which go as NULL";
}

std::string keyDropped(const std::string& table, const std::string& column) {
    return quotedName(table) + ": the primary key is not carried: its column " +
           quotedName(column) + " holds empty texts, which go as NULL";
}

std::string expressionIndex(const std::string& table, const std::string& index) {
    return quotedName(table) + ": the index " + quotedName(index) +
           " is on an expression and is not carried";
}

std::string foreignKeyLeft(const std::string& table, const std::string& key,
                           const std::string& columns, const std::string& referenced) {
    return quotedName(table) + ": the foreign key " + (key.empty() ? "" : quotedName(key) + " ") +
           "(" + columns + ") to " + quotedName(referenced) + " is not carried";
}

std::string columnNotDescribed(const std::string& table, const std::string& column) {
    return "the catalogue does not describe the column " + quotedName(column) + " of " +
           quotedName(table) + "; --plain copies it as the window does";
}

std::string indexNameTooLong(const std::string& table, const std::string& index, Side target,
                             long longest) {
    return quotedName(table) + ": the index name " + quotedName(index) + " is longer than the " +
           sideName(target) + " side takes (" + std::to_string(longest) + " bytes)" +
           kNotCarriedWay;
}

std::string indexNameTaken(const std::string& table, const std::string& index,
                           const std::string& holder) {
    return quotedName(table) + ": the index name " + quotedName(index) +
           " is taken by an index of " + quotedName(holder) + " on the Oracle side" +
           kNotCarriedWay;
}

std::string plannedRows(long rows, bool rowByRow, size_t arrayRows) {
    return std::to_string(rows) + (rows == 1 ? " row, " : " rows, ") +
           (rowByRow ? std::string("one INSERT text a row")
                     : "bound in arrays of up to " + std::to_string(arrayRows) + " rows");
}

std::string planStopsAtExisting(const std::string& table, Side side) {
    return "the table " + quotedName(table) + " already exists on the " + sideName(side) +
           " side: the copy stops here without --overwrite";
}

std::string planStopsAtMissing(const std::string& table, Side side) {
    return "there is no table " + quotedName(table) + " on the " + sideName(side) +
           " side: the copy stops here";
}

std::string readWholeToReplace(const std::string& table) {
    return "the table " + quotedName(table) + " it replaces stays until every row is read";
}

std::string sizedByValues(const std::string& table, const std::string& column) {
    return "the type of " + quotedName(table) + "." + quotedName(column) +
           " is sized by its values";
}

std::string notNullHangsOnValues(const std::string& table, const std::string& column) {
    return quotedName(table) + "." + quotedName(column) +
           " keeps NOT NULL only if none of its values is empty";
}

std::string plannedWholeRead(const std::string& table, const std::string& why) {
    return quotedName(table) + " is read whole before anything is sent: " + why;
}

std::string plannedRead(const std::string& select) {
    return "rows read: " + select;
}

std::string columnNotOnTarget(const std::string& table, const std::string& column, Side side) {
    return "the table " + quotedName(table) + " on the " + sideName(side) + " side has no column " +
           quotedName(column) + " for the source's; nothing was written";
}

std::string columnTakesDefault(const std::string& table, const std::string& column) {
    return quotedName(table) + "." + quotedName(column) +
           " is not in the source: it takes its default";
}

std::string valueNotBound(const std::string& value, bool date) {
    return "The value " + quotedName(value) + " is not " +
           (date ? "an ISO date or timestamp" : "a number") + ", which its column takes.";
}

} // namespace tallowmere::texts
