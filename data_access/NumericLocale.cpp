#include "NumericLocale.h"

#include <clocale>

namespace tallowmere {

void KeepNumbersInCLocale() {
    // Qt's own remedy for what its application object does to the C library.
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace tallowmere
