// Drivers that cannot be loaded. The test programs that use them change the
// private ODBC configuration once, before their first ODBC call, since the
// driver manager may keep what it has read: BrokenDrivers.cpp is their setup.
#pragma once

#include <string>

namespace tallowmere::faults {

// A data source whose driver entry names a file that is no library at all.
inline constexpr const char* kNotALibraryDataSource = "TallowmereNotALibrary";

// Points the driver name "Microsoft ODBC for Oracle" at a library that does
// not exist, and adds kNotALibraryDataSource.
void breakDrivers();

// The library the Oracle driver name now names.
std::string missingOracleLibrary();

} // namespace tallowmere::faults
