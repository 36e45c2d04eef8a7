// The goals the command line's figures are held to, worked out from the
// lines of the table, apart from the runs that measure them.
#pragma once

#include "Report.h"

#include <string>

namespace bench {

double rate(const Line& line);

// The rows over the slower of reading alone and sending alone: one stream of
// rows, read and then sent, goes no faster than that.
Line oneStreamLimit(const std::string& label, const Line& readAlone, const Line& sendAlone);

// The command line's whole tables at >= 0.9 of the one-stream limit's rate.
Goal oneStreamGoal(const Line& arrays, const Line& limit);

// --plain's rate at >= 0.9 of the array loop's, reading and sending together.
Goal arrayLoopGoal(const Line& plain, const Line& readAlone, const Line& sendAlone);

} // namespace bench
