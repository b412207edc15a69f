#include "calendar/window_calendar.h"

#include <cstdlib>

#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

namespace hm {

const std::uint32_t WindowLunarTable[150] = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500,  // 1901
    0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00,  // 1906
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500,  // 1911
    0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00,  // 1916
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404,  // 1921
    0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06,  // 1926
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00,  // 1931
    0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,  // 1936
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600,  // 1941
    0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00,  // 1946
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03,  // 1951
    0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06,  // 1956
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00,  // 1961
    0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500,  // 1966
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700,  // 1971
    0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,  // 1976
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500,  // 1981
    0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A4DD00, 0x85A4BD05,  // 1986
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508,  // 1991
    0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00,  // 1996
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00,  // 2001
    0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600,  // 2006
    0x1B6D2A00, 0x885AAA04, 0x14AD5500, 0x81AAD509, 0x0B52EA00,  // 2011
    0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,  // 2016
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06,  // 2021
    0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900,  // 2026
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700,  // 2031
    0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900,  // 2036
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00,  // 2041
    0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803,  // 2046
};

namespace {

const char* const kMonthNames[13] = {"", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
const char* const kDayNames[31] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                   "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                   "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                   "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
const char* const kZodiacNames[12] = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                      "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};
constexpr int kZodiacRatYear = 1972;  // a 子鼠 year

bool inWindowRange(int year) {
  return year >= kWindowFirstYear && year <= kWindowLastYear;
}

// Lunar day and month name of the festivals, by day and month name.
struct LunarFestival {
  int day;
  const char* monthName;
  const char* name;
};
const LunarFestival kLunarFestivals[] = {
    {1, "正月", "春节"},    {15, "正月", "元宵节"}, {5, "五月", "端午节"}, {7, "七月", "七夕节"},
    {15, "八月", "中秋节"}, {9, "九月", "重阳节"},  {8, "腊月", "腊八节"},
};

// A fixed day (weekday < 0), or the n-th given weekday (0 = Sunday) of the month.
struct SolarFestival {
  int month;
  int day;
  int weekday;
  int nth;
  const char* name;
};
const SolarFestival kSolarFestivals[] = {
    {1, 1, -1, 0, "元旦节"},  {2, 14, -1, 0, "情人节"},  {3, 8, -1, 0, "妇女节"},   {4, 1, -1, 0, "愚人节"},
    {5, 1, -1, 0, "劳动节"},  {5, 4, -1, 0, "青年节"},   {5, 0, 0, 2, "母亲节"},    {6, 1, -1, 0, "儿童节"},
    {6, 0, 0, 3, "父亲节"},   {7, 1, -1, 0, "建党节"},   {8, 1, -1, 0, "建军节"},   {9, 10, -1, 0, "教师节"},
    {10, 1, -1, 0, "国庆节"}, {10, 6, -1, 0, "老人节"},  {10, 31, -1, 0, "万圣节"}, {11, 8, -1, 0, "记者日"},
    {11, 0, 4, 4, "感恩节"},  {12, 25, -1, 0, "圣诞节"},
};

// Last day of the earlier sign in each month, and the two signs.
struct StarSignSplit {
  int lastDay;
  const char* before;
  const char* from;
};
const StarSignSplit kStarSigns[12] = {
    {19, "摩羯座", "水瓶座"}, {18, "水瓶座", "双鱼座"}, {20, "双鱼座", "白羊座"}, {19, "白羊座", "金牛座"},
    {20, "金牛座", "双子座"}, {21, "双子座", "巨蟹座"}, {22, "巨蟹座", "狮子座"}, {22, "狮子座", "处女座"},
    {22, "处女座", "天秤座"}, {23, "天秤座", "天蝎座"}, {21, "天蝎座", "射手座"}, {21, "射手座", "摩羯座"},
};

}  // namespace

int WindowLunarCode(const Date& date) {
  if (!inWindowRange(date.year)) return 0;
  const std::uint32_t entry = WindowLunarTable[date.year - kWindowFirstYear];
  const int b0 = static_cast<int>(entry >> 24);
  const unsigned lengths = (entry >> 8) & 0xFFFF;
  const int leapAfter = static_cast<int>(entry & 0xFF);
  const int firstMonth = (b0 & 0x80) != 0 ? 12 : 11;
  const int firstDay = b0 & 0x7F;
  auto length = [lengths](int k) { return (lengths & (0x8000u >> k)) != 0 ? 30 : 29; };

  const int t = DayNumber(date) - DayNumber(Date{date.year, 1, 1});  // 0 for 1 January
  int remaining = length(0) - firstDay;                              // days of the first month after 1 January
  int month = firstMonth;                                            // negative: a leap month
  if (t <= remaining) {
    // A leap month that began in December runs on into January; only the
    // year before can tell, since the entry starts with the month in progress.
    if (date.year > kWindowFirstYear && WindowLunarCode(Date{date.year - 1, 12, 31}) < 0) month = -month;
    const int code = std::abs(month) * 100 + firstDay + t;
    return month < 0 ? -code : code;
  }
  for (int k = 1; k <= 15; ++k) {
    // The month after the one numbered B3 is its leap month; after that the
    // numbering goes on from the same number, 12 wrapping to 1.
    month = (month == leapAfter) ? -leapAfter : std::abs(month) % 12 + 1;
    if (t <= remaining + length(k)) {
      const int code = std::abs(month) * 100 + (t - remaining);
      return month < 0 ? -code : code;
    }
    remaining += length(k);
  }
  return 0;  // sixteen months always cover a year
}

std::string WindowMonthName(const Date& date) {
  const int code = WindowLunarCode(date);
  if (code == 0) return "";
  const int month = std::abs(code) / 100;
  if (month < 1 || month > 12) return "";
  return code < 0 ? std::string("闰") + kMonthNames[month] : std::string(kMonthNames[month]) + "月";
}

std::string WindowDayName(const Date& date) {
  const int day = std::abs(WindowLunarCode(date)) % 100;
  return day >= 1 && day <= 30 ? kDayNames[day] : "";
}

std::string WindowLunarFestival(const Date& date) {
  const int code = WindowLunarCode(date);
  const int day = std::abs(code) % 100;
  const std::string monthName = WindowMonthName(date);
  for (const LunarFestival& f : kLunarFestivals)
    if (day == f.day && monthName == f.monthName) return f.name;
  // 除夕 is the last day before 正月 begins, whatever the length of 腊月. Past
  // the end of the table the next day has no month name, so 31 December 2050
  // is no 除夕.
  if (monthName != "正月" && WindowMonthName(AddDays(date, 1)) == "正月") return "除夕";
  return "";
}

std::string SolarFestivalOf(int year, int month, int day) {
  for (const SolarFestival& f : kSolarFestivals) {
    if (f.month != month) continue;
    if (f.weekday < 0) {
      if (f.day == day) return f.name;
    } else if (day >= 1 && (day - 1) / 7 == f.nth - 1 && DayOfWeek(Date{year, month, day}) == f.weekday) {
      return f.name;
    }
  }
  return "";
}

std::string WindowTermName(const Date& date) {
  if (!inWindowRange(date.year) || date.month < 1 || date.month > 12) return "";
  const int b = WindowTermTable[(date.year - kWindowFirstYear) * 12 + date.month - 1];
  if (date.day < 15) return date.day == 15 - (b >> 4) ? SolarTermNames[2 * date.month - 2] : "";
  return date.day == 15 + (b & 0xF) ? SolarTermNames[2 * date.month - 1] : "";
}

std::string WindowZodiacName(const Date& date) {
  const int index = WrapIndex(date.year - kZodiacRatYear, 12);
  if (date.month >= 1 && date.month <= 3) {
    // Until 正月 the lunar year is still the previous one.
    const std::string monthName = WindowMonthName(date);
    if (monthName.find("冬") != std::string::npos || monthName.find("腊") != std::string::npos)
      return kZodiacNames[WrapIndex(index - 1, 12)];
  }
  return kZodiacNames[index];
}

std::string WindowStarSign(const Date& date) {
  if (date.month < 1 || date.month > 12) return "";
  const StarSignSplit& split = kStarSigns[date.month - 1];
  return date.day <= split.lastDay ? split.before : split.from;
}

}  // namespace hm
