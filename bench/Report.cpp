#include "Report.h"

#include <algorithm>
#include <cstdio>

namespace bench {
namespace {

// The measurement column is at least this wide, wider for a longer name.
constexpr size_t kLabelWidth = 40;

void cell(double value, const char* format) {
    if (value < 0)
        std::printf("%10s", "-");
    else
        std::printf(format, value);
}

} // namespace

Line fastest(const Line& first, const Line& second) {
    const bool firstFaster =
        !second.measured() || (first.measured() && first.seconds <= second.seconds);
    Line best = firstFaster ? first : second;
    best.worstWaitMs = std::max(first.worstWaitMs, second.worstWaitMs);
    best.worstWaitElsewhereMs = std::max(first.worstWaitElsewhereMs, second.worstWaitElsewhereMs);
    best.machineWaitMs = std::max(first.machineWaitMs, second.machineWaitMs);
    best.peakMegabytes = std::max(first.peakMegabytes, second.peakMegabytes);
    return best;
}

std::string rounded(double value, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void printReport(const std::string& title, const std::vector<Line>& lines,
                 const std::vector<Goal>& goals) {
    std::printf("\n%s\n\n", title.c_str());
    size_t labelWidth = kLabelWidth;
    for (const Line& line : lines)
        labelWidth = std::max(labelWidth, line.measurement.size());
    const int width = static_cast<int>(labelWidth);
    std::printf("%-*s %9s %9s %9s %9s %9s %10s %10s %10s %10s %10s\n", width, "measurement", "rows",
                "seconds", "rows/s", "x limit", "+limit s", "wait ms", "elsewhere", "machine",
                "fetch s", "peak MB");
    for (const Line& line : lines) {
        std::printf("%-*s %9.0f", width, line.measurement.c_str(), line.rows);
        if (line.measured())
            std::printf(" %9.2f %9.0f", line.seconds,
                        line.seconds > 0 ? line.rows / line.seconds : 0.0);
        else
            std::printf(" %9s %9s", "-", "-");
        if (line.limitSeconds > 0 && line.measured())
            std::printf(" %9.3f %9.2f", line.seconds / line.limitSeconds,
                        line.seconds - line.limitSeconds);
        else
            std::printf(" %9s %9s", "-", "-");
        cell(line.worstWaitMs, " %9.1f");
        cell(line.worstWaitElsewhereMs, " %9.1f");
        cell(line.machineWaitMs, " %9.1f");
        cell(line.fetchSeconds, " %9.2f");
        cell(line.peakMegabytes, " %9.1f");
        std::printf("\n");
    }
    std::printf("\n");
    for (const Goal& goal : goals)
        std::printf("  [%s] %s\n", goal.reached ? "met" : "NOT MET", goal.text.c_str());
    std::printf("\nx limit: time over the limit's time on the same pair (the catalogue: over the "
                "driver's own reading of the names). wait ms: the worst lateness of a timer due "
                "every 2 ms; elsewhere: the same, leaving out the calls with no yield inside "
                "(reading a catalogue); machine: the same timer's worst meanwhile in a process "
                "sharing nothing with the program, what the machine itself makes any process wait. "
                "fetch s: time reading the source whole. one-stream limit: the rows over the "
                "slower of read alone and send alone. seconds -: not measured, the program "
                "refused the command line it was given.\n");
    std::fflush(stdout);
}

} // namespace bench
