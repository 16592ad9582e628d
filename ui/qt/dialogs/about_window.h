// The About window: the program's name, what it shows, who made it and where
// to write. Static text only.
#pragma once

#include <QWidget>

namespace airfoil {

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  // A top-level window of its own (no owner), so either window can be in
  // front; the main window closes it when it closes itself.
  AboutWindow();

  // Lays the window out again at `factor` of its designed size.
  void set_zoom(double factor);
  double zoom() const { return zoom_; }

 private:
  void lay_out();

  double zoom_ = 1;
};

}  // namespace airfoil
