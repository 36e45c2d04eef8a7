#include "ToolRun.h"

#include "BenchWindow.h"
#include "ChildArgs.h"
#include "EventWaitProbe.h"
#include "RecordingConnection.h"

#include "RunWay.h"
#include "data_access/OdbcConnection.h"
#include "transfer/TableTransfer.h"

#include <QApplication>

#include <fstream>
#include <iostream>

namespace bench {
namespace {

struct ToolArgs {
    bool toOracle;
    std::string table;
    std::string insertsPath;
    std::string createPath;
    tallowmere::ConnectionSettings settings;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int copy(const ToolArgs& args) {
    BenchWindow window;
    window.show();
    QCoreApplication::processEvents();
    tallowmere::TableListWidget& source =
        args.toOracle ? window.sqlAnywhereList() : window.oracleList();
    source.addItem(args.table);
    source.setSelected(0, true);
    source.setCurrentIndex(0);

    StatementLog log(args.insertsPath);
    tallowmere::OdbcConnectionFactory odbc;
    RecordingConnectionFactory connections(odbc, log);
    tallowmere::FixedConnectionFields fields(args.settings);
    KeptPrompts prompts;
    const tallowmere::OperationContext context{
        window.sqlAnywhereList(), window.oracleList(), prompts,     window.pointer(),
        window.progress(),        windowEvents(),      connections, fields};

    EventWaitProbe probe(log);
    probe.start();
    const Clock::time_point start = Clock::now();
    const auto& direction = args.toOracle ? tallowmere::kToOracle : tallowmere::kToSqlAnywhere;
    runTheWay(context, [&direction](const tallowmere::OperationContext& running) {
        tallowmere::runGuarded(running, [&] { tallowmere::SendTables(running, direction); });
    });
    const double seconds = secondsSince(start);
    probe.stop();

    double fetchSeconds = 0;
    for (const Interval& fetch : log.fetches())
        fetchSeconds += std::chrono::duration<double>(fetch.end - fetch.start).count();
    report("seconds", seconds);
    report("inserts", static_cast<double>(log.inserts()));
    report("fetch_seconds", fetchSeconds);
    report("worst_wait_ms", probe.worstWaitMs());
    report("worst_wait_elsewhere_ms", probe.worstWaitElsewhereMs());
    std::ofstream(args.createPath) << log.createStatement() << '\n';

    const tallowmere::TableList& target =
        args.toOracle ? window.oracleList() : window.sqlAnywhereList();
    if (!prompts.messages().empty() || target.count() != 1 || window.progressValue() != 0) {
        std::cerr << "The copy did not finish as the program finishes it:\n" << prompts.messages();
        return 1;
    }
    return 0;
}

} // namespace

int runToolChild(int argc, char** argv) {
    ToolArgs args{std::string(argv[3]) == "to-oracle", argv[4], argv[5], argv[6],
                  settingsFrom(argv + 7)};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return copy(args);
}

} // namespace bench
