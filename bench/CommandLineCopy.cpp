#include "CommandLineCopy.h"

#include "Workload.h"

#include "operations/UserTexts.h"

#include <cstdlib>

namespace bench {
namespace {

void addOption(std::vector<std::string>& args, const char* option, const std::string& value) {
    // An option left out leaves the value empty, as no settings file gives it.
    if (!value.empty())
        args.insert(args.end(), {option, value});
}

} // namespace

CommandLineCopy runCommandLineCopy(const std::string& program, const Workspace& workspace,
                                   const Pair& pair, RowsSent way, long rows) {
    workspace.use(pair.setup);
    setenv("XDG_CONFIG_HOME", workspace.file("settings").c_str(), 1);
    setenv(tallowmere::texts::kPasswordVariable, pair.settings.oraclePassword.c_str(), 1);
    std::vector<std::string> args{program, "copy", "--to",
                                  pair.toOracle ? "oracle" : "sqlanywhere"};
    if (way == RowsSent::RowByRow)
        args.push_back("--row-by-row");
    if (way == RowsSent::Plain)
        args.push_back("--plain");
    addOption(args, "--oracle-sid", pair.settings.oracleServer);
    addOption(args, "--oracle-user", pair.settings.oracleUser);
    addOption(args, "--dsn", pair.settings.dataSourceName);
    args.push_back(kTable);

    CommandLineCopy copy{runChild(args), false};
    copy.copiedAll = copy.child.exitCode == 0 &&
                     copy.child.output == std::string(kTable) + "\t" + std::to_string(rows) + "\n";
    return copy;
}

} // namespace bench
