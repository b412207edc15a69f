// Calendar dates as whole days, the fixed date-text formats, and the clock
// that the CLI's --today and the tests can pin.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace hm {

// A proleptic Gregorian date. All dates convert through one day number:
// days from 1899-12-30 (day 0), negative before it.
struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);
bool IsValidDate(const Date& d);

int DayNumber(const Date& d);
Date FromDayNumber(int dayNumber);
Date AddDays(const Date& d, int days);
int DaysBetween(const Date& from, const Date& to);  // to - from
// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(const Date& d);

// Reads "y-m-d" (one- or two-digit month and day, surrounding blanks
// allowed). Throws ConversionError "'TEXT' is not a valid date".
Date ParseDate(std::string_view text);
std::optional<Date> TryParseDate(std::string_view text);

// "yyyy-MM-dd"
std::string FormatDate(const Date& d);
// "yyyy'年'M'月'd'日'"
std::string FormatLongDate(const Date& d);
// "H:mm:ss"
std::string FormatTime(int hour, int minute, int second);

// A local date and time of day.
struct DateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  auto operator<=>(const DateTime&) const = default;
};

// The local clock. Pinning it makes every reading see that moment as now
// (the CLI's --today pins midnight of the given day).
DateTime Now();
Date Today();
void PinClock(const DateTime& moment);
void UnpinClock();

}  // namespace hm
