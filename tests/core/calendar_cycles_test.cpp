// The stem-branch cycles, the pillars of a birth moment, the solar terms of
// the closed formula and the star sign of a date.
#include <gtest/gtest.h>

#include "base/dates.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

namespace hm {
namespace {

TEST(Cycles, IndexesWrapAround) {
  EXPECT_EQ(StemName(-1), "癸");
  EXPECT_EQ(StemName(10), "甲");
  EXPECT_EQ(BranchName(-1), "亥");
  EXPECT_EQ(AnimalName(13), "牛");
  EXPECT_EQ(StemIndexOf("癸"), 9);
  EXPECT_EQ(BranchIndexOf("亥"), 11);
  EXPECT_EQ(BranchIndexOf("甲"), -1);
  EXPECT_EQ(StemIndexOf("甲子"), -1);
  EXPECT_EQ(PillarOfNumber(0).Text(), "甲子");
  EXPECT_EQ(PillarOfNumber(59).Text(), "癸亥");
  EXPECT_EQ(PillarOfNumber(60).Text(), "甲子");
  EXPECT_EQ(PillarOfNumber(-1).Text(), "癸亥");
  for (int k = 0; k < 60; ++k) {
    EXPECT_EQ(PillarOfNumber(k).Number(), k);
    EXPECT_EQ(PillarOfNumber(k).Next(1), PillarOfNumber(k + 1));
    EXPECT_EQ(PillarOfNumber(k).Next(-61), PillarOfNumber(k - 1));
  }
}

TEST(Cycles, YearTexts) {
  EXPECT_EQ(YearGanZhiText(2000 - 1864), "庚辰(龙)");
  EXPECT_EQ(YearGanZhiText(0), "甲子(鼠)");
  EXPECT_EQ(YearGanZhiText(1979 - 1864), "己未(羊)");
  EXPECT_EQ(YearStemBranch(1984), "甲子");
  EXPECT_EQ(YearStemBranch(2023), "癸卯");
}

struct PillarCase {
  Date date;
  int hour;
  const char* year;
  const char* month;
  const char* day;
  const char* hourPillar;
};

TEST(Pillars, BirthMoments) {
  const PillarCase cases[] = {
      {{2000, 1, 1}, 0, "己卯", "丙子", "戊午", "壬子"},
      {{1984, 2, 3}, 0, "癸亥", "乙丑", "丁卯", "庚子"},
      // 23:00 keeps the calendar day: the 子 hour of 戊辰, not of the next day.
      {{1984, 2, 4}, 23, "甲子", "丙寅", "戊辰", "壬子"},
      // Before 4 February the year and its stems are still those of 1984.
      {{1985, 1, 10}, 12, "甲子", "丁丑", "己酉", "庚午"},
      {{1900, 2, 20}, 0, "庚子", "戊寅", "甲子", "甲子"},
  };
  for (const PillarCase& c : cases) {
    SCOPED_TRACE(FormatDate(c.date));
    const Pillar day = DayPillarOf(c.date);
    EXPECT_EQ(YearPillarOf(c.date).Text(), c.year);
    EXPECT_EQ(MonthPillarOf(c.date).Text(), c.month);
    EXPECT_EQ(day.Text(), c.day);
    EXPECT_EQ(HourPillarOf(day, c.hour).Text(), c.hourPillar);
  }
}

TEST(Pillars, MonthBranchChangesOnTheFixedDays) {
  // First day of each month branch; the day before still has the previous one.
  const std::pair<Date, const char*> starts[] = {
      {{2024, 1, 6}, "丑"}, {{2024, 2, 4}, "寅"},  {{2024, 3, 6}, "卯"},  {{2024, 4, 5}, "辰"},
      {{2024, 5, 5}, "巳"}, {{2024, 6, 6}, "午"},  {{2024, 7, 7}, "未"},  {{2024, 8, 8}, "申"},
      {{2024, 9, 8}, "酉"}, {{2024, 10, 8}, "戌"}, {{2024, 11, 7}, "亥"}, {{2024, 12, 8}, "子"},
  };
  Pillar previous = MonthPillarOf({2024, 1, 5});
  EXPECT_EQ(BranchName(previous.Branch), "子");
  for (const auto& [date, branch] : starts) {
    SCOPED_TRACE(FormatDate(date));
    EXPECT_EQ(MonthPillarOf(AddDays(date, -1)), previous);
    previous = MonthPillarOf(date);
    EXPECT_EQ(BranchName(previous.Branch), branch);
  }
  EXPECT_EQ(MonthPillarOf({2024, 12, 31}), previous);
}

TEST(Pillars, FiveTigerRuleGivesTheFirstMonthStem) {
  // 甲己之年丙作首, 乙庚之岁戊为头, 丙辛必定寻庚起, 丁壬壬位顺行流, 戊癸甲寅.
  const char* const firstMonth[10] = {"丙寅", "戊寅", "庚寅", "壬寅", "甲寅", "丙寅", "戊寅", "庚寅", "壬寅", "甲寅"};
  for (int i = 0; i < 10; ++i) {
    const Date yearStart{1984 + i, 2, 4};
    EXPECT_EQ(YearPillarOf(yearStart).Stem, i);
    EXPECT_EQ(MonthPillarOf(yearStart).Text(), firstMonth[i]) << yearStart.year;
    // The year changes on 4 February, not on 1 January.
    EXPECT_EQ(YearPillarOf(AddDays(yearStart, -1)).Stem, (i + 9) % 10);
  }
}

TEST(Pillars, HourBranchesAndFiveRatRule) {
  const char* const branches[24] = {"子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
                                    "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
  for (int h = 0; h < 24; ++h) EXPECT_EQ(BranchName(HourPillarOf({0, 0}, h).Branch), branches[h]) << h;
  // 甲己还加甲, 乙庚丙作初, 丙辛从戊起, 丁壬庚子居, 戊癸壬子.
  const char* const ratHour[10] = {"甲子", "丙子", "戊子", "庚子", "壬子", "甲子", "丙子", "戊子", "庚子", "壬子"};
  for (int stem = 0; stem < 10; ++stem) {
    const Pillar day{stem, stem};
    EXPECT_EQ(HourPillarOf(day, 0).Text(), ratHour[stem]);
    EXPECT_EQ(HourPillarOf(day, 23), HourPillarOf(day, 0));
    EXPECT_EQ(HourPillarOf(day, 22).Branch, 11);
    EXPECT_EQ(HourPillarOf(day, 22).Stem, (HourPillarOf(day, 0).Stem + 11) % 10);
  }
}

TEST(Pillars, DayPillarAdvancesOneStepEveryDayAndMatchesTheAlmanacFormula) {
  Pillar previous = DayPillarOf({1899, 12, 31});
  for (int n = DayNumber({1900, 1, 1}); n <= DayNumber({2100, 12, 31}); ++n) {
    const Date date = FromDayNumber(n);
    const Pillar day = DayPillarOf(date);
    ASSERT_EQ(day, previous.Next(1)) << FormatDate(date);
    previous = day;
    // (5(y-1) + (y-1)/4 - (y-1)/100 + (y-1)/400 + t + 6015) mod 60 counts 甲子 as 1.
    const int y = date.year - 1;
    const int t = DaysBetween({date.year, 1, 1}, date) + 1;
    const int almanac = (y * 5 + y / 4 - y / 100 + y / 400 + t + 6015) % 60;
    ASSERT_EQ(day.Number(), (almanac + 59) % 60) << FormatDate(date);
  }
}

TEST(SolarTerms, FormulaMomentsAndDays) {
  const DateTime first = SolarTermMoment(1900, 0);
  EXPECT_EQ(first, (DateTime{{1900, 1, 6}, 2, 5, 0, 0}));
  EXPECT_EQ(SolarTermOfDate({1900, 1, 6}), "小寒");
  EXPECT_EQ(SolarTermOfDate({1900, 1, 7}), "");
  EXPECT_EQ(SolarTermOfDate({2000, 1, 6}), "小寒");
  EXPECT_EQ(SolarTermOfDate({2000, 2, 4}), "立春");
  // One tropical year later, to the millisecond of the double arithmetic.
  const DateTime next = SolarTermMoment(1901, 0);
  EXPECT_EQ(next.date, (Date{1901, 1, 6}));
  EXPECT_EQ(next.hour * 3600000 + next.minute * 60000 + next.second * 1000 + next.millisecond,
            2 * 3600000 + 5 * 60000 + (31556925975 - 365 * 86400000LL));
}

TEST(SolarTerms, EveryTermFallsInItsOwnMonth) {
  // Only the two terms of a day's own month are tried, so each term of the
  // range must land in month index / 2 + 1 and be found on its day.
  for (int year = 1900; year <= 2100; ++year) {
    for (int i = 0; i < 24; ++i) {
      const Date day = SolarTermMoment(year, i).date;
      ASSERT_EQ(day.month, i / 2 + 1) << year << " " << i;
      ASSERT_EQ(SolarTermOfDate(day), SolarTermNames[i]) << year << " " << i;
    }
  }
}

TEST(SolarTerms, JieNamesOnly) {
  const char* const jie[] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                             "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};
  for (const char* name : jie) EXPECT_TRUE(IsJieTerm(name)) << name;
  EXPECT_FALSE(IsJieTerm("雨水"));
  EXPECT_FALSE(IsJieTerm("冬至"));
  EXPECT_FALSE(IsJieTerm(" 小寒"));
  EXPECT_FALSE(IsJieTerm(""));
}

TEST(StarSign, RangeBoundaries) {
  const std::pair<Date, const char*> cases[] = {
      {{2000, 1, 1}, "摩羯座"},   {{2000, 1, 19}, "摩羯座"},  {{2000, 1, 20}, "水瓶座"},  {{2000, 2, 18}, "水瓶座"},
      {{2000, 2, 19}, "双鱼座"},  {{2000, 3, 20}, "双鱼座"},  {{2000, 3, 21}, "白羊座"},  {{2000, 4, 20}, "白羊座"},
      {{2000, 4, 21}, "金牛座"},  {{2000, 5, 21}, "双子座"},  {{2000, 6, 21}, "双子座"},  {{2000, 6, 22}, "巨蟹座"},
      {{2000, 7, 23}, "狮子座"},  {{2000, 8, 22}, "狮子座"},  {{2000, 8, 23}, "处女座"},  {{2000, 9, 23}, "天秤座"},
      {{2000, 10, 22}, "天秤座"}, {{2000, 10, 23}, "天蝎座"}, {{2000, 11, 22}, "射手座"}, {{2000, 12, 21}, "射手座"},
      {{2000, 12, 22}, "摩羯座"}, {{2000, 12, 31}, "摩羯座"}, {{2023, 2, 28}, "双鱼座"},
  };
  for (const auto& [date, name] : cases) EXPECT_EQ(StarSignOfDate(date), name) << FormatDate(date);
}

}  // namespace
}  // namespace hm
