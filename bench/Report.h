// The one table the benchmark prints, and the goals it is read against.
#pragma once

#include <string>
#include <vector>

namespace bench {

// The seconds of a line whose copy could not be run as asked.
inline constexpr double kNotMeasured = -1;

struct Line {
    std::string measurement;
    double rows = 0;
    double seconds = 0;      // or kNotMeasured
    double limitSeconds = 0; // what the line is compared with; 0 for none
    double worstWaitMs = -1; // -1: not measured
    double worstWaitElsewhereMs = -1;
    double machineWaitMs = -1; // the same timer's worst in a process sharing nothing
    double fetchSeconds = -1;
    double peakMegabytes = -1;

    bool measured() const { return seconds >= 0; }
};

struct Goal {
    std::string text;
    bool reached;
};

// The faster of two measurements of the same thing, a measured one before
// one not measured; waits and memory at their worst.
Line fastest(const Line& first, const Line& second);

// A figure in a goal's text, e.g. rounded(0.934, "%.2f").
std::string rounded(double value, const char* format);

void printReport(const std::string& title, const std::vector<Line>& lines,
                 const std::vector<Goal>& goals);

} // namespace bench
