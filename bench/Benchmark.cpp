#include "Benchmark.h"

#include "RunWay.h"

#include "ChildArgs.h"
#include "ChildProcess.h"
#include "CommandLineComparison.h"
#include "DatabaseSteps.h"
#include "Pair.h"
#include "Postgres.h"
#include "Report.h"
#include "Workload.h"
#include "Workspace.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace bench {
namespace {

// The goals of the work beside the event loop.
constexpr double kWorstWaitMs = 20;
constexpr double kThroughputTolerance = 0.02;
constexpr int kCloseWithinMs = 2000;
// Enough rows that the copy is still under way when its server is stopped.
constexpr long kStalledCopyRows = 20000;

// Which way the next child runs the program's work (see RunWay.h).
void setWay(bool yieldWay) {
    if (yieldWay)
        setenv(kWayVariable, kWayYield, 1);
    else
        unsetenv(kWayVariable);
}

struct CopyFigures {
    Line tool;
    Line before; // the tool run the way it ran before: on the window's thread
    Line limit;
    Line peer;
};

// The copies and list loads as the window runs them, beside their limits and
// peers, on a PostgreSQL server that leaves the disk to the operating system.
class Run {
public:
    Run(const Options& options, DatabaseSteps& steps)
        : mOptions(options)
        , mSteps(steps)
        , mWorkspace(steps.workspace())
        , mServer(options.sourceFolder)
        , mAccount(mServer) {}

    void run(const std::string& source, const std::string& big, std::vector<Line>& lines,
             std::vector<Goal>& goals);

private:
    std::vector<std::string> child(std::initializer_list<std::string> args) const {
        return mSteps.child(args);
    }
    // The tool and the limit under a profiler when TALLOWMERE_BENCH_PROFILER
    // names one (e.g. "valgrind --tool=callgrind"); their times then mean nothing.
    std::vector<std::string> profiled(std::vector<std::string> args) const;
    void reset(const Pair& pair, bool recreate) { mSteps.reset(pair, recreate); }
    void check(const Pair& pair, long rows) { mSteps.check(pair, rows); }
    Line tool(const Pair& pair, long rows, const std::string& label, bool yieldWay = false);
    Line limit(const Pair& pair);
    Line peer(const Pair& pair);
    CopyFigures copyOnce(const Pair& pair, bool toolFirst);
    CopyFigures copy(const Pair& pair);
    std::vector<Line> catalogues();
    void stalled(const std::string& label, const std::vector<std::string>& args,
                 const std::string& mustBeOne, std::vector<Line>& lines, std::vector<Goal>& goals);
    void stalledServers(std::vector<Line>& lines, std::vector<Goal>& goals);
    Pair sqlitePair(const std::string& source) const {
        return bench::sqlitePair(mWorkspace, source);
    }
    Pair postgresPair(const std::string& source, bool unbuffered = false) const {
        return bench::postgresPair(mServer.sid(), mAccount, source, unbuffered);
    }

