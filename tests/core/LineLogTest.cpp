#include "LineLog.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

template <typename Log> void FillLog(Log& log, int from, int to) {
    for (int i = from; i <= to; ++i)
        log.Append("line ", std::to_string(i));
}

TEST(LineLog, EachWindowKeepsItsOwnNumberOfLinesDroppingTheOldest) {
    RollLog rolls;
    FillLog(rolls, 1, 38);
    EXPECT_EQ(rolls.Count(), 38u);
    EXPECT_EQ(rolls.Line(0), "line 1");
    rolls.Append("39");
    EXPECT_EQ(rolls.Count(), 38u);
    EXPECT_EQ(rolls.Line(0), "line 2");
    EXPECT_EQ(rolls.Last(), "39");
    EXPECT_EQ(rolls.Total(), 39u);

    MessageLog messages;
    FillLog(messages, 1, 44);
    messages.Append("");
    EXPECT_EQ(messages.Last(), "") << "empty lines are lines too";
    FillLog(messages, 1, 100);
    EXPECT_EQ(messages.Count(), 45u);
    EXPECT_EQ(messages.Line(0), "line 56");
}

TEST(LineLog, ListenerSeesEveryLineRefillKeepsTheNewestAndClearEmpties) {
    MessageLog log;
    std::vector<std::string> seen;
    log.SetListener([&](std::string_view line) { seen.emplace_back(line); });
    FillLog(log, 1, 50);
    ASSERT_EQ(seen.size(), 50u);
    EXPECT_EQ(seen.back(), "line 50");

    std::vector<std::string> lines = log.Lines();
    lines.insert(lines.begin(), "older");
    log.Refill(lines);
    EXPECT_EQ(log.Lines(), std::vector<std::string>(lines.begin() + 1, lines.end()));
    EXPECT_EQ(seen.size(), 50u) << "the listener heard the lines when they first came";

    log.Clear();
    log.Append("after");
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"after"});
}

} // namespace
} // namespace halvard
