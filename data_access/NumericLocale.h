// The C library's numeric conventions while the program runs. Qt's
// application object takes the whole locale from the environment, and drivers
// then write numbers with that locale's decimal comma: 3.25 would reach a
// database as "3,25". Texts a person reads follow QLocale, not this.
#pragma once

namespace tallowmere {

// Called once the application object exists: numbers on their way to and
// from a database are written and read with a decimal point.
void KeepNumbersInCLocale();

} // namespace tallowmere
