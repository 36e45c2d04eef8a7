// The program's answers on the terminal: --help and --version print and end
// the program before any window opens; any other start is left as it is.
#pragma once

#include <QStringList>

#include <optional>

namespace tallowmere {

// The text to print for these arguments (the program's name first), or none
// when the program starts as usual.
std::optional<QString> TerminalAnswer(const QStringList& arguments);

} // namespace tallowmere
