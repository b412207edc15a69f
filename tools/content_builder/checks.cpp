// Checks of the real store that look across tables.
//
// The bone-weight reading adds four weights (lunar year, month, day, hour),
// turns the total into a two-digit key and looks the verse up under that key.
// Every total the four weight tables can produce must find its verse, and
// every year, month, day and hour the reading can ask for must have a weight.
#include <charconv>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "builder.h"

namespace hm::builder {

namespace {

std::string whereOf(const Table& t) {
  return t.source.empty() ? t.def.file + " " + t.def.name : t.source;
}

// The weight stored under each key the reading asks for, in asking order.
// A key without a row weighs nothing, as it does in the reading; it is
// reported all the same.
std::vector<double> weightsFor(const Table& t, const std::string& keyColumn, int first, int last,
                               std::vector<std::string>& problems) {
  int k = t.ColumnIndex(keyColumn), w = t.ColumnIndex("weight");
  std::vector<double> out;
  if (k < 0 || w < 0) {
    problems.push_back(whereOf(t) + ": 缺少列 " + keyColumn + " 或 weight");
    return out;
  }
  for (int n = first; n <= last; ++n) {
    std::string key = std::to_string(n);
    const std::vector<std::string>* found = nullptr;
    for (const auto& row : t.rows)
      if (row[static_cast<std::size_t>(k)] == key) {
        found = &row;
        break;
      }
    std::string v = found ? Trim((*found)[static_cast<std::size_t>(w)]) : std::string();
    if (v.empty()) {
      problems.push_back(whereOf(t) + ": 缺少 " + keyColumn + " = " + key + " 的骨重");
      out.push_back(0);
    } else {
      out.push_back(std::stod(v));
    }
  }
  return out;
}

// The total as the reading writes it: at most 15 significant digits, no
// trailing zeros, so 0.5 + 0.5 + 0.9 + 0.7 reads 2.6 and not 2.5999999999999996.
std::string totalText(double total) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, total, std::chars_format::general, 15);
  return std::string(buf, r.ptr);
}

// The verse key of a total text: whole liang and qian ("3.5" -> "35",
// "4" -> "40", "3.05" -> "30").
std::string weightKey(const std::string& t) {
  if (t.size() == 1) return t + "0";
  std::string k = t.substr(0, 1);
  if (t.size() > 2) k += t[2];
  return k;
}

}  // namespace

std::vector<std::string> CrossTableChecks(const Tables& tables) {
  std::vector<std::string> problems;
  for (const char* name : {"chenggu", "chenggu1", "chenggu2", "chenggu3", "chenggu4"})
    if (!tables.count(name)) problems.push_back(std::string("schema.txt 缺少表 ") + name);
  if (!problems.empty()) return problems;

  // What the reading can ask: lunar years of the calendar, months 1 to 12
  // (a leap month weighs as the month it repeats), days 1 to 30, hours 0 to 23.
  auto years = weightsFor(tables.at("chenggu1"), "year", 1900, 2100, problems);
  auto months = weightsFor(tables.at("chenggu2"), "month2", 1, 12, problems);
  auto days = weightsFor(tables.at("chenggu3"), "day2", 1, 30, problems);
  auto hours = weightsFor(tables.at("chenggu4"), "time", 0, 23, problems);

  // Only distinct weights matter for the totals.
  auto distinct = [](const std::vector<double>& v) { return std::set<double>(v.begin(), v.end()); };
  std::set<std::string> reachable;
  for (double y : distinct(years))
    for (double m : distinct(months))
      for (double d : distinct(days))
        for (double h : distinct(hours)) {
          double total = 0;
          total += y;
          total += m;
          total += d;
          total += h;
          reachable.insert(weightKey(totalText(total)));
        }

  const Table& verses = tables.at("chenggu");
  int w = verses.ColumnIndex("weight");
  std::set<std::string> present;
  if (w >= 0)
    for (const auto& row : verses.rows) present.insert(row[static_cast<std::size_t>(w)]);
  for (const auto& key : reachable)
    if (!present.count(key))
      problems.push_back(whereOf(verses) + ": 四张骨重表可得出骨重键 " + key + "，却没有它的诗评和解评");
  return problems;
}

}  // namespace hm::builder
