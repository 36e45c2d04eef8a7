// Measurement 1, the tool: the copy exactly as the main window runs it, on a
// Qt application with the program's event yield, progress bar and lists.
#pragma once

namespace bench {

// argv: direction ("to-oracle" or "to-sqlanywhere"), table, file for the
// INSERT texts, file for the table definition, then the four settings.
int runToolChild(int argc, char** argv);

// The same copy towards PostgreSQL, its server process stopped with SIGSTOP
// once the bar first moves, the window closed a second later: the worst event
// wait meanwhile, and how soon the close ends the copy.
int runStalledCopyChild(int argc, char** argv);

} // namespace bench
