// The stem-branch facts of the real content store (ten gods, na-yin, the
// element of each character) and the shape of its shensha rule files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/content.h"
#include "base/text.h"

namespace hm {
namespace {

const std::string kStems = "甲乙丙丁戊己庚辛壬癸";
const std::string kBranches = "子丑寅卯辰巳午未申酉戌亥";

// The characters of a UTF-8 text, one string each.
std::vector<std::string> Chars(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

bool IsStem(const std::string& c) {
  return c.size() == 3 && kStems.find(c) != std::string::npos;
}
bool IsBranch(const std::string& c) {
  return c.size() == 3 && kBranches.find(c) != std::string::npos;
}

class BaziFactsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetContentDir(HENGMU_BIN_DIR); }
};

TEST_F(BaziFactsTest, TenGodIsKeyedByDayStemFirst) {
  ContentQuery all(ContentFile::Tgcode, "select jiazi from Shishen");
  all.Open();
  EXPECT_EQ(all.RecordCount(), 100);

  struct Case {
    const char* key;
    const char* god;
  };
  // Reversed pairs (甲庚 / 庚甲) tell a swapped key apart.
  const Case cases[] = {{"甲庚", "七杀"}, {"庚甲", "偏财"}, {"甲辛", "正官"}, {"辛甲", "正财"},
                        {"戊丙", "偏印"}, {"丙戊", "食神"}, {"丙己", "伤官"}, {"癸庚", "正印"},
                        {"甲甲", "比肩"}, {"甲乙", "劫财"}, {"乙甲", "劫财"}, {"壬丙", "偏财"}};
  for (const Case& c : cases)
    EXPECT_EQ(LookupText(ContentFile::Tgcode, "select ShiShen from Shishen where jiazi = ? limit 1", {c.key}), c.god)
        << c.key;
}

TEST_F(BaziFactsTest, NaYinOfPillars) {
  ContentQuery all(ContentFile::Tgcode, "select count(*), count(distinct layin) from jiazi");
  all.Open();
  EXPECT_EQ(all.Text(0), "60");
  EXPECT_EQ(all.Text(1), "30");
  const std::pair<const char*, const char*> cases[] = {{"甲子", "海中金"}, {"乙丑", "海中金"}, {"丙寅", "炉中火"},
                                                       {"庚午", "路旁土"}, {"戊申", "大驿土"}, {"癸巳", "长流水"},
                                                       {"壬戌", "大海水"}, {"癸亥", "大海水"}};
  for (const auto& [pillar, nayin] : cases)
    EXPECT_EQ(LookupText(ContentFile::Tgcode, "select layin from jiazi where jiazi = ? limit 1", {pillar}), nayin)
        << pillar;
}

TEST_F(BaziFactsTest, EveryStemAndBranchLikesExactlyOneElementRow) {
  // The element lookup searches column hz with like '%x%'; a character in two
  // rows would make the answer depend on row order.
  const std::vector<std::string> stemElements = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
  const std::vector<std::string> branchElements = {"水", "土", "木", "木", "土", "火",
                                                   "火", "土", "金", "金", "土", "水"};
  auto check = [](const std::string& ch, const std::string& element) {
    ContentQuery q(ContentFile::Tgcode, "select wh from hzwh where hz like ?", {"%" + ch + "%"});
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << ch;
    EXPECT_EQ(Trim(q.Text("wh")), element) << ch;
  };
  auto stems = Chars(kStems);
  auto branches = Chars(kBranches);
  for (std::size_t i = 0; i < stems.size(); ++i) check(stems[i], stemElements[i]);
  for (std::size_t i = 0; i < branches.size(); ++i) check(branches[i], branchElements[i]);
}

const char* const kRuleFiles[] = {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt",
                                  "rizhi.txt",   "rizhu.txt",   "rizhus.txt"};

TEST_F(BaziFactsTest, RuleFilesAreGbkWithCrLf) {
  for (const char* name : kRuleFiles) {
    std::ifstream in(std::string(HENGMU_BIN_DIR) + "/shensha/" + name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string raw = ss.str();
    ASSERT_FALSE(raw.empty()) << name;
    EXPECT_FALSE(IsValidUtf8(raw)) << name << " still UTF-8";
    EXPECT_EQ(ToGbk(FromGbk(raw)), raw) << name << " holds bytes that are not GBK";
    EXPECT_EQ(FromGbk(raw).find('?'), std::string::npos) << name;
    ASSERT_TRUE(raw.ends_with("\r\n")) << name;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] == '\n') {
        ASSERT_TRUE(i > 0 && raw[i - 1] == '\r') << name << " has a bare LF";
      }
    }
  }
}

// One rule line as the lookups read it: a name in the first five characters,
// then "key:value" items separated by commas.
struct RuleLine {
  std::string name;
  std::vector<std::pair<std::string, std::string>> items;
  int commas = 0;
};

RuleLine ParseRuleLine(const std::string& text) {
  RuleLine line;
  auto chars = Chars(text);
  std::string field, rest;
  for (std::size_t i = 0; i < chars.size(); ++i) (i < 5 ? field : rest) += chars[i];
  line.name = Trim(field);
  std::stringstream ss(Trim(rest));
  std::string item;
  while (std::getline(ss, item, ',')) {
    auto colon = item.find(':');
    line.items.emplace_back(colon == std::string::npos ? "" : item.substr(0, colon),
                            colon == std::string::npos ? item : item.substr(colon + 1));
  }
  for (char c : rest) line.commas += c == ',';
  return line;
}

std::vector<RuleLine> ReadRules(const std::string& name) {
  std::vector<RuleLine> lines;
  for (const std::string& text : ReadRuleFile(name)) lines.push_back(ParseRuleLine(text));
  return lines;
}

