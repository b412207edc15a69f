// Lookups in the personality text tables kept inside the program: the
// birthday sketch, the zodiac-animal sketch and the blood-type paragraph.
#pragma once

#include <string>
#include <string_view>

namespace hm {

// The sketch of the day of the month followed directly by the sketch of the
// calendar day (month 1..12, day 1..31); the year plays no part.
std::string BirthdayPersonality(int month, int day);
// The sketch of a zodiac animal (鼠, 牛, ...); any other text gives
// "请听下回分解!".
std::string AnimalText(std::string_view animal);
// The paragraph of a blood type, upper case (A型) or lower case (a型); any
// other text gives "请听下回分解!".
std::string BloodTypeText(std::string_view bloodType);

}  // namespace hm
