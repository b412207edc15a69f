// The month page of the perpetual calendar: cell placement, the lunar line
// with its colour and priority, and the selected day remembered across months.
#include "calendar/month_grid.h"

#include <gtest/gtest.h>

namespace hm {
namespace {

struct CellCase {
  Date date;
  int cell;
  const char* text;
  std::uint32_t colour;
};

TEST(MonthGrid, CellsCarryTheLunarLineByPriority) {
  const CellCase cases[] = {
      // 1 January 2000 is a Saturday: the month runs from cell 7 to cell 37.
      {{2000, 1, 1}, 7, "元旦节", kFestivalColour},  // the solar festival covers 廿五
      {{2000, 1, 2}, 8, "廿六", kLunarDayColour},
      {{2000, 1, 6}, 12, "小寒", kTermColour},
      {{2000, 1, 7}, 13, "腊月", kLunarMonthColour},  // a first lunar day shows its month
      {{2000, 1, 14}, 20, "腊八节", kFestivalColour},
      {{2000, 1, 31}, 37, "廿五", kLunarDayColour},
      {{2000, 2, 4}, 6, "除夕", kFestivalColour},  // also 立春: the lunar festival wins
      {{2000, 2, 5}, 7, "春节", kFestivalColour},
      {{2003, 5, 1}, 5, "劳动节", kFestivalColour},  // a solar festival covers 四月
      {{1901, 11, 8}, 13, "立冬", kTermColour},      // a term covers 记者日
      {{2000, 3, 8}, 11, "妇女节", kFestivalColour},
      {{2024, 3, 8}, 13, "妇女节", kFestivalColour},
      {{2020, 5, 23}, 28, "闰四", kLunarMonthColour},
      {{2050, 12, 31}, 35, "十八", kLunarDayColour},  // the table's last day, no 除夕
  };
  for (const CellCase& c : cases) {
    const MonthPage page = DrawMonthPage(c.date);
    SCOPED_TRACE(FormatDate(c.date));
    ASSERT_EQ(CellOfDay(c.date.year, c.date.month, c.date.day), c.cell);
    const MonthCell& cell = page.cells[c.cell - 1];
    EXPECT_TRUE(cell.visible);
    EXPECT_EQ(cell.day, c.date.day);
    EXPECT_EQ(cell.text, c.text);
    EXPECT_EQ(ColourText(cell.colour), ColourText(c.colour));
  }
}

TEST(MonthGrid, OnlyTheDaysOfTheMonthAreVisible) {
  const MonthPage jan = DrawMonthPage({2000, 1, 1});
  for (int k = 1; k <= 6; ++k) EXPECT_FALSE(jan.cells[k - 1].visible) << k;
  for (int k = 7; k <= 37; ++k) EXPECT_TRUE(jan.cells[k - 1].visible) << k;

  const MonthPage feb = DrawMonthPage({2001, 2, 1});  // a Thursday, 28 days
  for (int k = 1; k <= kMonthCells; ++k) EXPECT_EQ(feb.cells[k - 1].visible, k >= 5 && k <= 32) << k;
}

TEST(MonthGrid, SelectedDayGivesMarkZodiacAndStarSign) {
  const MonthPage newYear = DrawMonthPage({2000, 1, 1});
  EXPECT_EQ(newYear.markedCell, 7);
  EXPECT_EQ(newYear.zodiac, "卯兔");  // still the lunar year 1999
  EXPECT_EQ(newYear.starSign, "摩羯座");

  const MonthPage spring = DrawMonthPage({2000, 2, 5});
  EXPECT_EQ(spring.markedCell, 7);
  EXPECT_EQ(spring.zodiac, "辰龙");
  EXPECT_EQ(spring.starSign, "水瓶座");
}

TEST(MonthView, RemembersTheSelectedDayAcrossShorterMonths) {
  MonthView view(Date{2000, 1, 31});
  view.SetMonth(2);
  EXPECT_EQ(view.Page().day, 29);
  EXPECT_EQ(view.Page().markedCell, CellOfDay(2000, 2, 29));
  view.SetYear(2001);
  EXPECT_EQ(view.Page().day, 28);
  view.SetMonth(3);
  EXPECT_EQ(view.Page().day, 31);
  EXPECT_EQ(view.Page().starSign, "白羊座");
  EXPECT_EQ(view.SelectedDay(), 31);
  EXPECT_EQ(view.SelectedDate(), (Date{2000, 1, 31}));  // only a click or 今天 changes it
}

TEST(MonthView, SelectingACellWaitsForTheNextDrawing) {
  MonthView view(Date{2000, 1, 1});
  view.SelectCell(14);  // 8 January
  EXPECT_EQ(view.SelectedDate(), (Date{2000, 1, 8}));
  EXPECT_EQ(view.Page().markedCell, 7);
  EXPECT_EQ(view.Page().day, 1);

  view.SelectCell(3);  // an empty cell before the 1st
  EXPECT_EQ(view.SelectedDay(), 8);

  view.SelectCell(27);  // 21 January
  view.SetMonth(2);
  EXPECT_EQ(view.Page().day, 21);
  EXPECT_EQ(view.Page().starSign, "双鱼座");
}

TEST(MonthView, YearAndMonthStayWithinTheCalendar) {
  MonthView view(Date{2050, 12, 31});
  view.SetYear(2051);
  EXPECT_EQ(view.ShownYear(), 2050);
  view.SetMonth(13);
  EXPECT_EQ(view.ShownMonth(), 12);
  view.SetYear(1900);
  view.SetMonth(0);
  EXPECT_EQ(view.ShownYear(), 1901);
  EXPECT_EQ(view.ShownMonth(), 1);

  // A clock past the table shows the last year the controls reach.
  view.GoToday(Date{2060, 6, 15});
  EXPECT_EQ(view.ShownYear(), 2050);
  EXPECT_EQ(view.ShownMonth(), 6);
  EXPECT_EQ(view.Page().day, 15);
}

}  // namespace
}  // namespace hm
