// What one redraw of the flow-field window computes at 1000 x 500 pixels:
// the two planes side by side, each 500 x 500, with the Cp colour map behind
// the streamlines (sampled on a grid of the given cells per side and turned
// into colours), the streamlines traced once and mapped to both planes, the
// stagnation points and the section outline.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench_support.h"
#include "charts/colour_map.h"
#include "model/flow_field.h"
#include "model/streamlines.h"

namespace airfoil::bench {
namespace {

void BM_flow_field_redraw_1000x500(benchmark::State& state) {
  const Window w = computed_window();

  const int cells = static_cast<int>(state.range(0));
  const View circle_view = fit_view(kCircleView, 500, 500);
  const View airfoil_view = fit_view(kAirfoilView, 500, 500);
  std::vector<std::uint32_t> image(static_cast<std::size_t>(2 * cells * cells));
  std::size_t points = 0;
  for (auto _ : state) {
    const FlowField f = *flow_field(w);
    std::size_t k = 0;
    for (const auto& [plane, view] :
         {std::pair{Plane::circle, circle_view}, std::pair{Plane::airfoil, airfoil_view}}) {
      const CpSamples s = sample_cp(f, plane, view, cells, cells);
      for (const auto& cp : s.cp) {
        const Rgb c = cp ? cp_colour(*cp) : Rgb{128, 128, 128};
        image[k++] = 0xff000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
      }
    }
    StreamlineOptions options;
    options.circle_view = circle_view;
    options.airfoil_view = airfoil_view;
    const Streamlines lines = trace_streamlines(f, options);
    const StagnationPoints stagnation = stagnation_points(f);
    const std::vector<PlanePoint> outline = section_outline(f, 401);
    points = 0;
    for (const Streamline& l : lines.lines) points += l.zeta.size();
    benchmark::DoNotOptimize(image.data());
    benchmark::DoNotOptimize(stagnation);
    benchmark::DoNotOptimize(outline.data());
    benchmark::ClobberMemory();
  }
  state.counters["streamline_points"] = static_cast<double>(points);
}
BENCHMARK(BM_flow_field_redraw_1000x500)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_trace_streamlines(benchmark::State& state) {
  const Window w = computed_window();
  const FlowField f = *flow_field(w);
  StreamlineOptions options;
  options.airfoil_view = fit_view(kAirfoilView, 500, 500);
  for (auto _ : state) {
    const Streamlines lines = trace_streamlines(f, options);
    benchmark::DoNotOptimize(lines.lines.data());
  }
}
BENCHMARK(BM_trace_streamlines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace airfoil::bench
