// The four event cycles, drawing on recording surfaces (the cost of the
// computing and of the drawing calls) and, where the raster library is built,
// on raster surfaces of the window's real pixel sizes (what the user waits
// for, minus putting the pixels on screen).

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "bench_support.h"
#include "charts/recording_surface.h"
#include "ui/surface_layout.h"
#ifdef AIRFOIL_HAVE_RASTER
#include "charts/raster/raster_surface.h"
#endif

namespace airfoil::bench {
namespace {

using Handler = void (Form1::*)();

template <class S>
struct Rig {
  explicit Rig(std::array<std::unique_ptr<S>, 5> s)
      : surfaces(std::move(s)),
        form(Plots{*surfaces[0], *surfaces[1], *surfaces[2], *surfaces[3], *surfaces[4]}, messages,
             kCatalogue) {
    form.Form_Load();
    set_typical_section(form.w);
    form.profil_Click();
  }
  std::array<std::unique_ptr<S>, 5> surfaces;
  NoMessages messages;
  Form1 form;
};

std::array<std::unique_ptr<RecordingSurface>, 5> recording_surfaces() {
  std::array<std::unique_ptr<RecordingSurface>, 5> s;
  for (std::size_t k = 0; k < 5; ++k) {
    s[k] = std::make_unique<RecordingSurface>(kSurfaceLayouts[k].BackColor, kSurfaceLayouts[k].ForeColor);
  }
  return s;
}

template <class S>
void run_cycle(benchmark::State& state, Rig<S>& rig, Handler handler) {
  for (auto _ : state) {
    (rig.form.*handler)();
    benchmark::ClobberMemory();
  }
}

void BM_recording(benchmark::State& state, Handler handler) {
  Rig<RecordingSurface> rig(recording_surfaces());
  run_cycle(state, rig, handler);
}
BENCHMARK_CAPTURE(BM_recording, full_cycle, &Form1::profil_Click);
BENCHMARK_CAPTURE(BM_recording, geometry_cycle, &Form1::HScroll_nP_Change);
BENCHMARK_CAPTURE(BM_recording, incidence_cycle, &Form1::HScroll_AlfaD_Change);
BENCHMARK_CAPTURE(BM_recording, reference_point_cycle, &Form1::HScroll_xM_Change);

#ifdef AIRFOIL_HAVE_RASTER
std::array<std::unique_ptr<RasterSurface>, 5> raster_surfaces() {
  std::array<std::unique_ptr<RasterSurface>, 5> s;
  for (std::size_t k = 0; k < 5; ++k) {
    const SurfaceLayout& entry = kSurfaceLayouts[k];
    s[k] = std::make_unique<RasterSurface>(entry.pixel_width(), entry.pixel_height(), entry.BackColor,
                                           entry.ForeColor);
  }
  return s;
}

void BM_raster(benchmark::State& state, Handler handler) {
  Rig<RasterSurface> rig(raster_surfaces());
  run_cycle(state, rig, handler);
}
BENCHMARK_CAPTURE(BM_raster, full_cycle, &Form1::profil_Click);
BENCHMARK_CAPTURE(BM_raster, geometry_cycle, &Form1::HScroll_nP_Change);
BENCHMARK_CAPTURE(BM_raster, incidence_cycle, &Form1::HScroll_AlfaD_Change);
BENCHMARK_CAPTURE(BM_raster, reference_point_cycle, &Form1::HScroll_xM_Change);
#endif

}  // namespace
}  // namespace airfoil::bench
