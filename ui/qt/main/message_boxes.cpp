#include "ui/qt/main/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace airfoil {

namespace {

// The program's messages are the translation's source texts; a text
// without a translation shows as it is.
std::string translate_source(const std::string& source) {
  return QCoreApplication::translate("Messages", source.c_str()).toStdString();
}

void show_box(QWidget* owner, QMessageBox::Icon icon, const QString& shown) {
  QMessageBox box(icon, QString::fromUtf8(kMessageCaption), shown, QMessageBox::Ok, owner);
  box.setObjectName("MessageBox");
  box.exec();
}

}  // namespace

QString translated(const Phrase& phrase) { return QString::fromStdString(render(phrase, translate_source)); }

void MessageBoxes::show(const std::string& text) { show_phrase(Phrase{text}); }

void MessageBoxes::fault(const std::string& text) { fault_phrase(Phrase{text}); }

void MessageBoxes::show_phrase(const Phrase& phrase) {
  show_box(owner_, QMessageBox::NoIcon, translated(phrase));
}

void MessageBoxes::fault_phrase(const Phrase& phrase) {
  show_box(owner_, QMessageBox::Warning, translated(phrase));
}

}  // namespace airfoil
