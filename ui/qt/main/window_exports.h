// The main window's way out: the picture menus (see dialogs/picture_menu.h)
// with each picture's data table, printing the window and the one-page PDF
// handout. A part the main window owns; it reads the pictures and the
// window object it is given.
#pragma once

#include <QObject>

#include <array>
#include <functional>

#include "ui/form.h"
#include "ui/qt/dialogs/picture_menu.h"
#include "ui/render/picture_painter.h"
#include "ui/surface_layout.h"

class QMenu;
class QPrinter;

namespace airfoil {

class PictureBox;

class WindowExports : public QObject {
  Q_OBJECT

 public:
  // `window` is what is printed and where the dialogs are centred.
  WindowExports(QWidget& window, const std::array<PictureBox*, 5>& pictures, const Form1& form);

  SaveDialogs dialogs;
  // Lets the user set up the printer; false cancels. The window shows the
  // print dialog; tests answer for the user.
  std::function<bool(QPrinter& printer)> confirm_print;

  // The five pictures as they show, in the order of the surface table.
  std::array<PictureContent, 5> pictures() const;
  QMenu* menu(SurfaceId id) const { return menus_[static_cast<std::size_t>(id)]; }

  void print_window();
  void save_handout();

 private:
  QWidget& window_;
  std::array<PictureBox*, 5> pictures_;
  const Form1& form_;
  std::array<QMenu*, 5> menus_{};
};

}  // namespace airfoil
