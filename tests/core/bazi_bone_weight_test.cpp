// The bone weight: the sum of four weights, its key and the three lines.
#include <gtest/gtest.h>

#include <string>

#include "base/content.h"
#include "base/errors.h"
#include "bazi/bone_weight.h"

namespace hm {
namespace {

class BoneWeightTest : public ::testing::Test {
 protected:
  void SetUp() override { SetContentDir(HENGMU_FIXTURES_DIR "/bazi"); }
  void TearDown() override { SetContentDir(HENGMU_BIN_DIR); }
};

TEST_F(BoneWeightTest, TotalKeyAndLines) {
  // The fixture's weights per key (year, month, day, hour) are chosen for
  // these sums.
  const struct {
    const char* what;
    const char* year;
    const char* month;
    const char* day;
    const char* hour;
    const char* weightLine;
    const char* verseStart;
  } cases[] = {
      {"0.5+0.5+0.9+0.7 reads 2.6, not 2.5999...", "2001", "1", "1", "1", "你的骨重为：2两6钱", "平生衣食"},
      {"1.2+0.6+0.9+0.8", "2002", "2", "2", "2", "你的骨重为：3两5钱", "少年辛苦"},
      {"a whole four liang has no qian", "2004", "4", "4", "4", "你的骨重为：4两", "文武双全"},
      {"two decimals: 3.05 keys on 30", "2003", "3", "3", "3", "你的骨重为：3两", "不贫不富"},
      {"a month without a row weighs nothing", "2001", "13", "1", "1", "你的骨重为：2两1钱", "身轻骨薄"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    EXPECT_EQ(BoneWeightLine(k.year, k.month, k.day, k.hour, 0), k.weightLine);
    EXPECT_EQ(BoneWeightLine(k.year, k.month, k.day, k.hour, 1).rfind(std::string("骨重诗评：") + k.verseStart, 0), 0u);
    EXPECT_EQ(BoneWeightLine(k.year, k.month, k.day, k.hour, 2).rfind("骨重解评：", 0), 0u);
    EXPECT_EQ(BoneWeightLine(k.year, k.month, k.day, k.hour, 3), "");
  }
  EXPECT_EQ(BoneWeightLine("1999", "11", "25", "0", 2), "骨重解评：五两九钱：大富大贵，晚景荣华。");
}

TEST_F(BoneWeightTest, TotalWithoutVerseGivesThreeEmptyLines) {
  // 5.0 + 1.0 + 1.0 + 1.0: the fixture has no verse for 80.
  for (int kind = 0; kind <= 2; ++kind) EXPECT_EQ(BoneWeightLine("2005", "4", "4", "4", kind), "") << kind;
}

TEST(BoneWeightKeyTest, FifteenDigitsAndTheKey) {
  EXPECT_EQ(BoneWeightTotalText(0.5 + 0.5 + 0.9 + 0.7), "2.6");
  EXPECT_EQ(BoneWeightTotalText(4.0), "4");
  EXPECT_EQ(BoneWeightTotalText(1.25 + 0.6 + 0.4 + 0.8), "3.05");
  EXPECT_EQ(BoneWeightKey("2.6"), "26");
  EXPECT_EQ(BoneWeightKey("4"), "40");
  EXPECT_EQ(BoneWeightKey("3.05"), "30");
  EXPECT_EQ(BoneWeightKey("0"), "00");
}

TEST(BoneWeightStoreTest, StatementThatCannotRunAbortsSilently) {
  SetContentDir(::testing::TempDir());  // no dream.dll
  EXPECT_THROW(BoneWeightLine("1999", "11", "25", "0", 0), SilentAbort);
  SetContentDir(HENGMU_BIN_DIR);
}

}  // namespace
}  // namespace hm
