// The lunar calendar of 1900-2100: one word per lunar year gives the month
// lengths and the leap month; solar dates convert to lunar dates and back.
#pragma once

#include <cstdint>
#include <string>

#include "base/dates.h"

namespace hm {

// Year, Month 1..12, Day 1..30, IsLeap; all zero is the failure value.
struct LunarDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  bool IsLeap = false;
  bool operator==(const LunarDate&) const = default;
};

// One word per lunar year 1900..2100. Bits 15..4 are months 1..12 (set: 30
// days, clear: 29); bits 3..0 the leap month (0 or 15: none). The leap month
// of year Y is 30 days long when the low bits of the word of Y + 1 are 15.
inline constexpr int kLunarFirstYear = 1900;
inline constexpr int kLunarLastYear = 2100;
extern const std::uint16_t LunarYearTable[201];

// Years outside 1900..2100 have no word: these give 0 there.
int LeapMonthOf(int year);                // 0 (none) or 1..12
int LeapMonthDays(int year);              // 0, 29 or 30
int LunarMonthDays(int year, int month);  // 29 or 30, the ordinary month; month <= 1 reads month 1
int LunarYearDays(int year);              // 353..385 including the leap month

// The failure value (all zero) outside 1900-01-31 .. 2100-12-31.
LunarDate SolarToLunar(const Date& date);
// Lunar years 1901..2099 only. Month and day have no lower bound: month 0
// reads like month 1 and day 0 is the day before the 1st.
bool IsValidLunarDate(const LunarDate& date);
// 0001-01-01 when the lunar date is not valid.
Date LunarToSolar(const LunarDate& date);

std::string LunarMonthName(int month, bool leap);  // 十一月, 闰四月; "月" for a month outside 1..12
std::string LunarDayName(int day);                 // 初一 .. 三十; "" outside 1..30

}  // namespace hm
