// The perpetual-calendar window's own lunar calendar, names, festivals, term
// table, zodiac year and star signs.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/dates.h"
#include "calendar/lunar.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"
#include "calendar/window_calendar.h"

namespace hm {
namespace {

TEST(WindowLunarCode, KnownDaysAndRangeEdges) {
  const std::pair<Date, int> cases[] = {
      {{1901, 1, 1}, 1111},  {{2050, 12, 31}, 1118},  {{2013, 6, 8}, 430},
      {{2020, 5, 23}, -401}, {{2000, 2, 5}, 101},     {{2000, 2, 4}, 1229},
      {{2023, 3, 22}, -201}, {{2033, 12, 31}, -1110},  // 闰冬月 of 2033 ...
      {{2034, 1, 1}, -1111},                           // ... runs on into January 2034
      {{1900, 12, 31}, 0},   {{2051, 1, 1}, 0},
  };
  for (const auto& [date, code] : cases) EXPECT_EQ(WindowLunarCode(date), code) << FormatDate(date);
}

TEST(WindowLunarCode, EveryDayIsAValidDayAndDaysRunOnWithinEachMonth) {
  int previous = WindowLunarCode({1901, 1, 1});
  for (int n = DayNumber({1901, 1, 2}); n <= DayNumber({2050, 12, 31}); ++n) {
    const Date date = FromDayNumber(n);
    const int code = WindowLunarCode(date);
    const int month = std::abs(code) / 100;
    const int day = std::abs(code) % 100;
    ASSERT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 30) << FormatDate(date) << " " << code;
    const int prevMonth = std::abs(previous) / 100;
    const int prevDay = std::abs(previous) % 100;
    if (day == 1) {
      // A new month: the next number, or the leap month of the same number.
      ASSERT_GE(prevDay, 29) << FormatDate(date);
      const bool leapFollows = code < 0 && previous > 0 && month == prevMonth;
      ASSERT_TRUE(leapFollows || (code > 0 && month == prevMonth % 12 + 1)) << FormatDate(date);
    } else {
      ASSERT_EQ(code, previous < 0 ? previous - 1 : previous + 1) << FormatDate(date);
    }
    previous = code;
  }
}

TEST(WindowLunarCode, AgreesWithTheReadingsCalendarExceptOnFourMonths) {
  // The window keeps its own table: four 30-day runs carry one month's
  // numbering shifted against the lunar calendar of the readings.
  const std::pair<Date, Date> runs[] = {{{1906, 4, 23}, {1906, 5, 22}},
                                        {{1914, 11, 17}, {1914, 12, 16}},
                                        {{1989, 8, 1}, {1989, 8, 30}},
                                        {{2013, 6, 8}, {2013, 7, 7}}};
  for (int n = DayNumber({1901, 1, 1}); n <= DayNumber({2050, 12, 31}); ++n) {
    const Date date = FromDayNumber(n);
    const LunarDate lunar = SolarToLunar(date);
    const int code = (lunar.IsLeap ? -1 : 1) * (lunar.Month * 100 + lunar.Day);
    bool inRun = false;
    for (const auto& [from, to] : runs) inRun = inRun || (date >= from && date <= to);
    if (inRun) {
      ASSERT_NE(WindowLunarCode(date), code) << FormatDate(date);
    } else {
      ASSERT_EQ(WindowLunarCode(date), code) << FormatDate(date);
    }
  }
  EXPECT_EQ(SolarToLunar({2013, 6, 8}), (LunarDate{2013, 5, 1, false}));
}

TEST(WindowNames, MonthAndDayNames) {
  struct Case {
    Date date;
    const char* month;
    const char* day;
  };
  const Case cases[] = {
      {{2020, 5, 23}, "闰四", "初一"}, {{2000, 1, 1}, "冬月", "廿五"}, {{2000, 1, 7}, "腊月", "初一"},
      {{2000, 2, 5}, "正月", "初一"},  {{2013, 6, 8}, "四月", "三十"}, {{2000, 3, 25}, "二月", "二十"},
      {{2051, 1, 1}, "", ""},          {{1900, 12, 31}, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(FormatDate(c.date));
    EXPECT_EQ(WindowMonthName(c.date), c.month);
    EXPECT_EQ(WindowDayName(c.date), c.day);
  }
}

TEST(WindowFestivals, LunarFestivals) {
  const std::pair<Date, const char*> cases[] = {
      {{2000, 1, 14}, "腊八节"}, {{2000, 2, 4}, "除夕"},     {{2000, 2, 5}, "春节"},
      {{2000, 2, 19}, "元宵节"}, {{2024, 2, 9}, "除夕"},  // 腊月 of 2023 has 29 days: 除夕 is 廿九
      {{2024, 2, 8}, ""},        {{2024, 6, 10}, "端午节"},  {{2024, 8, 10}, "七夕节"},
      {{2024, 9, 17}, "中秋节"}, {{2024, 10, 11}, "重阳节"}, {{2024, 9, 18}, ""},
      {{2009, 5, 28}, "端午节"}, {{2009, 6, 27}, ""},  // 闰五月初五: leap months have no festivals
      {{2050, 12, 31}, ""},                            // the next day lies past the table
  };
  for (const auto& [date, name] : cases) EXPECT_EQ(WindowLunarFestival(date), name) << FormatDate(date);
}

TEST(WindowFestivals, SolarFestivalsWithWeekdayRules) {
  struct Case {
    int year, month, day;
    const char* name;
  };
  const Case cases[] = {
      {2024, 1, 1, "元旦节"},   {2024, 2, 14, "情人节"},  {2024, 3, 8, "妇女节"},  {2024, 4, 1, "愚人节"},
      {2024, 5, 1, "劳动节"},   {2024, 5, 4, "青年节"},   {2024, 5, 12, "母亲节"}, {2024, 5, 5, ""},
      {2024, 5, 19, ""},        {2024, 6, 1, "儿童节"},   {2024, 6, 16, "父亲节"}, {2024, 6, 9, ""},
      {2024, 7, 1, "建党节"},   {2024, 8, 1, "建军节"},   {2024, 9, 10, "教师节"}, {2024, 10, 1, "国庆节"},
      {2024, 10, 6, "老人节"},  {2024, 10, 31, "万圣节"}, {2024, 11, 8, "记者日"}, {2024, 11, 28, "感恩节"},
      {2024, 11, 21, ""},       {2024, 12, 25, "圣诞节"}, {2024, 12, 24, ""},      {2023, 5, 14, "母亲节"},
      {2023, 11, 23, "感恩节"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SolarFestivalOf(c.year, c.month, c.day), c.name) << c.year << "-" << c.month << "-" << c.day;
}

TEST(WindowTermTable, PrintedRowsHold) {
  // The 2050 row has 白露 on 7 September (0x88), the day the term falls on.
  const std::pair<int, std::array<int, 12>> rows[] = {
      {1901, {0x96, 0xB4, 0x96, 0xA6, 0x97, 0x97, 0x78, 0x79, 0x79, 0x69, 0x78, 0x77}},
      {1984, {0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87}},
      {2000, {0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x86}},
      {2050, {0xA5, 0xC3, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87}},
  };
  for (const auto& [year, bytes] : rows)
    for (int m = 0; m < 12; ++m) EXPECT_EQ(WindowTermTable[(year - 1901) * 12 + m], bytes[m]) << year << " " << m + 1;
}

TEST(WindowTermName, TermDays) {
  const std::pair<Date, const char*> cases[] = {
      {{2000, 1, 6}, "小寒"}, {{2000, 1, 21}, "大寒"}, {{2000, 1, 7}, ""},      {{2000, 12, 21}, "冬至"},
      {{2050, 9, 7}, "白露"}, {{2050, 9, 8}, ""},      {{1901, 2, 19}, "雨水"}, {{2051, 1, 5}, ""},
  };
  for (const auto& [date, name] : cases) EXPECT_EQ(WindowTermName(date), name) << FormatDate(date);
}

TEST(WindowTermName, EachYearHasTheTwentyFourTermsInOrder) {
  for (int year = kWindowFirstYear; year <= kWindowLastYear; ++year) {
    std::vector<std::string> found;
    for (Date d{year, 1, 1}; d.year == year; d = AddDays(d, 1)) {
      const std::string name = WindowTermName(d);
      if (!name.empty()) found.push_back(name);
    }
    ASSERT_EQ(found.size(), 24u) << year;
    for (int i = 0; i < 24; ++i) ASSERT_EQ(found[static_cast<std::size_t>(i)], SolarTermNames[i]) << year;
  }
}

TEST(WindowZodiac, LunarYearTurnsAtTheNewYear) {
  // Lunar year 1972 (子鼠) begins on 15 February; 腊月 before it is still 亥猪.
  for (Date d{1972, 1, 1}; d.year == 1972; d = AddDays(d, 1)) {
    const Date newYear{1972, 2, 15};
    ASSERT_EQ(WindowZodiacName(d), d < newYear ? "亥猪" : "子鼠") << FormatDate(d);
  }
  EXPECT_EQ(WindowZodiacName({1972, 1, 20}), "亥猪");
  EXPECT_EQ(WindowZodiacName({1972, 2, 20}), "子鼠");
  EXPECT_EQ(WindowZodiacName({2034, 1, 1}), "丑牛");  // 闰冬月 still counts as the old year
  EXPECT_EQ(WindowZodiacName({2050, 12, 31}), "午马");
}

TEST(WindowStarSign, DiffersFromTheReadingsOnlyOn20AprilAnd23October) {
  EXPECT_EQ(WindowStarSign({2000, 4, 19}), "白羊座");
  EXPECT_EQ(WindowStarSign({2000, 4, 20}), "金牛座");
  EXPECT_EQ(WindowStarSign({2000, 8, 23}), "处女座");
  EXPECT_EQ(WindowStarSign({2000, 10, 23}), "天秤座");
  EXPECT_EQ(WindowStarSign({2000, 10, 24}), "天蝎座");
  EXPECT_EQ(WindowStarSign({2000, 12, 22}), "摩羯座");
  for (Date d{2000, 1, 1}; d.year == 2000; d = AddDays(d, 1)) {
    const bool differs = (d.month == 4 && d.day == 20) || (d.month == 10 && d.day == 23);
    if (differs) {
      EXPECT_NE(WindowStarSign(d), StarSignOfDate(d)) << FormatDate(d);
    } else {
      EXPECT_EQ(WindowStarSign(d), StarSignOfDate(d)) << FormatDate(d);
    }
  }
}

}  // namespace
}  // namespace hm
