// One run of the benchmark: the data, every measurement side by side, the table.
#pragma once

#include <string>

namespace bench {

struct Options {
    long rows = 200000;
    long memoryRows = 2000000; // 0 leaves the memory run out
    // The command line's --row-by-row copies a table of this many rows: its
    // rate is bound by a commit per row, which a tenth of the rows shows as
    // well, in a tenth of the time; unless told, options.rows / 10.
    long rowByRowRows = -1;
    long catalogueNames = 20000; // 0 leaves the catalogues out
    // The rows of each of the tables the command line copies in one run,
    // one at a time and several at once; 0 leaves that run out.
    long tableRows = 25000;
    // Each copy's tool, limit and peer run in turn this many times; the fastest
    // of each counts, so a passing disturbance of the machine does not.
    int repeats = 3;
    // Only the command line's copy beside its limit and its --row-by-row.
    bool commandLineOnly = false;
    std::string sourceFolder;
    std::string program; // the program binary, whose command line is measured
};

// Returns non-zero when a copy came out wrong; figures short of a goal do not fail it.
int runBenchmark(const Options& options);

} // namespace bench
