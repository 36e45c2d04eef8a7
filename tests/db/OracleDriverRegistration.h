// What the Oracle driver registration tests share with their entry point.
#pragma once

#include "support/TestDatabases.h"

namespace tallowmere::testing {

inline std::string driverManagerTrace() {
    return privateFolder() + "/driver-manager.trace";
}

} // namespace tallowmere::testing
