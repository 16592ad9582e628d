// The lesson's marks on the main window's pictures, a part the window owns:
// on the pressure picture the sonic line's label, the peak that leaves the
// chart and the supercritical notice; on every picture the value under the
// mouse; and the menus of presets and of the pinned references to unpin.
// Choosing from the menus asks the owner to run the action.
#pragma once

#include <QObject>

#include <array>
#include <functional>

#include "ui/form.h"

class QLabel;
class QMenu;
class QWidget;

namespace airfoil {

class PictureBox;

// An action on the window object that runs as one event (a pin, a preset).
using FormAction = std::function<void(Form1&)>;

class LessonNotes : public QObject {
  Q_OBJECT

 public:
  // `parent` owns the menus; `form` is read after every cycle.
  LessonNotes(QWidget& parent, const std::array<PictureBox*, 5>& pictures, const Form1& form);

  // The submenus for the pictures' menus.
  QMenu* presets_menu() const { return presets_; }
  QMenu* unpin_menu() const { return unpin_; }

  // The notice shown over the pressure picture; empty when hidden.
  QString pressure_notice() const;

  // Says on the pictures, at `zoom`, what the drawn case asks to be said.
  void follow(double zoom);

 signals:
  void requested(const airfoil::FormAction& action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fill_unpin_menu();

  std::array<PictureBox*, 5> pictures_;
  const Form1& form_;
  QMenu* presets_ = nullptr;
  QMenu* unpin_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* sonic_ = nullptr;
  QLabel* peak_ = nullptr;
};

}  // namespace airfoil
