// GBK view of text, trimming and the two conversion messages.
#include <gtest/gtest.h>

#include "base/dates.h"
#include "base/errors.h"
#include "base/pane.h"
#include "base/text.h"

namespace hm {
namespace {

TEST(GbkText, BytesAndSlicesOfMixedText) {
  // "子 23": a Chinese character is two bytes, a blank or digit one.
  EXPECT_EQ(GbkLength("子 23"), 5u);
  EXPECT_EQ(GbkSlice("子 23", 4, 2), "23");
  EXPECT_EQ(GbkSlice("子 0", 4, 2), "0");
  EXPECT_EQ(GbkSlice("子 0", 1, 2), "子");
  // bytes 6 and 7 of 庚辰(龙): the animal inside the parentheses
  EXPECT_EQ(GbkSlice("庚辰(龙)", 6, 2), "龙");
  // half a character cannot be shown
  EXPECT_EQ(GbkSlice("甲", 2, 1), "?");
  EXPECT_EQ(GbkSlice("ab", 5, 3), "");
  EXPECT_EQ(GbkTruncate("王小明", 4), "王小");
  EXPECT_EQ(GbkTruncate("ab王", 3), "ab");
}

TEST(GbkText, CharactersOutsideGbkBecomeQuestionMarks) {
  EXPECT_EQ(ToGbk("a\xF0\x9F\x98\x80"
                  "b"),
            "a?b");  // an emoji
  EXPECT_FALSE(IsGbkEncodable("\xF0\x9F\x98\x80"));
  EXPECT_TRUE(IsGbkEncodable("衡木命理，你好。"));
  EXPECT_EQ(FromGbk(ToGbk("衡木命理")), "衡木命理");
}

TEST(TextHelpers, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim("\t 子 0 \r\n"), "子 0");
  EXPECT_EQ(Trim("  "), "");
}

TEST(TextHelpers, SplitLinesAcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(Conversion, IntegerAndDateMessages) {
  EXPECT_EQ(ToInt("1980"), 1980);
  EXPECT_EQ(ToInt(" -3"), -3);
  try {
    ToInt("19x0");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'19x0' is not a valid integer value");
  }
  try {
    ParseDate("1980-2-30");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1980-2-30' is not a valid date");
  }
  EXPECT_EQ(ParseDate("1980-1-5"), (Date{1980, 1, 5}));
  EXPECT_EQ(ParseDate("1980-01-05"), (Date{1980, 1, 5}));
  EXPECT_FALSE(TryParseDate("1980-001-05"));
  EXPECT_FALSE(TryParseDate("1980/1/5"));
}

TEST(Dates, DayNumbersFormatsAndWeekdays) {
  EXPECT_EQ(DayNumber(Date{1899, 12, 30}), 0);
  EXPECT_EQ(DayNumber(Date{1900, 1, 1}), 2);
  EXPECT_EQ(FromDayNumber(DayNumber(Date{2100, 12, 31})), (Date{2100, 12, 31}));
  EXPECT_EQ(DayOfWeek(Date{2000, 1, 1}), 6);  // a Saturday
  EXPECT_EQ(FormatDate(Date{1980, 1, 5}), "1980-01-05");
  EXPECT_EQ(FormatLongDate(Date{1980, 1, 5}), "1980年1月5日");
  EXPECT_EQ(FormatTime(9, 5, 7), "9:05:07");
  for (int n = DayNumber(Date{1899, 1, 1}); n < DayNumber(Date{2101, 1, 1}); ++n)
    ASSERT_EQ(DayNumber(FromDayNumber(n)), n);
}

TEST(Pane, AddedTextWithLineBreaksBecomesSeveralLines) {
  Pane p;
  p.Add("a\r\nb");
  p.Add("");
  EXPECT_EQ(p.Lines(), (std::vector<std::string>{"a", "b", ""}));
}

}  // namespace
}  // namespace hm
