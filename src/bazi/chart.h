// The Four Pillars chart of a birth moment: the pillars, the conception
// pillar, hidden stems, the luck pillars with their lines, and the lookups of
// ten gods and na-yin in the content store.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "base/pane.h"
#include "calendar/sexagenary.h"

namespace hm {

// Shows a message that does not stop the command (the plain message dialog).
using MessageSink = std::function<void(const std::string&)>;

// The chart of the last computation; the main window keeps one.
struct PillarChart {
  Pillar YearPillar;
  Pillar MonthPillar;
  Pillar DayPillar;
  Pillar HourPillar;
  Pillar ConceptionPillar;  // 胎元
  // Hidden stems of the year, month, day and hour branch (1 to 3 stems each).
  std::array<std::string, 4> HiddenStems;
  int ReverseLuck = 0;  // 1: the luck pillars run backward
  int LuckStartAge = 0;
  std::string LuckStartAgeText;
  // Index 0 is the month pillar itself, k the month pillar k places on.
  std::array<Pillar, 10> LuckPillars;
  std::string LuckLine;        // 丙子   乙亥   ...
  std::string LuckNaYinLine;   // 纳音：...
  std::string LuckTenGodLine;  // 十神：...
  std::string BirthdayText;
};

// The stems hidden in each branch, main stem first.
extern const char* const HiddenStemsTable[12];

// Fills the chart for the solar date year-month-day and hour 0..23; "男" as
// sex means male, anything else female. A day the month cannot have shows
// "请检查输入数据是否出错！" through showMessage and leaves the chart as it
// was (returns false).
bool ComputeChart(PillarChart& chart, int year, int month, int day, int hour, std::string_view sex,
                  const MessageSink& showMessage);

// Ten god of a stem pair (day stem first, e.g. 戊丙) and na-yin of a pillar
// text (e.g. 甲子). No row gives empty text. A store failure (missing file,
// table or column) is swallowed and leaves `value` as it was.
void TenGodOf(const std::string& key, std::string& value);
void NaYinOf(const std::string& key, std::string& value);
// The same into a fresh text: empty when the lookup fails.
std::string TenGodOf(const std::string& key);
std::string NaYinOf(const std::string& key);

// Index of a stem name (甲 0 .. 癸 9) or, with isBranch, of a branch name
// (子 0 .. 亥 11); any other text gives 0.
int StemBranchIndex(std::string_view text, bool isBranch);

// "<-----------------------批八字内容分隔线----------------------------->"
extern const char* const kChartSeparator;

// Computes the chart again and appends the separator line and the birthday
// personality block.
void WriteChartSummary(PillarChart& chart, int year, int month, int day, int hour, std::string_view sex,
                       const MessageSink& showMessage, Pane& pane);

}  // namespace hm
