// The benchmark's temporary folder: the SQLite files and, per pair of
// databases, an ODBC configuration of its own. Removed when the run ends.
#pragma once

#include <string>

namespace bench {

inline constexpr const char* kDataSource = "TallowmereBench";
inline constexpr const char* kSqliteDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";
inline constexpr const char* kPostgresDriver = "/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so";

// One ODBC configuration: what "Microsoft ODBC for Oracle" loads, and the SQL
// Anywhere data source on an SQLite file with the given driver options.
struct OdbcSetup {
    std::string name;
    std::string oracleDriver;
    std::string dataSourceFile;
    std::string dataSourceOptions;
};

class Workspace {
public:
    Workspace();
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::string& folder() const { return mFolder; }
    std::string file(const std::string& name) const { return mFolder + "/" + name; }
    // Writes the configuration and points the driver manager of the
    // processes started from now on at it.
    void use(const OdbcSetup& setup) const;

private:
    std::string mFolder;
};

} // namespace bench
