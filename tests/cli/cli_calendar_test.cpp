// The calendar verbs of the command line, run in-process.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_test_support.h"

namespace hm {
namespace {

using testing::CliResult;

CliResult runCli(std::vector<std::string> args) {
  return testing::RunCliInProcess(std::move(args));
}

TEST(CliCalendar, VerbsPrintTheirLine) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"lunar", "2023-03-22"}, "2023 2 1 1\n"},
      {{"lunar", "1980-1-1"}, "1979 11 14 0\n"},
      {{"lunar", "1900-01-30"}, "0 0 0 0\n"},
      {{"lunar", "2101-01-01"}, "0 0 0 0\n"},
      {{"solar", "2099", "12", "30"}, "2100-02-08\n"},
      {{"solar", "2023", "2", "1", "--leap"}, "2023-03-22\n"},
      {{"solar", "2023", "3", "1", "--leap"}, "0001-01-01\n"},
      {{"solar", "2000", "1", "0"}, "2000-02-04\n"},
      {{"pillars", "1984-02-04", "23"}, "甲子 丙寅 戊辰 壬子\n"},
      {{"pillars", "2000-01-01", "0"}, "己卯 丙子 戊午 壬子\n"},
      {{"term", "2000-01-06"}, "小寒\n"},
      {{"term", "2000-01-07"}, "\n"},
      {{"star", "2000-04-20"}, "白羊座\n"},
      {{"wcal", "2013-06-08"}, "430|四月|三十||||巳蛇|双子座\n"},
      {{"wcal", "2000-02-04"}, "1229|腊月|廿九|除夕||立春|卯兔|水瓶座\n"},
      {{"wcal", "2020-05-23"}, "-401|闰四|初一||||子鼠|双子座\n"},
      {{"wcal", "2024-05-12"}, "405|四月|初五||母亲节||辰龙|金牛座\n"},
      {{"wcal", "2051-01-01"}, "0||||元旦节||未羊|摩羯座\n"},
  };
  for (const auto& [args, line] : cases) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 0) << args[0] << " " << args[1];
    EXPECT_EQ(r.out, line) << args[0] << " " << args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST(CliCalendar, BadArgumentsExitWithStatusOne) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"lunar", "1980-2-30"}, "'1980-2-30' is not a valid date\n"},
      {{"solar", "2000", "一", "1"}, "'一' is not a valid integer value\n"},
      {{"pillars", "2000-01-01", "x"}, "'x' is not a valid integer value\n"},
      {{"pillars", "2000-01-01", "24"}, "小时须在 0 到 23 之间: 24\n"},
      {{"lunar"}, "用法: lunar YYYY-MM-DD\n"},
      {{"solar", "2000", "1"}, "用法: solar Y M D [--leap]\n"},
      {{"wcal", "2000-01-01", "extra"}, "用法: wcal YYYY-MM-DD\n"},
  };
  for (const auto& [args, message] : cases) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message);
  }
}

}  // namespace
}  // namespace hm
