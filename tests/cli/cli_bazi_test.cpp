// The Four Pillars commands through `hengmu-cli run`, on the fixture store.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/content.h"
#include "base/dates.h"
#include "cli/cli_test_support.h"

namespace hm {
namespace {

using CliRun = testing::CliResult;

CliRun runBazi(const std::vector<std::string>& entry, const std::string& caption) {
  std::vector<std::string> args = {
      "--data-dir", HENGMU_FIXTURES_DIR "/bazi", "--today", "2024-06-01", "--surname", "王", "--given", "明"};
  args.insert(args.end(), entry.begin(), entry.end());
  args.insert(args.end(), {"run", caption});
  return testing::RunCliInProcess(std::move(args));
}

bool hasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(CliBazi, ReportPrintsTheChart) {
  const auto r = runBazi({"--year", "2000", "--month", "1", "--day", "1"}, "八字详批");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("姓名：王明  性别：男  生肖：兔  星座：摩羯座  血型：A型  年龄：24岁\n", 0), 0u);
  EXPECT_TRUE(hasLine(r.out, "胎元：丁卯(炉中火)"));
  EXPECT_TRUE(hasLine(r.out, "起运：9岁"));
  EXPECT_TRUE(hasLine(r.out, "大运：丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯"));
}

TEST(CliBazi, EveryCaptionRuns) {
  const struct {
    const char* caption;
    const char* lastLine;
  } cases[] = {
      {"八字分析", "新表：属兔的人本命之年，凡事稳中求进。\n\n"},
      {"生辰信息", "--以上内容紧着参考---------------------------------------------\n"},
      {"称骨算命", "--以上内容紧着参考----------------------------------------------------------\n"},
      {"血型论命", "--以上内容紧着参考----------------------------------------------------------\n"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.caption);
    const auto r = runBazi({"--year", "2000", "--month", "1", "--day", "1", "--sex", "女"}, k.caption);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(hasLine(r.out, "八字：己卯   丙子   戊午   壬子"));
    const std::string tail = k.lastLine;
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
  }
}

TEST(CliBazi, BadEntriesStopBeforeAnythingIsWritten) {
  const struct {
    std::vector<std::string> entry;
    const char* caption;
    int status;
    const char* err;
  } cases[] = {
      {{"--blood=", "--year", "2000"}, "八字详批", 2, "提示：血型不能为空!\n"},
      {{"--blood=", "--year", "2000"}, "称骨算命", 2, "提示：血型不能为空!\n"},
      {{"--hour=", "--year", "2000"}, "生辰信息", 2, "提示：请选择出生小时!\n"},
      {{"--year", "1980", "--month", "2", "--day", "30"}, "血型论命", 1, "'1980-2-30' is not a valid date\n"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.caption);
    const auto r = runBazi(k.entry, k.caption);
    EXPECT_EQ(r.status, k.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, k.err);
  }
}

}  // namespace
}  // namespace hm
