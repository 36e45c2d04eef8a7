// The two help texts of the setup window, one for each database.
#pragma once

#include <string>

namespace tallowmere {

std::string oracleHelpText();
std::string sqlAnywhereHelpText();

} // namespace tallowmere
