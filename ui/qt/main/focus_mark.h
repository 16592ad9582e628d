// A visible mark on the control that has the keyboard focus: a frame in the
// highlight colour. Scroll bars and text boxes get it just inside their edge;
// a picture gets it just outside, so that nothing drawn on the picture is
// ever covered. The mark is a transparent overlay of its own and leaves the
// controls' painting alone.
#pragma once

#include <QPointer>
#include <QWidget>

namespace airfoil {

class FocusMark : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 2;  // pixels at the designed size

  // Marks the focused picture, scroll bar or text box inside `area` (the
  // window's client area), whose child the mark becomes.
  explicit FocusMark(QWidget* area);

  // The control the mark is on; null when the focus is elsewhere.
  QWidget* target() const { return target_; }

  // The mark's width in pixels: kWidth at the designed size, as much wider
  // as the window is zoomed.
  int band() const { return band_; }
  void set_zoom(double factor);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow(QWidget* focused);
  void place();
  bool outside() const;

  QWidget* area_;
  QPointer<QWidget> target_;
  int band_ = kWidth;
};

}  // namespace airfoil
