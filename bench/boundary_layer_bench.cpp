// The boundary layer of the typical section at 1e6: one case (both sides
// from the stagnation point, with the arc-length table it needs), and the
// 21-point polar the window redraws on every change of a bar.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "model/boundary_layer.h"

namespace airfoil::bench {
namespace {

void BM_boundary_layer_one_case(benchmark::State& state) {
  const Window w = computed_window();
  for (auto _ : state) {
    const BoundaryLayer layer = boundary_layer(w, kReynoldsDefault);
    benchmark::DoNotOptimize(layer.cd);
  }
}
BENCHMARK(BM_boundary_layer_one_case)->Unit(benchmark::kMicrosecond);

void BM_boundary_layer_polar(benchmark::State& state) {
  const Window w = computed_window();
  for (auto _ : state) {
    const std::vector<PolarPoint> polar = boundary_layer_polar(w, kReynoldsDefault);
    benchmark::DoNotOptimize(polar.data());
  }
}
BENCHMARK(BM_boundary_layer_polar)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace airfoil::bench
