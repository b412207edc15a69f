#include "calendar/sexagenary.h"

namespace hm {

namespace {

const char* const kStemNames[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranchNames[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimalNames[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

constexpr int kStems = 10;
constexpr int kBranches = 12;
constexpr int kPillars = 60;
constexpr int kBranchYin = 2;  // 寅, the branch of the first month of the year

// 1864 was a 甲子 year; the year texts count from it.
constexpr int kJiaZiYear = 1864;
// 1900-02-20 (day 52 from 1899-12-30) was a 甲子 day.
constexpr int kJiaZiDayNumber = 52;

// First day (month, day) of each month branch of the pillars, in calendar
// order. The days are fixed: the month changes on them every year.
struct MonthStart {
  int month;
  int day;
  int branch;
};
constexpr MonthStart kMonthStarts[13] = {
    {1, 1, 0}, {1, 6, 1}, {2, 4, 2}, {3, 6, 3},   {4, 5, 4},   {5, 5, 5},  {6, 6, 6},
    {7, 7, 7}, {8, 8, 8}, {9, 8, 9}, {10, 8, 10}, {11, 7, 11}, {12, 8, 0},
};

// Star-sign ranges (month * 100 + day, inclusive), tried in this order.
struct SignRange {
  int from;
  int to;
  const char* name;
};
constexpr SignRange kSignRanges[13] = {
    {1222, 1231, "摩羯座"}, {101, 119, "摩羯座"},   {120, 218, "水瓶座"},   {219, 320, "双鱼座"}, {321, 420, "白羊座"},
    {421, 520, "金牛座"},   {521, 621, "双子座"},   {622, 722, "巨蟹座"},   {723, 822, "狮子座"}, {823, 922, "处女座"},
    {923, 1022, "天秤座"},  {1023, 1121, "天蝎座"}, {1122, 1221, "射手座"},
};

}  // namespace

std::string StemName(int stem) {
  return kStemNames[WrapIndex(stem, kStems)];
}
std::string BranchName(int branch) {
  return kBranchNames[WrapIndex(branch, kBranches)];
}
std::string AnimalName(int branch) {
  return kAnimalNames[WrapIndex(branch, kBranches)];
}

int StemIndexOf(std::string_view name) {
  for (int i = 0; i < kStems; ++i)
    if (name == kStemNames[i]) return i;
  return -1;
}

int BranchIndexOf(std::string_view name) {
  for (int i = 0; i < kBranches; ++i)
    if (name == kBranchNames[i]) return i;
  return -1;
}

Pillar PillarOfNumber(int k) {
  const int n = WrapIndex(k, kPillars);
  return Pillar{n % kStems, n % kBranches};
}

std::string Pillar::Text() const {
  return StemName(Stem) + BranchName(Branch);
}

// The k with k = Stem (mod 10) and k = Branch (mod 12): 6 * Stem - 5 * Branch
// satisfies both when they share parity.
int Pillar::Number() const {
  return WrapIndex(6LL * Stem - 5LL * Branch, kPillars);
}

Pillar Pillar::Next(int n) const {
  return PillarOfNumber(WrapIndex(static_cast<long long>(Number()) + n, kPillars));
}

std::string YearGanZhiText(int n) {
  return StemName(n) + BranchName(n) + "(" + AnimalName(n) + ")";
}

std::string YearStemBranch(int year) {
  return PillarOfNumber(WrapIndex(static_cast<long long>(year) - kJiaZiYear, kPillars)).Text();
}

Pillar YearPillarOf(const Date& date) {
  // The pillar year begins on 4 February (立春 by the fixed calendar day).
  int year = date.year;
  if (date.month == 1 || (date.month == 2 && date.day < 4)) --year;
  // 4 AD (and every sixtieth year from it) is a 甲子 year.
  return PillarOfNumber(WrapIndex(static_cast<long long>(year) - 4, kPillars));
}

Pillar MonthPillarOf(const Date& date) {
  int branch = 0;
  for (const MonthStart& start : kMonthStarts)
    if (date.month > start.month || (date.month == start.month && date.day >= start.day)) branch = start.branch;
  // The five-tiger rule (五虎遁) gives the stem of the 寅 month from the year
  // stem, and the later months follow in order:
  //   甲己之年丙作首，乙庚之岁戊为头，丙辛必定寻庚起，
  //   丁壬壬位顺行流，更有戊癸何方觅，甲寅之上好追求。
  // The 子 and 丑 months of early January belong to the year that began on
  // the 4 February before them, so the year stem is the pillar year's.
  const int yearStem = YearPillarOf(date).Stem;
  const int fromYin = WrapIndex(branch - kBranchYin, kBranches);
  const int stem = WrapIndex((yearStem % 5) * 2 + 2 + fromYin, kStems);
  return Pillar{stem, branch};
}

Pillar DayPillarOf(const Date& date) {
  // The day cycle runs without a break: one step a day from the 甲子 day
  // 1900-02-20. (The almanac formula over the day of the year,
  // (5(y-1) + (y-1)/4 - (y-1)/100 + (y-1)/400 + t + 6015) mod 60 counting
  // 甲子 as 1, gives the same pillars.)
  return PillarOfNumber(WrapIndex(static_cast<long long>(DayNumber(date)) - kJiaZiDayNumber, kPillars));
}

Pillar HourPillarOf(const Pillar& dayPillar, int hour) {
  // Two clock hours per branch, the 子 hour from 23:00 to 0:59. Hour 23 keeps
  // the calendar day: it takes the 子 hour of the same day.
  const long long halfDays = hour + 1LL;
  const int branch = WrapIndex(halfDays >= 0 ? halfDays / 2 : (halfDays - 1) / 2, kBranches);
  // The five-rat rule (五鼠遁) gives the stem of the 子 hour from the day stem:
  //   甲己还加甲，乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发，壬子是真途。
  const int stem = WrapIndex(WrapIndex(dayPillar.Stem, 5) * 2 + branch, kStems);
  return Pillar{stem, branch};
}

std::string StarSignOfDate(const Date& date) {
  const int key = date.month * 100 + date.day;
  for (const SignRange& range : kSignRanges)
    if (key >= range.from && key <= range.to) return range.name;
  return "";
}

}  // namespace hm
