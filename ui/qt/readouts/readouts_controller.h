// The lesson's hooks on the main window: pinning references (Ctrl+K,
// Ctrl+Shift+K), the presets, the readouts window (F3), the value under the
// mouse on every picture, and on the pressure picture the sonic line's label,
// the peak that leaves the chart and the supercritical notice.
#pragma once

#include <QObject>

#include <memory>

class QLabel;
class QMenu;

namespace airfoil {

class Form1Window;
class ReadoutsWindow;

class ReadoutsController : public QObject {
  Q_OBJECT

 public:
  // Becomes a child of `window`; call once, after the window is built.
  explicit ReadoutsController(Form1Window& window);
  ~ReadoutsController() override;

  // Null until first opened; the same window afterwards.
  ReadoutsWindow* readouts_window() const { return readouts_.get(); }
  void open();
  static ReadoutsController* of(const Form1Window& window);

  // The notice shown over the pressure picture; empty when hidden.
  QString pressure_notice() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow();
  void fill_unpin_menu();

  Form1Window& window_;
  std::unique_ptr<ReadoutsWindow> readouts_;
  QMenu* unpin_menu_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* sonic_ = nullptr;
  QLabel* peak_ = nullptr;
};

}  // namespace airfoil
