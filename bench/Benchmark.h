// One run of the benchmark: the data, every measurement side by side, the table.
#pragma once

#include <string>

namespace bench {

struct Options {
    long rows = 200000;
    long memoryRows = 2000000;   // 0 leaves the memory run out
    long catalogueNames = 20000; // 0 leaves the catalogues out
    // Each copy's tool, limit and peer run in turn this many times; the fastest
    // of each counts, so a passing disturbance of the machine does not.
    int repeats = 3;
    std::string sourceFolder;
};

// Returns non-zero when a copy came out wrong; figures short of a goal do not fail it.
int runBenchmark(const Options& options);

} // namespace bench
