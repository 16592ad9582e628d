// The flow-field window: the flow about the section and about its circle,
// side by side, with the pressure behind the streamlines. Modeless and one
// for the whole run, like the help window; the main window keeps it in step
// with `follow`. The mouse over either plane reads the flow there and rings
// the same point in the other plane; with the keyboard, Tab reaches each
// plane and the arrow keys move a probe point over it.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "model/window.h"
#include "ui/qt/dialogs/picture_menu.h"
#include "ui/render/exporter.h"
#include "ui/render/flow_picture.h"

class QLabel;
class QMenu;

namespace airfoil {

class FlowWindow;

// One plane's picture on screen.
class FlowPlaneView : public QWidget {
  Q_OBJECT

 public:
  FlowPlaneView(FlowWindow& window, Plane plane);
  Plane plane() const { return plane_; }
  QMenu* menu() const { return menu_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  FlowWindow& window_;
  Plane plane_;
  QMenu* menu_ = nullptr;
};

class FlowWindow : public QWidget {
  Q_OBJECT

 public:
  FlowWindow();

  // The flow to show (none before the first geometry step) at incidence
  // `alfa_degrees`; redrawn at the next paint.
  void set_field(std::optional<FlowField> field, double alfa_degrees);
  // Shows the flow of the window state `s` when the circle, the map's
  // scaling or the incidence changed since the last call; any other change
  // (points, reference point, Mach number) leaves the field as it is.
  void follow(const WindowState& s);
  // Scales every font and size of the window's pictures.
  void set_zoom(double zoom);

  // The scene at the pictures' current sizes, rebuilt if anything changed.
  const FlowScene& scene();
  FlowPlaneView* view(Plane p) const { return p == Plane::airfoil ? airfoil_ : circle_; }
  // The status line: the flow under the mouse, or what to do.
  QString readout() const;

  // The mouse at `at` (picture coordinates) over plane `p`; nothing clears it.
  void hover(Plane p, std::optional<QPointF> at);
  // The keyboard's probe point in plane `p` moved by (dx, dy) steps of a
  // fortieth of the plot (a fifth of that with `fine`); the first key puts it
  // in the middle of the plot.
  void probe(Plane p, int dx, int dy, bool fine);
  // The point under the mouse, in its plane's coordinates, if any.
  std::optional<std::pair<Plane, PlanePoint>> hovered() const { return hovered_; }

  // One plane as the exporter draws it: the picture as it shows, without the
  // mouse ring.
  PaintedPicture picture(Plane p);

  // Asks where to save and reports a failed write; tests answer for the
  // user.
  SaveDialogs dialogs;

 private:
  friend class FlowPlaneView;
  void update_texts();
  std::optional<PlanePoint> mark_in(Plane p) const;

  FlowStyle style_;
  std::optional<FlowField> field_;
  double alfa_degrees_ = 0;
  std::shared_ptr<const FlowScene> scene_;
  bool dirty_ = true;
  std::optional<std::pair<Plane, PlanePoint>> hovered_;
  bool by_keyboard_ = false;  // the point was put there by a key, not the mouse
  FlowPlaneView* airfoil_ = nullptr;
  FlowPlaneView* circle_ = nullptr;
  QLabel* status_ = nullptr;
  std::optional<std::array<double, 8>> followed_;
};

}  // namespace airfoil
