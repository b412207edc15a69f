// The Bazi report and the three detailed readings, run as the main window
// runs them, on the fixture store.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_state.h"
#include "base/content.h"
#include "base/dates.h"
#include "base/text.h"
#include "bazi/chart.h"
#include "bazi/personality.h"

namespace hm {
namespace {

namespace fs = std::filesystem;

const std::string kFixture = HENGMU_FIXTURES_DIR "/bazi";

class BaziReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetContentDir(kFixture);
    PinClock(DateTime{Date{2024, 6, 1}, 0, 0, 0, 0});
  }
  void TearDown() override {
    UnpinClock();
    SetContentDir(HENGMU_BIN_DIR);
    if (!scratch_.empty()) fs::remove_all(scratch_);
  }

  // Runs a command of the main window for a solar birth date.
  std::vector<std::string> run(const std::string& caption, const std::string& year, const std::string& month,
                               const std::string& day, const std::string& sex = "男",
                               const std::string& hour = "子 0") {
    state_ = std::make_unique<MainState>();
    state_->fields.NameA = "王";
    state_->fields.NameB = "明";
    state_->fields.Sex = sex;
    state_->fields.SYear = year;
    state_->fields.SMonth = month;
    state_->fields.Sday = day;
    state_->fields.Shour = hour;
    EXPECT_TRUE(state_->Run(caption));
    return state_->pane.Lines();
  }

  // A copy of the fixture store without the named files.
  void useStoreWithout(const std::vector<std::string>& missing) {
    scratch_ = fs::path(::testing::TempDir()) /
               ("bazi_store_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(scratch_);
    fs::copy(kFixture, scratch_, fs::copy_options::recursive);
    fs::remove_all(scratch_ / "src");
    for (const auto& m : missing) fs::remove(scratch_ / m);
    SetContentDir(scratch_.string());
  }

  std::unique_ptr<MainState> state_;
  fs::path scratch_;
};

// The line after the first line that starts with `prefix`, `offset` lines on.
std::string lineAfter(const std::vector<std::string>& lines, const std::string& prefix, std::size_t offset = 0) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return i + offset < lines.size() ? lines[i + offset] : "<past the end>";
  return "<no line " + prefix + ">";
}