// Runs of symbols as keys and values hold them: single stems, single
// branches, or whole pillars (stem then branch).
enum class Symbols { Stems, Branches, StemsOrBranches, Pillars };

bool Holds(const std::string& text, Symbols kind) {
  auto chars = Chars(text);
  if (chars.empty()) return false;
  if (kind == Symbols::Pillars) {
    if (chars.size() % 2) return false;
    for (std::size_t i = 0; i < chars.size(); i += 2)
      if (!IsStem(chars[i]) || !IsBranch(chars[i + 1])) return false;
    return true;
  }
  for (const auto& c : chars) {
    bool ok = kind == Symbols::Stems ? IsStem(c) : kind == Symbols::Branches ? IsBranch(c) : IsStem(c) || IsBranch(c);
    if (!ok) return false;
  }
  return true;
}

TEST_F(BaziFactsTest, RuleFilesKeepTheLineShapeTheLookupsRead) {
  struct Shape {
    const char* file;
    std::size_t firstLine, lastLine;  // 1-based, inclusive; 0 = to the end
    Symbols key, value;
    bool anyKey = false;  // an empty key stands for any day pillar
  };
  const Shape shapes[] = {
      {"niangan.txt", 1, 0, Symbols::Stems, Symbols::Branches},
      {"nianzhi.txt", 1, 0, Symbols::Branches, Symbols::Branches},
      {"yuezhi.txt", 1, 0, Symbols::Branches, Symbols::StemsOrBranches},
      {"rigan.txt", 1, 0, Symbols::Stems, Symbols::Branches},
      {"rizhi.txt", 1, 0, Symbols::Branches, Symbols::Branches},
      {"rizhu.txt", 1, 5, Symbols::Pillars, Symbols::Pillars},
      {"rizhu.txt", 6, 0, Symbols::Branches, Symbols::Pillars},
      {"rizhus.txt", 1, 0, Symbols::Pillars, Symbols::Pillars, true},
  };
  for (const Shape& s : shapes) {
    auto lines = ReadRules(s.file);
    std::size_t last = s.lastLine ? s.lastLine : lines.size();
    ASSERT_GE(lines.size(), last) << s.file;
    for (std::size_t n = s.firstLine; n <= last; ++n) {
      const RuleLine& line = lines[n - 1];
      std::string where = std::string(s.file) + ":" + std::to_string(n);
      EXPECT_FALSE(line.name.empty()) << where;
      EXPECT_LE(line.commas, 20) << where << ": items past the 21st are never read";
      for (const auto& [key, value] : line.items) {
        EXPECT_TRUE(Holds(key, s.key) || (s.anyKey && key.empty())) << where << " key " << key;
        EXPECT_TRUE(Holds(value, s.value)) << where << " value " << value;
        EXPECT_LE(GbkLength(value), 10u) << where << ": only ten bytes of a value are read";
      }
    }
  }

  // Lines past these positions are never consulted, and lines 3 and 4 of
  // nianzhi.txt are the pair chosen by the direction of luck.
  auto nianzhi = ReadRules("nianzhi.txt");
  EXPECT_EQ(nianzhi.size(), 14u);
  EXPECT_EQ(nianzhi[2].name, "元辰");
  EXPECT_EQ(nianzhi[3].name, "元辰");
  EXPECT_EQ(ReadRules("rizhi.txt").size(), 7u);
  auto rizhu = ReadRules("rizhu.txt");
  ASSERT_GT(rizhu.size(), 5u);
  EXPECT_EQ(rizhu[0].name, "魁罡");
  EXPECT_EQ(rizhu[5].name, "空亡");
}

// Whether one line of a rule file names the star for a key and a target,
// matched by containment as the lookups match.
int Passes(const RuleLine& line, const std::string& key, const std::string& target) {
  int n = 0;
  for (const auto& [k, v] : line.items) n += k.find(key) != std::string::npos && v.find(target) != std::string::npos;
  return n;
}

TEST_F(BaziFactsTest, RuleFilesPlaceTraditionalStars) {
  struct Case {
    const char* file;
    std::size_t line;  // 1-based
    const char* star;
    const char* key;
    const char* target;
    int passes;
  };
  const Case cases[] = {
      {"rigan.txt", 1, "天乙贵人", "甲", "丑", 1},  // 甲戊庚牛羊
      {"rigan.txt", 1, "天乙贵人", "辛", "午", 1},  // 六辛逢马虎
      {"rigan.txt", 1, "天乙贵人", "甲", "子", 0},
      {"niangan.txt", 2, "太极贵人", "戊", "未", 1},     // 戊己两干临四季
      {"nianzhi.txt", 1, "驿马", "子", "寅", 1},         // 申子辰马在寅
      {"nianzhi.txt", 3, "元辰", "子", "未", 1},         // 阳男阴女
      {"nianzhi.txt", 4, "元辰", "子", "巳", 1},         // 阴男阳女
      {"yuezhi.txt", 1, "天德", "卯", "申", 1},          // 二月坤宫
      {"yuezhi.txt", 3, "月德", "午", "丙", 1},          // 寅午戌月在丙
      {"rizhu.txt", 6, "空亡", "亥", "乙丑", 1},         // 甲子旬中戌亥空
      {"rizhus.txt", 1, "日禄归时", "甲子", "丙寅", 1},  // 甲禄在寅
  };
  for (const Case& c : cases) {
    auto lines = ReadRules(c.file);
    ASSERT_GE(lines.size(), c.line) << c.file;
    const RuleLine& line = lines[c.line - 1];
    EXPECT_EQ(line.name, c.star) << c.file << ":" << c.line;
    EXPECT_EQ(Passes(line, c.key, c.target), c.passes) << c.star << " " << c.key << " " << c.target;
  }
}

}  // namespace
}  // namespace hm
