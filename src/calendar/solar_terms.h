// The 24 solar terms by the closed formula from their minute offsets.
#pragma once

#include <string>
#include <string_view>

#include "base/dates.h"

namespace hm {

// 小寒, 大寒, 立春, ... 冬至: index 0..23 within a year.
extern const char* const SolarTermNames[24];
extern const int SolarTermMinutes[24];

// Moment of term `index` (0..23) of `year`: double arithmetic rounded to whole
// milliseconds from 1900-01-06 02:05:00, on that clock (no time zone).
DateTime SolarTermMoment(int year, int index);
// The term whose moment falls on that calendar day, or "".
std::string SolarTermOfDate(const Date& date);
// True for the twelve jie names (exact text).
bool IsJieTerm(std::string_view name);

}  // namespace hm
