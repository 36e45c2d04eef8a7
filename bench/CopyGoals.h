// The goals the command line's figures are held to, worked out from the
// lines of the table, apart from the runs that measure them.
#pragma once

#include "Report.h"

#include <string>
#include <vector>

namespace bench {

double rate(const Line& line);

// The rows over the slower of reading alone and sending alone: one stream of
// rows, read and then sent, goes no faster than that.
Line oneStreamLimit(const std::string& label, const Line& readAlone, const Line& sendAlone);

// The command line's copy into the table the limit sends into, reading beside
// sending, at >= 0.9 of the one-stream limit's rate.
Goal oneStreamGoal(const Line& copy, const Line& limit);

// --plain's rate at >= 0.9 of the array loop's, reading and sending together.
Goal arrayLoopGoal(const Line& plain, const Line& readAlone, const Line& sendAlone);

// Several tables copied at once (`many`, named by `what`) against one at a
// time: at >= 2.5 x the rate, at < 4 x the peak memory; neither met when
// either line was not measured.
std::vector<Goal> jobsGoals(const std::string& what, const Line& one, const Line& many);

} // namespace bench
