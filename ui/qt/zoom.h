// Zoom for the projector: the main window, the About window and the help
// window laid out again from their tables at a factor of the designed size,
// from 50 % to 300 % in steps of 25 %. At 100 % every place, size and font is
// the designed one, so the window is the same pixels as without zoom.
#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QStringList>

#include <functional>
#include <optional>

#include "ui/window_layout.h"

namespace airfoil {

class Form1Window;

inline constexpr double kZoomMin = 0.5, kZoomMax = 3.0, kZoomStep = 0.25;

// The zoom step nearest to `factor`, kept between the smallest and the
// largest; 1 for a factor that is not a finite number.
double nearest_zoom(double factor);

// A twips length in whole pixels at `zoom`: at 1 exactly the designed pixels.
int zoomed_pixels(int twips, double zoom);
QRect pixels(const Place& place, double zoom);
// `font` with its point size multiplied by `zoom`.
QFont zoomed(QFont font, double zoom);

// Reads a zoom factor as a person writes it: "2", "2.0", "1,5", "150%",
// "150 %". Nothing when the text is not a positive number. The factor is not
// yet rounded to a step.
std::optional<double> read_zoom(const QString& text);

// The zoom step the command line asks for with `--zoom FACTOR` (or
// `--zoom=FACTOR`), rounded to the nearest step. `valid` is false (after
// saying why on standard error) when the option's value is not a factor.
struct ZoomOption {
  bool valid = true;
  std::optional<double> chosen;
};
ZoomOption read_zoom_option(const QStringList& arguments);

// The factor remembered between runs (1 when there is none), and
// remembering one: empty when done, else why not, in the user's language.
double remembered_zoom();
QString remember_zoom(double factor);
QString zoom_setting(double factor);

// The part of its screen a window may take (the screen's available area).
QRect available_area(const QWidget& window);

// The largest zoom step, at most `factor`, at which a window whose size
// without its frame is `size_at(step)` fits the available area with its
// frame (a projector of 768 lines takes the main window at 125 %, not 150 %);
// the smallest step when none fits.
double fitting_zoom(const QWidget& window, double factor, const std::function<QSize(double)>& size_at);

// Keeps a window on its screen: a resizable one is made no larger than the
// available area, and any one is moved, where it sticks out, back inside
// it; the title bar never above the top.
void fit_on_screen(QWidget& window);

// Places every widget of the main window from the layout tables at `zoom`
// and sets every font at its designed size times `zoom`; the pictures keep
// their recorded calls and repaint at the new size.
void lay_out_main_window(Form1Window& window, double zoom);

// The keys and the wheel that change the zoom of `window`: Ctrl+Plus (and
// Ctrl+= where Plus needs Shift), Ctrl+Minus, Ctrl+0, and Ctrl with the wheel
// anywhere over the window. Every change is remembered for the next run; a
// change that cannot be remembered says so, once.
class ZoomKeys : public QObject {
  Q_OBJECT

 public:
  explicit ZoomKeys(Form1Window& window);

  void step(int steps);
  void reset();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void set(double factor);

  Form1Window& window_;
  bool told_ = false;  // that a change could not be remembered
  int wheel_ = 0;      // eighths of a degree turned since the last step
};

}  // namespace airfoil
