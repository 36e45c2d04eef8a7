// The command line's copy (rows in arrays) beside the bare array loop's
// reading and sending, each timed alone, and the one-stream limit they make,
// and beside its own --row-by-row (on a table of options.rowByRowRows rows),
// on a PostgreSQL server of its own that waits for the disk at each commit:
// towards PostgreSQL, towards SQLite, and towards PostgreSQL through a relay
// holding each chunk 0.5 ms each way, where it also copies several tables one
// at a time and four at once; then its peak memory copying the big table.
#pragma once

#include "Benchmark.h"
#include "DatabaseSteps.h"
#include "Report.h"

#include <string>
#include <vector>

namespace bench {

// source: the table of options.rows rows; big: of options.memoryRows rows, or
// empty to leave the memory run out.
void compareCommandLine(const Options& options, DatabaseSteps& steps, const std::string& source,
                        const std::string& big, std::vector<Line>& lines, std::vector<Goal>& goals);

} // namespace bench
