// Saves a picture of the main window after a few changes made through its
// own widgets, the way a user would make them:
//
//   airfoil-screenshot OUT.png [CATALOGUE] [--lesson DIR]
//
// With --lesson it also writes the lesson's pictures into DIR: four
// incidences of one section pinned and compared (lesson-pinned.png), the
// readouts window (lesson-readouts.png) and a case past its critical Mach
// number with the sonic line (lesson-sonic.png).
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
#include "ui/lesson.h"
#include "ui/qt/main/main_window.h"
#include "ui/qt/readouts/readouts_window.h"

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

bool save(QWidget& widget, const QString& path) {
  QApplication::processEvents();
  if (widget.grab().save(path)) return true;
  std::fprintf(stderr, "airfoil-screenshot: cannot write %s\n", path.toLocal8Bit().constData());
  return false;
}

int lesson_pictures(airfoil::Form1Window& window, const QString& dir) {
  using airfoil::Form1;
  // Incidence makes lift: 12 % / 4 % at 0, 2 and 4 degrees pinned, 6 live.
  window.run_action([](Form1& f) { airfoil::apply_preset(f, airfoil::kPresets[2]); });
  for (const char* alfa : {"0", "2", "4"}) {
    window.run_action([alfa](Form1& f) {
      airfoil::enter_typed(f, *airfoil::find_typed_box("Text_AlfaD"), alfa);
      airfoil::pin_case(f);
    });
  }
  window.run_action([](Form1& f) { airfoil::enter_typed(f, *airfoil::find_typed_box("Text_AlfaD"), "6"); });
  bool ok = save(window, dir + "/lesson-pinned.png");
  window.open_readouts();
  ok = save(*window.readouts_window(), dir + "/lesson-readouts.png") && ok;
  window.readouts_window()->close();
  window.run_action([](Form1& f) {
    airfoil::unpin_all(f);
    airfoil::apply_preset(f, airfoil::kPresets[5]);
  });
  ok = save(window, dir + "/lesson-sonic.png") && ok;
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool lesson = argc == 5 && std::string(argv[3]) == "--lesson";
  if (argc < 2 || (argc > 3 && !lesson)) {
    std::fprintf(stderr, "usage: airfoil-screenshot OUT.png [CATALOGUE] [--lesson DIR]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  airfoil::quiet_window_manager_warnings();
  QApplication app(argc, argv);

  airfoil::StderrMessages messages;
  airfoil::Form1Window window(&messages, argc >= 3 ? argv[2] : airfoil::kCatalogueFileName);
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
  return lesson ? lesson_pictures(window, QString::fromLocal8Bit(argv[4])) : 0;
}
