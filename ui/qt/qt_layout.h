// The window description in the toolkit's terms: twips to pixels, colour
// values to QColor, fonts to installed families.
#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QRect>
#include <QString>

#include "ui/window_layout.h"

namespace airfoil {

inline QRect pixels(const Place& p) {
  return {twips_to_pixels(p.left), twips_to_pixels(p.top), twips_to_pixels(p.width),
          twips_to_pixels(p.height)};
}

inline QColor to_qcolor(Colour c) {
  const auto v = static_cast<unsigned>(c);
  return {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF)};
}

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
