#include "CommandLineComparison.h"

#include "ChildArgs.h"
#include "CommandLineCopy.h"
#include "DelayRelay.h"
#include "Postgres.h"
#include "Workload.h"

#include <chrono>
#include <functional>

namespace bench {
namespace {

// The command line's default --batch-rows, which the limit binds too.
constexpr size_t kArrayRows = 1000;
// What a network between two machines holds each chunk, each way.
constexpr auto kRelayHold = std::chrono::microseconds(500);
// The command line's rate over the array limit's, both into the window's
// table (--plain); and the whole table's rate over --plain's: its key, NOT
// NULL, indexes and bound dates may cost, but not half the rate.
constexpr double kArrayRateGoal = 0.9;
constexpr double kWholeOverPlainGoal = 0.5;
constexpr double kPeakGoalMegabytes = 200;

// The same two databases and direction for a given source file.
using PairOn = std::function<Pair(const std::string& source)>;

struct Figures {
    Line arrays;
    Line plain; // the same arrays into the window's table: no key, no index
    Line limit; // left empty where the limit is not measured
    Line rowByRow;
};

class Comparison {
public:
    Comparison(const Options& options, DatabaseSteps& steps, const std::string& source)
        : mOptions(options)
        , mSteps(steps)
        , mSource(source)
        , mRowByRowSource(steps.makeSource("row-by-row.db", options.rowByRowRows))
        , mServer(options.sourceFolder, Commits::Durable)
        , mAccount(mServer)
        , mDurable(mServer.commitsDurably()) {}

    void run(const std::string& big, std::vector<Line>& lines, std::vector<Goal>& goals);

private:
    Line commandLine(const Pair& pair, long rows, RowsSent way, const std::string& label);
    Line arrayLimit(const Pair& pair);
    Figures turn(const PairOn& pairOn, bool withLimit, bool arraysFirst);
    Figures fastestTurns(const PairOn& pairOn, bool withLimit);
    void compare(const PairOn& pairOn, bool withLimit, std::vector<Line>& lines,
                 std::vector<Goal>& goals);
    PairOn postgres(const std::string& sid, bool unbuffered) const;

