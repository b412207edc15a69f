// The `month` verb: one line per visible cell and the zodiac and star sign
// of the selected day.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "base/dates.h"
#include "cli/cli_test_support.h"

namespace hm {
namespace {

using testing::CliResult;

CliResult runCli(std::vector<std::string> args) {
  return testing::RunCliInProcess(std::move(args));
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

bool hasLine(const std::vector<std::string>& ls, const std::string& line) {
  return std::find(ls.begin(), ls.end(), line) != ls.end();
}

TEST(CliMonth, PrintsTheCellsOfJanuary2000) {
  const CliResult r = runCli({"month", "2000", "1", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto ls = lines(r.out);
  ASSERT_EQ(ls.size(), 32u);  // 31 days and the closing line
  EXPECT_EQ(ls.front(), "7 1 元旦节 #FF8000");
  EXPECT_EQ(ls[30], "37 31 廿五 #004000");
  for (const char* line : {"8 2 廿六 #004000", "12 6 小寒 #5353FF", "13 7 腊月 #FF0000", "20 14 腊八节 #FF8000"})
    EXPECT_TRUE(hasLine(ls, line)) << line;
  EXPECT_EQ(ls.back(), "卯兔 摩羯座");
}

TEST(CliMonth, DayDefaultsToTodayClippedToTheMonth) {
  const CliResult feb = runCli({"--today", "2000-01-31", "month", "2000", "02"});
  ASSERT_EQ(feb.status, 0) << feb.err;
  const auto ls = lines(feb.out);
  EXPECT_TRUE(hasLine(ls, "6 4 除夕 #FF8000"));
  EXPECT_TRUE(hasLine(ls, "7 5 春节 #FF8000"));
  EXPECT_EQ(ls.back(), "辰龙 双鱼座");  // drawn on 29 February

  EXPECT_EQ(lines(runCli({"--today", "2000-01-31", "month", "2000", "3"}).out).back(), "辰龙 白羊座");
}

TEST(CliMonth, RejectsArgumentsOutsideTheCalendar) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"month", "1900", "12"}, "年份须在 1901 到 2050 之间: 1900\n"},
      {{"month", "2051", "1"}, "年份须在 1901 到 2050 之间: 2051\n"},
      {{"month", "2000", "13"}, "月份须在 1 到 12 之间: 13\n"},
      {{"month", "2000", "1", "0"}, "日须在 1 到 31 之间: 0\n"},
      {{"month", "2000", "一"}, "'一' is not a valid integer value\n"},
      {{"month", "2000"}, "用法: month YYYY MM [DD]\n"},
  };
  for (const auto& [args, message] : cases) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 1) << args[1];
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace hm
