// A command that cannot go on for a reason of its own (a table that is not
// there, one that exists without --overwrite, rows that do not add up), with
// the whole line it says.
#pragma once

#include <stdexcept>
#include <string>

namespace tallowmere::cli {

class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tallowmere::cli
