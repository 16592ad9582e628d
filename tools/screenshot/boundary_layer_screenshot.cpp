// Saves pictures of the boundary-layer window for the documentation, after
// the same steps a user takes: scroll bars on the main window, then F4.
//
//   airfoil-boundary-layer-screenshot DIR [CATALOGUE]
//
// writes DIR/boundary-layer.png (thickness 12 %, camber 4 %, 4 degrees,
// Re 1e6) and DIR/boundary-layer-stall.png (18 %, 4 %, 10 degrees, where the
// upper layer separates well ahead of the trailing edge). Runs without a
// display.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScrollBar>

#include <cstdio>

#include "tools/screenshot/offscreen.h"
#include "ui/qt/boundary_layer/boundary_layer_window.h"
#include "ui/qt/main/main_window.h"

namespace {

struct Shot {
  const char* file;
  int thickness, camber, alfa;
};

constexpr Shot kShots[] = {
    {"boundary-layer.png", 12, 4, 4},
    {"boundary-layer-stall.png", 18, 4, 10},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: airfoil-boundary-layer-screenshot DIR [CATALOGUE]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  airfoil::quiet_window_manager_warnings();
  QApplication app(argc, argv);
  airfoil::StderrMessages messages;
  airfoil::Form1Window window(&messages, argc == 3 ? argv[2] : airfoil::kCatalogueFileName);
  window.show();
  QApplication::processEvents();
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  for (const Shot& shot : kShots) {
    window.findChild<QScrollBar*>("HScroll_Thickness")->setValue(shot.thickness);
    window.findChild<QScrollBar*>("HScroll_Camber")->setValue(shot.camber);
    window.findChild<QScrollBar*>("HScroll_AlfaD")->setValue(shot.alfa);
    window.action(airfoil::Command::boundary_layer)->trigger();  // F4
    airfoil::BoundaryLayerWindow* layer = window.boundary_layer_window();
    if (layer == nullptr) {
      std::fprintf(stderr, "airfoil-boundary-layer-screenshot: F4 opened no window\n");
      return 1;
    }
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromUtf8(shot.file));
    if (!layer->grab().save(path)) {
      std::fprintf(stderr, "airfoil-boundary-layer-screenshot: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
