// Renaming the one selected table of either list, against the recording fakes.
#include "Fakes.h"

#include "data_access/SqlTexts.h"
#include "maintenance/TableRenaming.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tallowmere {
namespace {

using namespace fakes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TableRenaming : public ::testing::TestWithParam<Side> {
protected:
    Window w;
    Side side = GetParam();
    PlainTableList& list = w.list(side);

    void run() { RenameTable(w.context(), side); }
    // As logged by connection number id.
    std::string statement(const std::string& from, const std::string& to, int id = 1) const {
        std::string line = "#";
        line.append(std::to_string(id)).append(" execute ");
        return line + (side == Side::Oracle
                           ? "RENAME \"" + from + "\" TO \"" + to + "\""
                           : "ALTER TABLE \"" + from + "\" RENAME \"" + to + "\";");
    }
};

INSTANTIATE_TEST_SUITE_P(BothSides, TableRenaming,
                         ::testing::Values(Side::SqlAnywhere, Side::Oracle), [](const auto& info) {
                             return info.param == Side::Oracle ? "Oracle" : "SqlAnywhere";
                         });

TEST_P(TableRenaming, RenamesTheSelectedTableAndListsTheNewNameInItsPlace) {
    fill(list, {"A", "M", "T1", "Z"}, {2}, 2);
    w.prompts.inputs = {"B2"};
    run();
    Log expected = openingOf(side);
    expected.insert(expected.end(), {"input Enter new name of T1:", statement("T1", "B2"),
                                     "pointer 0", "#1 release"});
    EXPECT_EQ(w.log, expected);
    EXPECT_THAT(w.prompts.defaults(), ElementsAre("T1"));
    EXPECT_THAT(w.prompts.titles(), ElementsAre("Tallowmere"));
    EXPECT_THAT(list.texts(), ElementsAre("A", "B2", "M", "Z"));
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_P(TableRenaming, StatementTexts) {
    EXPECT_EQ(RenameStatement(Side::SqlAnywhere, "T1", "T2"), "ALTER TABLE \"T1\" RENAME \"T2\";");
    EXPECT_EQ(RenameStatement(Side::Oracle, "T1", "T2"), "RENAME \"T1\" TO \"T2\"");
    fill(list, {"o\"ld"}, {0}, 0);
    w.prompts.inputs = {"n\"e\"w "};
    run();
    EXPECT_THAT(w.logWith("execute"), ElementsAre(statement("o\"\"ld", "n\"\"e\"\"w ")));
    EXPECT_THAT(list.texts(), ElementsAre("n\"e\"w "));
}

TEST_P(TableRenaming, SelectionMessagesComeAfterTheConnectionOpened) {
    struct Case {
        std::vector<std::string> entries;
        std::vector<int> selected;
        int current;
        const char* message;
    };
    const Case cases[] = {
        {{"A", "B"}, {0}, -1, "Please select a table to rename."},
        {{}, {}, -1, "Please select a table to rename."},
        {{"A", "B"}, {}, 0, "Please select just one table to rename."},
        {{"A", "B", "C"}, {0, 2}, 2, "Please select just one table to rename."},
    };
    for (const Case& c : cases) {
        Window fresh;
        PlainTableList& l = fresh.list(side);
        fill(l, c.entries, c.selected, c.current);
        RenameTable(fresh.context(), side);
        const Log& log = fresh.log;
        ASSERT_GE(log.size(), 4u);
        EXPECT_EQ(log[log.size() - 3], std::string("message ") + c.message);
        EXPECT_EQ(log[log.size() - 4],
                  side == Side::Oracle ? "#1 dbmsName" : "#1 " + kSqlAnywhereOpen);
        EXPECT_THAT(fresh.logWith("execute"), IsEmpty());
        EXPECT_EQ(l.count(), static_cast<int>(c.entries.size()));
        EXPECT_EQ(fresh.pointer.pointer(), PointerSetting::Default);
    }
}

TEST_P(TableRenaming, EmptyAnswerRunsNothingButTheUnchangedNameStillRuns) {
    fill(list, {"A", "T1"}, {1}, 1);
    w.prompts.inputs = {""};
    run();
    EXPECT_THAT(w.logWith("execute"), IsEmpty());
    EXPECT_THAT(list.texts(), ElementsAre("A", "T1"));
    EXPECT_EQ(list.currentIndex(), 1);

    w.prompts.inputs = {"T1"};
    run();
    EXPECT_THAT(w.logWith("execute"), ElementsAre(statement("T1", "T1", 2)));
    EXPECT_THAT(list.texts(), ElementsAre("A", "T1"));
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_P(TableRenaming, RefusedStatementLeavesTheListUnchanged) {
    fill(list, {"A", "T1"}, {1}, 1);
    w.prompts.inputs = {"A"};
    w.connections.fail(statement("T1", "A").substr(3), 955, "42S01", "name is already used");
    EXPECT_TRUE(runGuarded(w.context(), [this] { run(); }));
    EXPECT_THAT(w.prompts.texts(),
                ElementsAre("Enter new name of T1:", "Error 955\n\nname is already used"));
    EXPECT_THAT(list.texts(), ElementsAre("A", "T1"));
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    EXPECT_THAT(w.logWith("release"), ElementsAre("#1 release"));
}

} // namespace
} // namespace tallowmere
