#include "ui/qt/app/app_icon.h"

#include "app_identity.h"

namespace airfoil {

QIcon application_icon() {
  // Drawn at each size it is asked for by Qt's SVG plugins.
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kAppId)));
}

}  // namespace airfoil
