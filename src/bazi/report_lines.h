// The lookups and lines that the Bazi report and the shorter detailed
// readings share: the header, the birthday lines, the pillars, elements and
// na-yin lines and the luck ages.
#pragma once

#include <string>
#include <string_view>

#include "base/birth_record.h"
#include "base/pane.h"
#include "bazi/chart.h"

namespace hm {

// Content lookups of Tgcode.dll; a failing statement or no row gives "".
// The element (金木水火土) of a stem or branch character.
std::string ElementOf(std::string_view stemOrBranch);
// The useful-god advice for a day-stem element born in a season (春夏秋冬).
std::string SeasonUsefulGodText(const std::string& element, const std::string& season);
// The 穷通宝鉴 advice for a day stem born in a month branch.
std::string QiongTongText(const std::string& stem, const std::string& branch);
// This year's fortune of a zodiac animal; the table changes with the year
// that starts on 2011-02-04.
std::string AnnualFortuneText(const std::string& animal);

namespace bazi {

// The inputs of a chart as the record holds them: the solar date, the hour
// number and the sex. Throws ConversionError for a text that is no number.
struct ChartInputs {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
};
ChartInputs ChartInputsOf(const BirthRecord& record);

// 姓名：...  性别：...  生肖：...  星座：...  血型：...  年龄：n岁
std::string HeaderLine(const BirthRecord& record, std::string_view sex);
// 生日（公历）：yyyy年MM月dd日H点
std::string SolarBirthdayLine(const BirthRecord& record);
// 生日（农历）：<lunar text><hour branch>时
std::string LunarBirthdayLine(const BirthRecord& record);
// 八字：YSYB   MSMB   DSDB   HSHB
std::string PillarsLine(const PillarChart& chart);
// The element of each of the eight characters: four pairs, three blanks
// between them.
std::string ElementsText(const PillarChart& chart);
// 纳音：year month day hour
std::string NaYinLine(const PillarChart& chart);
// The ages at which the luck pillars begin, under the 大运 line.
std::string LuckAgesLine(const PillarChart& chart);

// The opening both Four Pillars readings share: clears the pane, writes the
// header and the two birthday lines, computes the chart of the record and
// leaves an empty line.
void WriteReadingHead(const BirthRecord& record, std::string_view sex, PillarChart& chart, Pane& pane,
                      const MessageSink& showMessage);

}  // namespace bazi

}  // namespace hm
