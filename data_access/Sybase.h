// The SQL Anywhere side: its connection probe and its table catalogue.
#pragma once

#include "Connection.h"
#include "ConnectionSettings.h"
#include "EventPump.h"
#include "TableList.h"

namespace tallowmere {

// Opens the connection with the SQL Anywhere connection string; a failure is
// a ConnectionFailure of this side.
void OpenSqlAnywhereConnection(Connection& connection, const ConnectionSettings& settings);

// True when the data source opens; any failure is swallowed.
bool CanConnectSqlAnywhere(ConnectionFactory& connections, const ConnectionFields& fields);

// Fills the list with the user tables: rows of type exactly "TABLE" whose name
// has no "SYS" in any letter case. Sets no current entry.
void LoadSqlAnywhereTables(TableList& list, ConnectionFactory& connections,
                           const ConnectionFields& fields, EventPump& events);

// The catalogue's filter on one row of the tables schema.
bool IsListedSqlAnywhereTable(const std::string& tableName, const std::string& tableType);

} // namespace tallowmere
