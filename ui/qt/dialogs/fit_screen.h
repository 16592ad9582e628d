// Zoom steps, and windows kept on their screen: no window opens or zooms
// larger than the screen's available area, and none has its title bar above
// the top. The main window, the secondary windows and the command line all
// go by these steps.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>

namespace airfoil {

inline constexpr double kZoomMin = 0.5, kZoomMax = 3.0, kZoomStep = 0.25;

// The zoom step nearest to `factor`, kept between the smallest and the
// largest; 1 for a factor that is not a finite number.
double nearest_zoom(double factor);

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

}  // namespace airfoil
