// How the program starts, from its arguments: the windows, an answer on the
// terminal (--help, --version), a command that never opens a window, or a
// wrong command line refused.
#pragma once

#include <optional>

namespace tallowmere::cli {

// The exit status when the arguments were handled here; none when the
// windows are to open.
std::optional<int> RunFromCommandLine(int argc, char** argv);

} // namespace tallowmere::cli
