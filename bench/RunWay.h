// The two ways the benchmark runs the program's work, side by side in one
// run: "beside" (the program now: beside the event loop, the window's thread
// free) and "yield" (as before: on the window's thread, letting events run at
// its yields). The child reads the way from TALLOWMERE_BENCH_WAY.
#pragma once

#include "operations/OperationContext.h"

#include <functional>

namespace bench {

inline constexpr const char* kWayVariable = "TALLOWMERE_BENCH_WAY";
inline constexpr const char* kWayYield = "yield";

// Runs the work with the window-side context the chosen way.
void runTheWay(const tallowmere::OperationContext& window,
               const std::function<void(const tallowmere::OperationContext&)>& work);

// The event yield the window-side context carries.
tallowmere::EventPump& windowEvents();

} // namespace bench
