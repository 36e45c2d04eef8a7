// What the ODBC installer knows of the drivers registered on this machine.
#pragma once

#include <string>

namespace tallowmere {

// The library registered for a driver name (its Driver entry in
// odbcinst.ini, as the driver manager reads it), or empty text when there is
// none or it cannot be read.
std::string RegisteredDriverLibrary(const std::string& driverName);

} // namespace tallowmere
