// The desktop program: one main window; the program ends when its last
// window is closed.
#include <QApplication>

#include "ui/qt/language.h"
#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (!airfoil::apply_language(QApplication::arguments())) return 2;
  airfoil::Form1Window window;
  window.show();
  return app.exec();
}
