#include "bazi/shensha.h"

#include <functional>

#include "base/content.h"
#include "base/text.h"
#include "bazi/chars.h"

namespace hm {

namespace {

using bazi::Contains;

constexpr std::size_t kNameChars = 5;
constexpr std::size_t kMaxItems = 21;
constexpr std::size_t kValueBytes = 10;

std::size_t charLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// The longest prefix of at most maxBytes bytes in GBK: the rule files come
// from GBK, where a character above ASCII takes two bytes. A character that
// would be cut in half is left out.
std::string_view gbkPrefix(std::string_view s, std::size_t maxBytes) {
  std::size_t i = 0;
  std::size_t bytes = 0;
  while (i < s.size()) {
    const std::size_t n = charLength(static_cast<unsigned char>(s[i]));
    const std::size_t w = n == 1 ? 1 : 2;
    if (bytes + w > maxBytes) break;
    bytes += w;
    i += n;
  }
  return s.substr(0, std::min(i, s.size()));
}

std::string_view lastChar(std::string_view s) {
  std::size_t i = s.size();
  while (i > 0 && (static_cast<unsigned char>(s[i - 1]) & 0xC0) == 0x80) --i;
  if (i > 0) --i;
  return s.substr(i);
}

std::string removeAll(std::string_view text, std::string_view pattern) {
  if (pattern.empty()) return std::string(text);
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(pattern, pos)) != std::string_view::npos; pos = hit + pattern.size())
    out.append(text.substr(pos, hit - pos));
  out.append(text.substr(pos));
  return out;
}

// Walks the first `maxLines` lines of a rule file (all when negative),
// skipping those `use` refuses, and appends " name" for every item that
// passes. Returns false when the file has no lines at all.
bool collect(const char* file, int maxLines, const std::function<bool(int)>& use,
             const std::function<bool(int, const ShenshaRuleItem&)>& passes, std::string& out) {
  const std::vector<std::string> lines = ReadRuleFile(file);
  const int n = maxLines < 0 ? static_cast<int>(lines.size()) : std::min(maxLines, static_cast<int>(lines.size()));
  for (int i = 0; i < n; ++i) {
    if (use && !use(i)) continue;
    const ShenshaRuleLine rule = ParseShenshaRuleLine(lines[static_cast<std::size_t>(i)]);
    for (const auto& item : rule.Items)
      if (passes(i, item)) out += " " + rule.Name;
  }
  return !lines.empty();
}

// 披麻, 吊客 and 丧门 follow the base branch by ten, two and three places.
void appendMourningStars(std::string_view baseBranch, std::string_view target, std::string& out) {
  const int b = StemBranchIndex(baseBranch, true);
  if (target == BranchName(b + 10)) out += " 披麻";
  if (target == BranchName(b + 2)) out += " 吊客";
  if (target == BranchName(b + 3)) out += " 丧门";
}

}  // namespace

ShenshaRuleLine ParseShenshaRuleLine(std::string_view line) {
  ShenshaRuleLine r;
  const std::string field = bazi::Utf8Prefix(line, kNameChars);
  r.Name = Trim(field);
  std::string rest = Trim(removeAll(line, field));
  for (std::size_t count = 0; count < kMaxItems; ++count) {
    const std::size_t comma = rest.find(',');
    const std::string item = rest.substr(0, comma);
    if (!Trim(item).empty()) {
      const std::size_t colon = item.find(':');
      ShenshaRuleItem it;
      std::string_view value = item;
      if (colon != std::string::npos) {
        it.Key = item.substr(0, colon);
        value = std::string_view(item).substr(colon + 1);
      }
      it.Value = Trim(gbkPrefix(value, kValueBytes));
      r.Items.push_back(std::move(it));
    }
    if (comma == std::string::npos) break;
    rest = Trim(std::string_view(rest).substr(comma + 1));
  }
  return r;
}

std::string NianganStars(std::string_view yearStem, std::string_view target) {
  std::string out;
  collect(
      "niangan.txt", -1, nullptr,
      [&](int, const ShenshaRuleItem& it) { return Contains(it.Key, yearStem) && Contains(it.Value, target); }, out);
  return Trim(out);
}

