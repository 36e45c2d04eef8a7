// The command line the benchmark gives the program, and how it reads what
// the program printed.
#include "CommandLineCopy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace bench {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const Pair kToPostgres{
    "to PostgreSQL", {}, {"localhost;5432", "bench", "secret", "Source"}, true, true};

TEST(CopyCommand, PassesJobsOnlyWhenAskedAndNamesTheTablesLast) {
    CopyOrder order{RowsSent::InArrays, {"T_1", "T_2"}, 10, 4};
    EXPECT_THAT(copyCommand("prog", kToPostgres, order),
                ElementsAre("prog", "copy", "--to", "oracle", "--jobs", "4", "--oracle-sid",
                            "localhost;5432", "--oracle-user", "bench", "--dsn", "Source", "T_1",
                            "T_2"));
    order.jobs = 0;
    const std::vector<std::string> plain = copyCommand("prog", kToPostgres, order);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), "--jobs"), 0);
    // The password never goes on the command line.
    EXPECT_EQ(std::count(plain.begin(), plain.end(), "secret"), 0);
}

TEST(CopyCommand, NamesTheWayAndLeavesOutEmptyValues) {
    const Pair toSqlite{"to SQLite", {}, {"bench;Database=x.db", "", "", "Target"}, false, false};
    const CopyOrder order{RowsSent::Plain, {kTable}, 10, 0};
    EXPECT_THAT(copyCommand("prog", toSqlite, order),
                ElementsAreArray({"prog", "copy", "--to", "sqlanywhere", "--plain", "--oracle-sid",
                                  "bench;Database=x.db", "--dsn", "Target", kTable}));
    const CopyOrder rowByRow{RowsSent::RowByRow, {kTable}, 10, 0};
    EXPECT_EQ(copyCommand("prog", toSqlite, rowByRow)[4], "--row-by-row");
}

TEST(CopiedEvery, TakesTheTablesInAnyOrderButEachOnceWithItsRows) {
    const CopyOrder order{RowsSent::InArrays, {"T_1", "T_2", "T_3"}, 25, 4};
    EXPECT_TRUE(copiedEvery("T_1\t25\nT_2\t25\nT_3\t25\n", order));
    EXPECT_TRUE(copiedEvery("T_3\t25\nT_1\t25\nT_2\t25\n", order));
    const char* wrong[] = {
        "T_1\t25\nT_2\t25\n",                   // one missing
        "T_1\t25\nT_2\t25\nT_3\t24\n",          // a row short
        "T_1\t25\nT_2\t25\nT_2\t25\n",          // one twice, one missing
        "T_1\t25\nT_2\t25\nT_3\t25\nT_4\t25\n", // one not asked for
        "T_1\t25\nT_2\t25\nT_3\t25\n\n",        // an empty line besides
        "",
    };
    for (const char* output : wrong)
        EXPECT_FALSE(copiedEvery(output, order)) << output;
}

} // namespace
} // namespace bench
