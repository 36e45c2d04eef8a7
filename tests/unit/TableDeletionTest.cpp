// Dropping the selected tables of either list, against the recording fakes.
#include "Fakes.h"

#include "data_access/SqlTexts.h"
#include "maintenance/TableDeletion.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tallowmere {
namespace {

using namespace fakes;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

Log followedBy(Log first, const Log& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

class TableDeletion : public ::testing::TestWithParam<Side> {
protected:
    Window w;
    Side side = GetParam();
    PlainTableList& list = w.list(side);
    PlainTableList& other = w.list(side == Side::Oracle ? Side::SqlAnywhere : Side::Oracle);

    void run() { DeleteTables(w.context(), side); }
    bool runGuardedDelete() {
        return runGuarded(w.context(), [this] { run(); });
    }
};

INSTANTIATE_TEST_SUITE_P(BothSides, TableDeletion,
                         ::testing::Values(Side::SqlAnywhere, Side::Oracle), [](const auto& info) {
                             return info.param == Side::Oracle ? "Oracle" : "SqlAnywhere";
                         });

TEST_P(TableDeletion, DropsSelectedEntriesFromTheBottomUpWithoutAsking) {
    fill(list, {"A", "B", "C", "D", "EMP"}, {1, 3, 4}, 0);
    fill(other, {"B", "EMP"}, {0, 1}, 0);
    run();
    EXPECT_THAT(
        w.log, ElementsAreArray(followedBy(
                   openingOf(side), {"#1 execute DROP TABLE \"EMP\"", "#1 execute DROP TABLE \"D\"",
                                     "#1 execute DROP TABLE \"B\"", "pointer 0", "#1 release"})));
    EXPECT_THAT(list.texts(), ElementsAre("A", "C"));
    EXPECT_THAT(other.texts(), ElementsAre("B", "EMP"));
}

TEST_P(TableDeletion, NoCurrentEntryGivesTheMessageAfterTheConnectionOpened) {
    for (const std::vector<int>& selected : {std::vector<int>{}, std::vector<int>{0, 1}}) {
        Window fresh;
        PlainTableList& l = fresh.list(side);
        fill(l, {"A", "B"}, selected, -1);
        DeleteTables(fresh.context(), side);
        EXPECT_THAT(fresh.log,
                    ElementsAreArray(followedBy(openingOf(side), {"message Please select a table",
                                                                  "pointer 0", "#1 release"})));
        EXPECT_THAT(fresh.prompts.titles(), ElementsAre("Tallowmere"));
        EXPECT_EQ(l.count(), 2);
    }
    run(); // an empty list as well
    EXPECT_THAT(w.prompts.texts(), ElementsAre("Please select a table"));
}

TEST_P(TableDeletion, CurrentEntryWithoutSelectionDoesNothingAndSaysNothing) {
    fill(list, {"A", "B"}, {}, 0);
    run();
    EXPECT_THAT(w.log, ElementsAreArray(followedBy(openingOf(side), {"pointer 0", "#1 release"})));
    EXPECT_EQ(list.count(), 2);
}

TEST_P(TableDeletion, StopsAtTheFirstFailureKeepingTheFailingEntry) {
    fill(list, {"A", "B", "C", "D", "E"}, {1, 3, 4}, 0);
    w.connections.fail("execute DROP TABLE \"D\"", 3701, "42S02", "Cannot drop the table 'D'");
    runGuardedDelete();
    EXPECT_THAT(w.logWith("execute"),
                ElementsAre("#1 execute DROP TABLE \"E\"", "#1 execute DROP TABLE \"D\""));
    EXPECT_THAT(list.texts(), ElementsAre("A", "B", "C", "D"));
    EXPECT_THAT(w.prompts.texts(), ElementsAre("Error 3701\n\nCannot drop the table 'D'"));
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    // The connection is released before the message is shown.
    const auto release = std::find(w.log.begin(), w.log.end(), "#1 release");
    const auto message = std::find(w.log.begin(), w.log.end(), "message " + w.prompts.texts()[0]);
    EXPECT_LT(release, message);
}

TEST_P(TableDeletion, FailingOpenComesBeforeAnySelectionMessage) {
    fill(list, {"A"}, {}, -1);
    w.connections.fail(side == Side::Oracle ? kOracleOpen : kSqlAnywhereOpen, 28000, "28000",
                       "login failed");
    runGuardedDelete();
    EXPECT_THAT(w.prompts.texts(), ElementsAre("Error 28000\n\nlogin failed"));
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(list.count(), 1);
}

TEST_P(TableDeletion, QuotesInTheNameAreDoubled) {
    fill(list, {"a\"b", "Hire Dates"}, {0, 1}, 0);
    run();
    EXPECT_THAT(w.logWith("execute"), ElementsAre("#1 execute DROP TABLE \"Hire Dates\"",
                                                  "#1 execute DROP TABLE \"a\"\"b\""));
    EXPECT_EQ(DropTableStatement("EMP"), "DROP TABLE \"EMP\"");
    EXPECT_THAT(list.texts(), IsEmpty());
}

} // namespace
} // namespace tallowmere
