// The boundary-layer window: the section with its displacement thickness,
// Cf and H along the chord, the lift-drag polar, and the numbers, at a
// Reynolds number typed into its box. Modeless and one for the whole run,
// like the flow window; the main window keeps it in step with `follow`.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "ui/boundary_layer_scene.h"
#include "ui/qt/dialogs/picture_menu.h"
#include "ui/render/exporter.h"

class QLabel;
class QLineEdit;
class QMenu;

namespace airfoil {

class BoundaryLayerWindow;

// One of the four pictures on screen, with its right-click menu.
class BoundaryLayerView : public QWidget {
  Q_OBJECT

 public:
  BoundaryLayerView(BoundaryLayerWindow& window, BoundaryLayerPlot plot);
  BoundaryLayerPlot plot() const { return plot_; }
  QMenu* menu() const { return menu_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BoundaryLayerWindow& window_;
  BoundaryLayerPlot plot_;
  QMenu* menu_ = nullptr;
};

class BoundaryLayerWindow : public QWidget {
  Q_OBJECT

 public:
  BoundaryLayerWindow();

  // The section and incidence of the main window; recomputed at once.
  void set_state(const WindowState& state);
  // The same, only when the circle, the map's scaling or the incidence
  // changed since the last call.
  void follow(const WindowState& state);
  // Scales every font and size of the window.
  void set_zoom(double zoom);
  double zoom() const { return zoom_; }

  double reynolds() const { return re_; }
  // Takes the text of the Re box: a number from 1e5 to 1e8 is applied, any
  // other text puts the current value back. Returns whether it applied.
  bool apply_reynolds_text(const QString& text);

  const BoundaryLayerCase& shown_case() const { return case_; }
  BoundaryLayerView* view(BoundaryLayerPlot p) const { return views_[static_cast<std::size_t>(p)]; }
  // The numbers as the window writes them.
  QString numbers_text() const;

  // One picture as the exporter draws it.
  PaintedPicture picture(BoundaryLayerPlot p) const;

  // Asks where to save and reports a failed write; tests answer for the
  // user.
  SaveDialogs dialogs;

 private:
  void build_menu(BoundaryLayerView& view);
  void save_table_as(const QString& name, const QByteArray& bytes);
  void recompute();
  void show_reynolds();

  WindowState state_;
  bool has_state_ = false;
  double re_ = kReynoldsDefault;
  double zoom_ = 1;
  BoundaryLayerCase case_;
  std::optional<std::array<double, 8>> followed_;
  std::array<BoundaryLayerView*, 4> views_{};
  QLabel* numbers_ = nullptr;
  QLabel* re_label_ = nullptr;
  QLineEdit* re_box_ = nullptr;
};

}  // namespace airfoil
