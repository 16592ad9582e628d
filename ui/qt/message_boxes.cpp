#include "ui/qt/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace airfoil {

namespace {

void show_box(QWidget* owner, QMessageBox::Icon icon, const std::string& text) {
  // The program's messages are the translation's source texts; a text
  // without a translation (a fault's technical report) shows as it is.
  const QString shown = QCoreApplication::translate("Messages", text.c_str());
  QMessageBox box(icon, QString::fromUtf8(kMessageCaption), shown,
                  QMessageBox::Ok, owner);
  box.setObjectName("MessageBox");
  box.exec();
}

}  // namespace

void MessageBoxes::show(const std::string& text) { show_box(owner_, QMessageBox::NoIcon, text); }

void MessageBoxes::fault(const std::string& text) { show_box(owner_, QMessageBox::Warning, text); }

}  // namespace airfoil
