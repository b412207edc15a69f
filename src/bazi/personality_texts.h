// The text tables inside the program that the Four Pillars readings print:
// birthday sketches, zodiac-animal sketches and blood-type paragraphs.
#pragma once

#include <string_view>

namespace hm::texts {

// Day-of-month sketches: element d is the sketch for day d of any month
// (1..31); element 0 is empty. ASCII punctuation ("," and ".").
extern const std::string_view kDayOfMonth[32];

// Calendar-day sketches of a leap year, Chinese punctuation.
// kCalendarDayFirstHalf[m - 1][d - 1] for months 1..6,
// kCalendarDaySecondHalf[m - 7][d - 1] for months 7..12; days a month does
// not have, and 31 January, are empty.
extern const std::string_view kCalendarDayFirstHalf[6][31];
extern const std::string_view kCalendarDaySecondHalf[6][31];

// Zodiac character sketches, in the order 鼠 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪 牛.
struct AnimalEntry {
  std::string_view animal;
  std::string_view text;
};
extern const AnimalEntry kAnimals[12];

// Blood-type paragraphs, in the order A型, B型, O型, AB型.
struct BloodTypeEntry {
  std::string_view key;
  std::string_view text;
};
extern const BloodTypeEntry kBloodTypes[4];

}  // namespace hm::texts
