// What a test program adds to the start every test program shares
// (TestMain.cpp): a program built with SETUP (add_tallowmere_test) defines
// testProgramSetup, the others add nothing.
#pragma once

#include <optional>

namespace tallowmere::testing {

struct TestProgramSetup {
    // Runs first, before the private environment: an exit code when this
    // start of the program is not the tests but a child that a test started.
    std::optional<int> (*insteadOfTests)(int argc, char** argv) = nullptr;
    // Changes the private ODBC configuration; the driver manager keeps what it
    // has read, so this comes before the first ODBC call.
    void (*configure)() = nullptr;
};

TestProgramSetup testProgramSetup();

} // namespace tallowmere::testing
