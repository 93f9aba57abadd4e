// The progress bar's text during a run: counts, modes and the time left.
#include "shell/RunProgressText.h"

#include <gtest/gtest.h>

namespace harvelux::shell {
namespace {

using namespace std::chrono_literals;

TEST(RunProgressText, CountsAreGroupedAndTimesRounded) {
    const std::pair<long long, const char*> counts[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {5000, "5,000"}, {1234567, "1,234,567"}};
    for (const auto& [n, text] : counts) EXPECT_EQ(groupedCount(n), text);
    const std::pair<std::chrono::seconds, const char*> times[] = {
        {0s, "about 5 s left"},     {41s, "about 45 s left"},         {89s, "about 1 min left"},
        {125s, "about 2 min left"}, {5400s, "about 1 h 30 min left"}, {7200s, "about 2 h left"}};
    for (const auto& [left, text] : times) EXPECT_EQ(timeLeftText(left), text) << left.count();
}

TEST(RunProgressText, TimeLeftOnlyOnceItCanBeEstimated) {
    std::chrono::steady_clock::time_point now{};
    RunProgressText text([&now] { return now; });
    text.begin({"whole documents"});
    now += 30s;  // a question before the first document does not count
    EXPECT_EQ(text.at(1, 5000), "Extracting emails.. 1 of 5,000 documents \u00B7 whole documents \u00B7 Esc to stop");
    now += 2s;
    EXPECT_EQ(text.at(100, 5000).find("left"), std::string::npos) << "too early to tell";
    now += 1s;  // 119 documents in 3 s
    EXPECT_EQ(
        text.at(120, 5000),
        "Extracting emails.. 120 of 5,000 documents \u00B7 whole documents \u00B7 about 2 min left \u00B7 Esc to stop");
    now += 100ms;  // the estimate holds still between updates
    EXPECT_NE(text.at(121, 5000).find("about 2 min left"), std::string::npos);
}

}  // namespace
}  // namespace harvelux::shell
