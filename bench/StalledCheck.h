// The setup window's connection check against a server that takes the
// connection and never answers: a loopback listener of the benchmark's own.
// The window must keep answering while the check waits, and closing it must
// end the check within the program's grace.
#pragma once

namespace bench {

// argv: nothing beyond the mode; the driver configuration is the parent's.
int runStalledCheckChild(int argc, char** argv);

} // namespace bench
