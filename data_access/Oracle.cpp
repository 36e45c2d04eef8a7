#include "Oracle.h"

#include "Sybase.h"

namespace tallowmere {

bool CanConnectOracle(ConnectionFactory& connections, const ConnectionFields& fields) {
    try {
        auto connection = connections.create();
        connection->open(OracleConnectionString(fields.current()));
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
    connection->open(OracleConnectionString(fields.current()));
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
