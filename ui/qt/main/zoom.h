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

class QWidget;

namespace airfoil {

inline constexpr double kZoomMin = 0.5, kZoomMax = 3.0, kZoomStep = 0.25;

// The zoom step nearest to `factor`, kept between the smallest and the
// largest; 1 for a factor that is not a finite number.
double nearest_zoom(double factor);

// Reads a zoom factor as a person writes it: "2", "2.0", "1,5", "150%",
// "150 %". Nothing when the text is not a positive number. The factor is not
// yet rounded to a step.
std::optional<double> read_zoom(const QString& text);

// The factor remembered between runs, and remembering one.
double remembered_zoom();
void remember_zoom(double factor);

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
