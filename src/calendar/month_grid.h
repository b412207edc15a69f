// The month page of the perpetual-calendar window without its widgets: the
// 37 day cells with their lunar line and its colour, the zodiac year and star
// sign of the selected day, and the window's memory of the selected day while
// the user pages through months. The window and the CLI's `month` verb both
// draw from here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/dates.h"

namespace hm {

inline constexpr int kMonthCells = 37;   // five full weeks and two days
inline constexpr int kMonthColumns = 7;  // Sunday first

// Colours of the lunar line, 0xRRGGBB.
inline constexpr std::uint32_t kPlainTextColour = 0x000000;
inline constexpr std::uint32_t kLunarDayColour = 0x004000;    // 初二 .. 三十
inline constexpr std::uint32_t kLunarMonthColour = 0xFF0000;  // 正月, 闰四 on a first lunar day
inline constexpr std::uint32_t kFestivalColour = 0xFF8000;    // solar and lunar festivals
inline constexpr std::uint32_t kTermColour = 0x5353FF;        // solar terms

// "#RRGGBB"
std::string ColourText(std::uint32_t rgb);

struct MonthCell {
  int day = 0;  // 0 while the cell is hidden
  std::string text;
  std::uint32_t colour = kPlainTextColour;
  bool visible = false;
};

// One drawing of the grid.
struct MonthPage {
  int year = 0;
  int month = 0;
  int day = 0;                               // the day drawn as selected (already within the month)
  std::array<MonthCell, kMonthCells> cells;  // cells[k - 1] is cell k
  int markedCell = 0;                        // 1-based cell of `day`
  std::string zodiac;                        // 子鼠 .. 亥猪
  std::string starSign;                      // of `day`
};

// The cell (1..37) that shows `day` of the month: the first of the month
// sits in the column of its weekday.
int CellOfDay(int year, int month, int day);

// Draws the month of `date`. The lunar line of a day starts as its lunar day
// name; a first lunar day shows the month name instead; a solar festival
// overrides that, a solar term overrides the festival and a lunar festival
// overrides everything.
MonthPage DrawMonthPage(const Date& date);

// The window's state: the selected date, the shown year and month and the
// remembered selected day, and the page last drawn. The remembered day
// survives month changes, so 31 January shown as 29 February comes back as
// 31 March.
class MonthView {
 public:
  static constexpr int kFirstYear = 1901;
  static constexpr int kLastYear = 2050;

  explicit MonthView(const Date& selected);

  // Decodes the selected date into year, month and day and draws it.
  void Show();
  // The year and month controls: draw that month with the remembered day,
  // or the month's last day when it is shorter.
  void SetYear(int year);
  void SetMonth(int month);
  // A click on a cell's day or lunar text selects its day without drawing
  // again: the marked cell and star sign stay as drawn. Hidden cells do
  // nothing.
  void SelectCell(int cell);
  // "今天": select today and show it.
  void GoToday(const Date& today);

  const MonthPage& Page() const { return page_; }
  const Date& SelectedDate() const { return selected_; }
  int ShownYear() const { return year_; }
  int ShownMonth() const { return month_; }
  int SelectedDay() const { return day_; }

 private:
  void draw();

  Date selected_;
  int year_ = kFirstYear;
  int month_ = 1;
  int day_ = 1;
  MonthPage page_;
};

}  // namespace hm
