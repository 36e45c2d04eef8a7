#include "Pair.h"

#include "ChildArgs.h"

namespace bench {

std::string Pair::targetString() const {
    return toOracle ? oracleOdbcString(settings) : sqlAnywhereOdbcString(settings);
}

std::vector<std::string> Pair::isqlCommand() const {
    if (toOracle)
        return {"isql", "-b", "-k", targetString()};
    return {"isql", "-b", settings.dataSourceName};
}

bool Pair::targetIsPostgres() const {
    return toOracle && setup.oracleDriver == kPostgresDriver;
}

std::string sqliteSourceString(const std::string& file) {
    return "Driver=SQLite3;Database=" + file + ";" + kFastSqlite;
}

Pair sqlitePair(const Workspace& workspace, const std::string& source) {
    return {"SQLite -> SQLite",
            {"sqlite", kSqliteDriver, workspace.file("target.db"), kFastSqlite},
            {"bench;Database=" + source + ";" + std::string(kFastSqlite), "", "", kDataSource},
            false,
            false};
}

Pair postgresPair(const std::string& sid, const PostgresAccount& account, const std::string& source,
                  bool unbuffered) {
    return {"SQLite -> PostgreSQL",
            {unbuffered ? "postgres-memory" : "postgres", kPostgresDriver, source,
             std::string(kFastSqlite) + (unbuffered ? ";StepAPI=1" : "")},
            {sid + (unbuffered ? ";UseDeclareFetch=1" : ""), account.user(), account.password(),
             kDataSource},
            true,
            true};
}

} // namespace bench
