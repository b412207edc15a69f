// Opening saved records: GBK or UTF-8 text with any line end, and files that
// cannot be read.
#include "app/record_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/text.h"

namespace hm {
namespace {

TEST(RecordFile, DecodesGbkAndUtf8WithEveryLineEnd) {
  const std::vector<std::string> expected = {"金钱卦 第一爻", "", "乾为天  元亨利贞"};
  const std::string gbk1 = ToGbk(expected[0]), gbk3 = ToGbk(expected[2]);
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"GBK, CR LF", gbk1 + "\r\n\r\n" + gbk3 + "\r\n"},
      {"GBK, LF", gbk1 + "\n\n" + gbk3},
      {"GBK, CR", gbk1 + "\r\r" + gbk3 + "\r"},
      {"UTF-8, CR LF", expected[0] + "\r\n\r\n" + expected[2] + "\r\n"},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + expected[0] + "\n\n" + expected[2] + "\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeRecordText(c.bytes), expected);
  }
  EXPECT_TRUE(DecodeRecordText("").empty());
}

TEST(RecordFile, ReadsAFileAndRefusesWhatCannotBeRead) {
  const auto dir = std::filesystem::temp_directory_path() / ("hengmu_record_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto file = dir / "卦象.txt";
  {
    std::ofstream out(file, std::ios::binary);
    out << ToGbk("第一行\r\n第二行\r\n");
  }
  std::vector<std::string> lines;
  EXPECT_TRUE(ReadRecordFile(file.string(), lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"第一行", "第二行"}));

  lines = {"stale"};
  EXPECT_FALSE(ReadRecordFile((dir / "missing.txt").string(), lines));
  EXPECT_TRUE(lines.empty());
  lines = {"stale"};
  EXPECT_FALSE(ReadRecordFile(dir.string(), lines));
  EXPECT_TRUE(lines.empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace hm
