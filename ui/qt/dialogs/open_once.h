// The secondary windows (About, help, the flow field) are each one for the
// whole run: the first request makes the window, every request shows it
// again, restored if minimised and in front.
#pragma once

#include <QWidget>

#include <memory>

namespace airfoil {

// Shows the window `slot` holds, made by `make` when there is none yet.
template <class W, class Make>
W& open_once(std::unique_ptr<W>& slot, Make make) {
  if (!slot) slot = make();
  slot->setWindowState(slot->windowState() & ~Qt::WindowMinimized);
  slot->show();
  slot->raise();
  slot->activateWindow();
  return *slot;
}

}  // namespace airfoil
