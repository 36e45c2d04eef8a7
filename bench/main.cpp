// tallowmere_bench [--tiny] [--cli] [--rows N] [--row-by-row-rows N] [--memory-rows N]
//                  [--catalogue N] [--table-rows N] [--repeat N] [--program PATH]
// Prints one table: the copy as the program runs it, the bare loop of the
// same statements, and unixODBC's isql, side by side on the same data; and
// the command line's copy beside the bare array loop and its --row-by-row,
// and copying several tables one at a time and several at once. --program
// measures the command line of another build, such as an earlier commit's.
#include "Benchmark.h"
#include "CatalogueRun.h"
#include "DatabaseChildren.h"
#include "StalledCheck.h"
#include "ToolRun.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

namespace {

// A run quick enough for every test run.
constexpr long kTinyRows = 300;
constexpr long kTinyMemoryRows = 3000;
constexpr long kTinyCatalogueNames = 200;
// The share of the rows the command line's --row-by-row copies unless told.
constexpr long kRowByRowShare = 10;

int runChildMode(int argc, char** argv) {
    const std::string mode = argv[2];
    if (mode == "tool")
        return bench::runToolChild(argc, argv);
    if (mode == "catalogue")
        return bench::runCatalogueChild(argc, argv);
    if (mode == "stalled-copy")
        return bench::runStalledCopyChild(argc, argv);
    if (mode == "stalled-check")
        return bench::runStalledCheckChild(argc, argv);
    if (mode == "make-source")
        return bench::makeSourceChild(argc, argv);
    if (mode == "make-tables")
        return bench::makeTablesChild(argv);
    if (mode == "reset")
        return bench::resetChild(argc, argv);
    if (mode == "drop")
        return bench::dropChild(argc, argv);
    if (mode == "check")
        return bench::checkChild(argv);
    if (mode == "limit")
        return bench::limitChild(argv);
    if (mode == "array-limit")
        return bench::arrayLimitChild(argv);
    if (mode == "empty")
        return bench::emptyChild(argv);
    std::cerr << "Unknown measurement " << mode << "\n";
    return 2;
}

bool parseOptions(int argc, char** argv, bench::Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--tiny") {
            options.rows = kTinyRows;
            options.memoryRows = kTinyMemoryRows;
            options.catalogueNames = kTinyCatalogueNames;
            options.tableRows = kTinyRows;
            options.repeats = 1;
        } else if (arg == "--cli")
            options.commandLineOnly = true;
        else if (arg == "--rows" && hasValue)
            options.rows = std::stol(argv[++i]);
        else if (arg == "--row-by-row-rows" && hasValue)
            options.rowByRowRows = std::stol(argv[++i]);
        else if (arg == "--memory-rows" && hasValue)
            options.memoryRows = std::stol(argv[++i]);
        else if (arg == "--catalogue" && hasValue)
            options.catalogueNames = std::stol(argv[++i]);
        else if (arg == "--table-rows" && hasValue)
            options.tableRows = std::stol(argv[++i]);
        else if (arg == "--repeat" && hasValue)
            options.repeats = std::max(1, std::stoi(argv[++i]));
        else if (arg == "--program" && hasValue)
            options.program = argv[++i];
        else
            return false;
    }
    if (options.rowByRowRows < 0)
        options.rowByRowRows = std::max(1L, options.rows / kRowByRowShare);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
            return runChildMode(argc, argv);
        bench::Options options;
        options.sourceFolder = TALLOWMERE_SOURCE_DIR;
        options.program = TALLOWMERE_PROGRAM;
        if (!parseOptions(argc, argv, options)) {
            std::cerr << "usage: " << argv[0]
                      << " [--tiny] [--cli (the command line's copy only)] [--rows N] "
                         "[--row-by-row-rows N (rows / 10)] [--memory-rows N (0: none)] "
                         "[--catalogue N (0: none)] [--table-rows N (0: none)] [--repeat N] "
                         "[--program PATH (this build's)]\n";
            return 2;
        }
        return bench::runBenchmark(options);
    } catch (const std::exception& error) {
        std::cerr << "Benchmark failed: " << error.what() << "\n";
        return 1;
    }
}
