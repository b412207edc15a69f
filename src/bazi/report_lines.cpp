#include "bazi/report_lines.h"

#include "base/content.h"
#include "base/dates.h"
#include "base/errors.h"
#include "base/text.h"

namespace hm {

namespace {

std::string lookupOrEmpty(const char* sql, std::vector<SqlValue> params) {
  try {
    return LookupText(ContentFile::Tgcode, sql, std::move(params));
  } catch (const StoreError&) {
    return {};
  }
}

}  // namespace

std::string ElementOf(std::string_view x) {
  // hzwh lists all the characters of one element in one row.
  return lookupOrEmpty("select wh from hzwh where hz like ? limit 1", {"%" + std::string(x) + "%"});
}

std::string SeasonUsefulGodText(const std::string& element, const std::string& season) {
  return lookupOrEmpty("select sjrs from sjrs where wh = ? and sj = ? limit 1", {element, season});
}

std::string QiongTongText(const std::string& stem, const std::string& branch) {
  return lookupOrEmpty("select content from qtbj where tg = ? and dz = ? limit 1", {stem, branch});
}

std::string AnnualFortuneText(const std::string& animal) {
  // The texts of the years from 2011 on took over at the midnight that
  // began 2011-02-04.
  const bool newTable = Now() >= DateTime{Date{2011, 2, 4}, 0, 0, 0, 0};
  try {
    ContentQuery q(ContentFile::Tgcode,
                   newTable ? "select * from Bennian2011 where shuxing = ?" : "select * from Bennian where shuxing = ?",
                   {animal});
    q.Open();
    if (q.IsEmpty()) return {};
    return Trim(q.Text("Values"));
  } catch (const StoreError&) {
    return {};
  }
}

namespace bazi {

ChartInputs ChartInputsOf(const BirthRecord& r) {
  return ChartInputs{ToInt(r.YearText), ToInt(r.MonthText), ToInt(r.DayText), ToInt(r.HourNumber)};
}

std::string HeaderLine(const BirthRecord& r, std::string_view sex) {
  const int age = Today().year - ParseDate(r.SolarDateText).year;
  std::string line = "姓名：" + r.Surname + r.GivenName;
  line += "  性别：" + std::string(sex);
  line += "  生肖：" + r.Animal;
  line += "  星座：" + r.StarSign;
  line += "  血型：" + r.BloodType;
  line += "  年龄：" + std::to_string(age) + "岁";
  return line;
}

std::string SolarBirthdayLine(const BirthRecord& r) {
  // A solar entry's text is like 1980-1-5: formatting it again gives the
  // two-digit month and day.
  const std::string d = FormatDate(ParseDate(r.SolarDateText));
  return "生日（公历）：" + d.substr(0, 4) + "年" + d.substr(5, 2) + "月" + d.substr(8, 2) + "日" + r.HourNumber + "点";
}

std::string LunarBirthdayLine(const BirthRecord& r) {
  return "生日（农历）：" + Trim(r.LunarText) + r.HourBranchChar + "时";
}

std::string PillarsLine(const PillarChart& c) {
  return "八字：" + c.YearPillar.Text() + "   " + c.MonthPillar.Text() + "   " + c.DayPillar.Text() + "   " +
         c.HourPillar.Text();
}

std::string ElementsText(const PillarChart& c) {
  std::string e;
  const Pillar* pillars[] = {&c.YearPillar, &c.MonthPillar, &c.DayPillar, &c.HourPillar};
  for (int i = 0; i < 4; ++i) {
    if (i > 0) e += "   ";
    e += ElementOf(StemName(pillars[i]->Stem));
    e += ElementOf(BranchName(pillars[i]->Branch));
  }
  return e;
}

std::string NaYinLine(const PillarChart& c) {
  return "纳音：" + NaYinOf(c.YearPillar.Text()) + " " + NaYinOf(c.MonthPillar.Text()) + " " +
         NaYinOf(c.DayPillar.Text()) + " " + NaYinOf(c.HourPillar.Text());
}

std::string LuckAgesLine(const PillarChart& c) {
  const int a = ToInt(c.LuckStartAgeText);
  std::string line = "      ";
  line += c.LuckStartAgeText == "1" ? "0-1岁" : "1-" + std::to_string(a - 1) + "岁";
  for (int k = 0; k <= 8; ++k) line += "   " + std::to_string(a + 10 * k) + "岁";
  return line;
}

void WriteReadingHead(const BirthRecord& r, std::string_view sex, PillarChart& chart, Pane& pane,
                      const MessageSink& showMessage) {
  pane.Clear();
  pane.Add(HeaderLine(r, sex));
  pane.Add("");
  pane.Add(SolarBirthdayLine(r));
  pane.Add("");
  pane.Add(LunarBirthdayLine(r));
  const ChartInputs in = ChartInputsOf(r);
  ComputeChart(chart, in.year, in.month, in.day, in.hour, sex, showMessage);
  pane.Add("");
}

}  // namespace bazi

}  // namespace hm
