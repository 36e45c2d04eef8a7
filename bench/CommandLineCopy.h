// The program's own command line copying the benchmark's table, run as a
// child process of the program binary: the connection values as options after
// the command, the password in the variable the program reads, and a settings
// folder of the benchmark's own, so no settings file of the user's is read.
#pragma once

#include "ChildProcess.h"
#include "Pair.h"
#include "Workspace.h"

#include <string>

namespace bench {

// In arrays into the whole table or the window's (--plain), or the window's
// INSERT texts.
enum class RowsSent { InArrays, Plain, RowByRow };

struct CommandLineCopy {
    ChildResult child;
    // Exit 0 and the one line "TABLE\tROWS" for every row of the source.
    bool copiedAll = false;
};

// Copies the table of `pair` with `program copy --to ...`; the target table
// must not exist.
CommandLineCopy runCommandLineCopy(const std::string& program, const Workspace& workspace,
                                   const Pair& pair, RowsSent way, long rows);

} // namespace bench
