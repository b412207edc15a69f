#include "base/dates.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "base/errors.h"
#include "base/text.h"

namespace hm {

bool IsLeapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12) return 0;
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

bool IsValidDate(int y, int m, int d) {
  return y >= 1 && y <= 9999 && d >= 1 && d <= DaysInMonth(y, m);
}
bool IsValidDate(const Date& d) {
  return IsValidDate(d.year, d.month, d.day);
}

namespace {
// Days from 1970-01-01 (Hinnant's days_from_civil).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}
Date civilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return Date{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}
// 1899-12-30 is 25569 days before 1970-01-01.
constexpr long long kEpochOffset = 25569;

std::optional<DateTime> g_pinned;
}  // namespace

int DayNumber(const Date& d) {
  return static_cast<int>(daysFromCivil(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day)) +
                          kEpochOffset);
}

Date FromDayNumber(int n) {
  return civilFromDays(static_cast<long long>(n) - kEpochOffset);
}

Date AddDays(const Date& d, int days) {
  return FromDayNumber(DayNumber(d) + days);
}

int DaysBetween(const Date& from, const Date& to) {
  return DayNumber(to) - DayNumber(from);
}

int DayOfWeek(const Date& d) {
  // Day 0 (1899-12-30) was a Saturday.
  int r = (DayNumber(d) + 6) % 7;
  return r < 0 ? r + 7 : r;
}

std::optional<Date> TryParseDate(std::string_view text) {
  std::string t = Trim(text);
  int parts[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int k = 0;
  for (char c : t) {
    if (c == '-') {
      if (++k > 2) return std::nullopt;
    } else if (c >= '0' && c <= '9') {
      if (++digits[k] > 4) return std::nullopt;
      parts[k] = parts[k] * 10 + (c - '0');
    } else {
      return std::nullopt;
    }
  }
  if (k != 2 || digits[0] == 0 || digits[1] == 0 || digits[1] > 2 || digits[2] == 0 || digits[2] > 2)
    return std::nullopt;
  if (!IsValidDate(parts[0], parts[1], parts[2])) return std::nullopt;
  return Date{parts[0], parts[1], parts[2]};
}

Date ParseDate(std::string_view text) {
  auto d = TryParseDate(text);
  if (!d) throw ConversionError("'" + std::string(text) + "' is not a valid date");
  return *d;
}

std::string FormatDate(const Date& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string FormatLongDate(const Date& d) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d年%d月%d日", d.year, d.month, d.day);
  return buf;
}

std::string FormatTime(int h, int m, int s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d:%02d:%02d", h, m, s);
  return buf;
}

DateTime Now() {
  if (g_pinned) return *g_pinned;
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return DateTime{Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min, tm.tm_sec,
                  static_cast<int>(ms)};
}

Date Today() {
  return Now().date;
}

void PinClock(const DateTime& moment) {
  g_pinned = moment;
}
void UnpinClock() {
  g_pinned.reset();
}

}  // namespace hm
