#include "calendar/solar_terms.h"

#include <cmath>

namespace hm {

const char* const SolarTermNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                        "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                        "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Minutes from the 小寒 of a year to each term of that year.
const int SolarTermMinutes[24] = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                  173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                  353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

namespace {

// 小寒 of 1900 fell at 1900-01-06 02:05:00; every later term is that moment
// plus whole tropical years and the term's minute offset.
constexpr Date kBaseDay{1900, 1, 6};
constexpr long long kBaseMsOfDay = (2 * 60 + 5) * 60000LL;
constexpr double kTropicalYearMs = 31556925974.7;
constexpr double kMsPerMinute = 60000.0;
constexpr long long kMsPerDay = 86400000LL;

long long floorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

DateTime SolarTermMoment(int year, int index) {
  // An index past either end of the year reads the term of the next or the
  // previous year (24 is the 小寒 that follows the 冬至).
  year += static_cast<int>(floorDiv(index, 24));
  index = static_cast<int>(index - floorDiv(index, 24) * 24);
  const double ms = (year - 1900) * kTropicalYearMs + SolarTermMinutes[index] * kMsPerMinute;
  const long long total = kBaseMsOfDay + static_cast<long long>(std::nearbyint(ms));
  const long long days = floorDiv(total, kMsPerDay);
  long long rest = total - days * kMsPerDay;
  DateTime moment;
  moment.date = AddDays(kBaseDay, static_cast<int>(days));
  moment.hour = static_cast<int>(rest / 3600000);
  rest %= 3600000;
  moment.minute = static_cast<int>(rest / 60000);
  rest %= 60000;
  moment.second = static_cast<int>(rest / 1000);
  moment.millisecond = static_cast<int>(rest % 1000);
  return moment;
}

std::string SolarTermOfDate(const Date& date) {
  // Only the two terms of the date's own month are tried: terms 2k and
  // 2k + 1 fall in month k + 1.
  if (date.month < 1 || date.month > 12) return "";
  const int first = 2 * date.month - 2;
  if (SolarTermMoment(date.year, first).date == date) return SolarTermNames[first];
  if (SolarTermMoment(date.year, first + 1).date == date) return SolarTermNames[first + 1];
  return "";
}

bool IsJieTerm(std::string_view name) {
  // The jie open the months of the pillars: the even indexes, 小寒, 立春, ...
  for (int i = 0; i < 24; i += 2)
    if (name == SolarTermNames[i]) return true;
  return false;
}

}  // namespace hm
