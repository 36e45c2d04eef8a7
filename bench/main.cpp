// tallowmere_bench [--tiny] [--rows N] [--memory-rows N] [--catalogue N] [--repeat N]
// Prints one table: the copy as the program runs it, the bare loop of the
// same statements, and unixODBC's isql, side by side on the same data.
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
        return bench::makeSourceChild(argv);
    if (mode == "make-tables")
        return bench::makeTablesChild(argv);
    if (mode == "reset")
        return bench::resetChild(argc, argv);
    if (mode == "check")
        return bench::checkChild(argv);
    if (mode == "limit")
        return bench::limitChild(argv);
    std::cerr << "Unknown measurement " << mode << "\n";
    return 2;
}

bool parseOptions(int argc, char** argv, bench::Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--tiny")
            options = {300, 3000, 200, 1, options.sourceFolder};
        else if (arg == "--rows" && hasValue)
            options.rows = std::stol(argv[++i]);
        else if (arg == "--memory-rows" && hasValue)
            options.memoryRows = std::stol(argv[++i]);
        else if (arg == "--catalogue" && hasValue)
            options.catalogueNames = std::stol(argv[++i]);
        else if (arg == "--repeat" && hasValue)
            options.repeats = std::max(1, std::stoi(argv[++i]));
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
            return runChildMode(argc, argv);
        bench::Options options;
        options.sourceFolder = TALLOWMERE_SOURCE_DIR;
        if (!parseOptions(argc, argv, options)) {
            std::cerr << "usage: " << argv[0]
                      << " [--tiny] [--rows N] [--memory-rows N (0: none)] [--catalogue N (0: "
                         "none)] [--repeat N]\n";
            return 2;
        }
        return bench::runBenchmark(options);
    } catch (const std::exception& error) {
        std::cerr << "Benchmark failed: " << error.what() << "\n";
        return 1;
    }
}
