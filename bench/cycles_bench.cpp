// The four event cycles, drawing on recording surfaces (the cost of the
// computing and of the drawing calls) and, where the Qt window is built,
// followed by painting the five pictures at the window's real pixel sizes
// (what the user waits for, minus putting the pixels on screen).

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "bench_support.h"
#include "charts/recording_surface.h"
#include "ui/lesson.h"
#include "ui/surface_layout.h"
#ifdef AIRFOIL_HAVE_PICTURES
#include <QImage>
#include <QPainter>

#include "ui/render/picture_painter.h"
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

#ifdef AIRFOIL_HAVE_PICTURES
// The cycle, then each of the five pictures replayed through QPainter into an
// image of the window's pixel size: what the screen's repaint costs on top of
// the computing.
void BM_painter(benchmark::State& state, Handler handler) {
  Rig<RecordingSurface> rig(recording_surfaces());
  std::array<QImage, 5> images;
  for (std::size_t k = 0; k < 5; ++k) {
    const SurfaceLayout& entry = kSurfaceLayouts[k];
    images[k] = QImage(entry.pixel_width(), entry.pixel_height(), QImage::Format_RGB32);
  }
  for (auto _ : state) {
    (rig.form.*handler)();
    for (std::size_t k = 0; k < 5; ++k) {
      const SurfaceLayout& entry = kSurfaceLayouts[k];
      QPainter painter(&images[k]);
      paint_calls(painter, rig.surfaces[k]->calls(), rig.surfaces[k]->scale_at_start(), images[k].size(), 1.0,
                  entry.BackColor, entry.ForeColor);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_painter, full_cycle, &Form1::profil_Click);
BENCHMARK_CAPTURE(BM_painter, geometry_cycle, &Form1::HScroll_nP_Change);
BENCHMARK_CAPTURE(BM_painter, incidence_cycle, &Form1::HScroll_AlfaD_Change);
BENCHMARK_CAPTURE(BM_painter, reference_point_cycle, &Form1::HScroll_xM_Change);

// A lesson's comparison: four lesson cases pinned, the live one at Moo 0.6
// (corrected curves and the sonic line), and after each full cycle the
// readouts the window shows, then the five pictures painted.
void BM_painter_four_references(benchmark::State& state) {
  Rig<RecordingSurface> rig(recording_surfaces());
  for (std::size_t k = 1; k <= 4; ++k) {
    apply_preset(rig.form, kPresets[k]);
    pin_case(rig.form);
  }
  apply_preset(rig.form, kPresets[5]);
  std::array<QImage, 5> images;
  for (std::size_t k = 0; k < 5; ++k) {
    const SurfaceLayout& entry = kSurfaceLayouts[k];
    images[k] = QImage(entry.pixel_width(), entry.pixel_height(), QImage::Format_RGB32);
  }
  for (auto _ : state) {
    rig.form.profil_Click();
    benchmark::DoNotOptimize(rig.form.readouts());
    for (std::size_t k = 0; k < 5; ++k) {
      const SurfaceLayout& entry = kSurfaceLayouts[k];
      QPainter painter(&images[k]);
      paint_calls(painter, rig.surfaces[k]->calls(), rig.surfaces[k]->scale_at_start(), images[k].size(), 1.0,
                  entry.BackColor, entry.ForeColor);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_painter_four_references);
#endif

}  // namespace
}  // namespace airfoil::bench
