// The bone-weight tables of the built store: the traditional weights under
// the decimal keys the reading asks with, and a verse for every total they can make.
#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>
#include <vector>

#include "base/content.h"

namespace hm {
namespace {

class ChengguContentTest : public ::testing::Test {
 protected:
  void SetUp() override { SetContentDir(HENGMU_BIN_DIR); }
};

double weightOf(const std::string& table, const std::string& column, const std::string& key) {
  ContentQuery q(ContentFile::Dream, "select weight from " + table + " where " + column + " = ?", {key});
  q.Open();
  EXPECT_EQ(q.RecordCount(), 1) << table << " " << column << " = " << key;
  return q.Number(0);
}

TEST_F(ChengguContentTest, TraditionalWeightsUnderDecimalKeys) {
  struct Case {
    const char* table;
    const char* column;
    const char* key;
    double weight;
  } cases[] = {
      {"chenggu1", "year", "1984", 1.2},  // 甲子
      {"chenggu1", "year", "1985", 0.9},  // 乙丑
      {"chenggu1", "year", "1900", 0.7},  // 庚子
      {"chenggu1", "year", "1939", 1.9},  // 己卯
      {"chenggu1", "year", "1983", 0.7},  // 癸亥
      {"chenggu1", "year", "2044", 1.2},  // 甲子 again, sixty years on
      {"chenggu1", "year", "2100", 0.8},  // 庚申
      {"chenggu2", "month2", "1", 0.6},  {"chenggu2", "month2", "3", 1.8}, {"chenggu2", "month2", "12", 0.5},
      {"chenggu3", "day2", "1", 0.5},    {"chenggu3", "day2", "18", 1.8},  {"chenggu3", "day2", "30", 0.6},
      {"chenggu4", "time", "0", 1.6},    {"chenggu4", "time", "23", 1.6},  // both 子
      {"chenggu4", "time", "1", 0.6},    {"chenggu4", "time", "2", 0.6},   // 丑
      {"chenggu4", "time", "11", 1.0},   {"chenggu4", "time", "22", 0.6},  // 午, 亥
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(weightOf(c.table, c.column, c.key), c.weight) << c.key;
}

// Every total the store can weigh finds its verse and explanation, and the
// lightest and heaviest totals are the ones the tradition knows.
TEST_F(ChengguContentTest, EveryReachableWeightHasItsVerse) {
  auto distinct = [](const std::string& table) {
    ContentQuery q(ContentFile::Dream, "select distinct weight from " + table);
    q.Open();
    std::set<double> out;
    for (; !q.Eof(); q.Next()) out.insert(q.Number(0));
    return out;
  };
  std::set<std::string> keys;
  for (double y : distinct("chenggu1"))
    for (double m : distinct("chenggu2"))
      for (double d : distinct("chenggu3"))
        for (double h : distinct("chenggu4")) {
          char buf[64];
          auto r = std::to_chars(buf, buf + sizeof buf, y + m + d + h, std::chars_format::general, 15);
          std::string t(buf, r.ptr);
          keys.insert(t.size() == 1 ? t + "0" : t.substr(0, 1) + t.substr(2, 1));
        }
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(*keys.begin(), "21");
  EXPECT_EQ(*keys.rbegin(), "71");
  for (const auto& k : keys) {
    ContentQuery q(ContentFile::Dream, "select content, content2 from chenggu where weight = ?", {k});
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1) << "weight key " << k;
    EXPECT_FALSE(q.Text(0).empty()) << k;
    EXPECT_FALSE(q.Text(1).empty()) << k;
  }
}

}  // namespace
}  // namespace hm
