// The window's way out: a right-click menu on every picture (copy, save as
// PNG, SVG or PDF, save the data as CSV), Ctrl+P to print the window and
// Ctrl+Shift+S to save a one-page PDF handout. Made by the window as its
// child; find it with window.findChild<WindowExports*>().
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

#include "ui/render/picture_painter.h"
#include "ui/surface_layout.h"

class QAction;
class QMenu;
class QPrinter;

namespace airfoil {

class Form1Window;

class WindowExports : public QObject {
  Q_OBJECT

 public:
  explicit WindowExports(Form1Window& window);

  // Asks where to save; an empty answer cancels. The window shows a file
  // dialog; tests answer for the user.
  std::function<QString(const QString& title, const QString& suggested, const QString& filter)> choose_path;
  // Lets the user set up the printer; false cancels. The window shows the
  // print dialog.
  std::function<bool(QPrinter& printer)> confirm_print;
  // Tells the user that a file could not be written.
  std::function<void(const QString& text)> report;

  // The five pictures as they show, in the order of the surface table.
  std::array<PictureContent, 5> pictures() const;
  QMenu* menu(SurfaceId id) const { return menus_[static_cast<std::size_t>(id)]; }

  void print_window();
  void save_handout();

 private:
  void build_menu(SurfaceId id);
  void save_picture_as(SurfaceId id, int format, double scale);
  void save_data(SurfaceId id);
  void save(const QString& title, const QString& suggested, const QString& filter,
            const std::function<QString(const QString&)>& write);

  Form1Window& window_;
  std::array<QMenu*, 5> menus_{};
  QAction* print_ = nullptr;
  QAction* handout_ = nullptr;
};

}  // namespace airfoil
