// The lunar calendar of 1900-2100: the year table, the conversions both ways
// over the whole range, and the month and day names.
#include <gtest/gtest.h>

#include "base/dates.h"
#include "calendar/lunar.h"

namespace hm {
namespace {

TEST(LunarYearTable, LeapMonthsTakeTheirLengthFromTheNextYearsWord) {
  struct Case {
    int year, leapMonth, leapDays, yearDays;
  };
  const Case cases[] = {
      {1906, 4, 30, 384},  // 1907 ends in F: the leap month has 30 days
      {1907, 0, 0, 354},   // F itself is no leap month
      {2020, 4, 29, 384}, {2023, 2, 29, 384}, {2024, 0, 0, 354}, {2100, 0, 0, 354},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(LeapMonthOf(c.year), c.leapMonth);
    EXPECT_EQ(LeapMonthDays(c.year), c.leapDays);
    EXPECT_EQ(LunarYearDays(c.year), c.yearDays);
  }
  for (int y = kLunarFirstYear; y <= kLunarLastYear; ++y) {
    EXPECT_GE(LunarYearDays(y), 353) << y;
    EXPECT_LE(LunarYearDays(y), 385) << y;
  }
  // Month 0 and below read month 1.
  EXPECT_EQ(LunarMonthDays(2000, 0), LunarMonthDays(2000, 1));
  EXPECT_EQ(LunarMonthDays(2000, -3), LunarMonthDays(2000, 1));
}

TEST(SolarToLunar, KnownDaysAndRangeEdges) {
  struct Case {
    Date solar;
    LunarDate lunar;
  };
  const Case cases[] = {
      {{1900, 1, 31}, {1900, 1, 1, false}},
      {{1900, 1, 30}, {}},
      {{2100, 12, 31}, {2100, 12, 1, false}},
      {{2101, 1, 1}, {}},
      {{1, 1, 1}, {}},
      {{1980, 1, 1}, {1979, 11, 14, false}},
      {{1980, 1, 5}, {1979, 11, 18, false}},
      {{2000, 2, 4}, {1999, 12, 29, false}},
      {{2000, 2, 5}, {2000, 1, 1, false}},
      {{2023, 3, 22}, {2023, 2, 1, true}},
      {{2023, 4, 19}, {2023, 2, 29, true}},
      {{2023, 4, 20}, {2023, 3, 1, false}},
      {{2020, 5, 23}, {2020, 4, 1, true}},
      {{1901, 2, 18}, {1900, 12, 30, false}},
      {{1906, 6, 21}, {1906, 4, 30, true}},  // the 30-day leap month of 1906
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(FormatDate(c.solar));
    EXPECT_EQ(SolarToLunar(c.solar), c.lunar);
  }
}

TEST(LunarToSolar, KnownDaysInvalidDatesAndUncheckedLowerBounds) {
  struct Case {
    LunarDate lunar;
    Date solar;
  };
  const Date failure{1, 1, 1};
  const Case cases[] = {
      {{2000, 1, 1, false}, {2000, 2, 5}},   {{1901, 1, 1, false}, {1901, 2, 19}},
      {{2099, 12, 30, false}, {2100, 2, 8}}, {{1979, 11, 30, false}, {1980, 1, 17}},
      {{2023, 2, 1, true}, {2023, 3, 22}},   {{2023, 3, 1, false}, {2023, 4, 20}},
      {{1900, 1, 1, false}, failure},  // lunar 1900 and 2100 are not accepted back
      {{2100, 1, 1, false}, failure},        {{2023, 3, 1, true}, failure},  // 3 is not the leap month of 2023
      {{2023, 2, 30, true}, failure},                                        // the leap month of 2023 has 29 days
      {{2023, 13, 1, false}, failure},                                       // no month 13
      {{2000, 1, 31, false}, failure},                                       // no day 31
      {{2000, 1, 0, false}, {2000, 2, 4}},                                   // day 0 is the day before the 1st
      {{2000, 0, 1, false}, {2000, 2, 5}},                                   // month 0 counts no months
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.lunar.Year) + "-" + std::to_string(c.lunar.Month) + "-" +
                 std::to_string(c.lunar.Day) + (c.lunar.IsLeap ? " leap" : ""));
    EXPECT_EQ(LunarToSolar(c.lunar), c.solar);
  }
}

TEST(LunarToSolar, HugeNegativeDayDoesNotOverflow) {
  const Date far = LunarToSolar({2000, 1, -2000000000, false});
  EXPECT_EQ(DayNumber(far), DayNumber({2000, 2, 5}) - 2000000001);
}

TEST(LunarCalendar, EveryDayConvertsToLunarAndBack) {
  for (int n = DayNumber({1901, 2, 19}); n <= DayNumber({2100, 1, 1}); ++n) {
    const Date solar = FromDayNumber(n);
    const LunarDate lunar = SolarToLunar(solar);
    ASSERT_TRUE(IsValidLunarDate(lunar)) << FormatDate(solar);
    ASSERT_EQ(LunarToSolar(lunar), solar) << FormatDate(solar);
  }
}

// The conversion reads precomputed year starts; this is the plain walk year by
// year and month by month from 1900-01-31 that they must reproduce exactly.
LunarDate walkFromFirstDay(const Date& date) {
  int n = DaysBetween({1900, 1, 31}, date);
  int year = 1900;
  while (n > 0) {
    n -= LunarYearDays(year);
    ++year;
  }
  if (n < 0) {
    --year;
    n += LunarYearDays(year);
  }
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  int last = 0;
  do {
    ++month;
    last = LunarMonthDays(year, month);
    n -= last;
    if (n >= 0 && month == leap) {
      last = LeapMonthDays(year);
      n -= last;
      isLeap = n < 0;
    }
  } while (n >= 0);
  return {year, month, n + last + 1, isLeap};
}

TEST(LunarCalendar, YearStartsGiveTheSameDaysAsTheYearWalk) {
  for (int n = DayNumber({1900, 1, 31}); n <= DayNumber({2100, 12, 31}); ++n) {
    const Date solar = FromDayNumber(n);
    ASSERT_EQ(SolarToLunar(solar), walkFromFirstDay(solar)) << FormatDate(solar);
  }
}

TEST(LunarNames, MonthAndDayNames) {
  EXPECT_EQ(LunarMonthName(1, false), "一月");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(10, false), "十月");
  EXPECT_EQ(LunarMonthName(11, false), "十一月");
  EXPECT_EQ(LunarMonthName(12, false), "十二月");
  EXPECT_EQ(LunarMonthName(0, false), "月");
  EXPECT_EQ(LunarMonthName(13, true), "闰月");

  const std::pair<int, const char*> days[] = {{1, "初一"},  {10, "初十"}, {11, "十一"}, {19, "十九"},
                                              {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"},
                                              {0, ""},      {31, ""},     {-1, ""}};
  for (const auto& [day, name] : days) EXPECT_EQ(LunarDayName(day), name) << day;
}

}  // namespace
}  // namespace hm
