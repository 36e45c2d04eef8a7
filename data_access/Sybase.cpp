#include "Sybase.h"

#include "DatabaseError.h"

#include <algorithm>
#include <cctype>

namespace tallowmere {

void OpenSqlAnywhereConnection(Connection& connection, const ConnectionSettings& settings) {
    try {
        connection.open(SqlAnywhereConnectionString(settings));
    } catch (const DatabaseError& error) {
        throw ConnectionFailure(Side::SqlAnywhere, error);
    }
}

bool CanConnectSqlAnywhere(ConnectionFactory& connections, const ConnectionFields& fields) {
    try {
        auto connection = connections.create();
        connection->setProvider(kSqlAnywhereProvider);
        OpenSqlAnywhereConnection(*connection, fields.current());
        return true;
    } catch (const std::exception&) {
        return false; // the caller shows its own words, or none
    }
}

bool IsListedSqlAnywhereTable(const std::string& tableName, const std::string& tableType) {
    if (tableType != "TABLE")
        return false;
    std::string upper = tableName;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("SYS") == std::string::npos;
}

void LoadSqlAnywhereTables(TableList& list, ConnectionFactory& connections,
                           const ConnectionFields& fields, EventPump& events) {
    auto connection = connections.create();
    connection->setProvider(kSqlAnywhereProvider);
    OpenSqlAnywhereConnection(*connection, fields.current());
    auto schema = connection->openSchema(adSchemaTables);
    const int nameField = schema->fieldIndex("TABLE_NAME");
    const int typeField = schema->fieldIndex("TABLE_TYPE");

    list.clear();
    while (!schema->eof()) {
        const std::string type = schema->value(typeField).value_or(std::string());
        if (type == "TABLE") {
            events.yield();
            const std::string name = schema->value(nameField).value_or(std::string());
            if (IsListedSqlAnywhereTable(name, type))
                list.addItem(name);
        }
        schema->moveNext();
    }
    schema->close();
    connection->close();
}

} // namespace tallowmere
