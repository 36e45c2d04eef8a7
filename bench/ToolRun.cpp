#include "ToolRun.h"

#include "BenchWindow.h"
#include "ChildArgs.h"
#include "EventWaitProbe.h"
#include "MachineProbe.h"
#include "Postgres.h"
#include "RecordingConnection.h"
#include "RunWay.h"
#include "WindowClose.h"

#include "data_access/OdbcConnection.h"
#include "transfer/TableTransfer.h"
#include "ui/OperationThread.h"
#include "ui/WindowSide.h"

#include <QApplication>
#include <QProgressBar>

#include <fstream>
#include <iostream>
#include <optional>
#include <thread>

namespace bench {
namespace {

// How long the server stays stopped before the window is closed.
constexpr int kStallBeforeCloseMs = 1000;

struct ToolArgs {
    bool toOracle;
    std::string table;
    std::string insertsPath;
    std::string createPath;
    tallowmere::ConnectionSettings settings;
};

ToolArgs toolArgs(char** argv) {
    return {std::string(argv[3]) == "to-oracle", argv[4], argv[5], argv[6], settingsFrom(argv + 7)};
}

// What a copy touches in the program, the source table selected as the user
// selects it, and the operation the main window's button starts.
struct CopyInWindow {
    explicit CopyInWindow(const ToolArgs& toolArgs)
        : args(toolArgs)
        , log(args.insertsPath)
        , connections(odbc, log)
        , fields(args.settings)
        , context{window.sqlAnywhereList(), window.oracleList(), prompts,     window.pointer(),
                  window.progress(),        windowEvents(),      connections, fields} {
        tallowmere::TableListWidget& source =
            args.toOracle ? window.sqlAnywhereList() : window.oracleList();
        source.addItem(args.table);
        source.setSelected(0, true);
        source.setCurrentIndex(0);
    }

    void send(const tallowmere::OperationContext& running) const {
        const auto& direction = args.toOracle ? tallowmere::kToOracle : tallowmere::kToSqlAnywhere;
        tallowmere::runGuarded(running, [&] { tallowmere::SendTables(running, direction); });
    }

    // Whether the window shows what the program shows after a whole copy.
    bool finishedAsTheProgramFinishes() {
        const tallowmere::TableList& target =
            args.toOracle ? window.oracleList() : window.sqlAnywhereList();
        return prompts.messages().empty() && target.count() == 1 && window.progressValue() == 0;
    }

    const ToolArgs args;
    BenchWindow window;
    StatementLog log;
    KeptPrompts prompts;
    tallowmere::OdbcConnectionFactory odbc;
    RecordingConnectionFactory connections;
    tallowmere::FixedConnectionFields fields;
    const tallowmere::OperationContext context;
};

int copy(const ToolArgs& args) {
    CopyInWindow copy(args);
    EventWaitProbe probe(copy.log);
    MachineProbe machine;
    machine.start();
    probe.start();
    const Clock::time_point start = Clock::now();
    runTheWay(copy.context,
              [&copy](const tallowmere::OperationContext& running) { copy.send(running); });
    const double seconds = millisecondsSince(start) / 1000;
    probe.stop();
    report("machine_wait_ms", machine.stop());

    double fetchSeconds = 0;
    for (const Interval& fetch : copy.log.fetches())
        fetchSeconds += std::chrono::duration<double>(fetch.end - fetch.start).count();
    report("seconds", seconds);
    report("inserts", static_cast<double>(copy.log.inserts()));
    report("fetch_seconds", fetchSeconds);
    report("worst_wait_ms", probe.worstWaitMs());
    report("worst_wait_elsewhere_ms", probe.worstWaitElsewhereMs());
    std::ofstream(args.createPath) << copy.log.createStatement() << '\n';

    if (!copy.finishedAsTheProgramFinishes()) {
        std::cerr << "The copy did not finish as the program finishes it:\n"
                  << copy.prompts.messages();
        return 1;
    }
    return 0;
}

// The copy towards PostgreSQL, its server process stopped once the bar first
// moves, then the window closed as the main window closes it.
int stalledCopy(const ToolArgs& args) {
    CopyInWindow copy(args);
    tallowmere::OperationThread thread;
    std::optional<StoppedBackends> stopped;
    std::thread stopping; // finding the server's processes takes a while: not on the window
    WindowClose close(thread);
    QObject::connect(&copy.window.bar(), &QProgressBar::valueChanged, [&](int value) {
        if (value == 0 || stopping.joinable())
            return;
        stopping = std::thread([&] {
            stopped.emplace(args.settings.oracleUser);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [&] { close.after(kStallBeforeCloseMs); },
                Qt::QueuedConnection);
        });
    });

    EventWaitProbe probe(copy.log);
    probe.start();
    const Clock::time_point start = Clock::now();
    tallowmere::RunBesideTheWindow(
        thread, copy.context,
        [&copy](const tallowmere::OperationContext& running) { copy.send(running); });
    probe.stop();
    if (stopping.joinable())
        stopping.join();

    report("stopped", stopped && stopped->any() ? 1 : 0);
    if (stopped)
        stopped->resume(); // the server goes on and ends the abandoned session
    close.reportAndExit(start, probe);
}

} // namespace

int runToolChild(int argc, char** argv) {
    const ToolArgs args = toolArgs(argv);
    useOffscreenUnlessTold();
    QApplication application(argc, argv);
    return copy(args);
}

int runStalledCopyChild(int argc, char** argv) {
    const ToolArgs args = toolArgs(argv);
    useOffscreenUnlessTold();
    QApplication application(argc, argv);
    return stalledCopy(args);
}

} // namespace bench
