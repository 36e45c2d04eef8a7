#include "Workspace.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace bench {
namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

} // namespace

Workspace::Workspace() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tallowmere-bench.XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("Cannot create a temporary folder.");
    mFolder = pattern;
}

Workspace::~Workspace() {
    std::error_code ignored;
    std::filesystem::remove_all(mFolder, ignored);
}

void Workspace::use(const OdbcSetup& setup) const {
    const std::string folder = file(setup.name);
    std::filesystem::create_directories(folder);
    writeFile(folder + "/odbcinst.ini",
              std::string("[SQLite3]\nDriver=") + kSqliteDriver +
                  "\n\n[Microsoft ODBC for Oracle]\nDriver=" + setup.oracleDriver + "\n");
    std::string options;
    for (size_t start = 0; start < setup.dataSourceOptions.size();) {
        size_t end = setup.dataSourceOptions.find(';', start);
        if (end == std::string::npos)
            end = setup.dataSourceOptions.size();
        options += setup.dataSourceOptions.substr(start, end - start) + "\n";
        start = end + 1;
    }
    writeFile(folder + "/odbc.ini", std::string("[") + kDataSource +
                                        "]\nDriver=SQLite3\nDatabase=" + setup.dataSourceFile +
                                        "\n" + options);
    setenv("ODBCSYSINI", folder.c_str(), 1);
    setenv("ODBCINI", (folder + "/odbc.ini").c_str(), 1);
}

} // namespace bench
