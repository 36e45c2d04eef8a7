// Entry point of the window fault tests: the offscreen platform, then either
// the keystroke child (which keeps its parent's private folders) or a private
// ODBC configuration and settings folder and the tests.
#include "TypeThenDie.h"
#include "support/TestDatabases.h"

#include <QApplication>

#include <cstring>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], tallowmere::faults::kTypeThenDie) == 0)
        return tallowmere::faults::typeThenDie(argc, argv);
    tallowmere::testing::installPrivateEnvironment();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
