// The parts the windows are built from: the table list widget, select and
// deselect all, the help texts, the home page draw, the event yield and the
// one-operation gate.
#include "data_access/DatabaseError.h"
#include "operations/UserTexts.h"
#include "ui/HomePage.h"
#include "ui/ListSelection.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/OperationGate.h"
#include "ui/TableListWidget.h"
#include "ui/WindowEventPump.h"

#include <QTest>
#include <QTimer>

#include <future>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

std::vector<std::string> texts(const TableList& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.count(); ++i)
        result.push_back(list.text(i));
    return result;
}

TEST(TableListWidget, KeepsTheSameOrderAsTheHeadlessList) {
    const std::vector<std::string> names = {"emp", "EMP", "Zeta", "alpha", "Ärger",
                                            "b_1", "B1",  "emp",  "表"};
    TableListWidget widget(nullptr);
    PlainTableList plain;
    for (const std::string& name : names) {
        widget.addItem(name);
        plain.addItem(name);
    }
    EXPECT_EQ(texts(widget), plain.texts());
    EXPECT_EQ(texts(widget).front(), "alpha");
}

TEST(TableListWidget, CurrentIndexMovesTheFocusOnlyAndClicksToggleSelection) {
    TableListWidget widget(nullptr);
    widget.resize(200, 200);
    for (const char* name : {"a", "b", "c"})
        widget.addItem(name);
    widget.show();
    EXPECT_EQ(widget.currentIndex(), -1);

    widget.setCurrentIndex(1);
    EXPECT_EQ(widget.currentIndex(), 1);
    EXPECT_EQ(widget.selectedCount(), 0);

    const auto clickEntry = [&widget](int index) {
        QTest::mouseClick(widget.viewport(), Qt::LeftButton, Qt::NoModifier,
                          widget.visualItemRect(widget.item(index)).center());
    };
    clickEntry(0);
    clickEntry(2);
    EXPECT_TRUE(widget.isSelected(0));
    EXPECT_FALSE(widget.isSelected(1));
    EXPECT_TRUE(widget.isSelected(2));
    clickEntry(0); // a second click deselects, the other entry stays
    EXPECT_FALSE(widget.isSelected(0));
    EXPECT_TRUE(widget.isSelected(2));

    widget.setCurrentIndex(-1);
    EXPECT_EQ(widget.currentIndex(), -1);
    EXPECT_THROW(widget.setCurrentIndex(3), std::out_of_range);
}

TEST(TableListWidget, TakingTheFocusLeavesNoEntryCurrent) {
    QWidget window;
    auto* widget = new TableListWidget(&window);
    widget->addItem("a");
    window.show();
    QApplication::setActiveWindow(&window);
    widget->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(widget->currentIndex(), -1);
}

