// The date texts of the perpetual-calendar window: its own compact lunar
// calendar of 1901-2050, the month and day names a wall calendar shows
// (正月, 冬月, 腊月), lunar and solar festivals, the solar-term days from a
// table, the zodiac year name and a star sign per day. The readings use the
// lunar calendar and star sign of lunar.h and sexagenary.h instead; the two
// lunar calendars differ on four 30-day runs and each keeps its own result.
#pragma once

#include <cstdint>
#include <string>

#include "base/dates.h"

namespace hm {

inline constexpr int kWindowFirstYear = 1901;
inline constexpr int kWindowLastYear = 2050;

// One entry per solar year 1901..2050, bytes B0 B1 B2 B3 from the high end:
// B0 bit 7 set = the lunar month running on 1 January is 12 (else 11), B0
// bits 6..0 = its lunar day on 1 January; B1 B2 = 16 month-length bits, bit
// 15 - k for the k-th month from that one (1 = 30 days, 0 = 29); B3 = the
// month after which a leap month follows (0 = none).
extern const std::uint32_t WindowLunarTable[150];

// One byte per solar month of 1901..2050, January 1901 first: high four bits
// 15 - the day of the month's first term, low four bits the day of its
// second term - 15.
extern const std::uint8_t WindowTermTable[1800];

// month * 100 + day, negative inside a leap month, 0 outside 1901..2050.
int WindowLunarCode(const Date& date);
// "正月" .. "腊月" for an ordinary month, "闰" + name without "月" for a leap
// month ("闰四"); "" outside 1901..2050.
std::string WindowMonthName(const Date& date);
// "初一" .. "三十"; "" outside 1901..2050.
std::string WindowDayName(const Date& date);
// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节, or 除夕 on the day before
// 正月 begins; "" otherwise. Leap months have no festivals.
std::string WindowLunarFestival(const Date& date);
// Fixed-date and n-th-weekday festivals (母亲节, 父亲节, 感恩节); "" otherwise.
std::string SolarFestivalOf(int year, int month, int day);
// The term of that day from the term table, or ""; "" outside 1901..2050.
std::string WindowTermName(const Date& date);
// "子鼠" .. "亥猪" of the lunar year: the previous solar year's name while
// January to March are still in 冬月 or 腊月.
std::string WindowZodiacName(const Date& date);
// The window's star-sign ranges (金牛座 from 20 April, 天蝎座 from 24 October).
std::string WindowStarSign(const Date& date);

}  // namespace hm
