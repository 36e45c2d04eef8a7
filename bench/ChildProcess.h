// Runs a program to its end: its standard output, its wall time and its peak
// resident memory, which is then the figure of that one measurement alone.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ChildResult {
    int exitCode = -1;
    std::string output;
    double seconds = 0;
    double peakMegabytes = 0;
};

struct ChildOptions {
    std::string standardInput = "/dev/null";
    bool keepOutput = true; // otherwise it goes to /dev/null
};

ChildResult runChild(const std::vector<std::string>& args, const ChildOptions& options = {});

// As runChild, but a failure ends the benchmark.
ChildResult runChildOrThrow(const std::vector<std::string>& args, const ChildOptions& options = {});

// This program, for the measurements it runs in processes of their own.
std::string selfPath();

} // namespace bench
