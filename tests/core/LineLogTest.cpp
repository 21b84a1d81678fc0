#include "LineLog.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

template <typename Log> void FillLog(Log& log, int lines) {
    for (int i = 1; i <= lines; ++i)
        log.Append("line ", std::to_string(i));
}

TEST(LineLog, RollWindowHoldsThirtyEightLinesDroppingTheOldest) {
    RollLog log;
    FillLog(log, 37);
    log.Append("38");
    EXPECT_EQ(log.Count(), 38u);
    EXPECT_EQ(log.Line(0), "line 1");
    log.Append("39");
    EXPECT_EQ(log.Count(), 38u);
    EXPECT_EQ(log.Line(0), "line 2");
    EXPECT_EQ(log.Last(), "39");
    EXPECT_EQ(log.Total(), 39u);
}

TEST(LineLog, MessageListHoldsFortyFiveLinesAndKeepsEmptyLines) {
    MessageLog log;
    FillLog(log, 44);
    log.Append("");
    EXPECT_EQ(log.Count(), 45u);
    EXPECT_EQ(log.Last(), "");
    FillLog(log, 100);
    EXPECT_EQ(log.Count(), 45u);
    EXPECT_EQ(log.Line(0), "line 56");
    EXPECT_EQ(log.Last(), "line 100");
}

TEST(LineLog, ListenerSeesEveryLineAsItArrivesAndClearEmpties) {
    MessageLog log;
    std::vector<std::string> seen;
    log.SetListener([&](std::string_view line) { seen.emplace_back(line); });
    FillLog(log, 50);
    ASSERT_EQ(seen.size(), 50u);
    EXPECT_EQ(seen.front(), "line 1");
    EXPECT_EQ(seen.back(), "line 50");
    log.Clear();
    EXPECT_EQ(log.Count(), 0u);
    log.Append("after");
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"after"});
}

} // namespace
} // namespace halvard
