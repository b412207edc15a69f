// Cost of one content lookup through the cached read-only connection.
#include <benchmark/benchmark.h>

#include "base/content.h"

static void BM_ContentLookup(benchmark::State& state) {
  hm::SetContentDir(HENGMU_BIN_DIR);
  for (auto _ : state) {
    hm::ContentQuery q(hm::ContentFile::Tgcode, "select layin from jiazi where jiazi = ? limit 1",
                       {std::string("甲子")});
    q.Open();
    benchmark::DoNotOptimize(q.Text(0));
  }
}
BENCHMARK(BM_ContentLookup);
