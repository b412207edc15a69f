// The month grid of the perpetual calendar window, printed.
#include <algorithm>
#include <string>

#include "app/cli/cli.h"
#include "base/dates.h"
#include "base/text.h"
#include "calendar/month_grid.h"

namespace hm {

namespace {

constexpr const char* kUsage = "用法: month YYYY MM [DD]";

// One line per visible cell, "CELL DAY TEXT #RRGGBB", then "ZODIAC STARSIGN"
// of the selected day. The day defaults to today's and, like the window's
// remembered day, is drawn as the month's last day when the month is shorter.
int monthVerb(CliContext& c) {
  if (c.args.size() != 2 && c.args.size() != 3) throw CliUsageError(kUsage);
  const int year = ToInt(c.args[0]);
  const int month = ToInt(c.args[1]);
  const int day = c.args.size() == 3 ? ToInt(c.args[2]) : Today().day;
  if (year < MonthView::kFirstYear || year > MonthView::kLastYear)
    throw CliUsageError("年份须在 1901 到 2050 之间: " + c.args[0]);
  if (month < 1 || month > 12) throw CliUsageError("月份须在 1 到 12 之间: " + c.args[1]);
  if (day < 1 || day > 31) throw CliUsageError("日须在 1 到 31 之间: " + std::to_string(day));

  const MonthPage page = DrawMonthPage(Date{year, month, std::min(day, DaysInMonth(year, month))});
  for (int k = 1; k <= kMonthCells; ++k) {
    const MonthCell& cell = page.cells[k - 1];
    if (!cell.visible) continue;
    c.out << k << ' ' << cell.day << ' ' << cell.text << ' ' << ColourText(cell.colour) << "\n";
  }
  c.out << page.zodiac << ' ' << page.starSign << "\n";
  return 0;
}

}  // namespace

void RegisterMonthCli(CliVerbTable& table) {
  table["month"] = {monthVerb, "month YYYY MM [DD]       万年历月页：格 日 文字 #颜色，末行生肖 星座"};
}

}  // namespace hm
