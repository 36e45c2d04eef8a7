// The limit: the captured INSERT texts executed one at a time through the
// same driver and data source, with nothing else around them.
#pragma once

#include <string>

namespace bench {

struct LoopResult {
    long statements = 0;
    double seconds = 0;
    double fetchSeconds = 0; // reading the source whole first, where a loop does
};

// Reads every line of the file first, then times only their execution. Wide
// drivers get the texts as UTF-16, converted before the clock starts.
LoopResult runBareInsertLoop(const std::string& connectionString, const std::string& statements,
                             bool wide);

} // namespace bench
