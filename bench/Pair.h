// Two databases of a measured copy, the direction between them, and the ODBC
// configuration that names them for the processes of that copy.
#pragma once

#include "Postgres.h"
#include "Workspace.h"

#include "data_access/ConnectionSettings.h"

#include <functional>
#include <string>
#include <vector>

namespace bench {

// The SQLite driver made fast, so the tool's own cost shows: it does not wait
// for the disk after each statement; and it steps through a result instead of
// holding all of it, as users are told to set it.
inline constexpr const char* kFastSqlite = "SyncPragma=OFF;StepAPI=1";

struct Pair {
    std::string label;
    OdbcSetup setup;
    tallowmere::ConnectionSettings settings;
    bool toOracle;
    bool wideTarget;

    std::string targetString() const;
    // unixODBC's isql names a data source, or with -k takes a connection string.
    std::vector<std::string> isqlCommand() const;
    // PostgreSQL empties a table at once with TRUNCATE; SQLite has no such statement.
    bool targetIsPostgres() const;
};

// The same two databases and direction for a given source file.
using PairOn = std::function<Pair(const std::string& source)>;

// The connection string of an SQLite source file, its driver made fast.
std::string sqliteSourceString(const std::string& file);

// From the SQLite file `source` on the Oracle side to an SQLite data source.
Pair sqlitePair(const Workspace& workspace, const std::string& source);

// From the SQLite data source on `source` to PostgreSQL on the Oracle side, at
// `sid` (the server's own, or the same through a relay); unbuffered: neither
// driver holds the whole result in memory.
Pair postgresPair(const std::string& sid, const PostgresAccount& account, const std::string& source,
                  bool unbuffered = false);

} // namespace bench
