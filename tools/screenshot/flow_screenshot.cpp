// Saves pictures of the flow-field window for the documentation, after the
// same steps a user takes: scroll bars on the main window, then F2.
//
//   airfoil-flow-screenshot DIR [CATALOGUE]
//
// writes DIR/flow-symmetric-0.png and DIR/flow-symmetric-8.png (thickness
// 12 %, no camber, at 0 and 8 degrees) and DIR/flow-cambered.png (thickness
// 12 %, the greatest camber, 15 %, at 4 degrees). Runs without a display.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScrollBar>

#include <cstdio>
#include <string>

#include "tools/screenshot/offscreen.h"
#include "ui/qt/flow/flow_window.h"
#include "ui/qt/main/main_window.h"

namespace {

struct Shot {
  const char* file;
  int thickness, camber, alfa;
};

constexpr Shot kShots[] = {
    {"flow-symmetric-0.png", 12, 0, 0},
    {"flow-symmetric-8.png", 12, 0, 8},
    {"flow-cambered.png", 12, 15, 4},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: airfoil-flow-screenshot DIR [CATALOGUE]\n");
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
    // Each change raises its scroll bar's change event, as a user's would.
    window.findChild<QScrollBar*>("HScroll_Thickness")->setValue(shot.thickness);
    window.findChild<QScrollBar*>("HScroll_Camber")->setValue(shot.camber);
    window.findChild<QScrollBar*>("HScroll_AlfaD")->setValue(shot.alfa);
    window.action(airfoil::Command::flow)->trigger();  // F2
    airfoil::FlowWindow* flow = window.flow_window();
    if (flow == nullptr) {
      std::fprintf(stderr, "airfoil-flow-screenshot: F2 opened no window\n");
      return 1;
    }
    flow->resize(1000, 540);
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromUtf8(shot.file));
    if (!flow->grab().save(path)) {
      std::fprintf(stderr, "airfoil-flow-screenshot: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