std::string NianzhiStars(std::string_view yearBranch, std::string_view target, int reverseLuck) {
  std::string out;
  // The third line serves forward luck only, the fourth backward luck only.
  const auto use = [&](int i) { return !(i == 2 && reverseLuck != 0) && !(i == 3 && reverseLuck != 1); };
  const bool any = collect(
      "nianzhi.txt", 14, use,
      [&](int, const ShenshaRuleItem& it) { return Contains(it.Key, yearBranch) && Contains(it.Value, target); }, out);
  if (any) appendMourningStars(yearBranch, target, out);
  return Trim(out);
}

std::string YuezhiStars(std::string_view monthBranch, std::string_view targetStem, std::string_view targetBranch) {
  std::string out;
  collect(
      "yuezhi.txt", -1, nullptr,
      [&](int, const ShenshaRuleItem& it) {
        return Contains(it.Key, monthBranch) && (Contains(it.Value, targetStem) || Contains(it.Value, targetBranch));
      },
      out);
  return Trim(out);
}

std::string RiganStars(std::string_view dayStem, std::string_view target) {
  std::string out;
  collect(
      "rigan.txt", -1, nullptr,
      [&](int, const ShenshaRuleItem& it) { return Contains(it.Key, dayStem) && Contains(it.Value, target); }, out);
  return Trim(out);
}

std::string RizhiStars(std::string_view dayBranch, std::string_view target) {
  std::string out;
  const bool any = collect(
      "rizhi.txt", 7, nullptr,
      [&](int, const ShenshaRuleItem& it) { return Contains(it.Key, dayBranch) && Contains(it.Value, target); }, out);
  if (any) appendMourningStars(dayBranch, target, out);
  return Trim(out);
}

std::string RizhuStars(std::string_view pillar, std::string_view dayPillar) {
  std::string out;
  const std::string_view branch = lastChar(pillar);
  collect(
      "rizhu.txt", -1, nullptr,
      [&](int i, const ShenshaRuleItem& it) {
        // The first five lines are keyed by whole pillars, an empty value
        // standing for any day; the later ones by the branch alone.
        if (i < 5) return Contains(it.Key, pillar) && (Contains(it.Value, dayPillar) || it.Value.empty());
        return Contains(it.Key, branch) && Contains(it.Value, dayPillar);
      },
      out);
  return Trim(out);
}

std::string RizhusStars(std::string_view dayPillar, std::string_view hourPillar) {
  std::string out;
  collect(
      "rizhus.txt", -1, nullptr,
      [&](int, const ShenshaRuleItem& it) {
        // An empty key stands for any day pillar.
        return (Contains(it.Key, dayPillar) || it.Key.empty()) && Contains(it.Value, hourPillar);
      },
      out);
  return Trim(out);
}

std::string PillarStars(const PillarChart& chart, ChartPillar which) {
  const Pillar& p = which == ChartPillar::Year    ? chart.YearPillar
                    : which == ChartPillar::Month ? chart.MonthPillar
                    : which == ChartPillar::Day   ? chart.DayPillar
                                                  : chart.HourPillar;
  const std::string ps = StemName(p.Stem);
  const std::string pb = BranchName(p.Branch);
  const std::string day = chart.DayPillar.Text();
  std::string out = NianganStars(StemName(chart.YearPillar.Stem), pb);
  out += " " + NianzhiStars(BranchName(chart.YearPillar.Branch), pb, chart.ReverseLuck);
  out += " " + YuezhiStars(BranchName(chart.MonthPillar.Branch), ps, pb);
  out += " " + RiganStars(StemName(chart.DayPillar.Stem), pb);
  out += " " + RizhiStars(BranchName(chart.DayPillar.Branch), pb);
  out += " " + RizhuStars(p.Text(), day);
  // The day-and-hour rules belong to the other three pillars' lists.
  if (which != ChartPillar::Hour) out += " " + RizhusStars(day, chart.HourPillar.Text());
  return Trim(out);
}

}  // namespace hm