TEST(TableListWidget, RemovingAnEntryKeepsTheRestAndTheirSelection) {
    TableListWidget widget(nullptr);
    for (const char* name : {"a", "b", "c"})
        widget.addItem(name);
    widget.setSelected(2, true);
    widget.removeItem(1);
    EXPECT_EQ(texts(widget), (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(widget.isSelected(1));
    EXPECT_THROW(widget.removeItem(2), std::out_of_range);
    widget.clear();
    EXPECT_EQ(widget.count(), 0);
}

TEST(ListSelection, SelectsAndClearsEveryEntryLeavingOrderAndCurrentEntry) {
    PlainTableList list;
    for (const char* name : {"x", "y", "z"})
        list.addItem(name);
    list.setCurrentIndex(1);
    list.setSelected(0, true);
    SelectAllEntries(list);
    EXPECT_EQ(list.selectedCount(), 3);
    EXPECT_EQ(list.currentIndex(), 1);
    DeselectAllEntries(list);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.texts(), (std::vector<std::string>{"x", "y", "z"}));

    PlainTableList empty;
    SelectAllEntries(empty);
    EXPECT_EQ(empty.count(), 0);
}

TEST(HelpTexts, OracleHelpWordForWord) {
    const std::string expected =
        "This software works with Oracle 9i or higher.\r\r"
        "The SID is used to identify a particular database. The SID is usually defined in the "
        "TNSNAMES.ORA file. The TNSNAMES.ORA file found in my Oracle 9i folder looks like:\r\n\r\n"
        "KWDB =\r\n"
        " (DESCRIPTION =\r\n"
        "   (ADDRESS_LIST =\r\n"
        "     (ADDRESS = (PROTOCOL = TCP)(HOST = 192.168.1.12)(PORT = 1521))\r\n"
        "   )\r\n"
        "   (CONNECT_DATA =\r\n"
        "     (SID = KWDB)\r\n"
        "   )\r\n"
        " )\r\n\r\n"
        "Therefore, my SID would be KWDB";
    EXPECT_EQ(texts::oracleHelpText(), expected);
}

TEST(HelpTexts, SqlAnywhereHelpWordForWord) {
    const std::string expected =
        "Here is how I connected to my Sybase ASA 6.0 database.\r\r"
        "1. Downloaded and installed drivers: SQL Anywhere 10 for Windows "
        "(SQLAnywhere_1000_Windows.exe)\r\r"
        "2. Applied for a Developer Key with sybase.com (devprogram@sybase.com helped)\r\r"
        "3. Clicked to Start > Settings > Control Panel > Administrative Tools > Data Source "
        "(ODBC)\r\r"
        "4. Clicked 'Add...' \r\r"
        "5. Selected 'SQL Anywhere 10'\r\r"
        "6. Filled in 'Data source name', 'User ID', 'Password', 'Server Name', 'TCP/IP' given "
        "to me by my administrator.\r\r"
        "7. Clicked 'Test Connection'.\r\r"
        "8. Filled in 'Data Source Name' in my program to be the same as 'Data source name' in "
        "Data Source (ODBC)\r\r"
        "9. Clicked 'Test Connection' in my program.\r\r";
    EXPECT_EQ(texts::sqlAnywhereHelpText(), expected);
}

TEST(MessageBoxPrompts, CarriageReturnsBreakLinesOnScreen) {
    EXPECT_EQ(MessageBoxPrompts::displayText("a\r\rb\r\nc"), QStringLiteral("a\n\nb\nc"));
}

TEST(HomePage, OpensOnlyOnTheLuckyDrawFromOneToHundred) {
    EXPECT_EQ(drawFromFraction(0.0), 1);
    EXPECT_EQ(drawFromFraction(0.06), 7);
    EXPECT_EQ(drawFromFraction(0.9999999), 100);

    std::vector<std::string> opened;
    int draw = 8;
    const HomePageServices services{[&draw] { return draw; },
                                    [&opened](const std::string& a) { opened.push_back(a); }};
    OpenHomePageByChance(services, "file:///about.html");
    EXPECT_TRUE(opened.empty());
    draw = 7;
    OpenHomePageByChance(services, "file:///about.html");
    EXPECT_EQ(opened, std::vector<std::string>{"file:///about.html"});
    // The about page lies under share/ beside the program's folder lib/tallowmere.
    EXPECT_EQ(HomePageAddress(QStringLiteral("/usr/lib/tallowmere")),
              "file:///usr/share/tallowmere/about.html");
    EXPECT_EQ(HomePageAddress(QStringLiteral("/home/a b/build/lib/tallowmere")),
              "file:///home/a b/build/share/tallowmere/about.html");
}

TEST(HomePage, TheDesktopDrawStaysWithinOneToHundred) {
    const HomePageServices desktop = HomePageServices::desktop();
    for (int i = 0; i < 2000; ++i) {
        const int drawn = desktop.drawOneToHundred();
        ASSERT_GE(drawn, 1);
        ASSERT_LE(drawn, 100);
    }
}

TEST(WindowEventPump, StopsTheOperationAtEveryYieldOnceCancelled) {
    WindowEventPump pump;
    EXPECT_NO_THROW(pump.yield());
    pump.cancel();
    EXPECT_THROW(pump.yield(), OperationCancelled);
    EXPECT_THROW(pump.yield(), OperationCancelled);
}

TEST(WindowEventPump, WindowEventsRunWhileWorkWithoutYieldsRunsAndItsFailureIsPassedOn) {
    WindowEventPump pump;
    std::promise<void> released;
    QTimer::singleShot(0, [&] { released.set_value(); }); // runs only if events run
    bool releasedByEvent = false;
    pump.runWhileWaiting(
        [&] {
            releasedByEvent = released.get_future().wait_for(std::chrono::seconds(30)) ==
                              std::future_status::ready;
        },
        [] {});
    EXPECT_TRUE(releasedByEvent);

    EXPECT_THROW(pump.runWhileWaiting([] { throw DatabaseError(7, "08S01", "gone"); }, [] {}),
                 DatabaseError);
}

TEST(WindowEventPump, ClosingDuringWorkStopsItWaitsForItAndEndsTheOperation) {
    WindowEventPump pump;
    std::promise<void> stop;
    std::future<void> stopped = stop.get_future();
    bool workSawStop = false;
    QTimer::singleShot(0, [&] { pump.cancel(); });
    EXPECT_THROW(pump.runWhileWaiting(
                     [&] {
                         workSawStop = stopped.wait_for(std::chrono::seconds(30)) ==
                                       std::future_status::ready;
                     },
                     [&] { stop.set_value(); }),
                 OperationCancelled);
    EXPECT_TRUE(workSawStop); // the work had ended before the operation did
}

TEST(OperationGate, RefusesASecondOperationWhileOneRunsAndOpensAgainAfterAFailure) {
    OperationGate gate;
    int inner = 0;
    EXPECT_TRUE(gate.runExclusive([&] {
        EXPECT_TRUE(gate.busy());
        EXPECT_FALSE(gate.runExclusive([&] { ++inner; }));
    }));
    EXPECT_EQ(inner, 0);
    EXPECT_FALSE(gate.busy());

    EXPECT_THROW(gate.runExclusive([] { throw std::runtime_error("x"); }), std::runtime_error);
    EXPECT_FALSE(gate.busy());
    EXPECT_TRUE(gate.runExclusive([&] { ++inner; }));
    EXPECT_EQ(inner, 1);
}

} // namespace
} // namespace tallowmere::gui
