#include "Oracle.h"

#include "DatabaseError.h"
#include "DriverRules.h"
#include "Sybase.h"

namespace tallowmere {

void OpenOracleConnection(Connection& connection, const ConnectionSettings& settings) {
    try {
        connection.open(OracleConnectionString(settings));
    } catch (const DatabaseError& error) {
        throw ConnectionFailure(Side::Oracle, error);
    }
    try {
        if (NamesOracle(connection.dbmsName()))
            connection.execute(kOracleSessionNumberFormat);
    } catch (const DatabaseError&) {
        // The session keeps its territory's format; the connection still works.
    }
}

bool CanConnectOracle(ConnectionFactory& connections, const ConnectionFields& fields) {
    try {
        auto connection = connections.create();
        OpenOracleConnection(*connection, fields.current());
        return true;
    } catch (const std::exception&) {
        return false; // the caller shows its own words, or none
    }
}

bool ConnectionCheckPasses(ConnectionFactory& connections, const ConnectionFields& fields) {
    return CanConnectSqlAnywhere(connections, fields) && CanConnectOracle(connections, fields);
}

void LoadOracleTables(TableList& list, ConnectionFactory& connections,
                      const ConnectionFields& fields, EventPump& events) {
    auto connection = connections.create();
    connection->setCursorLocation(CursorLocation::Client);
    OpenOracleConnection(*connection, fields.current());
    auto tables = connection->openRecordset(kOracleCatalogueQuery);

    list.clear();
    const long rows = tables->recordCount();
    for (long row = 0; row < rows; ++row) {
        events.yield();
        list.addItem(tables->value(0).value_or(std::string()));
        tables->moveNext();
    }
    tables->close();
    if (list.count() > 0)
        list.setCurrentIndex(0);
}

} // namespace tallowmere
