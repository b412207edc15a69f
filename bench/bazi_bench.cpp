// Cost of a whole Bazi report (its content lookups and rule files included)
// and of the chart alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/birth_entry.h"
#include "app/main_state.h"
#include "base/content.h"
#include "base/text.h"
#include "bazi/bazi_report.h"
#include "bazi/chart.h"

namespace {

// The test fixture store beside the sources; the built store is in HENGMU_BIN_DIR.
std::string fixtureStore() {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "tests" / "fixtures" / "bazi").string();
}

void benchReport(benchmark::State& state, const std::string& store) {
  hm::SetContentDir(store);
  hm::EntryFields fields;
  fields.NameA = "王";
  fields.NameB = "明";
  fields.SYear = "2000";
  hm::BirthRecord record;
  hm::ReadBirthEntry(fields, record, true, true);
  hm::PillarChart chart;
  hm::Pane pane;
  for (auto _ : state) {
    hm::BaziReport(record, hm::Trim(fields.Sex), chart, pane, nullptr);
    benchmark::DoNotOptimize(pane.Lines().data());
  }
  // A report that ended early (a missing rule file) would be short.
  state.counters["lines"] = static_cast<double>(pane.Lines().size());
}

void BM_BaziReportFixture(benchmark::State& state) {
  benchReport(state, fixtureStore());
}
BENCHMARK(BM_BaziReportFixture)->Unit(benchmark::kMicrosecond);

void BM_BaziReportBuiltStore(benchmark::State& state) {
  benchReport(state, HENGMU_BIN_DIR);
}
BENCHMARK(BM_BaziReportBuiltStore)->Unit(benchmark::kMicrosecond);

void BM_ComputeChart(benchmark::State& state) {
  hm::SetContentDir(fixtureStore());
  hm::PillarChart chart;
  for (auto _ : state) {
    hm::ComputeChart(chart, 2000, 1, 1, 0, "男", nullptr);
    benchmark::DoNotOptimize(chart.LuckLine.data());
  }
}
BENCHMARK(BM_ComputeChart)->Unit(benchmark::kMicrosecond);

}  // namespace
