// The texts of the benchmark's tables: each name its own, each index too.
#include "Workload.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

namespace bench {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(Workload, NumberedTablesAreDistinctAndNamedAfterTheTable) {
    EXPECT_THAT(numberedTables(3), ElementsAre("BENCH_1", "BENCH_2", "BENCH_3"));
    EXPECT_TRUE(numberedTables(0).empty());
}

TEST(Workload, EveryTextNamesItsOwnTable) {
    for (const std::string& table : {std::string(kTable), std::string("BENCH_7")}) {
        const std::string quoted = "\"" + table + "\"";
        EXPECT_THAT(sourceTableDefinition(table), StartsWith("CREATE TABLE " + quoted + "("));
        EXPECT_THAT(sourceFill(table, 5), StartsWith("INSERT INTO " + quoted + " WITH"));
        EXPECT_THAT(sourceFill(table, 5), HasSubstr("WHERE i < 5)"));
        EXPECT_EQ(rowCountQuery(table), "SELECT COUNT(*) FROM " + quoted);
        EXPECT_THAT(nullCountQuery(table), StartsWith("SELECT COUNT(*) FROM " + quoted + " WHERE"));
        EXPECT_THAT(firstRowMatchesQuery(table), HasSubstr("FROM " + quoted + " WHERE"));
        EXPECT_EQ(dropTableStatement(table), "DROP TABLE IF EXISTS " + quoted);
    }
}

TEST(Workload, IndexNamesDifferFromTableToTable) {
    // Index names are one namespace per schema on the Oracle side: eight
    // tables in one copy need eight names.
    EXPECT_EQ(sourceIndexDefinition(kTable),
              R"(CREATE INDEX "BENCH_NAME" ON "BENCH"("NAME", "BORN"))");
    std::set<std::string> names;
    for (const std::string& table : numberedTables(8)) {
        const std::string definition = sourceIndexDefinition(table);
        const size_t open = definition.find('"');
        const std::string name =
            definition.substr(open + 1, definition.find('"', open + 1) - open - 1);
        EXPECT_EQ(name, table + "_NAME");
        EXPECT_THAT(definition, HasSubstr(" ON \"" + table + "\"("));
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 8u);
}

} // namespace
} // namespace bench
