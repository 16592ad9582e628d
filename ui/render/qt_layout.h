// The window description in the toolkit's terms: twips to pixels at a zoom
// factor, colour values to QColor, fonts to installed families. Every window
// and every export converts through here, so a place or a colour means the
// same pixels wherever it is drawn.
#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QRect>
#include <QString>

#include "ui/window_layout.h"

namespace airfoil {

// A twips length in whole pixels at `zoom`: at 1 exactly the designed pixels.
int zoomed_pixels(int twips, double zoom = 1);

// A place of the tables in pixels at `zoom` of the designed size.
QRect pixels(const Place& place, double zoom = 1);

// `font` with its point size multiplied by `zoom`.
QFont zoomed(QFont font, double zoom);

QColor to_qcolor(Colour colour);

// A text of the program, whose numbers are written with '.', with the
// user's own decimal separator: every point between two digits becomes it,
// so that a window never mixes "0,12" with "0.2".
inline QString with_user_decimal_point(QString text) {
  const QString point = QLocale().decimalPoint();
  if (point == QLatin1String(".")) return text;
  for (qsizetype i = text.size() - 2; i >= 1; --i) {
    if (text[i] == QLatin1Char('.') && text[i - 1].isDigit() && text[i + 1].isDigit())
      text.replace(i, 1, point);
  }
  return text;
}

// The installed font closest to `font` (see fonts.h for the fallbacks).
QFont to_qfont(const Font& font);

}  // namespace airfoil
