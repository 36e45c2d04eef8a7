// The windows need a display. Started without one, the toolkit would abort
// with its own message; the program says instead, in one line, that the
// commands work without one, and ends with a failure status.
#pragma once

namespace tallowmere {

// While it lives, a fatal toolkit error (no display, no platform to draw
// on) ends the program with that line and status 1.
class DisplayRequired {
public:
    DisplayRequired();
    ~DisplayRequired();
    DisplayRequired(const DisplayRequired&) = delete;
    DisplayRequired& operator=(const DisplayRequired&) = delete;
};

} // namespace tallowmere
