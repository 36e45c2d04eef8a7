// What a command line asks for, once parsed: the windows, an answer on the
// terminal, or one of the commands with its tables and options.
#pragma once

#include "BoundArrayRows.h"

#include "data_access/Side.h"

#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tallowmere::cli {

enum class CommandKind { Windows, Answer, List, Copy, Drop, Rename };

// A connection value given for one run only.
struct SettingOverrides {
    std::optional<std::string> oracleServer;
    std::optional<std::string> oracleUser;
    std::optional<std::string> dataSourceName;
};

// What a copy's rows go into on the target: a table it makes (replacing one
// that exists only with --overwrite), or the table that exists, added to or
// emptied first.
enum class IntoTarget { NewTable, Append, Truncate };

// Tables copied at once with --jobs: one unless asked; at most so many, as
// each takes a connection on either server and memory of its own.
inline constexpr size_t kDefaultJobs = 1;
inline constexpr size_t kMostJobs = 16;

struct CommandRequest {
    CommandKind kind = CommandKind::Windows;
    QString answer;                  // Answer: the text to print (help or version)
    Side side = Side::Oracle;        // list, drop, rename: the side; copy: the target
    std::vector<std::string> tables; // copy, drop: the tables; rename: old and new
    bool all = false;
    bool overwrite = false;
    IntoTarget into = IntoTarget::NewTable;
    // copy: the one table's name on the target, when not its own; and the
    // condition (the user's own SQL) the rows read must meet.
    std::string as;
    std::string where;
    // copy: rows bound in arrays of so many, a transaction each; or, with
    // rowByRow, the window's way, one INSERT text a row.
    size_t arrayRows = BoundArrayRows::kDefaultArrayRows;
    // copy: tables copied at once, each on its own pair of connections.
    size_t jobs = kDefaultJobs;
    bool rowByRow = false;
    // copy: the window's tables rather than whole ones (rowByRow implies it),
    // and only what the copy would do, printed.
    bool plain = false;
    bool plan = false;
    SettingOverrides overrides;
};

// A wrong command line: what is wrong, and the command whose help tells more.
struct UsageError {
    std::string problem;
    std::string command;
};

using ParsedCommandLine = std::variant<CommandRequest, UsageError>;

// The arguments as the program got them, its name first.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

} // namespace tallowmere::cli
