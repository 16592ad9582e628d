// The secondary windows (About, help, the flow field, the boundary layer) are
// each one for the whole run: the first request makes the window, every
// request shows it again, restored if minimised, on its screen and in front.
#pragma once

#include <QWidget>

#include <memory>

#include "ui/qt/dialogs/fit_screen.h"

namespace airfoil {

// Shows the window `slot` holds, made by `make` when there is none yet.
template <class W, class Make>
W& open_once(std::unique_ptr<W>& slot, Make make) {
  if (!slot) slot = make();
  slot->setWindowState(slot->windowState() & ~Qt::WindowMinimized);
  slot->show();
  fit_on_screen(*slot);
  slot->raise();
  slot->activateWindow();
  return *slot;
}

}  // namespace airfoil
