#include "app/birth_entry.h"

#include <string>

#include "base/dates.h"
#include "base/errors.h"
#include "base/text.h"
#include "calendar/lunar.h"
#include "calendar/sexagenary.h"

namespace hm {

namespace {

// Every check trims the field, refuses an empty text with its notice and
// stores the trimmed text at once, so a later failure keeps what came before.
void takeField(const std::string& typed, std::string& into, const char* notice) {
  std::string text = Trim(typed);
  if (text.empty()) throw Notice(notice);
  into = std::move(text);
}

// The lunar calendar covers 1900-01-31 .. 2100-12-31 and knows each month's
// length; outside that nothing can be read, so such an entry is refused
// before a wrong date reaches the reports.
constexpr const char* kOutOfRange = "出生日期超出范围或不存在!";

std::string twoDigits(int n) {
  std::string s = std::to_string(n);
  return n < 10 ? "0" + s : s;
}

}  // namespace

void ReadBirthEntry(const EntryFields& fields, BirthRecord& record, bool bloodTypeRequired, bool lunarNumbersWanted) {
  takeField(fields.NameA, record.Surname, "姓不能为空!");
  takeField(fields.NameB, record.GivenName, "名不能为空!");
  if (bloodTypeRequired) takeField(fields.Xuxing, record.BloodType, "血型不能为空!");
  takeField(fields.SYear, record.YearText, "请选择出生年!");
  takeField(fields.SMonth, record.MonthText, "请选择出生月!");
  takeField(fields.Sday, record.DayText, "请选择出生日!");
  takeField(fields.Shour, record.HourText, "请选择出生小时!");

  // Everything below is worked out first and stored only when the whole date
  // converts, so a refused date leaves the converted fields of the last
  // reading intact.
  Date solar;
  std::string solarText;
  if (fields.ComDateIndex == 0) {
    solarText = record.YearText + "-" + record.MonthText + "-" + record.DayText;
    solar = ParseDate(solarText);
  } else {
    // A lunar entry; a leap month cannot be entered.
    LunarDate entered{ToInt(record.YearText), ToInt(record.MonthText), ToInt(record.DayText), false};
    // A month or day below 1 would silently roll back into the month before.
    if (entered.Month < 1 || entered.Day < 1 || !IsValidLunarDate(entered)) throw Notice(kOutOfRange);
    solar = LunarToSolar(entered);
    solarText = FormatDate(solar);
  }
  const LunarDate lunar = SolarToLunar(solar);
  if (lunar.Year == 0) throw Notice(kOutOfRange);

  if (fields.ComDateIndex != 0) {
    record.YearText = solarText.substr(0, 4);
    record.MonthText = solarText.substr(5, 2);
    record.DayText = solarText.substr(8, 2);
  }
  record.SolarDateText = solarText;
  const std::string yearText = YearGanZhiText(lunar.Year - 1864);
  record.LunarText = yearText + LunarMonthName(lunar.Month, lunar.IsLeap) + LunarDayName(lunar.Day);
  // 己未(羊): the animal sits in GBK bytes 6 and 7.
  record.Animal = GbkSlice(Trim(yearText), 6, 2);
  record.MonthDayKey = std::to_string(solar.month) + twoDigits(solar.day);
  record.StarSign = StarSignOfDate(solar);

  if (lunarNumbersWanted) {
    record.LunarYearNumber = std::to_string(lunar.Year);
    record.LunarMonthNumber = std::to_string(lunar.Month);
    record.LunarDayNumber = std::to_string(lunar.Day);
    // The hour item is "子 0" .. "子 23": the branch in bytes 1-2, the hour in
    // bytes 4-5 of the text as typed.
    record.HourNumber = Trim(GbkSlice(fields.Shour, 4, 2));
    record.HourBranchChar = Trim(GbkSlice(fields.Shour, 1, 2));
  }
}

}  // namespace hm
