// The goals worked out from the lines of the table: the one-stream limit and
// the array loop's.
#include "CopyGoals.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace bench {
namespace {

using ::testing::HasSubstr;

Line line(const std::string& name, double rows, double seconds) {
    return {name, rows, seconds};
}

TEST(OneStreamLimit, TakesTheSlowerHalfWhicheverItIs) {
    const Line read = line("read", 1000, 2);
    const Line send = line("send", 1000, 5);
    for (const Line& limit :
         {oneStreamLimit("pair", read, send), oneStreamLimit("pair", send, read)}) {
        EXPECT_EQ(limit.measurement, "pair: one-stream limit");
        EXPECT_DOUBLE_EQ(limit.rows, 1000);
        EXPECT_DOUBLE_EQ(limit.seconds, 5);
    }
}

TEST(OneStreamGoal, IsMetFromNineTenthsOfTheLimitsRate) {
    const Line limit = oneStreamLimit("pair", line("read", 1000, 1), line("send", 1000, 9));
    // 9 s over 10 s: 0.9 of the rate, just met; 10.1 s just short.
    const Goal met = oneStreamGoal(line("pair: command line", 1000, 10), limit);
    EXPECT_TRUE(met.reached);
    EXPECT_THAT(met.text, HasSubstr("at 0.900 x the one-stream limit, >= 0.9"));
    const Goal short_ = oneStreamGoal(line("pair: command line", 1000, 10.1), limit);
    EXPECT_FALSE(short_.reached);
    EXPECT_THAT(short_.text, HasSubstr("0.891 x"));
}

TEST(ArrayLoopGoal, HoldsReadingAndSendingTogetherAgainstTheCommandLine) {
    const Line read = line("read", 1000, 3);
    const Line send = line("send", 1000, 6);
    // The loop's 9 s in all over the command line's 10 s: met; not over 10.5 s.
    const Goal met = arrayLoopGoal(line("plain", 1000, 10), read, send);
    EXPECT_TRUE(met.reached);
    EXPECT_THAT(met.text, HasSubstr("(0.900 x; against its sending alone 0.600 x)"));
    EXPECT_FALSE(arrayLoopGoal(line("plain", 1000, 10.5), read, send).reached);
}

} // namespace
} // namespace bench
