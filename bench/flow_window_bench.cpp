// A whole redraw of the flow-field window at 1000 x 500 pixels, as the window
// does it after a scroll-bar change: the scene for the new state (colour maps
// of both planes, streamlines traced and mapped, outline, stagnation points)
// and both planes painted side by side through the one painting function, here
// into an image.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench_support.h"
#include "ui/render/flow_picture.h"

namespace airfoil::bench {
namespace {

// Fonts need a GUI application; the offscreen platform serves.
void ensure_application() {
  static int argc = 1;
  static char name[] = "airfoil-bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}

void BM_flow_window_redraw_1000x500(benchmark::State& state) {
  ensure_application();
  const Window w = computed_window();

  const QSize plane(500, 500);
  const FlowStyle style;
  QImage image(1000, 500, QImage::Format_RGB32);
  for (auto _ : state) {
    const auto scene = make_flow_scene(flow_field(w), w.AlfaD, plane, plane, style);
    QPainter painter(&image);
    paint_flow_plane(painter, *scene, Plane::airfoil, style);
    painter.translate(plane.width(), 0);
    paint_flow_plane(painter, *scene, Plane::circle, style);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_flow_window_redraw_1000x500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace airfoil::bench
