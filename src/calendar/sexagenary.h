// The stem-branch cycle: pillars of year, month, day and hour, the year text
// with its animal, and the star sign of a date.
#pragma once

#include <compare>
#include <string>
#include <string_view>

#include "base/dates.h"

namespace hm {

// Every cycle (ten stems, twelve branches, sixty pillars) is indexed with
// wrap-around: k taken modulo the cycle length, negative k included, so no
// caller does its own `% 10` / `% 12` arithmetic.
constexpr int WrapIndex(long long k, int length) {
  const long long r = k % length;
  return static_cast<int>(r < 0 ? r + length : r);
}

// Stem 0..9 (甲乙丙丁戊己庚辛壬癸), Branch 0..11 (子丑寅卯辰巳午未申酉戌亥).
struct Pillar {
  int Stem = 0;
  int Branch = 0;
  std::string Text() const;  // the two names, e.g. 甲子
  // Sexagenary number 0..59 (0 = 甲子); stem and branch must share parity.
  int Number() const;
  // The pillar n steps later in the sixty cycle (n may be negative).
  Pillar Next(int n) const;
  auto operator<=>(const Pillar&) const = default;
};

std::string StemName(int stem);      // index taken modulo 10
std::string BranchName(int branch);  // index taken modulo 12
std::string AnimalName(int branch);  // 鼠牛虎兔龙蛇马羊猴鸡狗猪, modulo 12
// The index of a stem or branch name ("甲" -> 0, "亥" -> 11), -1 for any other text.
int StemIndexOf(std::string_view name);
int BranchIndexOf(std::string_view name);
// Sexagenary number k (0 = 甲子): stem k mod 10, branch k mod 12 (k modulo 60).
Pillar PillarOfNumber(int k);

// Stem of n mod 10, branch of n mod 12, "(", animal, ")": 庚辰(龙) for 136.
std::string YearGanZhiText(int n);
// The first two characters of YearGanZhiText(year - 1864), e.g. 甲子 for 1984.
std::string YearStemBranch(int year);

// The year of the pillars changes on 4 February and each month on a fixed
// calendar day, whatever the exact moment of the solar term that year.
Pillar YearPillarOf(const Date& date);
Pillar MonthPillarOf(const Date& date);
Pillar DayPillarOf(const Date& date);
// Hour 0..23; hour 23 stays on the same day (the 子 hour of that day).
Pillar HourPillarOf(const Pillar& dayPillar, int hour);

std::string StarSignOfDate(const Date& date);  // 摩羯座, 水瓶座, ...

}  // namespace hm
