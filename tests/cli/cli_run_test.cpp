// The `run` verb: entry options reach the fields as typed, captions run in
// order on one state, and notices and unknown captions end with their status.
#include <gtest/gtest.h>

#include <sstream>

#include "app/birth_entry.h"
#include "app/main_state.h"
#include "cli/cli_test_support.h"

namespace hm {
namespace {

using testing::CliResult;

CliResult run(std::vector<std::string> args) {
  args.insert(args.begin(), {"--data-dir", HENGMU_BIN_DIR});
  return testing::RunCliInProcess(std::move(args));
}

// A command of this test that reads the entry like the Four Pillars commands
// and writes what it found.
class RunVerb : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    PaneCommands()["登记测试"] = [](MainState& s) {
      ReadBirthEntry(s.fields, s.record, true, true);
      s.pane.Clear();
      s.pane.Add(s.record.Surname + s.record.GivenName + " " + s.record.SolarDateText + " " + s.record.LunarText + " " +
                 s.record.HourBranchChar + s.record.HourNumber);
      s.pane.Show();
    };
    PaneCommands()["续写测试"] = [](MainState& s) { s.pane.Add("续 " + s.record.Animal); };
  }
  static void TearDownTestSuite() {
    PaneCommands().erase("登记测试");
    PaneCommands().erase("续写测试");
  }
};

TEST_F(RunVerb, EntryOptionsReachTheFieldsAndCaptionsShareOneState) {
  auto r = run({"--surname", "王", "--given", "明", "--calendar", "生日农历", "--year", "2000", "--month", "1", "--day",
                "1", "--hour", "午 12", "run", "登记测试", "续写测试"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "王明 2000-02-05 庚辰(龙)一月初一 午12\n续 龙\n");
  EXPECT_EQ(r.err, "");

  // The strip's defaults: solar 1980-1-1, hour 子 0.
  auto defaults = run({"--surname", "李", "--given", "四", "run", "登记测试"});
  EXPECT_EQ(defaults.out, "李四 1980-1-1 己未(羊)十一月十四 子0\n");
}

TEST_F(RunVerb, NoticeAndConversionErrorEndTheRun) {
  auto notice = run({"--surname", "王", "run", "登记测试"});
  EXPECT_EQ(notice.status, 2);
  EXPECT_EQ(notice.out, "");
  EXPECT_EQ(notice.err, "提示：名不能为空!\n");

  auto badDate = run({"--surname", "王", "--given", "明", "--day", "31", "--month", "2", "run", "登记测试"});
  EXPECT_EQ(badDate.status, 1);
  EXPECT_EQ(badDate.err, "'1980-2-31' is not a valid date\n");
}

TEST_F(RunVerb, UnknownCaptionStopsBeforeAnythingRuns) {
  auto r = run({"--surname", "王", "--given", "明", "run", "登记测试", "没有这个命令"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "未实现的命令: 没有这个命令\n");
}

TEST_F(RunVerb, NewReadingEmptiesThePaneButKeepsTheRecord) {
  auto r = run({"--surname", "王", "--given", "明", "run", "登记测试", "新建测算", "续写测试"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "续 羊\n");
}

TEST(RunVerbFourPillars, MissingGivenNameIsANotice) {
  if (!FindPaneCommand("八字分析")) GTEST_SKIP() << "the Four Pillars commands are not registered";
  auto r = run({"--surname", "王", "run", "八字分析"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "提示：名不能为空!\n");
}

}  // namespace
}  // namespace hm
