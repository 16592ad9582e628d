// The window's fonts, with fallbacks for machines that lack the families the
// layout was drawn with. Sizes are in points; the layout assumes 96 dots per
// inch, which is what the toolkit reports for logical coordinates.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QString>

#include <initializer_list>

namespace airfoil {

// The first of `families` that is installed and covers `script`; when none is,
// the application font's family, which the font system will patch glyph by
// glyph from whatever it has.
QString first_installed_family(std::initializer_list<const char*> families,
                               QFontDatabase::WritingSystem script = QFontDatabase::Any);

// Arial, or a font with the same widths (Liberation Sans), or a close sans.
QFont arial_font(double points, bool italic = false);

// Verdana, or the wide humanist sans it resembles most (DejaVu Sans).
QFont verdana_font(double points, bool bold = false, bool underline = false);

// A serif face with Greek letters, for the labels that show δ, γ and α: the
// letters of the classic symbol font are serif glyphs of roman weight.
QFont greek_font(double points);

// The font of every control that names none: 8.25-point Arial-like sans, the
// size the twips layout of labels and text boxes was measured for.
QFont dialog_font();

}  // namespace airfoil
