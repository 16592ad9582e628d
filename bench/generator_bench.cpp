// The catalogue generator's search for all 31 x 16 sections, as the
// make-catalogue tool runs it (without writing the file).

#include <benchmark/benchmark.h>

#include "tools/catalogue/circle_search.h"

namespace {

void BM_catalogue_generator_496_pairs(benchmark::State& state) {
  for (auto _ : state) {
    for (int kt = 0; kt <= 30; ++kt) {
      for (int kc = 0; kc <= 15; ++kc) {
        const catalogue::CircleFit fit = catalogue::find_circle(kt / 100.0, kc / 100.0, 1e-12);
        benchmark::DoNotOptimize(fit.circle.eps);
      }
    }
  }
}
BENCHMARK(BM_catalogue_generator_496_pairs)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
