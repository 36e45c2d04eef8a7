// The Oracle side's server stops hard while the main window fills its lists
// after "OK": one message, the window usable, no connection left, no Oracle
// name it did not get, and "OK" fills both lists once the server is back.
#include "PrivatePostgres.h"
#include "support/OperationHarness.h"

#include "gui/FormHarness.h"
#include "ui/Form2.h"
#include "ui/GraphicalCheckBox.h"
#include "ui/TableListWidget.h"

#include <QProgressBar>

namespace tallowmere::faults {
namespace {

using namespace testing;
using Stop = PrivatePostgres::Stop;

void stopWhileTheListsFill(Stop how) {
    PrivatePostgres& server = PrivatePostgres::instance();
    testing::SqliteDatabase sqlite;
    sqlite.exec("CREATE TABLE customers(n)");
    sqlite.exec("CREATE TABLE orders(n)");
    auto oracle = std::make_unique<testing::OracleAccount>();
    oracle->exec("CREATE TABLE \"DEPT\"(n INTEGER)");
    oracle->exec("CREATE TABLE \"EMP\"(n INTEGER)");
    // Runs before the account goes, which needs the server.
    struct StartAgainOnTheWayOut {
        ~StartAgainOnTheWayOut() { PrivatePostgres::instance().ensureRunning(); }
    } startAgain;
    CountingConnectionFactory connections;
    gui::FormHarness harness(connections);
    harness.storeSettings(testing::workingSettings(*oracle));
    Form1& setup = harness.start();
    Form2* main = harness.mainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(entries(*main->List2), (Names{"DEPT", "EMP"}));

    // The server goes as the first SQL Anywhere entry arrives: the connection
    // check has passed, and the Oracle catalogue is still to come.
    bool stopped = false;
    const QMetaObject::Connection hook =
        QObject::connect(main->List1->model(), &QAbstractItemModel::rowsInserted, main, [&] {
            if (!stopped) {
                stopped = true;
                server.stop(how);
            }
        });
    gui::click(*main->Check2); // to the setup window
    gui::click(*setup.Check2); // "OK": the check passes, the lists fill again
    QObject::disconnect(hook);

    ASSERT_TRUE(stopped);
    ASSERT_EQ(harness.prompts.shown.size(), 1u);
    EXPECT_EQ(harness.prompts.shown[0].kind, "message");
    EXPECT_EQ(harness.prompts.shown[0].title, "Tallowmere");
    EXPECT_TRUE(isDatabaseFailure(harness.prompts.shown[0].text));
    EXPECT_EQ(main->windowPointer().pointer(), PointerSetting::Default);
    EXPECT_EQ(setup.windowPointer().pointer(), PointerSetting::Default);
    EXPECT_EQ(main->ProgressBar1->value(), 0);
    EXPECT_EQ(entries(*main->List1), (Names{"customers", "orders"}));
    EXPECT_EQ(entries(*main->List2), Names{});
    EXPECT_EQ(connections.alive(), 0);

    server.start();
    gui::click(*main->Check2);
    gui::click(*setup.Check2);

    EXPECT_EQ(harness.mainWindow(), main);
    EXPECT_EQ(harness.prompts.shown.size(), 1u);
    EXPECT_EQ(entries(*main->List1), (Names{"customers", "orders"}));
    EXPECT_EQ(entries(*main->List2), (Names{"DEPT", "EMP"}));
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_EQ(connections.alive(), 0);
}

// Both ways of stopping, one after the other on the same private server.
TEST(FaultServerLossWhileListsLoad, OneMessageNoOracleNamesAndOkFillsBothOnceItIsBack) {
    TALLOWMERE_REQUIRE_PRIVATE_POSTGRES();
    for (Stop how : {Stop::Immediate, Stop::Kill}) {
        SCOPED_TRACE(stopName(how));
        stopWhileTheListsFill(how);
    }
}

} // namespace
} // namespace tallowmere::faults
