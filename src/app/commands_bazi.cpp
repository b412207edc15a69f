// The Four Pillars commands of the main window.
#include "app/birth_entry.h"
#include "app/commands.h"
#include "base/text.h"
#include "bazi/bazi_report.h"
#include "bazi/birth_summary.h"
#include "bazi/chart.h"
#include "bazi/detailed_reading.h"

namespace hm {

namespace {

// The chart of the last computation stays with the window.
PillarChart& chartOf(MainState& s) {
  return s.Slot<PillarChart>("bazi.chart");
}

MessageSink messagesOf(MainState& s) {
  return [&s](const std::string& text) { s.ShowMessage(text); };
}

// 八字分析 / 八字详批: the full report, shown from its first line.
void RzButton1Click(MainState& s) {
  ReadBirthEntry(s.fields, s.record, true, true);
  // The sex is not part of the record: the field is read when the chart is
  // computed.
  BaziReport(s.record, Trim(s.fields.Sex), chartOf(s), s.pane, messagesOf(s));
  s.pane.Show();
  ScrollToTop(s.pane);
}

void runDetailed(MainState& s, DetailedVariant variant) {
  ReadBirthEntry(s.fields, s.record, true, true);
  DetailedReading(variant, s.record, Trim(s.fields.Sex), chartOf(s), s.pane, messagesOf(s));
  s.pane.Show();
}

void dxBarButton80Click(MainState& s) {
  runDetailed(s, DetailedVariant::BirthInfo);
}
void dxBarButton8Click(MainState& s) {
  runDetailed(s, DetailedVariant::BoneWeight);
}
void dxBarButton10Click(MainState& s) {
  runDetailed(s, DetailedVariant::BloodType);
}

}  // namespace

void RegisterBaziCommands(PaneCommandTable& table) {
  table["八字分析"] = RzButton1Click;
  table["八字详批"] = RzButton1Click;
  table["生辰信息"] = dxBarButton80Click;
  table["称骨算命"] = dxBarButton8Click;
  table["血型论命"] = dxBarButton10Click;
}

}  // namespace hm
