// The program's own command line copying the benchmark's tables, run as a
// child process of the program binary: the connection values as options after
// the command, the password in the variable the program reads, and a settings
// folder of the benchmark's own, so no settings file of the user's is read.
#pragma once

#include "ChildProcess.h"
#include "Pair.h"
#include "Workload.h"
#include "Workspace.h"

#include <string>
#include <vector>

namespace bench {

// In arrays into the whole table or the window's (--plain), in arrays into
// the table that is there, emptied first (--truncate), or the window's INSERT
// texts.
enum class RowsSent { InArrays, Plain, Truncate, RowByRow };

// What one run of the command line copies, and how.
struct CopyOrder {
    RowsSent way = RowsSent::InArrays;
    std::vector<std::string> tables{kTable}; // named on the command line, in this order
    long rowsEach = 0;                       // the rows of every one of them
    int jobs = 0;                            // --jobs N; 0 leaves the option out
};

struct CommandLineCopy {
    ChildResult child;
    // Exit 0 and copiedEvery().
    bool copiedAll = false;
    // The program refused the command line (exit 2): an option it does not have.
    bool refused = false;
};

// The program's command line for the order: its options, then the tables.
std::vector<std::string> copyCommand(const std::string& program, const Pair& pair,
                                     const CopyOrder& order);

// Whether standard output has one line "TABLE\tROWS" for each table of the
// order and nothing else; tables copied at once may finish in any order.
bool copiedEvery(const std::string& output, const CopyOrder& order);

// Copies the tables of `order` with `program copy --to ...`; none of them
// may exist on the target, unless the order is to empty them.
CommandLineCopy runCommandLineCopy(const std::string& program, const Workspace& workspace,
                                   const Pair& pair, const CopyOrder& order);

} // namespace bench
