// The child side of the keystroke test: the test program started again as
// "program --type-then-die FIELD KEY focus|nofocus" opens the setup window on
// the real settings file, gives one keystroke to the field and kills itself.
#pragma once

namespace tallowmere::faults {

inline constexpr const char* kTypeThenDie = "--type-then-die";

// Does not return when all goes to plan; otherwise a non-zero exit code.
int typeThenDie(int argc, char** argv);

} // namespace tallowmere::faults
