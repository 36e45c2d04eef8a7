#include "BrokenDrivers.h"

#include "support/TestDatabases.h"
#include "support/TestMain.h"

namespace tallowmere::faults {
using testing::readFile;
using testing::writeFile;

std::string missingOracleLibrary() {
    return testing::privateFolder() + "/no-such-oracle-driver.so";
}

void breakDrivers() {
    const std::string folder = testing::privateFolder();
    testing::registerOracleDriver(missingOracleLibrary());
    const std::string drivers = folder + "/odbcinst.ini";
    const std::string notALibrary = folder + "/not-a-library.so";
    writeFile(notALibrary, "This is text, not a driver.\n");
    writeFile(drivers, readFile(drivers) + "\n[Not A Library]\nDriver=" + notALibrary + "\n");

    const std::string sources = folder + "/odbc.ini";
    writeFile(sources, readFile(sources) + "\n[" + kNotALibraryDataSource +
                           "]\nDriver=Not A Library\nDatabase=" + folder + "/unused.db\n");
}

} // namespace tallowmere::faults

// Each program that links this breaks its drivers before its first ODBC call.
tallowmere::testing::TestProgramSetup tallowmere::testing::testProgramSetup() {
    return {.configure = faults::breakDrivers};
}
