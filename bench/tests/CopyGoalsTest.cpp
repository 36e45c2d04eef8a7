// The goals worked out from the lines of the table: the one-stream limit, the
// array loop's, and several tables at once against one at a time.
#include "CopyGoals.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace bench {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

Line line(const std::string& name, double rows, double seconds, double peak = -1) {
    Line made{name, rows, seconds};
    made.peakMegabytes = peak;
    return made;
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

TEST(JobsGoals, RateAtTwoAndAHalfTimesAndPeakUnderFourTimes) {
    const Line one = line("one", 200000, 10, 50);
    const std::vector<Goal> met = jobsGoals("8 tables", one, line("four", 200000, 4, 199.9));
    ASSERT_EQ(met.size(), 2u);
    EXPECT_TRUE(met[0].reached);
    EXPECT_THAT(met[0].text, HasSubstr("at 2.50 x the rate of --jobs 1"));
    EXPECT_TRUE(met[1].reached);
    EXPECT_THAT(met[1].text, HasSubstr("peak RSS 199.9 MB < 4 x --jobs 1's 50.0 MB"));

    const std::vector<Goal> missed = jobsGoals("8 tables", one, line("four", 200000, 4.1, 200));
    EXPECT_FALSE(missed[0].reached);
    EXPECT_FALSE(missed[1].reached);
}

TEST(JobsGoals, EitherLineNotMeasuredMeetsNeither) {
    const Line measured = line("one", 200000, 10, 50);
    const Line refused = line("four", 200000, kNotMeasured);
    for (const auto& [one, many] : {std::pair{measured, refused}, std::pair{refused, measured},
                                    std::pair{refused, refused}}) {
        const std::vector<Goal> goals = jobsGoals("8 tables", one, many);
        ASSERT_EQ(goals.size(), 2u);
        for (const Goal& goal : goals) {
            EXPECT_FALSE(goal.reached);
            EXPECT_THAT(goal.text, HasSubstr("not measured, the program refused --jobs"));
            EXPECT_THAT(goal.text, Not(HasSubstr("inf")));
        }
    }
}

} // namespace
} // namespace bench
