#include "calendar/month_grid.h"

#include <algorithm>
#include <cstdio>

#include "calendar/window_calendar.h"

namespace hm {

std::string ColourText(std::uint32_t rgb) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  return buf;
}

int CellOfDay(int year, int month, int day) {
  return DayOfWeek(Date{year, month, 1}) + day;
}

MonthPage DrawMonthPage(const Date& date) {
  MonthPage page;
  page.year = date.year;
  page.month = date.month;
  page.day = date.day;
  page.zodiac = WindowZodiacName(date);

  const int days = DaysInMonth(date.year, date.month);
  for (int t = 1; t <= days; ++t) {
    const Date s{date.year, date.month, t};
    MonthCell& cell = page.cells[CellOfDay(date.year, date.month, t) - 1];
    cell.day = t;
    cell.text = WindowDayName(s);
    cell.colour = kLunarDayColour;
    if (cell.text == "初一") {
      cell.text = WindowMonthName(s);
      cell.colour = kLunarMonthColour;
    }
    if (std::string festival = SolarFestivalOf(date.year, date.month, t); !festival.empty()) {
      cell.text = festival;
      cell.colour = kFestivalColour;
    }
    if (std::string term = WindowTermName(s); !term.empty()) {
      cell.text = term;
      cell.colour = kTermColour;
    }
    if (std::string festival = WindowLunarFestival(s); !festival.empty()) {
      cell.text = festival;
      cell.colour = kFestivalColour;
    }
    if (t == date.day) {
      page.markedCell = CellOfDay(date.year, date.month, t);
      page.starSign = WindowStarSign(s);
    }
    cell.visible = true;
  }
  return page;
}

MonthView::MonthView(const Date& selected) : selected_(selected) {
  Show();
}

void MonthView::Show() {
  // The year control only reaches the years of the window calendar; a clock
  // outside them shows the nearest year the controls can show.
  year_ = std::clamp(selected_.year, kFirstYear, kLastYear);
  month_ = std::clamp(selected_.month, 1, 12);
  day_ = std::clamp(selected_.day, 1, 31);
  draw();
}

void MonthView::SetYear(int year) {
  year_ = std::clamp(year, kFirstYear, kLastYear);
  draw();
}

void MonthView::SetMonth(int month) {
  month_ = std::clamp(month, 1, 12);
  draw();
}

void MonthView::SelectCell(int cell) {
  if (cell < 1 || cell > kMonthCells) return;
  const MonthCell& c = page_.cells[cell - 1];
  if (!c.visible) return;
  day_ = c.day;
  selected_ = Date{year_, month_, c.day};
}

void MonthView::GoToday(const Date& today) {
  selected_ = today;
  Show();
}

void MonthView::draw() {
  page_ = DrawMonthPage(Date{year_, month_, std::min(day_, DaysInMonth(year_, month_))});
}

}  // namespace hm
