// The Oracle side's server stops answering in the middle of a copy (every
// process stopped with SIGSTOP, as a network that drops packets): the window
// keeps running its events, and closing it ends the program within two
// seconds, the copy left behind until the server goes on.
#include "PrivatePostgres.h"
#include "support/OperationHarness.h"

#include "gui/FormHarness.h"
#include "ui/Form2.h"
#include "ui/GraphicalCheckBox.h"
#include "ui/TableListWidget.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>

namespace tallowmere::faults {
namespace {

using namespace testing;

constexpr int kCloseWithinMs = 2000;
constexpr int kStallBeforeCloseMs = 300;

TEST(FaultStalledServer, ClosingTheWindowMidCopyEndsTheProgramWithinTwoSeconds) {
    TALLOWMERE_REQUIRE_PRIVATE_POSTGRES();
    PrivatePostgres& server = PrivatePostgres::instance();
    testing::SqliteDatabase sqlite;
    sqlite.exec("CREATE TABLE big(n INTEGER, t TEXT)");
    sqlite.exec("INSERT INTO big WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c "
                "WHERE x < 20000) SELECT x, 'row' FROM c");
    auto oracle = std::make_unique<testing::OracleAccount>();
    struct GoOnOnTheWayOut {
        ~GoOnOnTheWayOut() {
            PrivatePostgres::instance().resume();
            PrivatePostgres::instance().ensureRunning();
        }
    } goOn;
    CountingConnectionFactory connections;
    gui::FormHarness harness(connections);
    Form2* main = harness.startWithFirstSqlAnywhereTableChosen(testing::workingSettings(*oracle));
    ASSERT_NE(main, nullptr);
    QSignalSpy ended(harness.windows.get(), &ProgramWindows::programEndRequested);

    bool paused = false;
    int eventsWhileStalled = 0;
    QElapsedTimer sinceClose;
    QTimer tick; // counts window events while the server is stopped
    QObject::connect(&tick, &QTimer::timeout, [&] { eventsWhileStalled += paused ? 1 : 0; });
    tick.start(10);
    QObject::connect(main->ProgressBar1, &QProgressBar::valueChanged, main, [&](int value) {
        if (value < 5 || paused)
            return;
        paused = true;
        server.pause();
        QTimer::singleShot(kStallBeforeCloseMs, main, [&] {
            sinceClose.start();
            main->close();
        });
    });
    gui::click(*main->Check3); // "Send Table(s) to Oracle"

    ASSERT_TRUE(paused);
    ASSERT_TRUE(sinceClose.isValid());
    EXPECT_LT(sinceClose.elapsed(), kCloseWithinMs);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(harness.windows->operationLeftRunning());
    EXPECT_GT(eventsWhileStalled, 10); // the window ran its events while the server was stopped

    // The server goes on: the copy left behind ends by itself, saying nothing.
    server.resume();
    QElapsedTimer waited;
    waited.start();
    while (harness.windows->operationWorking() && waited.elapsed() < 30'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(harness.windows->operationWorking());
    EXPECT_TRUE(harness.prompts.shown.empty());
}

} // namespace
} // namespace tallowmere::faults
