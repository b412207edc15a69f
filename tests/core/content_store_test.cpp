// The content store: read-only files, bound keys, failures and the
// scrambled columns.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/content.h"
#include "base/errors.h"
#include "base/text.h"

namespace hm {
namespace {

class ContentStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { SetContentDir(HENGMU_FIXTURES_DIR "/store_basic"); }
  void TearDown() override { SetContentDir(HENGMU_BIN_DIR); }
};

TEST_F(ContentStoreTest, KeyHoldingAQuoteIsBoundNotSpliced) {
  ContentQuery q(ContentFile::MokFile, "select num from bihua where hanzi like ?", {std::string("%O'Neil%")});
  q.Open();
  ASSERT_EQ(q.RecordCount(), 1);
  EXPECT_EQ(q.Text(0), "9");
  EXPECT_EQ(q.Number("num"), 9);
}

TEST_F(ContentStoreTest, NoRowGivesEmptyTextAndZero) {
  ContentQuery q(ContentFile::Tgcode, "select layin from jiazi where jiazi = ?", {std::string("乙丑")});
  q.Open();
  EXPECT_TRUE(q.IsEmpty());
  EXPECT_TRUE(q.Eof());
  EXPECT_EQ(q.Text(0), "");
  EXPECT_EQ(q.Number(0), 0);
}

TEST_F(ContentStoreTest, FirstNextAndEof) {
  ContentQuery q(ContentFile::MokFile, "select hanzi from bihua order by num");
  q.Open();
  EXPECT_EQ(q.Text("hanzi"), "王");
  q.Next();
  EXPECT_EQ(q.Text("hanzi"), "O'Neil");
  q.Next();
  EXPECT_TRUE(q.Eof());
  q.First();
  EXPECT_EQ(q.Text(0), "王");
}

TEST_F(ContentStoreTest, MissingTableColumnOrValueIsAStoreError) {
  ContentQuery noTable(ContentFile::Tgcode, "select x from nosuchtable");
  EXPECT_THROW(noTable.Open(), StoreError);
  ContentQuery noColumn(ContentFile::Tgcode, "select nosuchcolumn from jiazi");
  EXPECT_THROW(noColumn.Open(), StoreError);
  ContentQuery q(ContentFile::Tgcode, "select layin from jiazi");
  q.Open();
  EXPECT_THROW(q.Number(0), StoreError);  // 海中金 is no number
  EXPECT_THROW(q.Text("nosuchcolumn"), StoreError);
}

TEST_F(ContentStoreTest, MissingFileIsAnErrorAndIsNotCreated) {
  std::string dir = std::filesystem::temp_directory_path() / "hengmu_empty_store";
  std::filesystem::create_directories(dir);
  SetContentDir(dir);
  ContentQuery q(ContentFile::Dream, "select weight from chenggu");
  EXPECT_THROW(q.Open(), StoreError);
  EXPECT_FALSE(std::filesystem::exists(dir + "/dream.dll"));
  EXPECT_THROW(ReadRuleFile("niangan.txt"), StoreError);
}

TEST(Scramble, RoundTripsAndOddOrBrokenHex) {
  for (std::string text : {"天地人", "a", "三才配置：木火土，大吉。", ""}) {
    std::string hex = ScrambleText(text);
    EXPECT_EQ(hex.size(), 2 * GbkLength(text));
    auto back = UnscrambleText(hex);
    if (text.empty()) {
      EXPECT_FALSE(back.has_value());
    } else {
      ASSERT_TRUE(back.has_value());
      EXPECT_EQ(*back, text);
      // an odd last character is ignored
      EXPECT_EQ(UnscrambleText(hex + "7"), text);
    }
  }
  int bells = 0;
  SetBellHandler([&] { ++bells; });
  EXPECT_FALSE(UnscrambleText("zz").has_value());
  EXPECT_EQ(bells, 1);
  // the broken pair yields no byte; the others still decode
  std::string hex = ScrambleText("A");
  EXPECT_TRUE(UnscrambleText("G1" + hex).has_value());
  EXPECT_EQ(bells, 2);
  SetBellHandler(nullptr);
}

}  // namespace
}  // namespace hm
