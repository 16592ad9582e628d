#include "ui/qt/main/window_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

#include "ui/picture_texts.h"
#include "ui/qt/main/picture_box.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString designed(const QString& text) {
  return QCoreApplication::translate("Form1", text.toUtf8().constData());
}

QString translated(const char* source) { return QCoreApplication::translate(kControlsContext, source); }

QString translated(const Phrase& phrase) {
  return QString::fromStdString(
      render(phrase, [](const std::string& source) { return translated(source.c_str()).toStdString(); }));
}

}  // namespace

void translate_designed_texts(QWidget& window) {
  window.setWindowTitle(designed(window.windowTitle()));
  for (QLabel* label : window.findChildren<QLabel*>()) label->setText(designed(label->text()));
  for (QGroupBox* frame : window.findChildren<QGroupBox*>()) frame->setTitle(designed(frame->title()));
  for (QAction* action : window.findChildren<QAction*>()) action->setText(designed(action->text()));
}

void apply_control_texts(QWidget& window, const std::array<PictureBox*, 5>& pictures) {
  for (const ControlText& entry : kControlTexts) {
    auto* control = window.findChild<QWidget*>(QString::fromUtf8(entry.object));
    if (control == nullptr) continue;
    control->setAccessibleName(translated(entry.name));
    const QString description = with_user_decimal_point(translated(entry.description));
    control->setAccessibleDescription(description);
    control->setToolTip(description);
  }
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    pictures[i]->setAccessibleName(translated(kPictureTexts[i].name));
  }
}

void describe_pictures(const std::array<PictureBox*, 5>& pictures, const DrawnCases& cases) {
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    PictureBox* picture = pictures[i];
    const QString meaning = translated(kPictureTexts[i].description);
    // Until a procedure has drawn on it, a picture shows only its background
    // and annotations: say what brings it to life.
    if (!cases[i]) {
      const QString empty = translated(kNotDrawnYet);
      picture->setAccessibleDescription(empty + QLatin1Char(' ') + meaning);
      picture->setToolTip(empty);
      continue;
    }
    // A picture the last cycle did not redraw keeps the case it was drawn
    // with, and its description stays with it.
    const QString now =
        with_user_decimal_point(translated(picture_numbers(static_cast<SurfaceId>(i), *cases[i])));
    picture->setAccessibleDescription(now + QLatin1Char(' ') + meaning);
    picture->setToolTip(meaning + QLatin1Char('\n') + now);
  }
}

}  // namespace airfoil
