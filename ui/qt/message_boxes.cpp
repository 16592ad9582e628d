#include "ui/qt/message_boxes.h"

#include <QMessageBox>

namespace airfoil {

namespace {

void show_box(QWidget* owner, QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, QString::fromUtf8(kMessageCaption), QString::fromStdString(text),
                  QMessageBox::Ok, owner);
  box.setObjectName("MessageBox");
  box.exec();
}

}  // namespace

void MessageBoxes::show(const std::string& text) { show_box(owner_, QMessageBox::NoIcon, text); }

void MessageBoxes::fault(const std::string& text) { show_box(owner_, QMessageBox::Warning, text); }

}  // namespace airfoil
