// Saves a picture of the main window after a few changes made through its
// own widgets, the way a user would make them:
//
//   airfoil-screenshot OUT.png [CATALOGUE]
//
// Runs without a display (the offscreen platform unless QT_QPA_PLATFORM says
// otherwise). Messages the window would show in a box go to stderr.
#include <QAbstractSlider>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>

#include <cstdio>
#include <string>

#include "tools/screenshot/offscreen.h"
#include "ui/qt/main/main_window.h"

namespace {

// Moves a bar the way clicks on its arrows or its track do, one change event
// per step.
void step(QScrollBar* bar, int target, QAbstractSlider::SliderAction up, QAbstractSlider::SliderAction down) {
  while (bar->value() != target) {
    const int before = bar->value();
    bar->triggerAction(bar->value() < target ? up : down);
    QApplication::processEvents();
    if (bar->value() == before) break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: airfoil-screenshot OUT.png [CATALOGUE]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  airfoil::quiet_window_manager_warnings();
  QApplication app(argc, argv);

  airfoil::StderrMessages messages;
  airfoil::Form1Window window(&messages, argc == 3 ? argv[2] : airfoil::kCatalogueFileName);
  window.show();
  QApplication::processEvents();

  const auto bar = [&](const char* name) { return window.findChild<QScrollBar*>(name); };
  // The Mach number is read by the next cycle that draws the pressure plot.
  window.findChild<QLineEdit*>("Text_Moo")->setText("0.5");
  const auto arrows = [&](const char* name, int target) {
    step(bar(name), target, QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub);
  };
  arrows("HScroll_Thickness", 12);
  arrows("HScroll_Camber", 4);
  arrows("HScroll_AlfaD", 6);
  step(bar("HScroll_xM"), 25, QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub);
  QApplication::processEvents();

  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "airfoil-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
