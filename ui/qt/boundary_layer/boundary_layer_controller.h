// Keeps the boundary-layer window in step with the main window: F4 and the
// right-click menus of the airfoil and pressure pictures open it, every cycle
// that changes the section or the incidence recomputes it, and it follows the
// main window's zoom.
#pragma once

#include <QObject>

#include <array>
#include <memory>
#include <optional>

namespace airfoil {

class Form1Window;
class BoundaryLayerWindow;

class BoundaryLayerController : public QObject {
  Q_OBJECT

 public:
  // Becomes a child of `window`; call once, after the window is built.
  explicit BoundaryLayerController(Form1Window& window);
  ~BoundaryLayerController() override;

  // Null until first opened; the same window afterwards.
  BoundaryLayerWindow* boundary_layer_window() const { return window_bl_.get(); }
  void open();

  static BoundaryLayerController* of(const Form1Window& window);

 private:
  void follow();

  Form1Window& window_;
  std::unique_ptr<BoundaryLayerWindow> window_bl_;
  // The circle, the map's scaling and the incidence, as last shown.
  std::optional<std::array<double, 8>> key_;
};

}  // namespace airfoil
