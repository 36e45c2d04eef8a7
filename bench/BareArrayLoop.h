// The limit of the array way: the source table read whole first, then sent
// through the same driver as one prepared INSERT, its rows bound in arrays,
// one commit per array, with nothing of the program in between.
#pragma once

#include "BareInsertLoop.h"

#include <cstddef>
#include <string>

namespace bench {

// Reads every row of the table through the source connection, as text in the
// target's form (UTF-16 for a wide driver), then times only the sending: each
// array's values copied into the bound buffers, executed, committed. A null
// or empty value goes as NULL, as the program sends it.
LoopResult runBareArrayLoop(const std::string& sourceConnection, const std::string& table,
                            const std::string& targetConnection, bool wide, size_t arrayRows);

} // namespace bench
