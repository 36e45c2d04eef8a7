#include "ProgramStart.h"

#include "Commands.h"

#include "data_access/NumericLocale.h"
#include "data_access/OdbcConnection.h"
#include "operations/UserTexts.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace tallowmere::cli {
namespace {

int runCommand(const CommandRequest& request) {
    OdbcConnectionFactory connections;
    FileSettingsStore settings;
    CommandEnvironment environment{connections, settings,
                                   FileSettingsStore::filePath(kSettingsApplication)};
    environment.oraclePassword = std::getenv(texts::kPasswordVariable);
    environment.errIsTerminal = isatty(STDERR_FILENO) == 1;
    return RunCommand(request, environment);
}

// A run that did all it was asked still fails when standard output did not
// take everything written to it, as on a full disk.
int checkedOutput(int status) {
    if (status != kDone || (std::fflush(stdout) == 0 && !std::ferror(stdout)))
        return status;
    std::fprintf(stderr, "%s\n", texts::outputNotWritten(std::strerror(errno)).c_str());
    return kFailed;
}

} // namespace

std::optional<int> RunFromCommandLine(int argc, char** argv) {
    // No display is needed for any of this.
    QCoreApplication terminal(argc, argv);
    KeepNumbersInCLocale();
    const ParsedCommandLine parsed = ParseCommandLine(QCoreApplication::arguments());
    if (const auto* wrong = std::get_if<UsageError>(&parsed)) {
        std::fprintf(stderr, "%s\n", texts::usageHint(wrong->problem, wrong->command).c_str());
        return kWrongCommandLine;
    }
    const auto& request = std::get<CommandRequest>(parsed);
    switch (request.kind) {
    case CommandKind::Windows:
        return std::nullopt;
    case CommandKind::Answer:
        std::fputs(qPrintable(request.answer), stdout);
        return checkedOutput(kDone);
    default:
        return checkedOutput(runCommand(request));
    }
}

} // namespace tallowmere::cli
