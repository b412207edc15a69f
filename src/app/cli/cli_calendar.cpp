// Verbs of the calendar engine: lunar and solar conversion, the four pillars,
// the solar term and star sign of a day, and the window calendar's texts.
#include <string>

#include "app/cli/cli.h"
#include "base/dates.h"
#include "base/text.h"
#include "calendar/lunar.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"
#include "calendar/window_calendar.h"

namespace hm {

namespace {

void expectArgs(const CliContext& c, std::size_t count, const char* usage) {
  if (c.args.size() != count) throw CliUsageError(std::string("用法: ") + usage);
}

int lunarVerb(CliContext& c) {
  expectArgs(c, 1, "lunar YYYY-MM-DD");
  const LunarDate l = SolarToLunar(ParseDate(c.args[0]));
  c.out << l.Year << ' ' << l.Month << ' ' << l.Day << ' ' << (l.IsLeap ? 1 : 0) << "\n";
  return 0;
}

int solarVerb(CliContext& c) {
  bool leap = false;
  std::vector<std::string> numbers;
  for (const std::string& a : c.args) {
    if (a == "--leap")
      leap = true;
    else
      numbers.push_back(a);
  }
  if (numbers.size() != 3) throw CliUsageError("用法: solar Y M D [--leap]");
  const LunarDate l{ToInt(numbers[0]), ToInt(numbers[1]), ToInt(numbers[2]), leap};
  c.out << FormatDate(LunarToSolar(l)) << "\n";
  return 0;
}

int pillarsVerb(CliContext& c) {
  expectArgs(c, 2, "pillars YYYY-MM-DD HOUR");
  const Date d = ParseDate(c.args[0]);
  const int hour = ToInt(c.args[1]);
  if (hour < 0 || hour > 23) throw CliUsageError("小时须在 0 到 23 之间: " + c.args[1]);
  const Pillar day = DayPillarOf(d);
  c.out << YearPillarOf(d).Text() << ' ' << MonthPillarOf(d).Text() << ' ' << day.Text() << ' '
        << HourPillarOf(day, hour).Text() << "\n";
  return 0;
}

int termVerb(CliContext& c) {
  expectArgs(c, 1, "term YYYY-MM-DD");
  c.out << SolarTermOfDate(ParseDate(c.args[0])) << "\n";
  return 0;
}

int starVerb(CliContext& c) {
  expectArgs(c, 1, "star YYYY-MM-DD");
  c.out << StarSignOfDate(ParseDate(c.args[0])) << "\n";
  return 0;
}

int wcalVerb(CliContext& c) {
  expectArgs(c, 1, "wcal YYYY-MM-DD");
  const Date d = ParseDate(c.args[0]);
  c.out << WindowLunarCode(d) << '|' << WindowMonthName(d) << '|' << WindowDayName(d) << '|' << WindowLunarFestival(d)
        << '|' << SolarFestivalOf(d.year, d.month, d.day) << '|' << WindowTermName(d) << '|' << WindowZodiacName(d)
        << '|' << WindowStarSign(d) << "\n";
  return 0;
}

}  // namespace

void RegisterCalendarCli(CliVerbTable& table) {
  table["lunar"] = {lunarVerb, "lunar YYYY-MM-DD         农历年 月 日 闰(1/0)；范围外为 0 0 0 0"};
  table["solar"] = {solarVerb, "solar Y M D [--leap]     农历转公历 YYYY-MM-DD；无效为 0001-01-01"};
  table["pillars"] = {pillarsVerb, "pillars YYYY-MM-DD HOUR  年柱 月柱 日柱 时柱"};
  table["term"] = {termVerb, "term YYYY-MM-DD          当日节气（公式），无则空行"};
  table["star"] = {starVerb, "star YYYY-MM-DD          星座"};
  table["wcal"] = {wcalVerb, "wcal YYYY-MM-DD          万年历：代码|月名|日名|农历节日|公历节日|节气|生肖|星座"};
}

}  // namespace hm