    const Options& mOptions;
    DatabaseSteps& mSteps;
    std::string mSource;
    std::string mRowByRowSource;
    PostgresServer mServer;
    PostgresAccount mAccount;
    bool mDurable;
};

PairOn Comparison::postgres(const std::string& sid, bool unbuffered) const {
    return [this, sid, unbuffered](const std::string& source) {
        Pair pair = postgresPair(sid, mAccount, source, unbuffered);
        if (mDurable)
            pair.label = "SQLite -> durable PostgreSQL";
        return pair;
    };
}

Line Comparison::commandLine(const Pair& pair, long rows, RowsSent way, const std::string& label) {
    mSteps.workspace().use(pair.setup);
    mSteps.reset(pair, false);
    const CommandLineCopy copy =
        runCommandLineCopy(mOptions.program, mSteps.workspace(), pair, way, rows);
    if (!copy.copiedAll)
        mSteps.countWrong();
    mSteps.check(pair, rows);
    Line line{label, static_cast<double>(rows), copy.child.seconds};
    line.peakMegabytes = copy.child.peakMegabytes;
    return line;
}

// Sends into the table as the command line made it, emptied first.
Line Comparison::arrayLimit(const Pair& pair) {
    mSteps.workspace().use(pair.setup);
    mSteps.empty(pair);
    const auto values = parseReport(
        runChildOrThrow(
            mSteps.child({"array-limit", sqliteSourceString(mSource), kTable, pair.targetString(),
                          pair.wideTarget ? "1" : "0", std::to_string(kArrayRows)}))
            .output);
    if (number(values, "rows") != static_cast<double>(mOptions.rows))
        mSteps.countWrong();
    mSteps.check(pair, mOptions.rows);
    Line line{pair.label + ": array limit (bare loop)", static_cast<double>(mOptions.rows),
              number(values, "seconds")};
    line.fetchSeconds = number(values, "fetch_seconds");
    return line;
}

// Each turn starts with a copy of the command line, so the limit always finds
// a table it made; later turns send row by row first, so that neither way
// always meets the database just after the other has filled it.
Figures Comparison::turn(const PairOn& pairOn, bool withLimit, bool arraysFirst) {
    const Pair whole = pairOn(mSource);
    const Pair sample = pairOn(mRowByRowSource);
    Figures figures;
    // --plain last, so the limit, which binds texts as the window's table
    // takes them, sends into the same table as it.
    const auto inArrays = [&] {
        figures.arrays =
            commandLine(whole, mOptions.rows, RowsSent::InArrays, whole.label + ": command line");
        figures.plain = commandLine(whole, mOptions.rows, RowsSent::Plain,
                                    whole.label + ": command line --plain");
    };
    const auto rowByRow = [&] {
        figures.rowByRow = commandLine(sample, mOptions.rowByRowRows, RowsSent::RowByRow,
                                       sample.label + ": command line --row-by-row");
    };
    arraysFirst ? inArrays() : rowByRow();
    if (withLimit)
        figures.limit = arrayLimit(whole);
    arraysFirst ? rowByRow() : inArrays();
    return figures;
}

Figures Comparison::fastestTurns(const PairOn& pairOn, bool withLimit) {
    Figures figures = turn(pairOn, withLimit, true);
    for (int i = 1; i < mOptions.repeats; ++i) {
        const Figures again = turn(pairOn, withLimit, i % 2 == 0);
        figures.arrays = fastest(figures.arrays, again.arrays);
        figures.plain = fastest(figures.plain, again.plain);
        figures.limit = fastest(figures.limit, again.limit);
        figures.rowByRow = fastest(figures.rowByRow, again.rowByRow);
    }
    figures.plain.limitSeconds = figures.limit.seconds;
    return figures;
}

double rate(const Line& line) {
    return line.rows / line.seconds;
}

void Comparison::compare(const PairOn& pairOn, bool withLimit, std::vector<Line>& lines,
                         std::vector<Goal>& goals) {
    const Figures figures = fastestTurns(pairOn, withLimit);
    const std::string& label = figures.arrays.measurement;
    lines.push_back(figures.arrays);
    lines.push_back(figures.plain);
    const double overPlain = rate(figures.arrays) / rate(figures.plain);
    goals.push_back({label + " (whole tables) at " + rounded(overPlain, "%.2f") +
                         " x the rate of --plain, >= " + rounded(kWholeOverPlainGoal, "%.1f"),
                     overPlain >= kWholeOverPlainGoal});
    if (withLimit) {
        lines.push_back(figures.limit);
        // The loop reads the table whole and then binds it; its clock leaves the
        // reading out, the command line's whole process (start, both lists,
        // reading, the closing count) cannot. The goal holds the loop's reading
        // and sending against the command line; sending alone is shown beside.
        const double sendingAlone = rate(figures.plain) / rate(figures.limit);
        const double ratio =
            (figures.limit.seconds + figures.limit.fetchSeconds) / figures.plain.seconds;
        goals.push_back({figures.plain.measurement + " at >= " + rounded(kArrayRateGoal, "%.1f") +
                             " x the array loop's rate, reading and sending (" +
                             rounded(ratio, "%.3f") + " x; against its sending alone " +
                             rounded(sendingAlone, "%.3f") + " x)",
                         ratio >= kArrayRateGoal});
    }
    lines.push_back(figures.rowByRow);
    const double overRowByRow = rate(figures.arrays) / rate(figures.rowByRow);
    goals.push_back(
        {label + " at " + rounded(overRowByRow, "%.2f") + " x the rate of its --row-by-row",
         overRowByRow > 1});
}

void Comparison::run(const std::string& big, std::vector<Line>& lines, std::vector<Goal>& goals) {
    goals.push_back({std::string("the command line's PostgreSQL waits for the disk at each "
                                 "commit, fsync and synchronous_commit on: ") +
                         (mDurable ? "yes" : "no"),
                     mDurable});
    compare(postgres(mServer.sid(), false), true, lines, goals);
    compare([this](const std::string& source) { return sqlitePair(mSteps.workspace(), source); },
            true, lines, goals);
    {
        const DelayRelay relay(mServer.port(), kRelayHold);
        const PairOn near = postgres(mServer.sidThrough(relay.port()), false);
        const std::string hold =
            " +" + rounded(kRelayHold.count() / 1000.0, "%.1f") + " ms each way";
        compare(
            [&](const std::string& source) {
                Pair pair = near(source);
                pair.label += hold;
                return pair;
            },
            false, lines, goals);
    }
    if (big.empty())
        return;
    const Line memory =
        commandLine(postgres(mServer.sid(), true)(big), mOptions.memoryRows, RowsSent::InArrays,
                    "memory: command line, SQLite -> PostgreSQL, unbuffered");
    lines.push_back(memory);
    goals.push_back({"command line's peak RSS < " + rounded(kPeakGoalMegabytes, "%.0f") +
                         " MB copying " + std::to_string(mOptions.memoryRows) + " rows (" +
                         rounded(memory.peakMegabytes, "%.1f") + " MB)",
                     memory.peakMegabytes < kPeakGoalMegabytes});
}

} // namespace

void compareCommandLine(const Options& options, DatabaseSteps& steps, const std::string& source,
                        const std::string& big, std::vector<Line>& lines,
                        std::vector<Goal>& goals) {
    Comparison comparison(options, steps, source);
    comparison.run(big, lines, goals);
}

} // namespace bench
