#include "calendar/lunar.h"

#include <algorithm>
#include <array>

namespace hm {

constexpr std::uint16_t LunarYearTable[201] = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                                                          // 2100
};

namespace {

constexpr bool inTable(int year) {
  return year >= kLunarFirstYear && year <= kLunarLastYear;
}
constexpr unsigned wordOf(int year) {
  return LunarYearTable[year - kLunarFirstYear];
}

// The low four bits; 15 marks the year before a year whose leap month has 30 days.
constexpr int leapMonthOf(int year) {
  if (!inTable(year)) return 0;
  const int low = static_cast<int>(wordOf(year) & 0xF);
  return low == 15 ? 0 : low;
}

constexpr int leapMonthDays(int year) {
  if (leapMonthOf(year) == 0) return 0;
  // 2100 has no leap month, so the word of year + 1 always exists here.
  return (wordOf(year + 1) & 0xF) == 15 ? 30 : 29;
}

// Bit 15 is month 1, bit 4 month 12; a month of 0 or less reads month 1.
// The bits below 4 belong to the leap number, so months past 12 are never
// asked for by the conversions; they read what the shifted mask finds.
constexpr int lunarMonthDays(int year, int month) {
  if (!inTable(year)) return 0;
  const int shift = month <= 1 ? 0 : month - 1;
  if (shift > 15) return 29;
  return (wordOf(year) & (0x8000u >> shift)) != 0 ? 30 : 29;
}

constexpr int lunarYearDays(int year) {
  if (!inTable(year)) return 0;
  int days = 348;
  for (unsigned mask = 0x8000; mask > 0x8; mask >>= 1)
    if ((wordOf(year) & mask) != 0) ++days;
  return days + leapMonthDays(year);
}

// Day number (days from 1899-12-30) of the first day of every lunar year
// 1900..2101, summed from the table once at compile time. Lunar year 1900
// begins on 1900-01-31, day 32.
constexpr int kFirstDayNumber = 32;
constexpr std::array<int, 202> kYearStart = [] {
  std::array<int, 202> starts{};
  starts[0] = kFirstDayNumber;
  for (int i = 1; i < 202; ++i) starts[i] = starts[i - 1] + lunarYearDays(kLunarFirstYear + i - 1);
  return starts;
}();
// The tables and the well-known new year of 2000 (2000-02-05, day 36561)
// must agree, or every conversion would be off.
static_assert(kYearStart[2000 - kLunarFirstYear] == 36561);
// 2100-12-31 (day 73415) is the last day the conversion accepts; lunar 2100
// must still be running then.
constexpr int kLastDayNumber = 73415;
static_assert(kYearStart[201] > kLastDayNumber);

const char* const kNumerals[11] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

}  // namespace

int LeapMonthOf(int year) {
  return leapMonthOf(year);
}
int LeapMonthDays(int year) {
  return leapMonthDays(year);
}
int LunarMonthDays(int year, int month) {
  return lunarMonthDays(year, month);
}
int LunarYearDays(int year) {
  return lunarYearDays(year);
}

LunarDate SolarToLunar(const Date& date) {
  const int day = DayNumber(date);
  if (day < kFirstDayNumber || day > kLastDayNumber) return {};
  // The lunar year whose first day is the last one not after the date.
  const int index =
      static_cast<int>(std::upper_bound(kYearStart.begin(), kYearStart.end(), day) - kYearStart.begin()) - 1;
  const int year = kLunarFirstYear + index;
  int n = day - kYearStart[static_cast<std::size_t>(index)];  // 0-based day within the lunar year

  const int leap = leapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  int last = 0;
  while (n >= 0) {
    ++month;
    last = lunarMonthDays(year, month);
    n -= last;
    // The leap month follows the ordinary month of the same number.
    if (n >= 0 && month == leap) {
      last = leapMonthDays(year);
      n -= last;
      if (n < 0) isLeap = true;
    }
  }
  return LunarDate{year, month, n + last + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& d) {
  if (d.Year < 1901 || d.Year > 2099 || d.Month > 12 || d.Day > 30) return false;
  if (!d.IsLeap) return d.Day <= lunarMonthDays(d.Year, d.Month);
  return d.Month == leapMonthOf(d.Year) && d.Day <= leapMonthDays(d.Year);
}

Date LunarToSolar(const LunarDate& d) {
  if (!IsValidLunarDate(d)) return Date{1, 1, 1};
  const int leap = leapMonthOf(d.Year);
  // Days from the first day of the lunar year; 64 bits because the day has
  // no lower bound.
  long long offset = 0;
  for (int i = 1; i < d.Month; ++i) {
    offset += lunarMonthDays(d.Year, i);
    if (i == leap) offset += leapMonthDays(d.Year);
  }
  offset += static_cast<long long>(d.Day) - 1;
  if (d.IsLeap && d.Month == leap) offset += lunarMonthDays(d.Year, d.Month);
  // Starts come from the same table as a walk from 2000-02-05 would sum.
  return FromDayNumber(static_cast<int>(kYearStart[static_cast<std::size_t>(d.Year - kLunarFirstYear)] + offset));
}

std::string LunarMonthName(int month, bool leap) {
  std::string name = leap ? "闰" : "";
  if (month >= 1 && month <= 10) {
    name += kNumerals[month];
  } else if (month == 11 || month == 12) {
    name += std::string("十") + kNumerals[month - 10];
  }
  return name + "月";
}

std::string LunarDayName(int day) {
  if (day >= 1 && day <= 10) return std::string("初") + kNumerals[day];
  if (day >= 11 && day <= 19) return std::string("十") + kNumerals[day - 10];
  if (day == 20) return "二十";
  if (day >= 21 && day <= 29) return std::string("廿") + kNumerals[day - 20];
  if (day == 30) return "三十";
  return "";
}

}  // namespace hm
