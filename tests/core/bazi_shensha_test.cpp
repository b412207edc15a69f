// The shensha rule lines as the lookups read them, the lines each lookup
// consults, the computed stars and the star list of a pillar.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/content.h"
#include "base/errors.h"
#include "base/text.h"
#include "bazi/chart.h"
#include "bazi/shensha.h"

namespace hm {
namespace {

namespace fs = std::filesystem;

// Each test writes the rule files it needs into a fresh store folder, in GBK
// with CR LF as the store holds them.
class ShenshaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("bazi_shensha_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "shensha");
    SetContentDir(dir_.string());
  }
  void TearDown() override {
    SetContentDir(HENGMU_BIN_DIR);
    fs::remove_all(dir_);
  }
  void write(const std::string& name, const std::vector<std::string>& lines) {
    std::ofstream out(dir_ / "shensha" / name, std::ios::binary);
    for (const auto& l : lines) out << ToGbk(l) << "\r\n";
  }

 private:
  fs::path dir_;
};

std::string repeat(const std::string& item, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += (i ? "," : "") + item;
  return s;
}

TEST_F(ShenshaTest, RuleLineFormat) {
  const struct {
    const char* what;
    std::string line;
    const char* stem;
    const char* target;
    const char* stars;
  } cases[] = {
      {"name of four characters and a blank", "天乙贵人 甲戊庚:丑未", "戊", "未", "天乙贵人"},
      {"short name padded to five characters", "文昌   甲:巳,乙:午", "乙", "午", "文昌"},
      {"key and value list symbols run together", "文昌   丙戊:申酉", "丙", "酉", "文昌"},
      {"key must hold the stem", "文昌   丙戊:申酉", "甲", "酉", ""},
      {"value must hold the target", "文昌   丙戊:申酉", "丙", "子", ""},
      {"name field removed wherever it stands", "将星   甲:将星   将星   子", "甲", "子", "将星"},
      {"each passing item adds the name", "福星   甲:子,甲乙:子丑,乙:子", "甲", "子", "福星 福星"},
      {"empty items are skipped", "福星   ,, 甲:子 , ,", "甲", "子", "福星"},
      {"item without a colon has an empty key", "福星   甲子", "甲", "子", ""},
      {"value holds at most five characters", "金舆   甲:子丑寅卯辰巳", "甲", "辰", "金舆"},
      {"sixth character of a value is cut off", "金舆   甲:子丑寅卯辰巳", "甲", "巳", ""},
      {"blanks after the colon count in the ten bytes", "金舆   甲:  子丑寅卯辰", "甲", "卯", "金舆"},
      {"a character cut in half does not count", "金舆   甲:  子丑寅卯辰", "甲", "辰", ""},
      {"twenty-one items at most", "国印   " + repeat("乙:丑", 20) + "," + repeat("甲:子", 5), "甲", "子", "国印"},
      {"the twenty-first item ends at its comma", "国印   " + repeat("乙:丑", 20) + ",甲:丑,甲:子", "甲", "子", ""},
      {"the twenty-first item may be the last", "国印   " + repeat("乙:丑", 20) + ",甲:子", "甲", "子", "国印"},
      {"line shorter than the name field", "福星", "甲", "子", ""},
  };
  for (const auto& k : cases) {
    write("niangan.txt", {k.line});
    EXPECT_EQ(NianganStars(k.stem, k.target), k.stars) << k.what;
  }
}

TEST_F(ShenshaTest, ParsedLineKeepsKeyUntrimmedAndValueTrimmed) {
  const ShenshaRuleLine r = ParseShenshaRuleLine("天德   寅 :丁 ,卯:申,无冒号");
  EXPECT_EQ(r.Name, "天德");
  ASSERT_EQ(r.Items.size(), 3u);
  EXPECT_EQ(r.Items[0].Key, "寅 ");
  EXPECT_EQ(r.Items[0].Value, "丁");
  EXPECT_EQ(r.Items[1].Key, "卯");
  EXPECT_EQ(r.Items[2].Key, "");
  EXPECT_EQ(r.Items[2].Value, "无冒号");
}

TEST_F(ShenshaTest, LinesEachLookupConsults) {
  // Every line below would match; only the lines a lookup consults count.
  std::vector<std::string> nianzhi;
  for (int i = 1; i <= 16; ++i)
    nianzhi.push_back("星" + std::to_string(i) + std::string(i < 10 ? 3 : 2, ' ') + "子:丑");
  nianzhi[1] = "";  // an empty line still takes its place
  write("nianzhi.txt", nianzhi);
  // Line 3 serves forward luck only, line 4 backward luck only; lines 15 and
  // 16 are never read.
  EXPECT_EQ(NianzhiStars("子", "丑", 0), "星1 星3 星5 星6 星7 星8 星9 星10 星11 星12 星13 星14");
  EXPECT_EQ(NianzhiStars("子", "丑", 1), "星1 星4 星5 星6 星7 星8 星9 星10 星11 星12 星13 星14");

  std::vector<std::string> rizhi;
  for (int i = 1; i <= 9; ++i) rizhi.push_back("星" + std::to_string(i) + "   午:未");
  write("rizhi.txt", rizhi);
  EXPECT_EQ(RizhiStars("午", "未"), "星1 星2 星3 星4 星5 星6 星7");

  // rizhu: the first five lines hold whole pillars (an empty value stands
  // for any day), from the sixth on the key is the pillar's branch.
  write("rizhu.txt", {"魁罡   庚辰戊戌:", "", "日德   甲寅:丙辰戊辰", "", "", "红艳   辰:戊辰", "孤鸾   寅:甲寅"});
  EXPECT_EQ(RizhuStars("庚辰", "癸亥"), "魁罡");
  EXPECT_EQ(RizhuStars("甲寅", "戊辰"), "日德");
  EXPECT_EQ(RizhuStars("甲寅", "丁卯"), "");
  EXPECT_EQ(RizhuStars("丙辰", "戊辰"), "红艳");
  EXPECT_EQ(RizhuStars("丙寅", "甲寅"), "孤鸾");  // the branch alone from line 6 on
  EXPECT_EQ(RizhuStars("丙寅", "戊辰"), "");      // the whole pillar up to line 5

  write("rizhus.txt", {"时墓   甲子:乙丑,:丙寅", "时禄   丁卯"});
  EXPECT_EQ(RizhusStars("甲子", "乙丑"), "时墓");
  EXPECT_EQ(RizhusStars("戊辰", "丙寅"), "时墓");  // empty key: any day pillar
  EXPECT_EQ(RizhusStars("戊辰", "丁卯"), "时禄");  // no colon: empty key as well
  EXPECT_EQ(RizhusStars("戊辰", "乙丑"), "");

  write("yuezhi.txt", {"天德   寅:丁,卯:申", "月德   寅午戌:丙"});
  EXPECT_EQ(YuezhiStars("寅", "丁", "酉"), "天德");
  EXPECT_EQ(YuezhiStars("卯", "丙", "申"), "天德");
  EXPECT_EQ(YuezhiStars("午", "丙", "子"), "月德");

  write("rigan.txt", {"羊刃   甲:卯,丙戊:午"});
  EXPECT_EQ(RiganStars("戊", "午"), "羊刃");
  EXPECT_EQ(RiganStars("乙", "卯"), "");
}

TEST_F(ShenshaTest, ComputedStarsFollowTheFileLines) {
  write("nianzhi.txt", {"驿马   申子辰:寅"});
  write("rizhi.txt", {"桃花   申子辰:酉"});
  const struct {
    const char* base;
    const char* target;
    const char* nianzhi;
    const char* rizhi;
  } cases[] = {
      {"子", "戌", "披麻", "披麻"}, {"子", "寅", "驿马 吊客", "吊客"},
      {"子", "卯", "丧门", "丧门"}, {"子", "酉", "", "桃花"},
      {"戌", "申", "披麻", "披麻"}, {"戌", "子", "吊客", "吊客"},
      {"戌", "丑", "丧门", "丧门"}, {"戌", "亥", "", ""},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.base) + "→" + k.target);
    EXPECT_EQ(NianzhiStars(k.base, k.target, 0), k.nianzhi);
    EXPECT_EQ(RizhiStars(k.base, k.target), k.rizhi);
  }

  // A file without lines tests nothing, not even the computed stars.
  write("nianzhi.txt", {});
  write("rizhi.txt", {});
  EXPECT_EQ(NianzhiStars("子", "戌", 0), "");
  EXPECT_EQ(RizhiStars("子", "戌"), "");
}

