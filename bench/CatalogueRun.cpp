#include "CatalogueRun.h"

#include "BareOdbc.h"
#include "BenchWindow.h"
#include "ChildArgs.h"
#include "EventWaitProbe.h"

#include "RunWay.h"
#include "data_access/OdbcConnection.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"
#include "ui/WindowSide.h"

#include <QApplication>

#include <algorithm>

namespace bench {
namespace {

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every row and every column of the result read as text, as any reader must.
long readAll(SQLHSTMT statement) {
    SQLSMALLINT columns = 0;
    SQLNumResultCols(statement, &columns);
    long rows = 0;
    char value[512];
    while (SQLFetch(statement) == SQL_SUCCESS) {
        for (SQLUSMALLINT column = 1; column <= columns; ++column) {
            SQLLEN indicator = 0;
            SQLGetData(statement, column, SQL_C_CHAR, value, sizeof value, &indicator);
        }
        ++rows;
    }
    return rows;
}

double driverSeconds(bool oracle, const tallowmere::ConnectionSettings& settings) {
    BareOdbc database(oracle ? oracleOdbcString(settings) : sqlAnywhereOdbcString(settings));
    const Clock::time_point start = Clock::now();
    BareStatement statement(database.connection());
    if (oracle) {
        std::string query = "SELECT table_name FROM user_tables";
        checkOdbc(SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(query.data()),
                                SQLINTEGER(query.size())),
                  SQL_HANDLE_STMT, statement.get(), "The catalogue query");
    } else {
        checkOdbc(SQLTables(statement.get(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0),
                  SQL_HANDLE_STMT, statement.get(), "SQLTables");
    }
    readAll(statement.get());
    return secondsSince(start);
}

} // namespace

int runCatalogueChild(int argc, char** argv) {
    const bool oracle = std::string(argv[3]) == "oracle";
    const tallowmere::ConnectionSettings settings = settingsFrom(argv + 4);
    useOffscreenUnlessTold();
    QApplication application(argc, argv);
    BenchWindow window;

    driverSeconds(oracle, settings); // the files into the cache, as for the tool after it
    const double driver =
        std::min(driverSeconds(oracle, settings), driverSeconds(oracle, settings));

    StatementLog log("/dev/null");
    tallowmere::OdbcConnectionFactory odbc;
    RecordingConnectionFactory connections(odbc, log);
    tallowmere::FixedConnectionFields fields(settings);
    KeptPrompts prompts;
    const tallowmere::OperationContext context{
        window.sqlAnywhereList(), window.oracleList(), prompts,     window.pointer(),
        window.progress(),        windowEvents(),      connections, fields};
    tallowmere::TableListWidget& list = oracle ? window.oracleList() : window.sqlAnywhereList();
    EventWaitProbe probe(log);
    probe.start();
    const Clock::time_point start = Clock::now();
    runTheWay(context, [oracle](const tallowmere::OperationContext& running) {
        if (oracle)
            tallowmere::LoadOracleTables(running.oracleList, running.connections, running.fields,
                                         running.events);
        else
            tallowmere::LoadSqlAnywhereTables(running.sqlAnywhereList, running.connections,
                                              running.fields, running.events);
    });
    const double tool = secondsSince(start);
    probe.stop();

    report("driver_seconds", driver);
    report("tool_seconds", tool);
    report("names", static_cast<double>(list.count()));
    report("worst_wait_ms", probe.worstWaitMs());
    report("worst_wait_elsewhere_ms", probe.worstWaitElsewhereMs());
    return 0;
}

} // namespace bench
