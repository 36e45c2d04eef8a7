// The two databases the program moves tables between.
#pragma once

namespace tallowmere {

enum class Side { SqlAnywhere, Oracle };

} // namespace tallowmere
