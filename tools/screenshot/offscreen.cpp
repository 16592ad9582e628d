#include "tools/screenshot/offscreen.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

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

void StderrMessages::show(const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); }

void StderrMessages::fault(const std::string& text) { std::fprintf(stderr, "fault: %s\n", text.c_str()); }

}  // namespace airfoil