TEST_F(ShenshaTest, MissingFileIsAStoreError) {
  write("niangan.txt", {"文昌   甲:巳"});
  EXPECT_THROW(NianzhiStars("子", "丑", 0), StoreError);
  EXPECT_NO_THROW(NianganStars("甲", "巳"));
}

TEST_F(ShenshaTest, PillarStarsJoinsSevenPartsAndLeavesTheHourWithoutDayAndHourRules) {
  // 2000-01-01 子时, male: 己卯 丙子 戊午 壬子, backward luck.
  PillarChart c;
  ASSERT_TRUE(ComputeChart(c, 2000, 1, 1, 0, "男", nullptr));
  write("niangan.txt", {"天乙贵人 乙己:子申"});
  write("nianzhi.txt", {"桃花   亥卯未:子"});
  write("yuezhi.txt", {"月德   申子辰:壬"});
  write("rigan.txt", {"羊刃   丙戊:午"});
  write("rizhi.txt", {"桃花   寅午戌:卯"});
  write("rizhu.txt", {"六秀   戊午己未:"});
  write("rizhus.txt", {"日时同  :壬子,戊午:壬子"});
  // Empty parts keep their blanks inside the list.
  EXPECT_EQ(PillarStars(c, ChartPillar::Year), "桃花  日时同 日时同");
  EXPECT_EQ(PillarStars(c, ChartPillar::Month), "天乙贵人 桃花     日时同 日时同");
  EXPECT_EQ(PillarStars(c, ChartPillar::Day), "丧门  羊刃  六秀 日时同 日时同");
  EXPECT_EQ(PillarStars(c, ChartPillar::Hour), "天乙贵人 桃花 月德");

  write("niangan.txt", {"文昌   甲:巳"});
  write("nianzhi.txt", {"驿马   申子辰:寅"});
  write("yuezhi.txt", {});
  EXPECT_EQ(PillarStars(c, ChartPillar::Hour), "");
}

}  // namespace
}  // namespace hm
