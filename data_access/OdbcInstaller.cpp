#include "OdbcInstaller.h"

#include <odbcinst.h>

namespace tallowmere {

namespace {
// Room for a library path; a longer one is taken as unreadable.
constexpr int kLibraryPathRoom = 4096;
} // namespace

std::string RegisteredDriverLibrary(const std::string& driverName) {
    char library[kLibraryPathRoom] = {};
    const int length = SQLGetPrivateProfileString(driverName.c_str(), "Driver", "", library,
                                                  kLibraryPathRoom, "odbcinst.ini");
    if (length <= 0 || length >= kLibraryPathRoom - 1)
        return {};
    return std::string(library, static_cast<size_t>(length));
}

} // namespace tallowmere
