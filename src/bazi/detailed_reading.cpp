#include "bazi/detailed_reading.h"

#include <exception>

#include "base/text.h"
#include "bazi/birth_summary.h"
#include "bazi/bone_weight.h"
#include "bazi/element_tally.h"
#include "bazi/personality.h"
#include "bazi/report_lines.h"

namespace hm {

namespace {

void writeReading(DetailedVariant variant, const BirthRecord& r, std::string_view sex, PillarChart& chart, Pane& pane,
                  const MessageSink& showMessage) {
  bazi::WriteReadingHead(r, sex, chart, pane, showMessage);

  const PillarChart& c = chart;
  pane.Add(bazi::PillarsLine(c));
  pane.Add("");
  const std::string elements = bazi::ElementsText(c);
  pane.Add("五行：" + elements);
  pane.Add("");
  pane.Add(bazi::NaYinLine(c));
  pane.Add("");
  pane.Add("起运：" + c.LuckStartAgeText + "岁");
  pane.Add("");
  pane.Add(c.LuckNaYinLine);
  pane.Add("");
  pane.Add(c.LuckTenGodLine);
  pane.Add("");
  pane.Add(c.LuckLine);
  pane.Add(bazi::LuckAgesLine(c));
  pane.Add("");
  // Here the luck years count from the lunar birth year.
  const int a = ToInt(c.LuckStartAgeText);
  const int lunarYear = ToInt(r.LunarYearNumber);
  std::string from = "始于：" + r.LunarYearNumber;
  for (int k = 0; k <= 8; ++k) from += "   " + std::to_string(lunarYear + a + 10 * k);
  pane.Add(from);
  pane.Add("");
  pane.Add("八字五行个数：" + FiveElementTally(elements));

  switch (variant) {
    case DetailedVariant::BirthInfo:
      pane.Add("");
      pane.Add("--以上内容紧着参考---------------------------------------------");
      return;
    case DetailedVariant::BoneWeight:
      pane.Add("");
      pane.Add("--【袁天罡称骨算命】--------------------------------------------------------");
      for (int kind = 0; kind <= 2; ++kind)
        pane.Add(BoneWeightLine(r.LunarYearNumber, r.LunarMonthNumber, r.LunarDayNumber, r.HourNumber, kind));
      break;
    case DetailedVariant::BloodType:
      pane.Add("");
      pane.Add("--【血型论命】--------------------------------------------------------------");
      pane.Add("    " + BloodTypeText(r.BloodType));
      break;
  }
  pane.Add("");
  pane.Add("--以上内容紧着参考----------------------------------------------------------");
  ScrollToTop(pane);
}

}  // namespace

void DetailedReading(DetailedVariant variant, const BirthRecord& record, std::string_view sex, PillarChart& chart,
                     Pane& pane, const MessageSink& showMessage) {
  try {
    writeReading(variant, record, sex, chart, pane, showMessage);
  } catch (const std::exception&) {
    // The reading ends here without a word; what is written stays.
  }
}

}  // namespace hm
