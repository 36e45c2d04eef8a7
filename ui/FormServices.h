// What the two windows reach outside themselves. The program passes the real
// ones; the tests pass their own, so that no test waits for a person or opens
// a browser.
#pragma once

#include "HomePage.h"

#include <QString>

namespace tallowmere {

class ConnectionFactory;
class Prompts;
class SettingsStore;

struct FormServices {
    ConnectionFactory& connections;
    SettingsStore& settings;
    Prompts& prompts;
    HomePageServices homePage;
    QString programFolder; // where the hand cursor file is looked for
};

} // namespace tallowmere
