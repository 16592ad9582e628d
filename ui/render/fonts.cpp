#include "ui/render/fonts.h"

#include <QGuiApplication>

#include "ui/render/qt_layout.h"

namespace airfoil {

QString first_installed_family(std::initializer_list<const char*> families,
                               QFontDatabase::WritingSystem script) {
  // Only real families count: an alias such as "Arial" resolved by the font
  // system would report success and then draw with something else.
  const QStringList installed = QFontDatabase::families();
  for (const char* family : families) {
    const QString name = QString::fromUtf8(family);
    if (!installed.contains(name, Qt::CaseInsensitive)) continue;
    if (script != QFontDatabase::Any && !QFontDatabase::writingSystems(name).contains(script)) continue;
    return name;
  }
  return QGuiApplication::font().family();
}

namespace {

QFont make_font(const QString& family, double points) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace

QFont arial_font(double points, bool italic) {
  QFont font = make_font(
      first_installed_family({"Arial", "Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}), points);
  font.setItalic(italic);
  return font;
}

QFont verdana_font(double points, bool bold, bool underline) {
  QFont font = make_font(
      first_installed_family({"Verdana", "DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans"}), points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

QFont greek_font(double points) {
  return make_font(
      first_installed_family({"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif", "Nimbus Roman"},
                             QFontDatabase::Greek),
      points);
}

QFont dialog_font() { return to_qfont(font_of(Face::dialog)); }

QFont to_qfont(const Font& font) {
  QFont q;
  switch (font.family) {
    case Family::arial: q = arial_font(font.points, font.italic); break;
    case Family::symbol: q = greek_font(font.points); break;
    case Family::verdana: q = verdana_font(font.points, font.bold, font.underline); break;
  }
  return q;
}

}  // namespace airfoil
