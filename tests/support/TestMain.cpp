// The entry point of every test program, built into each. Everything that
// reaches the driver manager or Qt's platform comes before either starts: the
// offscreen platform for the window tests, the program's own first step, a
// private ODBC configuration and settings folder, the program's changes to it;
// then the application (with widgets for the window tests) and the tests.
#include "TestMain.h"
#include "TestDatabases.h"

#include "data_access/NumericLocale.h"

#ifdef TALLOWMERE_TEST_WINDOWS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

#include <gtest/gtest.h>

#ifndef TALLOWMERE_TEST_SETUP
tallowmere::testing::TestProgramSetup tallowmere::testing::testProgramSetup() {
    return {};
}
#endif

int main(int argc, char** argv) {
    using namespace tallowmere::testing;
#ifdef TALLOWMERE_TEST_WINDOWS
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    const TestProgramSetup setup = testProgramSetup();
    if (setup.insteadOfTests) {
        if (const std::optional<int> exitCode = setup.insteadOfTests(argc, argv))
            return *exitCode;
    }
    installPrivateEnvironment();
    if (setup.configure)
        setup.configure();
#ifdef TALLOWMERE_TEST_WINDOWS
    QApplication application(argc, argv);
#else
    QCoreApplication application(argc, argv);
#endif
    tallowmere::KeepNumbersInCLocale(); // as the program does once its application exists
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
