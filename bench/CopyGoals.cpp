#include "CopyGoals.h"

#include <algorithm>

namespace bench {
namespace {

// The command line's rate over the array loop's, both into the window's
// table (--plain).
constexpr double kArrayRateGoal = 0.9;
// The command line's copy over the one-stream limit: reading beside sending, a
// copy can go no faster than the slower of the two alone, and its own work
// should cost no more than a tenth beyond that.
constexpr double kOneStreamGoal = 0.9;
// Four tables at once over a link that holds every chunk: their waits overlap,
// so the rate should come near four times one table's at a time.
constexpr double kJobsRateGoal = 2.5;
// Four copies at once hold four tables' rows in flight at the most: their peak
// stays below four times one copy's, the program's own share counted once.
constexpr double kJobsPeakGoal = 4;

} // namespace

double rate(const Line& line) {
    return line.rows / line.seconds;
}

Line oneStreamLimit(const std::string& label, const Line& readAlone, const Line& sendAlone) {
    return {label + ": one-stream limit", readAlone.rows,
            std::max(readAlone.seconds, sendAlone.seconds)};
}

Goal oneStreamGoal(const Line& copy, const Line& limit) {
    const double ratio = rate(copy) / rate(limit);
    return {copy.measurement + " at " + rounded(ratio, "%.3f") +
                " x the one-stream limit, >= " + rounded(kOneStreamGoal, "%.1f"),
            ratio >= kOneStreamGoal};
}

// The loop reads the table whole and then binds it; the command line's whole
// process (start, both lists, reading, the closing count) cannot leave the
// reading out. The goal holds the loop's reading and sending against the
// command line; sending alone is shown beside.
Goal arrayLoopGoal(const Line& plain, const Line& readAlone, const Line& sendAlone) {
    const double sendingAlone = rate(plain) / rate(sendAlone);
    const double ratio = (sendAlone.seconds + readAlone.seconds) / plain.seconds;
    return {plain.measurement + " at >= " + rounded(kArrayRateGoal, "%.1f") +
                " x the array loop's rate, reading and sending (" + rounded(ratio, "%.3f") +
                " x; against its sending alone " + rounded(sendingAlone, "%.3f") + " x)",
            ratio >= kArrayRateGoal};
}

std::vector<Goal> jobsGoals(const std::string& what, const Line& one, const Line& many) {
    const std::string rateGoal = " the rate of --jobs 1, >= " + rounded(kJobsRateGoal, "%.1f");
    const std::string peakGoal = " < " + rounded(kJobsPeakGoal, "%.0f") + " x --jobs 1's";
    if (!one.measured() || !many.measured()) {
        const std::string why = ": not measured, the program refused --jobs";
        return {{what + " at" + rateGoal + why, false},
                {what + " peak RSS" + peakGoal + why, false}};
    }
    const double overOne = one.seconds / many.seconds;
    return {{what + " at " + rounded(overOne, "%.2f") + " x" + rateGoal, overOne >= kJobsRateGoal},
            {what + " peak RSS " + rounded(many.peakMegabytes, "%.1f") + " MB" + peakGoal + " " +
                 rounded(one.peakMegabytes, "%.1f") + " MB",
             many.peakMegabytes < kJobsPeakGoal * one.peakMegabytes}};
}

} // namespace bench
