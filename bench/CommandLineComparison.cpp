#include "CommandLineComparison.h"

#include "ChildArgs.h"
#include "CopyGoals.h"
#include "DelayRelay.h"
#include "JobsComparison.h"
#include "MeasuredCopy.h"
#include "Postgres.h"
#include "Workload.h"

#include <chrono>

namespace bench {
namespace {

// The command line's default --batch-rows, which the limit binds too.
constexpr size_t kArrayRows = 1000;
// What a network between two machines holds each chunk, each way.
constexpr auto kRelayHold = std::chrono::microseconds(500);
// The whole table's rate over --plain's: its key, NOT NULL, indexes and bound
// dates may cost, but not half the rate.
constexpr double kWholeOverPlainGoal = 0.5;
constexpr double kPeakGoalMegabytes = 200;

// What a comparison shows of the bare array loop: nothing (through the relay),
// its reading and its sending, or those and the one-stream limit they make.
enum class Limits { None, Halves, OneStream };

struct Figures {
    std::string label; // the pair's
    Line arrays;
    Line plain; // the same arrays into the window's table: no key, no index
    // The same arrays into that table again, emptied first: nothing about the
    // table waits for the values, so the rows are read beside their sending.
    // Left empty where the loop is not run.
    Line truncate;
    // The array loop's reading and sending, each timed alone; left empty
    // where the loop is not run.
    Line readAlone;
    Line sendAlone;
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
    void arrayLimit(const Pair& pair, Figures& figures);
    Figures turn(const PairOn& pairOn, bool withLimit, bool arraysFirst);
    Figures fastestTurns(const PairOn& pairOn, bool withLimit);
    void compare(const PairOn& pairOn, Limits limits, std::vector<Line>& lines,
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
    return measureCommandLineCopy(mOptions.program, mSteps, pair, {way, {kTable}, rows}, label);
}

// Sends into the table as the command line made it, emptied first.
void Comparison::arrayLimit(const Pair& pair, Figures& figures) {
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
    const double rows = static_cast<double>(mOptions.rows);
    figures.readAlone = {pair.label + ": read alone (bare array loop)", rows,
                         number(values, "fetch_seconds")};
    figures.sendAlone = {pair.label + ": send alone (bare array loop)", rows,
                         number(values, "seconds")};
}

// Each turn starts with a copy of the command line, so the limit always finds
// a table it made; later turns send row by row first, so that neither way
// always meets the database just after the other has filled it.
Figures Comparison::turn(const PairOn& pairOn, bool withLimit, bool arraysFirst) {
    const Pair whole = pairOn(mSource);
    const Pair sample = pairOn(mRowByRowSource);
    Figures figures;
    figures.label = whole.label;
    // --plain last, so the limit, which binds texts as the window's table
    // takes them, sends into the same table as it.
    const auto inArrays = [&] {
        figures.arrays =
            commandLine(whole, mOptions.rows, RowsSent::InArrays, whole.label + ": command line");
        figures.plain = commandLine(whole, mOptions.rows, RowsSent::Plain,
                                    whole.label + ": command line --plain");
        if (withLimit)
            figures.truncate = commandLine(whole, mOptions.rows, RowsSent::Truncate,
                                           whole.label + ": command line --truncate");
    };
    const auto rowByRow = [&] {
        figures.rowByRow = commandLine(sample, mOptions.rowByRowRows, RowsSent::RowByRow,
                                       sample.label + ": command line --row-by-row");
    };
    arraysFirst ? inArrays() : rowByRow();
    if (withLimit)
        arrayLimit(whole, figures);
    arraysFirst ? rowByRow() : inArrays();
    return figures;
}

Figures Comparison::fastestTurns(const PairOn& pairOn, bool withLimit) {
    Figures figures = turn(pairOn, withLimit, true);
    for (int i = 1; i < mOptions.repeats; ++i) {
        const Figures again = turn(pairOn, withLimit, i % 2 == 0);
        figures.arrays = fastest(figures.arrays, again.arrays);
        figures.plain = fastest(figures.plain, again.plain);
        figures.truncate = fastest(figures.truncate, again.truncate);
        figures.readAlone = fastest(figures.readAlone, again.readAlone);
        figures.sendAlone = fastest(figures.sendAlone, again.sendAlone);
        figures.rowByRow = fastest(figures.rowByRow, again.rowByRow);
    }
    figures.plain.limitSeconds = figures.sendAlone.seconds;
    return figures;
}

void Comparison::compare(const PairOn& pairOn, Limits limits, std::vector<Line>& lines,
                         std::vector<Goal>& goals) {
    Figures figures = fastestTurns(pairOn, limits != Limits::None);
    const Line oneStream = oneStreamLimit(figures.label, figures.readAlone, figures.sendAlone);
    if (limits == Limits::OneStream)
        figures.truncate.limitSeconds = oneStream.seconds;
    const std::string& label = figures.arrays.measurement;
    lines.push_back(figures.arrays);
    lines.push_back(figures.plain);
    const double overPlain = rate(figures.arrays) / rate(figures.plain);
    goals.push_back({label + " (whole tables) at " + rounded(overPlain, "%.2f") +
                         " x the rate of --plain, >= " + rounded(kWholeOverPlainGoal, "%.1f"),
                     overPlain >= kWholeOverPlainGoal});
    if (limits != Limits::None) {
        lines.insert(lines.end(), {figures.truncate, figures.readAlone, figures.sendAlone});
        goals.push_back(arrayLoopGoal(figures.plain, figures.readAlone, figures.sendAlone));
    }
    if (limits == Limits::OneStream) {
        lines.push_back(oneStream);
        goals.push_back(oneStreamGoal(figures.truncate, oneStream));
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
    compare(postgres(mServer.sid(), false), Limits::OneStream, lines, goals);
    compare([this](const std::string& source) { return sqlitePair(mSteps.workspace(), source); },
            Limits::Halves, lines, goals);
    {
        const DelayRelay relay(mServer.port(), kRelayHold);
        const PairOn near = postgres(mServer.sidThrough(relay.port()), false);
        const std::string hold =
            " +" + rounded(kRelayHold.count() / 1000.0, "%.1f") + " ms each way";
        const PairOn relayed = [&](const std::string& source) {
            Pair pair = near(source);
            pair.label += hold;
            return pair;
        };
        compare(relayed, Limits::None, lines, goals);
        if (mOptions.tableRows > 0)
            compareJobs(mOptions, mSteps, relayed, lines, goals);
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
