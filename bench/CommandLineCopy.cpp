#include "CommandLineCopy.h"

#include "cli/Commands.h"
#include "operations/UserTexts.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace bench {
namespace {

void addOption(std::vector<std::string>& args, const char* option, const std::string& value) {
    // An option left out leaves the value empty, as no settings file gives it.
    if (!value.empty())
        args.insert(args.end(), {option, value});
}

std::vector<std::string> sortedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

bool copiedEvery(const std::string& output, const CopyOrder& order) {
    std::vector<std::string> expected;
    for (const std::string& table : order.tables)
        expected.push_back(table + "\t" + std::to_string(order.rowsEach));
    std::sort(expected.begin(), expected.end());
    return sortedLines(output) == expected;
}

std::vector<std::string> copyCommand(const std::string& program, const Pair& pair,
                                     const CopyOrder& order) {
    std::vector<std::string> args{program, "copy", "--to",
                                  pair.toOracle ? "oracle" : "sqlanywhere"};
    if (order.way == RowsSent::RowByRow)
        args.push_back("--row-by-row");
    if (order.way == RowsSent::Plain)
        args.push_back("--plain");
    if (order.way == RowsSent::Truncate)
        args.push_back("--truncate");
    if (order.jobs > 0)
        args.insert(args.end(), {"--jobs", std::to_string(order.jobs)});
    addOption(args, "--oracle-sid", pair.settings.oracleServer);
    addOption(args, "--oracle-user", pair.settings.oracleUser);
    addOption(args, "--dsn", pair.settings.dataSourceName);
    args.insert(args.end(), order.tables.begin(), order.tables.end());
    return args;
}

CommandLineCopy runCommandLineCopy(const std::string& program, const Workspace& workspace,
                                   const Pair& pair, const CopyOrder& order) {
    workspace.use(pair.setup);
    setenv("XDG_CONFIG_HOME", workspace.file("settings").c_str(), 1);
    setenv(tallowmere::texts::kPasswordVariable, pair.settings.oraclePassword.c_str(), 1);
    CommandLineCopy copy{runChild(copyCommand(program, pair, order))};
    copy.copiedAll =
        copy.child.exitCode == tallowmere::cli::kDone && copiedEvery(copy.child.output, order);
    copy.refused = copy.child.exitCode == tallowmere::cli::kWrongCommandLine;
    return copy;
}

} // namespace bench
