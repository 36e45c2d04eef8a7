// One run of the command line's copy as a line of the table: the target's
// tables dropped first (unless the copy empties them), each checked after.
#pragma once

#include "CommandLineCopy.h"
#include "DatabaseSteps.h"
#include "Report.h"

#include <string>

namespace bench {

// The line's rows are every table's; its peak memory the child's. A copy that
// asks for --jobs, which the program may not have yet, is a line not measured
// when the program refuses the command line; any other failure counts as a
// wrong copy.
Line measureCommandLineCopy(const std::string& program, DatabaseSteps& steps, const Pair& pair,
                            const CopyOrder& order, const std::string& label);

} // namespace bench
