#include "BrokenDrivers.h"

#include "support/TestDatabases.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tallowmere::faults {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

} // namespace

std::string missingOracleLibrary() {
    return testing::privateFolder() + "/no-such-oracle-driver.so";
}

void breakDrivers() {
    const std::string folder = testing::privateFolder();
    const std::string drivers = folder + "/odbcinst.ini";
    std::string text = readFile(drivers);
    const std::string entry = "[Microsoft ODBC for Oracle]\nDriver=";
    const auto at = text.find(entry);
    if (at == std::string::npos)
        throw std::runtime_error("no Oracle driver entry in " + drivers);
    const auto valueStart = at + entry.size();
    text.replace(valueStart, text.find('\n', valueStart) - valueStart, missingOracleLibrary());
    const std::string notALibrary = folder + "/not-a-library.so";
    writeFile(notALibrary, "This is text, not a driver.\n");
    writeFile(drivers, text + "\n[Not A Library]\nDriver=" + notALibrary + "\n");

    const std::string sources = folder + "/odbc.ini";
    writeFile(sources, readFile(sources) + "\n[" + kNotALibraryDataSource +
                           "]\nDriver=Not A Library\nDatabase=" + folder + "/unused.db\n");
}

} // namespace tallowmere::faults
