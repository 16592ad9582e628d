#include "ui/qt/dialogs/fit_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace airfoil {

namespace {

// The frame a window manager puts around a window: known once the window is
// shown; before, a title bar and border as the style draws them, so that a
// window about to open does not count on having none.
QMargins frame_of(const QWidget& window) {
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  if (window.isVisible() && outer != inner) {
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
  }
  const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {border, title + border, border, border};
}

QSize outer_size(QSize inner, const QMargins& frame) { return inner.grownBy(frame); }

}  // namespace

double nearest_zoom(double factor) {
  if (!std::isfinite(factor)) return 1;
  const double stepped = std::round(factor / kZoomStep) * kZoomStep;
  return std::clamp(stepped, kZoomMin, kZoomMax);
}

QRect available_area(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

double fitting_zoom(const QWidget& window, double factor, const std::function<QSize(double)>& size_at) {
  const QRect area = available_area(window);
  const QMargins frame = frame_of(window);
  double zoom = nearest_zoom(factor);
  // No screen to measure (a headless run) limits nothing.
  if (area.isEmpty()) return zoom;
  while (zoom > kZoomMin) {
    const QSize outer = outer_size(size_at(zoom), frame);
    if (outer.width() <= area.width() && outer.height() <= area.height()) break;
    zoom -= kZoomStep;
  }
  return zoom;
}

void fit_on_screen(QWidget& window) {
  const QRect area = available_area(window);
  if (area.isEmpty()) return;
  const QMargins frame = frame_of(window);
  if (window.minimumSize() != window.maximumSize()) {
    const QSize room = area.size().shrunkBy(frame).expandedTo(window.minimumSize());
    if (window.width() > room.width() || window.height() > room.height()) {
      window.resize(window.size().boundedTo(room));
    }
  }
  const QRect outer(window.geometry().topLeft() - QPoint(frame.left(), frame.top()),
                    outer_size(window.size(), frame));
  QPoint at = outer.topLeft();
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
  // move() places a window by its frame.
  if (at != outer.topLeft()) window.move(at);
}

}  // namespace airfoil
