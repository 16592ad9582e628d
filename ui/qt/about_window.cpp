#include "ui/qt/about_window.h"

#include <QLabel>
#include <QShortcut>

#include <algorithm>

#include "charts/surface_layout.h"
#include "ui/qt/fonts.h"

namespace airfoil {

namespace {

struct AboutLabel {
  const char* name;
  const char* text;
  int left, top, width, height;  // twips
  double points;
  bool bold_underlined;
  QColor colour;
  bool centred_wrapped;
};

const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

}  // namespace

AboutWindow::AboutWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("Form_About");
  setWindowTitle("About");
  setFixedSize(twips_to_pixels(4125), twips_to_pixels(3195));
  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, QColor(255, 255, 192));
  setPalette(yellow);
  setAutoFillBackground(true);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);

  const AboutLabel labels[] = {
      {"Label1", "PelmoraAirfoil", 960, 240, 2415, 375, 12, true, kGreen, false},
      {"Label2", "Aerodynamic Characteristics of Pelmora Airfoil", 840, 720, 2655, 735, 9.75, false,
       kGreen, true},
      {"Label7", kAboutCredit, 840, 1680, 2535, 255, 8.25, false, kBlack, false},
      {"Label8", "last update : Februaray 2007", 840, 2040, 2775, 255, 8.25, false, kBlack, false},
      {"Label4", "for comments and questions e-mail to", 480, 2520, 3375, 255, 8.25, false, kBlack,
       false},
      {"Label5", kAboutAddress, 1200, 2760, 1935, 255, 8.25, false, kBlue, false},
  };
  for (const AboutLabel& entry : labels) {
    auto* label = new QLabel(QString::fromUtf8(entry.text), this);
    label->setObjectName(entry.name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana_font(entry.points, entry.bold_underlined, entry.bold_underlined));
    QRect place(twips_to_pixels(entry.left), twips_to_pixels(entry.top), twips_to_pixels(entry.width),
                twips_to_pixels(entry.height));
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
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, entry.colour);
    label->setPalette(colours);
    // The text starts at the top of its box, as on the form it was drawn on.
    label->setAlignment(entry.centred_wrapped ? Qt::AlignHCenter | Qt::AlignTop
                                             : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(entry.centred_wrapped);
  }
}

}  // namespace airfoil
