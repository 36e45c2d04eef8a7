// The table's lines: the fastest of several turns, and lines not measured.
#include "Report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace bench {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(Fastest, AMeasuredLineWinsOverOneNotMeasuredEitherWay) {
    Line measured{"copy", 100, 3};
    measured.peakMegabytes = 40;
    Line refused{"copy", 100, kNotMeasured};
    refused.peakMegabytes = 20;
    for (const Line& best : {fastest(measured, refused), fastest(refused, measured)}) {
        EXPECT_TRUE(best.measured());
        EXPECT_DOUBLE_EQ(best.seconds, 3);
        EXPECT_DOUBLE_EQ(best.peakMegabytes, 40);
    }
    EXPECT_FALSE(fastest(refused, refused).measured());
}

TEST(Fastest, TakesTheShorterTimeAndTheWorstPeak) {
    Line slow{"copy", 100, 5};
    slow.peakMegabytes = 70;
    Line quick{"copy", 100, 2};
    quick.peakMegabytes = 30;
    for (const Line& best : {fastest(slow, quick), fastest(quick, slow)}) {
        EXPECT_DOUBLE_EQ(best.seconds, 2);
        EXPECT_DOUBLE_EQ(best.peakMegabytes, 70);
    }
}

TEST(PrintReport, ALineNotMeasuredShowsNoTimeAndNoRate) {
    Line refused{"eight tables --jobs 4", 2400, kNotMeasured};
    refused.limitSeconds = 2;
    Line done{"eight tables --jobs 1", 2400, 1.5};
    ::testing::internal::CaptureStdout();
    printReport("title", {done, refused}, {{"a goal", false}});
    const std::string printed = ::testing::internal::GetCapturedStdout();
    const size_t at = printed.find("eight tables --jobs 4");
    ASSERT_NE(at, std::string::npos);
    const std::string row = printed.substr(at, printed.find('\n', at) - at);
    EXPECT_THAT(row, HasSubstr(" 2400         -         -         -         -"));
    EXPECT_THAT(row, Not(HasSubstr("-1")));
    EXPECT_THAT(printed, HasSubstr("eight tables --jobs 1"));
    EXPECT_THAT(printed, HasSubstr("1.50      1600"));
    EXPECT_THAT(printed, HasSubstr("[NOT MET] a goal"));
}

} // namespace
} // namespace bench
