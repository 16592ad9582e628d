#include "ui/qt/app/offscreen_warnings.h"

#include <QString>
#include <QtGlobal>

namespace airfoil {

namespace {

QtMessageHandler default_handler = nullptr;

void drop_window_manager_warnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  default_handler(type, context, text);
}

}  // namespace

void quiet_window_manager_warnings() {
  if (default_handler == nullptr) default_handler = qInstallMessageHandler(drop_window_manager_warnings);
}

}  // namespace airfoil
