// Cost of the calendar conversions over their whole ranges: one benchmark
// iteration converts every day once.
#include <benchmark/benchmark.h>

#include "base/dates.h"
#include "calendar/lunar.h"
#include "calendar/sexagenary.h"
#include "calendar/window_calendar.h"

namespace {

// 1900-01-31 .. 2100-12-31, the range of the lunar conversion.
const int kLunarFirstDay = hm::DayNumber({1900, 1, 31});
const int kLunarLastDay = hm::DayNumber({2100, 12, 31});

void BM_SolarToLunarFullRange(benchmark::State& state) {
  for (auto _ : state) {
    for (int n = kLunarFirstDay; n <= kLunarLastDay; ++n)
      benchmark::DoNotOptimize(hm::SolarToLunar(hm::FromDayNumber(n)));
  }
  state.SetItemsProcessed(state.iterations() * (kLunarLastDay - kLunarFirstDay + 1));
}
BENCHMARK(BM_SolarToLunarFullRange)->Unit(benchmark::kMillisecond);

// Solar -> lunar -> solar for every day the round trip is defined on.
void BM_LunarRoundTripFullRange(benchmark::State& state) {
  const int first = hm::DayNumber({1901, 2, 19});
  const int last = hm::DayNumber({2100, 1, 1});
  for (auto _ : state) {
    for (int n = first; n <= last; ++n) {
      const hm::Date back = hm::LunarToSolar(hm::SolarToLunar(hm::FromDayNumber(n)));
      benchmark::DoNotOptimize(back);
    }
  }
  state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_LunarRoundTripFullRange)->Unit(benchmark::kMillisecond);

void BM_DayPillarFullRange(benchmark::State& state) {
  for (auto _ : state) {
    for (int n = kLunarFirstDay; n <= kLunarLastDay; ++n)
      benchmark::DoNotOptimize(hm::DayPillarOf(hm::FromDayNumber(n)));
  }
  state.SetItemsProcessed(state.iterations() * (kLunarLastDay - kLunarFirstDay + 1));
}
BENCHMARK(BM_DayPillarFullRange)->Unit(benchmark::kMillisecond);

// 1901-01-01 .. 2050-12-31, the range of the window calendar.
void BM_WindowLunarCodeFullRange(benchmark::State& state) {
  const int first = hm::DayNumber({1901, 1, 1});
  const int last = hm::DayNumber({2050, 12, 31});
  for (auto _ : state) {
    for (int n = first; n <= last; ++n) benchmark::DoNotOptimize(hm::WindowLunarCode(hm::FromDayNumber(n)));
  }
  state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_WindowLunarCodeFullRange)->Unit(benchmark::kMillisecond);

}  // namespace
