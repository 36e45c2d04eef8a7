#include "DatabaseChildren.h"

#include "BareArrayLoop.h"
#include "BareInsertLoop.h"
#include "BareOdbc.h"
#include "ChildArgs.h"
#include "Workload.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

int makeSourceChild(int argc, char** argv) {
    BareOdbc database(argv[3]);
    const long rows = std::stol(argv[4]);
    const std::vector<std::string> tables = argc > 5
                                                ? std::vector<std::string>(argv + 5, argv + argc)
                                                : std::vector<std::string>{kTable};
    for (const std::string& table : tables) {
        database.exec(sourceTableDefinition(table));
        database.exec(sourceIndexDefinition(table));
        database.exec(sourceFill(table, rows));
    }
    // The command line lists a side before it copies: with the file on the
    // Oracle side, the table must be in that side's catalogue.
    database.exec(oracleCatalogueView());
    return 0;
}

int makeTablesChild(char** argv) {
    BareOdbc database(argv[3]);
    const long count = std::stol(argv[4]);
    database.setAutocommit(false);
    for (long i = 0; i < count; ++i)
        database.exec(catalogueTableDefinition(i, count));
    database.exec(oracleCatalogueView());
    database.commit();
    return 0;
}

int resetChild(int argc, char** argv) {
    BareOdbc database(argv[3]);
    database.exec(dropTableStatement(kTable));
    if (argc > 4) {
        std::ifstream in(argv[4]);
        std::stringstream definition;
        definition << in.rdbuf();
        std::string text = definition.str();
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        database.exec(text);
    }
    return 0;
}

int dropChild(int argc, char** argv) {
    BareOdbc database(argv[3]);
    for (int i = 4; i < argc; ++i)
        database.exec(dropTableStatement(argv[i]));
    return 0;
}

int emptyChild(char** argv) {
    BareOdbc database(argv[3]);
    database.exec(emptyTableStatement(std::string(argv[4]) == "1"));
    return 0;
}

int checkChild(char** argv) {
    BareOdbc database(argv[3]);
    const long rows = std::stol(argv[4]);
    const bool wide = std::string(argv[5]) == "1";
    const std::string table = argv[6];
    const long long copied = database.scalar(rowCountQuery(table));
    const long long nulls = database.scalar(nullCountQuery(table));
    const long long first = rows > 0 ? database.scalar(firstRowMatchesQuery(table), wide) : 0;
    report("rows", static_cast<double>(copied));
    if (copied == rows && nulls == expectedNulls(rows) && first == (rows > 0 ? 1 : 0))
        return 0;
    std::cerr << "The copy of " << table << " is wrong: " << copied << " rows of " << rows << ", "
              << nulls << " nulls, first row found " << first << " times.\n";
    return 1;
}

int limitChild(char** argv) {
    const LoopResult result = runBareInsertLoop(argv[3], argv[4], std::string(argv[5]) == "1");
    report("seconds", result.seconds);
    report("inserts", static_cast<double>(result.statements));
    return 0;
}

int arrayLimitChild(char** argv) {
    const LoopResult result = runBareArrayLoop(argv[3], argv[4], argv[5],
                                               std::string(argv[6]) == "1", std::stoul(argv[7]));
    report("seconds", result.seconds);
    report("fetch_seconds", result.fetchSeconds);
    report("rows", static_cast<double>(result.statements));
    return 0;
}

} // namespace bench
