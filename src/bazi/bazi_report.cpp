#include "bazi/bazi_report.h"

#include <exception>

#include "base/dates.h"
#include "base/text.h"
#include "bazi/birth_summary.h"
#include "bazi/bone_weight.h"
#include "bazi/element_tally.h"
#include "bazi/personality.h"
#include "bazi/report_lines.h"
#include "bazi/shensha.h"

namespace hm {

namespace {

const std::string kBlank6(6, ' ');
const std::string kBlank13(13, ' ');

// The first character of a stem text (a hidden-stems entry), or "" past its
// end; every stem name is one character of three UTF-8 bytes.
std::string stemAt(const std::string& stems, std::size_t i) {
  return i * 3 < stems.size() ? stems.substr(i * 3, 3) : std::string();
}

std::string gz(int year) {
  return YearStemBranch(year);
}

void writeHiddenStems(const PillarChart& c, const Date& birth, const std::string& dayStem, Pane& pane) {
  // The day column counts the days from 1900-02-20, a 甲子 day.
  const int d = DaysBetween(Date{1900, 2, 20}, birth);
  const std::string columns[4] = {c.HiddenStems[0], c.HiddenStems[1], HiddenStemsTable[WrapIndex(d, 12)],
                                  c.HiddenStems[3]};
  const auto tg = [&](const std::string& h) { return TenGodOf(dayStem + h); };

  std::string first = "遁藏：";
  for (int i = 0; i < 4; ++i) {
    if (i > 0) first += " ";
    const std::string h = stemAt(columns[i], 0);
    first += h + tg(h);
  }
  pane.Add(first);
  for (std::size_t rank = 1; rank <= 2; ++rank) {
    std::string line = kBlank6;
    for (const auto& col : columns) {
      const std::string h = stemAt(col, rank);
      line += h.empty() ? std::string(7, ' ') : h + tg(h) + " ";
    }
    pane.Add(line);
  }
}

void writeYearsTable(int lunarYear, int a, Pane& pane) {
  for (int i = 0; i <= 9; ++i) {
    std::string line;
    if (i < a) {
      line = (i == 0 ? "流年：" : kBlank6) + gz(lunarYear + i);
      for (int k = 0; k <= 8; ++k) line += "   " + gz(lunarYear + a + 10 * k + i);
    } else {
      line = kBlank13 + gz(lunarYear + a + i);
      for (int k = 1; k <= 8; ++k) line += "   " + gz(lunarYear + a + 10 * k + i);
    }
    pane.Add(line);
  }
}

void writeMinorLuck(const PillarChart& c, int lunarYear, int a, Pane& pane) {
  // 小运 runs from the hour pillar, with the luck's direction.
  const int s = c.ReverseLuck ? -1 : 1;
  const auto xy = [&](int n) {
    return Pillar{WrapIndex(c.HourPillar.Stem + s * n, 10), WrapIndex(c.HourPillar.Branch + s * n, 12)}.Text();
  };
  const auto ag = [&](int x) { return AgeText(lunarYear + x, lunarYear); };
  for (int i = 0; i <= 9; ++i) {
    std::string pillars;
    std::string ages;
    if (i < a) {
      pillars = (i == 0 ? "小运：" : kBlank6) + xy(i);
      ages = kBlank6 + ag(i);
      for (int k = 0; k <= 8; ++k) {
        pillars += "   " + xy(a + 10 * k + i);
        ages += "   " + ag(a + 10 * k + i);
      }
    } else {
      pillars = kBlank13 + xy(a + i);
      ages = kBlank13 + ag(a + i);
      for (int k = 1; k <= 8; ++k) {
        pillars += "   " + xy(a + 10 * k + i);
        ages += "   " + ag(a + 10 * k + i);
      }
    }
    pane.Add(pillars);
    pane.Add(ages);
  }
}

void writeYearsAndMonths(int lunarYear, int a, Pane& pane) {
  static const char* const kMonthBranches[12] = {"寅 ", "卯 ", "辰 ", "巳 ", "午 ", "未 ",
                                                 "申 ", "酉 ", "戌 ", "亥 ", "子 ", "丑"};
  pane.Add("流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 腊月");
  pane.Add("");
  for (int i = 0; i <= a + 89; ++i) {
    const int y = lunarYear + i;
    std::string line = std::to_string(y) + "(" + gz(y) + ")：";
    // 五虎遁: the first month's stem follows the year's ("甲己之年丙作首"),
    // counted here month by month from 1901.
    for (int m = 0; m < 12; ++m) line += StemName(WrapIndex(12LL * (y - 1901) + 6 + m, 10)) + kMonthBranches[m];
    pane.Add(line);
  }
}

struct Season {
  const char* character;
  const char* text;
};

Season seasonOfMonth(int month) {
  if (month <= 3) return {"春", "生于春季，"};
  if (month <= 6) return {"夏", "生于夏季，"};
  if (month <= 9) return {"秋", "生于秋季，"};
  return {"冬", "生于冬季，"};
}

void writeReport(const BirthRecord& r, std::string_view sex, PillarChart& chart, Pane& pane,
                 const MessageSink& showMessage) {
  bazi::WriteReadingHead(r, sex, chart, pane, showMessage);
  const bazi::ChartInputs in = bazi::ChartInputsOf(r);

  const PillarChart& c = chart;
  const std::string ys = StemName(c.YearPillar.Stem);
  const std::string ms = StemName(c.MonthPillar.Stem);
  const std::string ds = StemName(c.DayPillar.Stem);
  const std::string hs = StemName(c.HourPillar.Stem);
  const std::string mb = BranchName(c.MonthPillar.Branch);
  const auto tg = [&](const std::string& x) { return TenGodOf(ds + x); };

  pane.Add("胎元：" + c.ConceptionPillar.Text() + "(" + NaYinOf(c.ConceptionPillar.Text()) + ")");
  pane.Add("");
  pane.Add("起运：" + c.LuckStartAgeText + "岁");
  pane.Add("");
  pane.Add("十神：" + tg(ys) + "   " + tg(ms) + "   日元   " + tg(hs));
  pane.Add(bazi::PillarsLine(c));
  writeHiddenStems(c, Date{in.year, in.month, in.day}, ds, pane);
  pane.Add("");
  const std::string elements = bazi::ElementsText(c);
  pane.Add("五行：" + elements);
  pane.Add(bazi::NaYinLine(c));
  pane.Add("");

  pane.Add(c.LuckNaYinLine);
  pane.Add(c.LuckTenGodLine);
  pane.Add("大运：" + c.LuckLine);
  const int a = ToInt(c.LuckStartAgeText);
  pane.Add(bazi::LuckAgesLine(c));
  const int y = ToInt(r.YearText);
  std::string from = "始于：" + r.YearText;
  for (int k = 0; k <= 8; ++k) from += "   " + std::to_string(y + a + 10 * k);
  pane.Add(from);
  pane.Add("");

  const int lunarYear = ToInt(r.LunarYearNumber);
  writeYearsTable(lunarYear, a, pane);
  pane.Add("");

  pane.Add("四柱神煞：");
  pane.Add("");
  pane.Add("年柱：" + PillarStars(c, ChartPillar::Year));
  pane.Add("月柱：" + PillarStars(c, ChartPillar::Month));
  pane.Add("日柱：" + PillarStars(c, ChartPillar::Day));
  pane.Add("时柱：" + PillarStars(c, ChartPillar::Hour));
  pane.Add("");

  writeMinorLuck(c, lunarYear, a, pane);
  pane.Add("");

  const std::string dayElement = ElementOf(ds);
  const Season season = seasonOfMonth(ToInt(r.MonthText));
  pane.Add("四季用神：日主天干" + dayElement + season.text + SeasonUsefulGodText(dayElement, season.character) + "。");
  pane.Add("");
  pane.Add("穷通宝鉴调候用神：" + ds + dayElement + "生于" + mb + "月，" + QiongTongText(ds, mb));
  pane.Add("");
  pane.Add("八字五行个数：" + FiveElementTally(elements));
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");

  writeYearsAndMonths(lunarYear, a, pane);
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");

  pane.Add("袁天罡称骨算命：");
  for (int kind = 0; kind <= 2; ++kind)
    pane.Add(BoneWeightLine(r.LunarYearNumber, r.LunarMonthNumber, r.LunarDayNumber, r.HourNumber, kind));
  pane.Add("");

  WriteChartSummary(chart, in.year, in.month, in.day, in.hour, sex, showMessage, pane);
  pane.Add("");
  pane.Add(kChartSeparator);
  pane.Add("");

  pane.Add("属性论命:");
  pane.Add("");
  pane.Add("    " + AnimalText(r.Animal));
  pane.Add("");
  pane.Add("流年运程:");
  pane.Add("");
  pane.Add(AnnualFortuneText(r.Animal));
  pane.Add("");
}

}  // namespace

void BaziReport(const BirthRecord& record, std::string_view sex, PillarChart& chart, Pane& pane,
                const MessageSink& showMessage) {
  try {
    writeReport(record, sex, chart, pane, showMessage);
  } catch (const std::exception&) {
    // The report ends here without a word; what is written stays.
  }
}

}  // namespace hm
