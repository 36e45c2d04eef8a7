// The command line copying several tables in one run, one table at a time
// (--jobs 1) and four at once (--jobs 4), side by side: the rate over all the
// tables and the child's peak memory of each.
#pragma once

#include "Benchmark.h"
#include "DatabaseSteps.h"
#include "Pair.h"
#include "Report.h"

#include <vector>

namespace bench {

// Makes a source of the tables, options.tableRows rows each, and copies them
// between the databases pairOn gives for it. A program that refuses --jobs
// leaves its lines not measured and their goals not met.
void compareJobs(const Options& options, DatabaseSteps& steps, const PairOn& pairOn,
                 std::vector<Line>& lines, std::vector<Goal>& goals);

} // namespace bench
