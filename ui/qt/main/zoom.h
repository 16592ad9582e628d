// Zoom for the projector: the main window, the About window, the help and
// flow windows laid out again at a factor of the designed size, from 50 % to
// 300 % in steps of 25 %. At 100 % every place, size and font is the
// designed one, so the window is the same pixels as without zoom. The keys
// are in the key table; this holds the steps, the remembered factor and the
// wheel.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "ui/qt/dialogs/fit_screen.h"

class QWidget;

namespace airfoil {

// Reads a zoom factor as a person writes it: "2", "2.0", "1,5", "150%",
// "150 %". Nothing when the text is not a positive number. The factor is not
// yet rounded to a step.
std::optional<double> read_zoom(const QString& text);

// The factor remembered between runs (1 when there is none), and
// remembering one: empty when done, else why not, in the user's language.
double remembered_zoom();
QString remember_zoom(double factor);
// A factor as the settings file keeps it.
QString zoom_setting(double factor);

// Ctrl with the wheel anywhere over `window`: whole steps, however finely the
// wheel or touchpad turns.
class ZoomWheel : public QObject {
  Q_OBJECT

 public:
  explicit ZoomWheel(QWidget& window);

 signals:
  // Steps up (positive) or down, once per whole notch turned.
  void turned(int steps);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  int wheel_ = 0;  // eighths of a degree turned since the last step
};

}  // namespace airfoil
