// The right-click menu of a picture, the same in every window: copy; save
// as PNG at 1x, 2x or 4x, SVG or PDF; and, for a picture with data, save the
// data as CSV. Saving asks where through `SaveDialogs`, which tests answer
// for the user.
#pragma once

#include <QByteArray>
#include <QMenu>
#include <QString>

#include <functional>

#include "ui/render/exporter.h"

namespace airfoil {

// The questions and reports of saving: a file dialog and a message box in
// the window, answers given by tests.
struct SaveDialogs {
  // Where to save; an empty answer cancels.
  std::function<QString(const QString& title, const QString& suggested, const QString& filter)> choose_path;
  // Tells the user that a file could not be written.
  std::function<void(const QString& text)> report;
};

// The real dialogs, centred on `owner`.
SaveDialogs window_dialogs(QWidget& owner);

// Asks where to save and writes there with `write`, which returns the reason
// of a failure or nothing; a failure is reported.
void save_through(const SaveDialogs& dialogs, const QString& title, const QString& suggested,
                  const QString& filter, const std::function<QString(const QString&)>& write);

// A picture's data: its file name and contents, made when asked for.
struct PictureData {
  QString name;
  std::function<QByteArray()> bytes;
};

// Fills `menu` for the picture `picture` paints as it shows now. `dialogs`
// must outlive the menu. `copy` puts the picture on the clipboard where the
// window has its own way (as seen at its zoom); without it, `picture` is
// copied.
void fill_picture_menu(QMenu& menu, const std::function<PaintedPicture()>& picture,
                       const SaveDialogs& dialogs, const std::optional<PictureData>& data = std::nullopt,
                       std::function<void()> copy = {});

// Puts `entries` (actions, or submenus by their menuAction) at the top of a
// picture's menu, above a separator: what a window offers on its pictures
// besides copying and saving.
void put_first(QMenu& menu, const QList<QAction*>& entries);

// Opens the menu of `widget` where its context menu was asked for.
void popup_on_request(QWidget& widget, QMenu& menu);

// Makes `view` a picture of a secondary window: it grows with the window,
// paints every pixel itself, and opens its own menu, named after it, where a
// context menu is asked for. Returns that menu, still empty.
QMenu* make_picture_view(QWidget& view);

}  // namespace airfoil
