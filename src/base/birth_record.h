// The main window's record of the person, as every person-based reading
// reads it. All fields are texts; a command overwrites the fields it sets.
#pragma once

#include <string>

namespace hm {

struct BirthRecord {
  std::string Surname;
  std::string GivenName;
  std::string BloodType;
  std::string YearText;   // solar birth year (after a lunar entry: converted)
  std::string MonthText;  // solar birth month
  std::string DayText;    // solar birth day
  std::string HourText;   // the hour item, e.g. "子 0"
  std::string SolarDateText;
  std::string LunarText;
  std::string Animal;
  std::string StarSign;
  std::string MonthDayKey;
  std::string LunarYearNumber;
  std::string LunarMonthNumber;
  std::string LunarDayNumber;
  std::string HourNumber;
  std::string HourBranchChar;
};

}  // namespace hm
