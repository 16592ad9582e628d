// Keeps the flow-field window in step with the main window: F2 and the
// right-click menus of the circle and airfoil pictures open it, and every
// cycle that changes the section or the incidence redraws it.
#pragma once

#include <QObject>

#include <array>
#include <memory>
#include <optional>

namespace airfoil {

class Form1Window;
class FlowWindow;

class FlowController : public QObject {
  Q_OBJECT

 public:
  // Becomes a child of `window`; call once, after the window is built.
  explicit FlowController(Form1Window& window);
  ~FlowController() override;

  // Null until first opened; the same window afterwards.
  FlowWindow* flow_window() const { return flow_.get(); }
  void open();

  static FlowController* of(const Form1Window& window);

 private:
  void follow();

  Form1Window& window_;
  std::unique_ptr<FlowWindow> flow_;
  // What the flow depends on, as last shown: the circle, the map's scaling
  // and the incidence. Any other change (points, reference point, Mach
  // number) leaves the field as it is.
  std::optional<std::array<double, 8>> key_;
};

}  // namespace airfoil