    const Options& mOptions;
    DatabaseSteps& mSteps;
    const Workspace& mWorkspace;
    PostgresServer mServer;
    PostgresAccount mAccount;
};

std::vector<std::string> Run::profiled(std::vector<std::string> args) const {
    const char* profiler = std::getenv("TALLOWMERE_BENCH_PROFILER");
    if (!profiler || !*profiler)
        return args;
    std::vector<std::string> command;
    std::istringstream words(profiler);
    for (std::string word; words >> word;)
        command.push_back(word);
    command.insert(command.end(), args.begin(), args.end());
    return command;
}

Line Run::tool(const Pair& pair, long rows, const std::string& label, bool yieldWay) {
    setWay(yieldWay);
    mWorkspace.use(pair.setup);
    reset(pair, false);
    std::vector<std::string> args =
        child({"tool", pair.toOracle ? "to-oracle" : "to-sqlanywhere", kTable,
               mWorkspace.file("inserts.sql"), mWorkspace.file("create.sql")});
    appendSettings(args, pair.settings);
    const ChildResult result = runChild(profiled(args));
    if (result.exitCode != 0)
        mSteps.countWrong();
    const auto values = parseReport(result.output);
    Line line{label, static_cast<double>(rows), number(values, "seconds")};
    line.worstWaitMs = number(values, "worst_wait_ms");
    line.worstWaitElsewhereMs = number(values, "worst_wait_elsewhere_ms");
    line.machineWaitMs = number(values, "machine_wait_ms");
    line.fetchSeconds = number(values, "fetch_seconds");
    line.peakMegabytes = result.peakMegabytes;
    check(pair, rows);
    return line;
}

Line Run::limit(const Pair& pair) {
    reset(pair, true);
    const auto values = parseReport(runChildOrThrow(profiled(child({"limit", pair.targetString(),
                                                                    mWorkspace.file("inserts.sql"),
                                                                    pair.wideTarget ? "1" : "0"})))
                                        .output);
    check(pair, mOptions.rows);
    return {pair.label + ": limit (bare loop)", static_cast<double>(mOptions.rows),
            number(values, "seconds")};
}

Line Run::peer(const Pair& pair) {
    reset(pair, true);
    const ChildResult result =
        runChild(pair.isqlCommand(), {mWorkspace.file("inserts.sql"), false});
    check(pair, mOptions.rows);
    return {pair.label + ": isql", static_cast<double>(mOptions.rows), result.seconds};
}

// The limit and the peer replay what the tool sent, so the first round runs
// the tool first; later rounds turn the order round, so that neither side
// always meets the database just after the other has filled it.
CopyFigures Run::copyOnce(const Pair& pair, bool toolFirst) {
    CopyFigures figures;
    const auto tools = [&] {
        figures.tool = tool(pair, mOptions.rows, pair.label + ": tool");
        figures.before = tool(pair, mOptions.rows, pair.label + ": tool as before", true);
    };
    if (toolFirst)
        tools();
    figures.limit = limit(pair);
    figures.peer = peer(pair);
    if (!toolFirst)
        tools();
    return figures;
}

CopyFigures Run::copy(const Pair& pair) {
    CopyFigures figures = copyOnce(pair, true);
    for (int i = 1; i < mOptions.repeats; ++i) {
        const CopyFigures again = copyOnce(pair, i % 2 == 0);
        figures.tool = fastest(figures.tool, again.tool);
        figures.before = fastest(figures.before, again.before);
        figures.limit = fastest(figures.limit, again.limit);
        figures.peer = fastest(figures.peer, again.peer);
    }
    figures.tool.limitSeconds = figures.limit.seconds;
    figures.before.limitSeconds = figures.limit.seconds;
    figures.peer.limitSeconds = figures.limit.seconds;
    return figures;
}

std::vector<Line> Run::catalogues() {
    const std::string file = mWorkspace.file("catalogue.db");
    const OdbcSetup setup{"catalogue", kSqliteDriver, file, kFastSqlite};
    mWorkspace.use(setup);
    runChildOrThrow(child({"make-tables", "DSN=" + std::string(kDataSource),
                           std::to_string(mOptions.catalogueNames)}));
    std::vector<Line> lines;
    for (const char* side : {"sqlanywhere", "oracle"})
        for (const bool yieldWay : {false, true}) {
            setWay(yieldWay);
            std::vector<std::string> args = child({"catalogue", side});
            appendSettings(args, {"bench;Database=" + file, "", "", kDataSource});
            const ChildResult result = runChildOrThrow(args);
            const auto values = parseReport(result.output);
            if (number(values, "names") != static_cast<double>(mOptions.catalogueNames))
                mSteps.countWrong();
            Line line{std::string("catalogue, ") +
                          (side == std::string("oracle") ? "Oracle" : "SQL Anywhere") + " side" +
                          (yieldWay ? " as before" : ""),
                      number(values, "names"), number(values, "tool_seconds"),
                      number(values, "driver_seconds")};
            line.worstWaitMs = number(values, "worst_wait_ms");
            line.worstWaitElsewhereMs = number(values, "worst_wait_elsewhere_ms");
            line.peakMegabytes = result.peakMegabytes;
            lines.push_back(line);
        }
    setWay(false);
    return lines;
}

// A wait on a server that never answers, then the window closed: the window
// must keep answering meanwhile, and the close must end the wait in time.
void Run::stalled(const std::string& label, const std::vector<std::string>& args,
                  const std::string& mustBeOne, std::vector<Line>& lines,
                  std::vector<Goal>& goals) {
    const auto values = parseReport(runChildOrThrow(args).output);
    Line line{label, 0, number(values, "waited_ms") / 1000};
    line.worstWaitMs = number(values, "worst_wait_ms");
    lines.push_back(line);
    const double closeMs = number(values, "close_ms");
    goals.push_back(
        {label + ": worst event wait <= 20 ms (" + rounded(line.worstWaitMs, "%.1f") + " ms)",
         line.worstWaitMs <= kWorstWaitMs});
    goals.push_back({label + ": the close ends it within " + std::to_string(kCloseWithinMs) +
                         " ms (" + rounded(closeMs, "%.0f") + " ms)",
                     number(values, mustBeOne) == 1 && closeMs >= 0 && closeMs <= kCloseWithinMs});
}

// The Oracle side's connection check against a loopback listener that never
// answers (see StalledCheck.h), and a copy towards PostgreSQL whose server
// process is stopped once the copy is under way (see ToolRun.h).
void Run::stalledServers(std::vector<Line>& lines, std::vector<Goal>& goals) {
    const Pair pair = postgresPair(mSteps.makeSource("stalled.db", kStalledCopyRows));
    mWorkspace.use(pair.setup);
    stalled("connection check, server never answers", child({"stalled-check"}), "failed", lines,
            goals);
    reset(pair, false);
    std::vector<std::string> args =
        child({"stalled-copy", "to-oracle", kTable, mWorkspace.file("inserts.sql"),
               mWorkspace.file("create.sql")});
    appendSettings(args, pair.settings);
    stalled("copy to PostgreSQL, server stopped", args, "stopped", lines, goals);
}

void Run::run(const std::string& source, const std::string& big, std::vector<Line>& lines,
              std::vector<Goal>& goals) {
    const CopyFigures sqlite = copy(sqlitePair(source));
    const CopyFigures postgres = copy(postgresPair(source));
    lines.insert(lines.end(), {sqlite.tool, sqlite.before, sqlite.limit, sqlite.peer, postgres.tool,
                               postgres.before, postgres.limit, postgres.peer});
    goals.insert(
        goals.end(),
        {
            {"SQLite: tool <= 1.10 x limit", sqlite.tool.seconds <= 1.10 * sqlite.limit.seconds},
            {"PostgreSQL: tool <= 1.05 x limit",
             postgres.tool.seconds <= 1.05 * postgres.limit.seconds},
            {"tool faster than isql on both", sqlite.tool.seconds < sqlite.peer.seconds &&
                                                  postgres.tool.seconds < postgres.peer.seconds},
        });
    const double worst = std::max(sqlite.tool.worstWaitMs, postgres.tool.worstWaitMs);
    const double machine = std::max(sqlite.tool.machineWaitMs, postgres.tool.machineWaitMs);
    goals.push_back({"worst event wait <= 20 ms, whole copy (" + rounded(worst, "%.1f") +
                         " ms; the machine alone " + rounded(machine, "%.1f") + " ms)",
                     worst <= kWorstWaitMs});
    for (const CopyFigures* figures : {&sqlite, &postgres}) {
        const double change = figures->tool.seconds / figures->before.seconds - 1;
        goals.push_back({figures->tool.measurement + " within 2 % of as before (" +
                             rounded(100 * change, "%+.1f") + " %)",
                         change <= kThroughputTolerance});
    }
    if (!big.empty()) {
        Line memory = tool(postgresPair(big, true), mOptions.memoryRows,
                           "memory: SQLite -> PostgreSQL, unbuffered");
        lines.push_back(memory);
        goals.push_back(
            {"peak RSS < 200 MB copying " + std::to_string(mOptions.memoryRows) + " rows",
             memory.peakMegabytes < 200});
    }
    if (mOptions.catalogueNames > 0) {
        for (const Line& line : catalogues()) {
            lines.push_back(line);
            goals.push_back({line.measurement + ": " + std::to_string(mOptions.catalogueNames) +
                                 " names < 1 s beyond the driver",
                             line.seconds - line.limitSeconds < 1.0});
            if (line.measurement.find("as before") == std::string::npos)
                goals.push_back({line.measurement + ": worst event wait <= 20 ms (" +
                                     rounded(line.worstWaitMs, "%.1f") + " ms)",
                                 line.worstWaitMs <= kWorstWaitMs});
        }
    }
    stalledServers(lines, goals);
}

} // namespace

int runBenchmark(const Options& options) {
    Workspace workspace;
    DatabaseSteps steps(workspace);
    const std::string source = steps.makeSource("source.db", options.rows);
    const std::string big =
        options.memoryRows > 0 ? steps.makeSource("memory.db", options.memoryRows) : "";
    std::vector<Line> lines;
    std::vector<Goal> goals;
    if (!options.commandLineOnly) {
        // Its server stops before the command line's, which waits for the disk, starts.
        Run run(options, steps);
        run.run(source, big, lines, goals);
    }
    compareCommandLine(options, steps, source, big, lines, goals);
    printReport("Tallowmere copy benchmark: " + std::to_string(options.rows) +
                    " rows x 8 columns, fastest of " + std::to_string(options.repeats) + " runs",
                lines, goals);
    if (steps.wrongCopies() > 0)
        std::printf("\n%d copies came out WRONG.\n", steps.wrongCopies());
    return steps.wrongCopies() > 0 ? 1 : 0;
}

} // namespace bench
