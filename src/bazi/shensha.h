// The spirit stars (神煞) of a chart, found by the rule files of the folder
// shensha/ in the content store. Every lookup reads its file afresh, so an
// edited file counts from the next call; a file that cannot be read throws
// StoreError.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "bazi/chart.h"

namespace hm {

// One rule of a line: the key lists the symbols it is keyed by, the value
// those it points at (at most ten GBK bytes), both run together.
struct ShenshaRuleItem {
  std::string Key;
  std::string Value;
};

// One line of a rule file: the star's name (the first five characters,
// trimmed) and at most 21 comma-separated items; empty items are left out.
struct ShenshaRuleLine {
  std::string Name;
  std::vector<ShenshaRuleItem> Items;
};

ShenshaRuleLine ParseShenshaRuleLine(std::string_view line);

// Each returns the names of the matching stars separated by single blanks,
// in file order (a name once per matching item); empty when none matches.
std::string NianganStars(std::string_view yearStem, std::string_view target);
std::string NianzhiStars(std::string_view yearBranch, std::string_view target, int reverseLuck);
std::string YuezhiStars(std::string_view monthBranch, std::string_view targetStem, std::string_view targetBranch);
std::string RiganStars(std::string_view dayStem, std::string_view target);
std::string RizhiStars(std::string_view dayBranch, std::string_view target);
std::string RizhuStars(std::string_view pillar, std::string_view dayPillar);
std::string RizhusStars(std::string_view dayPillar, std::string_view hourPillar);

enum class ChartPillar { Year, Month, Day, Hour };

// The stars of one pillar of the chart: the seven lookups joined by single
// blanks (the hour pillar leaves out the day-and-hour rules).
std::string PillarStars(const PillarChart& chart, ChartPillar which);

}  // namespace hm
