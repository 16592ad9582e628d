#include "ui/handout.h"

#include <optional>
#include <string>

#include "model/numtext.h"
#include "ui/readout_texts.h"
#include "ui/translatable.h"

namespace airfoil {

namespace {

constexpr const char* kNotDrawn = "\u2014";

}  // namespace

std::vector<HandoutLine> handout_lines(const Form1& form) {
  const DrawnCases& cases = form.drawn_cases();
  // The value of a fact as the picture `id` shows it.
  const auto fact = [&](SurfaceId id, const char* source, auto value) {
    const std::optional<DrawnCase>& drawn_with = drawn(cases, id);
    return HandoutLine{Phrase(source, {literal(drawn_with ? value(*drawn_with) : kNotDrawn)})};
  };
  const auto number = [](double DrawnCase::*field) {
    return [field](const DrawnCase& c) { return general_format(c.*field); };
  };
  // A Mach number too large to read is printed as it was typed.
  const auto moo = [](const DrawnCase& c) {
    return read_leading_number(c.MooText).overflow ? c.MooText : general_format(c.Moo);
  };
  return {
      {Phrase(QT_TRANSLATE_NOOP("Exporter", "Profil")), true},
      fact(SurfaceId::profil, QT_TRANSLATE_NOOP("Exporter", "kalınlık t/c = %1"),
           number(&DrawnCase::Thickness)),
      fact(SurfaceId::profil, QT_TRANSLATE_NOOP("Exporter", "kamburluk f/c = %1"),
           number(&DrawnCase::Camber)),
      fact(SurfaceId::profil, QT_TRANSLATE_NOOP("Exporter", "nokta sayısı nP = %1"), number(&DrawnCase::nP)),
      fact(SurfaceId::pressure, QT_TRANSLATE_NOOP("Exporter", "hücum açısı α = %1°"),
           number(&DrawnCase::AlfaD)),
      fact(SurfaceId::Picture_CM, QT_TRANSLATE_NOOP("Exporter", "moment referans noktası xM/c = %1"),
           number(&DrawnCase::xM)),
      fact(SurfaceId::pressure, QT_TRANSLATE_NOOP("Exporter", "Mach sayısı Moo = %1"), moo),
      {},
      {Phrase(QT_TRANSLATE_NOOP("Exporter", "Katsayılar")), true},
      fact(SurfaceId::Picture_CL, "CL = %1", [](const DrawnCase& c) { return c.CL; }),
      fact(SurfaceId::Picture_CM, "CM = %1", [](const DrawnCase& c) { return c.CM; }),
  };
}

HandoutStrip handout_strip(const Form1& form) {
  return {readout_lines(form.readouts()), headed_legend(form.w)};
}

}  // namespace airfoil
