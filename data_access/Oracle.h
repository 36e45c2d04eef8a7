// The Oracle side: its connection probe and its table catalogue.
#pragma once

#include "Connection.h"
#include "ConnectionSettings.h"
#include "EventPump.h"
#include "SqlTexts.h"
#include "TableList.h"

namespace tallowmere {

// Opens the connection with the Oracle connection string. When the database
// names itself Oracle, its session is then given kOracleSessionNumberFormat;
// a session that refuses it is used as it is. A failure to open is a
// ConnectionFailure of the Oracle side.
void OpenOracleConnection(Connection& connection, const ConnectionSettings& settings);

// True when the Oracle connection string opens; any failure is swallowed.
bool CanConnectOracle(ConnectionFactory& connections, const ConnectionFields& fields);

// Fills the list with every table of user_tables; entry 0 becomes current.
void LoadOracleTables(TableList& list, ConnectionFactory& connections,
                      const ConnectionFields& fields, EventPump& events);

// The connection check: SQL Anywhere first, Oracle only when that passed.
bool ConnectionCheckPasses(ConnectionFactory& connections, const ConnectionFields& fields);

} // namespace tallowmere
