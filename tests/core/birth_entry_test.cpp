// The entry step of the person-based readings: the order of the checks and
// their notices, the conversion of the birth date and the derived texts.
#include "app/birth_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"

namespace hm {
namespace {

EntryFields person(const char* year, const char* month, const char* day, const char* hour = "子 0",
                   int calendarItem = 0) {
  EntryFields f;
  f.NameA = "王";
  f.NameB = "小明";
  f.SYear = year;
  f.SMonth = month;
  f.Sday = day;
  f.Shour = hour;
  f.ComDateIndex = calendarItem;
  f.ComDate = calendarItem == 0 ? "生日公历" : calendarItem == 1 ? "生日农历" : "农历生日";
  return f;
}

std::string noticeOf(const EntryFields& f, BirthRecord& r, bool blood = true, bool lunar = true) {
  try {
    ReadBirthEntry(f, r, blood, lunar);
  } catch (const Notice& n) {
    return n.what();
  }
  return "";
}

struct Derived {
  const char* what;
  EntryFields fields;
  BirthRecord expected;  // only the converted and derived fields are compared
};

TEST(BirthEntry, DerivesDatesAnimalSignAndHourParts) {
  auto rec = [](const char* y, const char* m, const char* d, const char* solar, const char* lunar, const char* animal,
                const char* key, const char* sign, const char* ly, const char* lm, const char* ld,
                const char* hourNumber, const char* branch) {
    BirthRecord r;
    r.YearText = y, r.MonthText = m, r.DayText = d, r.SolarDateText = solar, r.LunarText = lunar;
    r.Animal = animal, r.MonthDayKey = key, r.StarSign = sign;
    r.LunarYearNumber = ly, r.LunarMonthNumber = lm, r.LunarDayNumber = ld;
    r.HourNumber = hourNumber, r.HourBranchChar = branch;
    return r;
  };
  const std::vector<Derived> cases = {
      {"solar entry keeps the texts as typed", person("1980", "1", "5"),
       rec("1980", "1", "5", "1980-1-5", "己未(羊)十一月十八", "羊", "105", "摩羯座", "1979", "11", "18", "0", "子")},
      {"lunar entry takes the converted solar date", person("2000", "1", "1", "午 12", 1),
       rec("2000", "02", "05", "2000-02-05", "庚辰(龙)一月初一", "龙", "205", "水瓶座", "2000", "1", "1", "12", "午")},
      {"a typed calendar kind counts as lunar", person("2000", "1", "1", "子 23", -1),
       rec("2000", "02", "05", "2000-02-05", "庚辰(龙)一月初一", "龙", "205", "水瓶座", "2000", "1", "1", "23", "子")},
      {"two-digit day in the key", person("1990", "12", "25", "子 23"),
       rec("1990", "12", "25", "1990-12-25", "庚午(马)十一月初九", "马", "1225", "摩羯座", "1990", "11", "9", "23",
           "子")},
      {"the first day of the calendar", person("1900", "1", "31"),
       rec("1900", "1", "31", "1900-1-31", "庚子(鼠)一月初一", "鼠", "131", "水瓶座", "1900", "1", "1", "0", "子")},
      {"1900 after the calendar starts", person("1900", "06", "01", "丑 1"),
       rec("1900", "06", "01", "1900-06-01", "庚子(鼠)五月初五", "鼠", "601", "双子座", "1900", "5", "5", "1", "丑")},
      {"a year beyond the list", person("2050", "3", "21"),
       rec("2050", "3", "21", "2050-3-21", "庚午(马)二月廿九", "马", "321", "白羊座", "2050", "2", "29", "0", "子")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BirthRecord r;
    ASSERT_NO_THROW(ReadBirthEntry(c.fields, r, true, true));
    const BirthRecord& e = c.expected;
    EXPECT_EQ(r.Surname, "王");
    EXPECT_EQ(r.GivenName, "小明");
    EXPECT_EQ(r.BloodType, "A型");
    EXPECT_EQ(r.HourText, c.fields.Shour);
    EXPECT_EQ(r.YearText, e.YearText);
    EXPECT_EQ(r.MonthText, e.MonthText);
    EXPECT_EQ(r.DayText, e.DayText);
    EXPECT_EQ(r.SolarDateText, e.SolarDateText);
    EXPECT_EQ(r.LunarText, e.LunarText);
    EXPECT_EQ(r.Animal, e.Animal);
    EXPECT_EQ(r.MonthDayKey, e.MonthDayKey);
    EXPECT_EQ(r.StarSign, e.StarSign);
    EXPECT_EQ(r.LunarYearNumber, e.LunarYearNumber);
    EXPECT_EQ(r.LunarMonthNumber, e.LunarMonthNumber);
    EXPECT_EQ(r.LunarDayNumber, e.LunarDayNumber);
    EXPECT_EQ(r.HourNumber, e.HourNumber);
    EXPECT_EQ(r.HourBranchChar, e.HourBranchChar);
  }
}

TEST(BirthEntry, NameAndStarSignVariantLeavesBloodTypeAndLunarNumbersAlone) {
  BirthRecord r;
  r.BloodType = "B型";
  r.LunarYearNumber = "1999";
  r.HourNumber = "7";
  EntryFields f = person("1980", "1", "5", "午 11");
  f.Xuxing = "";  // not needed by this variant
  ReadBirthEntry(f, r, false, false);
  EXPECT_EQ(r.BloodType, "B型");
  EXPECT_EQ(r.LunarYearNumber, "1999");
  EXPECT_EQ(r.HourNumber, "7");
  EXPECT_EQ(r.HourText, "午 11");
  EXPECT_EQ(r.LunarText, "己未(羊)十一月十八");
}

TEST(BirthEntry, EmptyFieldsAreReportedInOrder) {
  // Fill the fields one at a time, blanks only counting as empty: each step
  // must complain about the next field in the fixed order.
  EntryFields f;
  f.NameA = f.NameB = f.Xuxing = f.SYear = f.SMonth = f.Sday = f.Shour = " \t";
  struct Step {
    std::string EntryFields::*field;
    const char* value;
    const char* notice;
  };
  const Step steps[] = {
      {&EntryFields::NameA, " 王 ", "姓不能为空!"},     {&EntryFields::NameB, "明", "名不能为空!"},
      {&EntryFields::Xuxing, "O型", "血型不能为空!"},   {&EntryFields::SYear, "1980", "请选择出生年!"},
      {&EntryFields::SMonth, "1", "请选择出生月!"},     {&EntryFields::Sday, "5", "请选择出生日!"},
      {&EntryFields::Shour, "子 0", "请选择出生小时!"},
  };
  for (const Step& s : steps) {
    BirthRecord r;
    EXPECT_EQ(noticeOf(f, r), s.notice);
    f.*s.field = s.value;
  }
  BirthRecord r;
  EXPECT_EQ(noticeOf(f, r), "");
  EXPECT_EQ(r.Surname, "王");  // trimmed
}

TEST(BirthEntry, FailedGivenNameCheckKeepsNewSurnameAndEarlierReading) {
  BirthRecord r;
  ReadBirthEntry(person("1980", "1", "5"), r, true, true);
  EntryFields next = person("2000", "1", "1", "子 0", 1);
  next.NameA = "李";
  next.NameB = "  ";
  EXPECT_EQ(noticeOf(next, r), "名不能为空!");
  EXPECT_EQ(r.Surname, "李");
  EXPECT_EQ(r.GivenName, "小明");
  EXPECT_EQ(r.SolarDateText, "1980-1-5");
  EXPECT_EQ(r.LunarText, "己未(羊)十一月十八");
}

TEST(BirthEntry, DatesThatDoNotConvertRaiseThePlatformMessage) {
  struct Case {
    EntryFields fields;
    const char* message;
  };
  const Case cases[] = {
      {person("1980", "2", "30"), "'1980-2-30' is not a valid date"},
      {person("一九八零", "1", "5"), "'一九八零-1-5' is not a valid date"},
      {person("198O", "1", "1", "子 0", 1), "'198O' is not a valid integer value"},
      {person("2000", "正", "1", "子 0", 1), "'正' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    BirthRecord r;
    try {
      ReadBirthEntry(c.fields, r, true, true);
      ADD_FAILURE() << "accepted " << c.message;
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), c.message);
      EXPECT_EQ(r.SolarDateText, "");
    }
  }
}

TEST(BirthEntry, DatesOutsideTheCalendarOrMissingFromItAreRefused) {
  const EntryFields cases[] = {
      person("1900", "1", "30"),             // the day before the calendar starts
      person("1800", "6", "1"),              // a typed year long before it
      person("2101", "1", "1"),              // after it ends
      person("1900", "1", "1", "子 0", 1),   // lunar years run from 1901
      person("2100", "1", "1", "子 0", 1),   // ... to 2099
      person("2024", "1", "30", "子 0", 1),  // lunar 2024 month 1 has 29 days
      person("2024", "13", "1", "子 0", 1),
      person("2024", "0", "1", "子 0", 1),
      person("2024", "1", "0", "子 0", 1),
  };
  for (const EntryFields& f : cases) {
    SCOPED_TRACE(f.SYear + "-" + f.SMonth + "-" + f.Sday + " " + f.ComDate);
    BirthRecord r;
    ReadBirthEntry(person("1980", "1", "5"), r, true, true);
    EXPECT_EQ(noticeOf(f, r), "出生日期超出范围或不存在!");
    // Nothing converted is replaced by the refused date.
    EXPECT_EQ(r.SolarDateText, "1980-1-5");
    EXPECT_EQ(r.LunarText, "己未(羊)十一月十八");
    EXPECT_EQ(r.StarSign, "摩羯座");
  }
}

}  // namespace
}  // namespace hm
