#include "JobsComparison.h"

#include "CopyGoals.h"
#include "MeasuredCopy.h"
#include "Workload.h"

#include <string>

namespace bench {
namespace {

constexpr int kTables = 8;
constexpr int kManyJobs = 4;

struct JobsFigures {
    Line one;
    Line many;
};

class Jobs {
public:
    Jobs(const Options& options, DatabaseSteps& steps, const PairOn& pairOn)
        : mOptions(options)
        , mSteps(steps)
        , mTables(numberedTables(kTables))
        , mPair(pairOn(steps.makeSource("tables.db", options.tableRows, mTables))) {}

    JobsFigures fastestTurns();

private:
    Line copy(int jobs);
    JobsFigures turn(bool oneFirst);

    const Options& mOptions;
    DatabaseSteps& mSteps;
    const std::vector<std::string> mTables;
    const Pair mPair;
};

Line Jobs::copy(int jobs) {
    return measureCommandLineCopy(mOptions.program, mSteps, mPair,
                                  {RowsSent::InArrays, mTables, mOptions.tableRows, jobs},
                                  mPair.label + ": " + std::to_string(kTables) +
                                      " tables, command line --jobs " + std::to_string(jobs));
}

// Later turns copy four at once first, so that neither way always meets the
// database just after the other has filled it.
JobsFigures Jobs::turn(bool oneFirst) {
    JobsFigures figures;
    if (oneFirst)
        figures.one = copy(1);
    figures.many = copy(kManyJobs);
    if (!oneFirst)
        figures.one = copy(1);
    return figures;
}

JobsFigures Jobs::fastestTurns() {
    JobsFigures figures = turn(true);
    for (int i = 1; i < mOptions.repeats; ++i) {
        const JobsFigures again = turn(i % 2 == 0);
        figures.one = fastest(figures.one, again.one);
        figures.many = fastest(figures.many, again.many);
    }
    return figures;
}

} // namespace

void compareJobs(const Options& options, DatabaseSteps& steps, const PairOn& pairOn,
                 std::vector<Line>& lines, std::vector<Goal>& goals) {
    const JobsFigures figures = Jobs(options, steps, pairOn).fastestTurns();
    lines.insert(lines.end(), {figures.one, figures.many});
    const std::vector<Goal> held = jobsGoals(
        std::to_string(kTables) + " tables through the relay: --jobs " + std::to_string(kManyJobs),
        figures.one, figures.many);
    goals.insert(goals.end(), held.begin(), held.end());
}

} // namespace bench
