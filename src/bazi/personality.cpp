#include "bazi/personality.h"

#include "bazi/personality_texts.h"

namespace hm {

namespace {

constexpr const char* kNoText = "请听下回分解!";

// Slot 100 * month + day of the calendar-day table; empty outside it.
std::string_view calendarDaySlot(int month, int day) {
  if (day < 1 || day > 31) return {};
  if (month >= 1 && month <= 6) return texts::kCalendarDayFirstHalf[month - 1][day - 1];
  if (month >= 7 && month <= 12) return texts::kCalendarDaySecondHalf[month - 7][day - 1];
  return {};
}

std::string asciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace

std::string BirthdayPersonality(int month, int day) {
  std::string out;
  if (day >= 1 && day <= 31) out = texts::kDayOfMonth[day];
  out += calendarDaySlot(month, day);
  return out;
}

std::string AnimalText(std::string_view animal) {
  for (const auto& e : texts::kAnimals)
    if (e.animal == animal) return std::string(e.text);
  return kNoText;
}

std::string BloodTypeText(std::string_view bloodType) {
  // Each type answers to its key as listed (A型) and in lower case (a型).
  for (const auto& e : texts::kBloodTypes)
    if (e.key == bloodType || asciiLower(e.key) == bloodType) return std::string(e.text);
  return kNoText;
}

}  // namespace hm
