// The chart of a birth moment, the element tally and the small text tables
// the Four Pillars readings print.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/content.h"
#include "base/dates.h"
#include "base/errors.h"
#include "bazi/birth_summary.h"
#include "bazi/chart.h"
#include "bazi/element_tally.h"
#include "bazi/personality.h"
#include "bazi/personality_texts.h"

namespace hm {
namespace {

class ChartTest : public ::testing::Test {
 protected:
  void SetUp() override { SetContentDir(HENGMU_FIXTURES_DIR "/bazi"); }
  void TearDown() override { SetContentDir(HENGMU_BIN_DIR); }
};

std::string luckTexts(const PillarChart& c) {
  std::string s;
  for (const auto& p : c.LuckPillars) s += p.Text();
  return s;
}

struct ChartCase {
  const char* name;
  int year, month, day, hour;
  const char* sex;
  const char* pillars;  // year month day hour
  const char* conception;
  int reverse;
  int startAge;
  const char* luck;
  const char* hidden[4];
};

TEST_F(ChartTest, PillarsLuckAndHiddenStems) {
  const ChartCase cases[] = {
      // The previous jie (大雪) lies 25 days back; the next one (小寒, in the
      // lunar year 1999 of 卯) decides the year column all the same.
      {"male yin year runs backward",
       2000,
       1,
       1,
       0,
       "男",
       "己卯丙子戊午壬子",
       "丁卯",
       1,
       9,
       "丙子乙亥甲戌癸酉壬申辛未庚午己巳戊辰丁卯",
       {"乙", "癸辛己", "己丁", "癸"}},
      {"female yin year runs forward",
       2000,
       1,
       1,
       0,
       "女",
       "己卯丙子戊午壬子",
       "丁卯",
       0,
       2,
       "丙子丁丑戊寅己卯庚辰辛巳壬午癸未甲申乙酉",
       {"乙", "癸辛己", "己丁", "癸"}},
      // 立春 on the birth day itself is not counted: 惊蛰 is 30 days on.
      {"jie on the birth day is skipped",
       1984,
       2,
       4,
       23,
       "男",
       "甲子丙寅戊辰壬子",
       "丁巳",
       0,
       10,
       "丙寅丁卯戊辰己巳庚午辛未壬申癸酉甲戌乙亥",
       {"癸", "甲丙戊", "乙戊癸", "癸"}},
      // Before 立春 but after the lunar new year: the year pillar is the old
      // year's, the year column follows the new lunar year (申).
      {"year column follows the next jie's lunar year",
       2004,
       1,
       25,
       12,
       "男",
       "癸未乙丑癸卯戊午",
       "丙辰",
       1,
       7,
       "乙丑甲子癸亥壬戌辛酉庚申己未戊午丁巳丙辰",
       {"戊庚壬", "癸辛己", "乙", "己丁"}},
      // 2 February still has the 丑 month pillar; its month column is 寅's.
      {"month column counts February as 寅",
       2004,
       2,
       2,
       12,
       "女",
       "癸未乙丑辛亥甲午",
       "丙辰",
       0,
       1,
       "乙丑丙寅丁卯戊辰己巳庚午辛未壬申癸酉甲戌",
       {"戊庚壬", "甲丙戊", "壬甲", "己丁"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    PillarChart c;
    ASSERT_TRUE(ComputeChart(c, k.year, k.month, k.day, k.hour, k.sex, nullptr));
    EXPECT_EQ(c.YearPillar.Text() + c.MonthPillar.Text() + c.DayPillar.Text() + c.HourPillar.Text(), k.pillars);
    EXPECT_EQ(c.ConceptionPillar.Text(), k.conception);
    EXPECT_EQ(c.ReverseLuck, k.reverse);
    EXPECT_EQ(c.LuckStartAge, k.startAge);
    EXPECT_EQ(c.LuckStartAgeText, std::to_string(k.startAge));
    EXPECT_EQ(luckTexts(c), k.luck);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(c.HiddenStems[static_cast<std::size_t>(i)], k.hidden[i]) << i;
  }
}

TEST_F(ChartTest, LuckLinesKeepTheirBlanksWhereLookupsFindNothing) {
  PillarChart c;
  ASSERT_TRUE(ComputeChart(c, 2000, 1, 1, 0, "男", nullptr));
  EXPECT_EQ(c.LuckLine, "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯");
  EXPECT_EQ(c.LuckNaYinLine, "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 ");
  // The fixture has no row for 戊甲: that ten god is empty, its blanks stay.
  EXPECT_EQ(c.LuckTenGodLine, "十神：偏印   正官      正财   偏财   伤官   食神   劫财   比肩   正印   ");
  EXPECT_EQ(c.BirthdayText, BirthdayPersonality(1, 1));

  SetContentDir(::testing::TempDir());  // no Tgcode.dll at all
  ASSERT_TRUE(ComputeChart(c, 2000, 1, 1, 0, "女", nullptr));
  EXPECT_EQ(c.LuckNaYinLine, "纳音：" + std::string(10, ' '));
  EXPECT_EQ(c.LuckTenGodLine, "十神：" + std::string(30, ' '));
}

TEST_F(ChartTest, DateCheckShowsItsMessageAndKeepsTheChart) {
  struct Case {
    int year, month, day;
    bool accepted;
  } cases[] = {{2001, 2, 29, false}, {2000, 4, 31, false}, {1900, 2, 29, false}, {2000, 2, 29, true}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.year) + "-" + std::to_string(k.month) + "-" + std::to_string(k.day));
    PillarChart c;
    ASSERT_TRUE(ComputeChart(c, 1984, 2, 4, 23, "男", nullptr));
    std::vector<std::string> shown;
    const bool ok = ComputeChart(c, k.year, k.month, k.day, 0, "男", [&](const std::string& m) { shown.push_back(m); });
    EXPECT_EQ(ok, k.accepted);
    if (k.accepted) {
      EXPECT_TRUE(shown.empty());
      EXPECT_EQ(c.YearPillar.Text() + c.MonthPillar.Text() + c.DayPillar.Text(), "庚辰戊寅丁巳");
    } else {
      EXPECT_EQ(shown, std::vector<std::string>{"请检查输入数据是否出错！"});
      EXPECT_EQ(c.YearPillar.Text() + c.DayPillar.Text() + c.HourPillar.Text(), "甲子戊辰壬子");
      EXPECT_EQ(c.LuckStartAge, 10);
    }
  }
}

TEST_F(ChartTest, FailingLookupKeepsTheReceivingValue) {
  std::string v = "earlier";
  NaYinOf("乙丑", v);  // no row: empty
  EXPECT_EQ(v, "");
  NaYinOf("甲子", v);
  EXPECT_EQ(v, "海中金");
  SetContentDir(::testing::TempDir());
  NaYinOf("丙子", v);
  TenGodOf("戊丙", v);
  EXPECT_EQ(v, "海中金");
  EXPECT_EQ(NaYinOf("丙子"), "");
}

TEST(StemBranchIndexTest, NamesAndOtherTexts) {
  EXPECT_EQ(StemBranchIndex("癸", false), 9);
  EXPECT_EQ(StemBranchIndex("甲", false), 0);
  EXPECT_EQ(StemBranchIndex("亥", true), 11);
  EXPECT_EQ(StemBranchIndex("亥", false), 0);
  EXPECT_EQ(StemBranchIndex("X", false), 0);
  EXPECT_EQ(StemBranchIndex("", true), 0);
}

TEST(FiveElementTallyTest, ReadsTheEightFixedPlaces) {
  const struct {
    const char* elements;
    const char* tally;
  } cases[] = {
      {"土木   火水   土火   水水", "金:占0个 0, 木:占1个 0.125, 水:占3个 0.375, 火:占2个 0.25, 土:占2个 0.25."},
      {"金金   金金   金金   金金", "金:占8个 1, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
      {"", "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
      // The month's stem found no element: the rest moved two bytes to the
      // left, yet is read at the old places, where blanks and the
      // neighbouring column's characters now stand.
      {"土木   水   土火   水水", "金:占0个 0, 木:占1个 0.125, 水:占2个 0.25, 火:占1个 0.125, 土:占1个 0.125."},
      // A longer text in front shifts the rest out of place as well.
      {"土土土   火水   土火   水水", "金:占0个 0, 木:占0个 0, 水:占1个 0.125, 火:占1个 0.125, 土:占3个 0.375."},
      // Characters other than the five names count for none.
      {"甲子   火火   火火   火x", "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占5个 0.625, 土:占0个 0."},
  };
  for (const auto& k : cases) EXPECT_EQ(FiveElementTally(k.elements), k.tally) << k.elements;
}

TEST(AgeTextTest, TwoDigitsAtLeast) {
  EXPECT_EQ(AgeText(1985, 1979), "06岁");
  EXPECT_EQ(AgeText(1995, 1979), "16岁");
  EXPECT_EQ(AgeText(1979, 1979), "00岁");
  EXPECT_EQ(AgeText(1989, 1979), "10岁");
  EXPECT_EQ(AgeText(1976, 1979), "0-3岁");
  BirthRecord r;
  r.LunarYearNumber = "1979";
  EXPECT_EQ(AgeText(1984, r), "05岁");
}

TEST(BirthSummaryTest, SummaryLineAndItsConversionError) {
  PinClock(DateTime{Date{2024, 1, 1}, 0, 0, 0, 0});
  BirthRecord r;
  r.Surname = "王";
  r.GivenName = "明";
  r.SolarDateText = "1980-1-5";
  r.HourText = "子 0";
  r.LunarText = "己未(羊)十一月十八";
  r.Animal = "羊";
  r.StarSign = "摩羯座";
  Pane pane;
  pane.Add("earlier report");
  WriteBirthSummary(r, pane);
  EXPECT_EQ(pane.Lines(),
            (std::vector<std::string>{
                "王明,你今年:44岁,您出生于公历 1980年01月05日0点  农历 己未(羊)十一月十八 生肖:羊 星座:摩羯座", ""}));

  r.HourText = "子 23";
  WriteBirthSummary(r, pane);
  EXPECT_NE(pane.Lines()[0].find("日23点  农历"), std::string::npos);

  // A two-digit year: the age cannot be counted and the pane stays as it is.
  r.SolarDateText = "80-1-5";
  try {
    WriteBirthSummary(r, pane);
    ADD_FAILURE() << "no conversion error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'80-1' is not a valid integer value");
  }
  EXPECT_EQ(pane.Lines().size(), 2u);
  UnpinClock();
}

TEST(PersonalityTablesTest, SlotsJoinAndUnknownKeys) {
  using namespace texts;
  EXPECT_EQ(BirthdayPersonality(1, 1), std::string(kDayOfMonth[1]) + std::string(kCalendarDayFirstHalf[0][0]));
  EXPECT_EQ(BirthdayPersonality(2, 29), std::string(kDayOfMonth[29]) + std::string(kCalendarDayFirstHalf[1][28]));
  EXPECT_EQ(BirthdayPersonality(12, 31), std::string(kDayOfMonth[31]) + std::string(kCalendarDaySecondHalf[5][30]));
  EXPECT_EQ(BirthdayPersonality(7, 4), std::string(kDayOfMonth[4]) + std::string(kCalendarDaySecondHalf[0][3]));
  EXPECT_FALSE(kCalendarDayFirstHalf[0][0].empty());
  EXPECT_FALSE(kCalendarDaySecondHalf[5][30].empty());

  EXPECT_EQ(AnimalText("鼠"), kAnimals[0].text);
  EXPECT_EQ(AnimalText("牛"), kAnimals[11].text);
  EXPECT_EQ(AnimalText(""), "请听下回分解!");

  EXPECT_EQ(BloodTypeText("AB型"), kBloodTypes[3].text);
  EXPECT_EQ(BloodTypeText("ab型"), kBloodTypes[3].text);
  EXPECT_EQ(BloodTypeText("o型"), kBloodTypes[2].text);
  EXPECT_EQ(BloodTypeText("AB"), "请听下回分解!");
  EXPECT_EQ(BloodTypeText("Ab型"), "请听下回分解!");
}

}  // namespace
}  // namespace hm
