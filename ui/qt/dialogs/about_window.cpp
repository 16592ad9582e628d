#include "ui/qt/dialogs/about_window.h"

#include <QLabel>
#include <QShortcut>

#include <algorithm>

#include "ui/key_table.h"
#include "ui/qt/dialogs/fit_screen.h"
#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

AboutWindow::AboutWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("Form_About");
  setWindowTitle(QString::fromUtf8(kAboutCaption));
  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, to_qcolor(kLightYellow));
  setPalette(yellow);
  setAutoFillBackground(true);
  connect(new QShortcut(QKeySequence(key_entry(Command::close_window).shortcut), this), &QShortcut::activated,
          this, &QWidget::close);

  for (const AboutLabel& entry : kAboutLabels) {
    auto* label = new QLabel(QString::fromUtf8(entry.text), this);
    label->setObjectName(entry.name);
    label->setTextFormat(Qt::PlainText);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, to_qcolor(entry.colour));
    label->setPalette(colours);
    // The text starts at the top of its box, as on the form it was drawn on.
    label->setAlignment(entry.centred_wrapped ? Qt::AlignHCenter | Qt::AlignTop
                                              : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(entry.centred_wrapped);
  }
  lay_out();
}

void AboutWindow::set_zoom(double factor) {
  // The main window's step, or the largest below it that fits the screen.
  factor = fitting_zoom(*this, factor, [](double z) {
    return QSize(zoomed_pixels(kAboutWidth, z), zoomed_pixels(kAboutHeight, z));
  });
  if (factor == zoom_) return;
  zoom_ = factor;
  lay_out();
  if (isVisible()) fit_on_screen(*this);
}

void AboutWindow::lay_out() {
  setFixedSize(zoomed_pixels(kAboutWidth, zoom_), zoomed_pixels(kAboutHeight, zoom_));
  for (const AboutLabel& entry : kAboutLabels) {
    auto* label = findChild<QLabel*>(QString::fromUtf8(entry.name));
    label->setFont(zoomed(to_qfont(entry.font), zoom_));
    QRect place = pixels(entry.place, zoom_);
    // A font wider than the one the layout was drawn with can make a
    // one-line label longer than its box: such a line is widened to its text
    // and, when it would then run past the window's edge, centred in the
    // window, so that it is never cut.
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
    if (!entry.centred_wrapped && needed > place.width()) {
      place.setWidth(needed);
      if (place.right() >= width()) place.moveLeft(std::max(0, (width() - needed) / 2));
    }
    label->setGeometry(place);
  }
}

}  // namespace airfoil
