// Runs one command of the command line with the operations the windows use:
// the same catalogues, overwrite rule, statements and failure texts.
#pragma once

#include "CommandRequest.h"

#include "data_access/Connection.h"
#include "data_access/SettingsStore.h"

#include <cstdio>
#include <string>

namespace tallowmere::cli {

// What a command runs with: where it connects, the stored values, and the
// terminal's streams. Standard output carries only the tables done.
struct CommandEnvironment {
    ConnectionFactory& connections;
    const SettingsStore& settings;
    std::string settingsFile;
    const char* oraclePassword = nullptr; // from the environment, when given there
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    bool errIsTerminal = false; // whether a person watches the progress line
};

// The exit statuses of a command.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kWrongCommandLine = 2;

// Runs the command and returns its exit status; SIGINT or SIGTERM meanwhile
// ends it with Interrupt::status().
int RunCommand(const CommandRequest& request, CommandEnvironment& environment);

} // namespace tallowmere::cli