std::vector<std::string> columns(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  for (char ch : line) {
    if (ch == ' ') {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

TEST_F(BaziReportTest, WholeReportMatchesTheGoldenFile) {
  const auto lines = run("八字详批", "2000", "1", "1");
  std::ifstream in(kFixture + "/golden_report_2000-01-01.txt", std::ios::binary);
  ASSERT_TRUE(in) << "golden file missing";
  std::vector<std::string> golden;
  for (std::string l; std::getline(in, l);) {
    // The two prose texts come from the program's own tables.
    if (l == "<BirthdayPersonality(1,1)>") l = "    " + BirthdayPersonality(1, 1);
    if (l == "<AnimalText(兔)>") l = "    " + AnimalText("兔");
    golden.push_back(l);
  }
  for (std::size_t i = 0; i < std::min(lines.size(), golden.size()); ++i)
    ASSERT_EQ(lines[i], golden[i]) << "line " << i + 1;
  EXPECT_EQ(lines.size(), golden.size());
  EXPECT_TRUE(state_->pane.Visible());
  EXPECT_EQ(state_->pane.ScrollRequests(), 1);
}

TEST_F(BaziReportTest, StartAgeOneAndThreeLayouts) {
  // 2000-01-08, male: the previous jie is one day back.
  auto lines = run("八字分析", "2000", "1", "8");
  EXPECT_EQ(lineAfter(lines, "起运："), "起运：1岁");
  EXPECT_EQ(lineAfter(lines, "大运：", 1), "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(lineAfter(lines, "始于："), "始于：2000   2001   2011   2021   2031   2041   2051   2061   2071   2081");
  // Only the first row of each block is below the start age.
  for (const char* label : {"流年：", "小运："}) {
    SCOPED_TRACE(label);
    EXPECT_EQ(columns(lineAfter(lines, label)).size(), 10u);
    EXPECT_EQ(lineAfter(lines, label, std::string(label) == "小运：" ? 2 : 1).rfind(std::string(13, ' '), 0), 0u);
  }
  // 流年流月 has A + 90 rows.
  EXPECT_EQ(lineAfter(lines, "流年流月", 2).rfind("1999(己卯)：", 0), 0u);
  EXPECT_EQ(lineAfter(lines, "流年流月", 92).rfind("2089(己酉)：", 0), 0u);
  EXPECT_EQ(lineAfter(lines, "流年流月", 93), "");

  // 1990-04-29, male, hour 甲子: start age 3, forward.
  lines = run("八字分析", "1990", "4", "29");
  EXPECT_EQ(lineAfter(lines, "起运："), "起运：3岁");
  EXPECT_EQ(lineAfter(lines, "大运：", 1), "      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
  EXPECT_EQ(lineAfter(lines, "流年："), "流年：庚午   癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳");
  EXPECT_EQ(lineAfter(lines, "流年：", 2), "      壬申   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未");
  EXPECT_EQ(lineAfter(lines, "流年：", 3), "             丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申");
  EXPECT_EQ(lineAfter(lines, "流年：", 9), "             壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰   壬寅");
  EXPECT_EQ(lineAfter(lines, "流年：", 10), "");
  EXPECT_EQ(lineAfter(lines, "小运："), "小运：甲子   丁卯   丁丑   丁亥   丁酉   丁未   丁巳   丁卯   丁丑   丁亥");
  EXPECT_EQ(lineAfter(lines, "小运：", 1), "      00岁   03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
  EXPECT_EQ(lineAfter(lines, "小运：", 4), "      丙寅   己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑");
  EXPECT_EQ(lineAfter(lines, "小运：", 5), "      02岁   05岁   15岁   25岁   35岁   45岁   55岁   65岁   75岁   85岁");
  EXPECT_EQ(lineAfter(lines, "小运：", 6), "             庚午   庚辰   庚寅   庚子   庚戌   庚申   庚午   庚辰   庚寅");
  EXPECT_EQ(lineAfter(lines, "小运：", 7), "             06岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁");
  EXPECT_EQ(lineAfter(lines, "小运：", 20), "");

  // 1990-05-14, female, hour 甲子: start age 3, backward.
  lines = run("八字分析", "1990", "5", "14", "女");
  EXPECT_EQ(lineAfter(lines, "起运："), "起运：3岁");
  EXPECT_EQ(lineAfter(lines, "小运："), "小运：甲子   辛酉   辛亥   辛丑   辛卯   辛巳   辛未   辛酉   辛亥   辛丑");
  EXPECT_EQ(lineAfter(lines, "小运：", 1), "      00岁   03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
}

TEST_F(BaziReportTest, SeasonOfTheUsefulGodFollowsTheSolarMonth) {
  const struct {
    const char* month;
    const char* day;
    const char* text;
  } cases[] = {
      {"3", "31", "生于春季，"}, {"4", "1", "生于夏季，"}, {"9", "30", "生于秋季，"}, {"10", "1", "生于冬季，"}};
  for (const auto& k : cases) {
    const auto lines = run("八字分析", "2000", k.month, k.day);
    EXPECT_NE(lineAfter(lines, "四季用神：").find(k.text), std::string::npos) << k.month;
  }
}

TEST_F(BaziReportTest, AnnualFortuneTableChangesOn2011February4) {
  PinClock(DateTime{Date{2011, 2, 3}, 23, 59, 59, 999});
  auto lines = run("八字详批", "2000", "1", "1");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "旧表：属兔的人这一年宜守不宜攻。");
  PinClock(DateTime{Date{2011, 2, 4}, 0, 0, 0, 0});
  lines = run("八字详批", "2000", "1", "1");
  EXPECT_EQ(lines[lines.size() - 2], "新表：属兔的人本命之年，凡事稳中求进。");
}

TEST_F(BaziReportTest, FailuresInsideTheReportEndItQuietly) {
  useStoreWithout({"shensha/niangan.txt"});
  auto lines = run("八字详批", "2000", "1", "1");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "四柱神煞：");
  EXPECT_EQ(lines.back(), "");
  EXPECT_TRUE(state_->pane.Visible());

  useStoreWithout({"dream.dll"});
  lines = run("八字详批", "2000", "1", "1");
  EXPECT_EQ(lines.back(), "袁天罡称骨算命：");
}

TEST_F(BaziReportTest, BirthInformationReading) {
  const auto lines = run("生辰信息", "2000", "1", "1");
  const std::vector<std::string> expected = {
      "姓名：王明  性别：男  生肖：兔  星座：摩羯座  血型：A型  年龄：24岁",
      "",
      "生日（公历）：2000年01月01日0点",
      "",
      "生日（农历）：己卯(兔)十一月廿五子时",
      "",
      "八字：己卯   丙子   戊午   壬子",
      "",
      "五行：土木   火水   土火   水水",
      "",
      "纳音：城头土 涧下水 天上火 桑柘木",
      "",
      "起运：9岁",
      "",
      "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 ",
      "",
      "十神：偏印   正官      正财   偏财   伤官   食神   劫财   比肩   正印   ",
      "",
      "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯",
      "      1-8岁   9岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁",
      "",
      // Counted from the lunar year here, unlike the Bazi report.
      "始于：1999   2008   2018   2028   2038   2048   2058   2068   2078   2088",
      "",
      "八字五行个数：金:占0个 0, 木:占1个 0.125, 水:占3个 0.375, 火:占2个 0.25, 土:占2个 0.25.",
      "",
      "--以上内容紧着参考---------------------------------------------",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(state_->pane.ScrollRequests(), 0);
  EXPECT_TRUE(state_->pane.Visible());
}

TEST_F(BaziReportTest, BoneWeightAndBloodTypeReadings) {
  const std::string closing = "--以上内容紧着参考----------------------------------------------------------";
  auto lines = run("称骨算命", "2000", "1", "1");
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(
      std::vector<std::string>(lines.end() - 7, lines.end()),
      (std::vector<std::string>{"", "--【袁天罡称骨算命】--------------------------------------------------------",
                                "你的骨重为：5两9钱", "骨重诗评：福禄丰盈万事通，声名远播显家风。",
                                "骨重解评：五两九钱：大富大贵，晚景荣华。", "", closing}));
  EXPECT_EQ(state_->pane.ScrollRequests(), 1);

  state_->fields.Xuxing = " ab型 ";
  state_->Run("血型论命");
  lines = state_->pane.Lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[lines.size() - 4], "--【血型论命】--------------------------------------------------------------");
  EXPECT_EQ(lines[lines.size() - 3], "    " + BloodTypeText("AB型"));
  EXPECT_EQ(lines.back(), closing);
  EXPECT_EQ(state_->pane.ScrollRequests(), 2);

  useStoreWithout({"dream.dll"});
  lines = run("称骨算命", "2000", "1", "1");
  EXPECT_EQ(lines.back(), "--【袁天罡称骨算命】--------------------------------------------------------");
  EXPECT_EQ(state_->pane.ScrollRequests(), 0);
}

}  // namespace
}  // namespace hm
