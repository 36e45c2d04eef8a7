// The in-memory table list and the list helpers the transfers use.
#include "Fakes.h"

#include "transfer/Main.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tallowmere {
namespace {

using fakes::fill;
using ::testing::ElementsAre;

TEST(PlainTableList, KeepsEntriesInReadingOrderWithoutRegardToCase) {
    PlainTableList list;
    // Symbols and digits before letters, an accent after its plain letter,
    // digits one by one ("T10" before "T2"); names that differ only in case
    // by code unit, upper case first. The full-width "Ａ" reads as an "a".
    for (const char* name : {"Ａ", "emp", "DEPT", "T2", "EMP", "bonus", "😀", "Zeta", "EMP", "Émile",
                             "a b", "eclair", "T10", "Eclair", "éclair", "zulu", "2024"})
        list.addItem(name);
    EXPECT_THAT(list.texts(),
                ElementsAre("😀", "2024", "Ａ", "a b", "bonus", "DEPT", "Eclair", "eclair", "éclair",
                            "Émile", "EMP", "EMP", "emp", "T10", "T2", "Zeta", "zulu"));
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.selectedCount(), 0);
}

TEST(PlainTableList, CurrentEntryAndSelectionFollowTheirEntries) {
    PlainTableList list;
    fill(list, {"B", "D", "F"}, {2}, 1); // current D, selected F
    list.addItem("A");
    EXPECT_EQ(list.text(list.currentIndex()), "D");
    EXPECT_TRUE(list.isSelected(3));
    list.addItem("E"); // after the current entry: no change
    EXPECT_EQ(list.currentIndex(), 2);
    EXPECT_TRUE(list.isSelected(4));
    list.removeItem(0);
    EXPECT_EQ(list.text(list.currentIndex()), "D");
    list.removeItem(list.currentIndex()); // the next entry takes its place
    EXPECT_EQ(list.text(list.currentIndex()), "E");
    list.removeItem(2); // F, the last one
    list.removeItem(1); // E, current and last: focus moves up
    EXPECT_EQ(list.currentIndex(), 0);
    list.removeItem(0);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_THROW(list.removeItem(0), std::out_of_range);
    EXPECT_THROW(list.setCurrentIndex(0), std::out_of_range);
}

TEST(ListHelpers, ListHasItemIsExact) {
    PlainTableList list;
    fill(list, {"EMP", "Dept", "a b"});
    const std::pair<std::string, bool> cases[] = {
        {"EMP", true}, {"emp", false}, {"Dept", true},  {"DEPT", false},
        {"a b", true}, {"a", false},   {"EMP ", false}, {"", false},
    };
    for (const auto& [name, found] : cases)
        EXPECT_EQ(ListHasItem(list, name), found) << name;
    EXPECT_FALSE(ListHasItem(PlainTableList(), "EMP"));
}

TEST(ListHelpers, ListHasItemNoCaseIgnoresLetterCaseInAnyScript) {
    PlainTableList list;
    fill(list, {"emp", "ÄRGER", "Σοφία", "Москва"});
    const std::pair<std::string, bool> cases[] = {
        {"EMP", true},    {"Emp", true},     {"ärger", true}, {"ΣΟΦΊΑ", true},
        {"москва", true}, {"MOSKVA", false}, {"em", false},   {"emp ", false},
    };
    for (const auto& [name, found] : cases)
        EXPECT_EQ(ListHasItemNoCase(list, name), found) << name;
    EXPECT_TRUE(equalsNoCase("ÉMILE", "émile"));
    EXPECT_FALSE(equalsNoCase("EMP", "EMP2"));
}

TEST(ListHelpers, RemoveListItemRemovesEveryExactlyEqualEntry) {
    PlainTableList list;
    fill(list, {"A", "EMP", "EMP", "EMP", "Z", "emp", "EMP2"});
    RemoveListItem(list, "EMP");
    EXPECT_THAT(list.texts(), ElementsAre("A", "emp", "EMP2", "Z"));
    RemoveListItem(list, "nothing");
    EXPECT_EQ(list.count(), 4);
    fill(list, {"X", "X"});
    RemoveListItem(list, "X");
    EXPECT_EQ(list.count(), 0);
}

TEST(ListHelpers, IfNullReplacesOnlyANull) {
    EXPECT_EQ(IfNull(std::nullopt, "r"), "r");
    EXPECT_EQ(IfNull(std::string(), "r"), "");
    EXPECT_EQ(IfNull(std::string("v"), "r"), "v");
}

} // namespace
} // namespace tallowmere
