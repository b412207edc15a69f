#include "bazi/birth_summary.h"

#include "base/dates.h"
#include "base/text.h"
#include "bazi/chars.h"

namespace hm {

void WriteBirthSummary(const BirthRecord& record, Pane& pane) {
  // Only the years are compared: a birth on 31 December is a year old on
  // the next 1 January.
  const int age = Today().year - ToInt(bazi::Utf8Prefix(record.SolarDateText, 4));
  const std::string date = FormatDate(ParseDate(record.SolarDateText));
  const std::string hour = Trim(GbkSlice(record.HourText, 4, 2));

  std::string line = record.Surname + record.GivenName;
  line += ",你今年:" + std::to_string(age) + "岁,";
  line += "您出生于公历 " + date.substr(0, 4) + "年" + date.substr(5, 2) + "月" + date.substr(8, 2) + "日";
  line += hour + "点  ";
  line += "农历 " + record.LunarText;
  line += " 生肖:" + record.Animal;
  line += " 星座:" + record.StarSign;

  pane.Clear();
  pane.Add(line);
  pane.Add("");
}

void ScrollToTop(Pane& pane) {
  pane.ScrollToTop();
}

std::string AgeText(int year, int lunarYear) {
  const int n = year - lunarYear;
  return (n > 9 ? "" : "0") + std::to_string(n) + "岁";
}

std::string AgeText(int year, const BirthRecord& record) {
  return AgeText(year, ToInt(record.LunarYearNumber));
}

}  // namespace hm
