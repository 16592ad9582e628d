#include "ui/qt/dialogs/help_window.h"

#include "app_identity.h"

namespace airfoil {

QString help_html() {
  return QString::fromStdString(
      help_html([](const char* context,
                   const char* source) { return QCoreApplication::translate(context, source).toStdString(); },
                kAppVersion));
}

}  // namespace airfoil
