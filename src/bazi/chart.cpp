#include "bazi/chart.h"

#include "base/content.h"
#include "base/dates.h"
#include "base/errors.h"
#include "base/text.h"
#include "bazi/personality.h"
#include "calendar/lunar.h"
#include "calendar/solar_terms.h"

namespace hm {

// 子藏癸，丑藏癸辛己，寅藏甲丙戊，卯藏乙，辰藏乙戊癸，巳藏庚丙戊，
// 午藏己丁，未藏乙己丁，申藏戊庚壬，酉藏辛，戌藏辛丁戊，亥藏壬甲:
// the order within a branch is the one this program has always printed.
const char* const HiddenStemsTable[12] = {"癸",   "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
                                          "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

const char* const kChartSeparator = "<-----------------------批八字内容分隔线----------------------------->";

namespace {

// The statements stay fixed texts so the store reuses their prepared form.
constexpr const char* kTenGodSql = "select ShiShen from Shishen where jiazi = ? limit 1";
constexpr const char* kNaYinSql = "select layin from jiazi where jiazi = ? limit 1";

// A failing store leaves the receiving text alone; no row empties it.
void lookupInto(const char* sql, const std::string& key, std::string& value) {
  try {
    value = LookupText(ContentFile::Tgcode, sql, {key});
  } catch (const StoreError&) {
  }
}

bool isJieDay(const Date& d) {
  return IsJieTerm(Trim(SolarTermOfDate(d)));
}

// The first day 1..32 days away from `from` (forward or backward) that opens
// a month; 32 if none does, which the calendar never allows.
int daysToJie(const Date& from, int direction) {
  for (int j = 1; j <= 32; ++j)
    if (isJieDay(AddDays(from, direction * j))) return j;
  return 32;
}

}  // namespace

void TenGodOf(const std::string& key, std::string& value) {
  lookupInto(kTenGodSql, key, value);
}
void NaYinOf(const std::string& key, std::string& value) {
  lookupInto(kNaYinSql, key, value);
}

std::string TenGodOf(const std::string& key) {
  std::string v;
  TenGodOf(key, v);
  return v;
}

std::string NaYinOf(const std::string& key) {
  std::string v;
  NaYinOf(key, v);
  return v;
}

int StemBranchIndex(std::string_view text, bool isBranch) {
  const int n = isBranch ? 12 : 10;
  for (int i = 0; i < n; ++i)
    if (text == (isBranch ? BranchName(i) : StemName(i))) return i;
  return 0;
}

bool ComputeChart(PillarChart& chart, int year, int month, int day, int hour, std::string_view sex,
                  const MessageSink& showMessage) {
  // Only the short months are tested here; the entry step refuses every
  // other impossible date before a chart is asked for.
  const bool shortMonthOverflow = (month == 4 || month == 6 || month == 9 || month == 11) && day > 30;
  const bool februaryOverflow = month == 2 && day > (IsLeapYear(year) ? 29 : 28);
  if (shortMonthOverflow || februaryOverflow) {
    if (showMessage) showMessage("请检查输入数据是否出错！");
    return false;
  }

  PillarChart c;
  const Date birth{year, month, day};
  c.YearPillar = YearPillarOf(birth);
  c.MonthPillar = MonthPillarOf(birth);
  c.DayPillar = DayPillarOf(birth);
  c.HourPillar = HourPillarOf(c.DayPillar, hour);

  // 胎元: the stem after the month stem on the branch three after the month
  // branch ("月干进一位，月支进三位").
  c.ConceptionPillar = Pillar{WrapIndex(c.MonthPillar.Stem + 1, 10), WrapIndex(c.MonthPillar.Branch + 3, 12)};

  // 阳男阴女顺行，阴男阳女逆行: odd stem indexes are the yin stems.
  const bool male = sex == "男";
  const bool yinYear = c.YearPillar.Stem % 2 == 1;
  c.ReverseLuck = (male == yinYear) ? 1 : 0;

  // Three days to the nearest jie count one year of age, counted towards the
  // luck's direction; a part of three days counts a whole year.
  const int j = daysToJie(birth, c.ReverseLuck ? -1 : 1);
  c.LuckStartAge = j % 3 == 0 ? j / 3 : j / 3 + 1;
  c.LuckStartAgeText = std::to_string(c.LuckStartAge);

  // The year column follows the lunar year of the next jie, whatever the
  // luck's direction; 1924 was a 子 year.
  const LunarDate nextJieLunar = SolarToLunar(AddDays(birth, daysToJie(birth, 1)));
  c.HiddenStems[0] = HiddenStemsTable[WrapIndex(nextJieLunar.Year - 1924, 12)];
  // The month column counts January as 丑 and December as 子.
  c.HiddenStems[1] = HiddenStemsTable[WrapIndex(month, 12)];
  c.HiddenStems[2] = HiddenStemsTable[c.DayPillar.Branch];
  c.HiddenStems[3] = HiddenStemsTable[c.HourPillar.Branch];

  const int step = c.ReverseLuck ? -1 : 1;
  c.LuckNaYinLine = "纳音：";
  c.LuckTenGodLine = "十神：";
  const std::string dayStem = StemName(c.DayPillar.Stem);
  for (int k = 0; k < 10; ++k) {
    const Pillar p{WrapIndex(c.MonthPillar.Stem + step * k, 10), WrapIndex(c.MonthPillar.Branch + step * k, 12)};
    c.LuckPillars[static_cast<std::size_t>(k)] = p;
    if (k > 0) c.LuckLine += "   ";
    c.LuckLine += p.Text();
    c.LuckNaYinLine += NaYinOf(p.Text());
    c.LuckNaYinLine += " ";
    c.LuckTenGodLine += TenGodOf(dayStem + StemName(p.Stem));
    c.LuckTenGodLine += "   ";
  }

  c.BirthdayText = BirthdayPersonality(month, day);
  chart = std::move(c);
  return true;
}

void WriteChartSummary(PillarChart& chart, int year, int month, int day, int hour, std::string_view sex,
                       const MessageSink& showMessage, Pane& pane) {
  ComputeChart(chart, year, month, day, hour, sex, showMessage);
  pane.Add(kChartSeparator);
  pane.Add("");
  pane.Add("性格简评：");
  pane.Add("    " + chart.BirthdayText);
  pane.Add("");
}

}  // namespace hm
