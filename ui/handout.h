// What the one-page handout says beside its pictures: the section, the
// incidence, the reference point, the Mach number and the coefficients, each
// as the picture that shows it was drawn. The exporter sets these lines in
// the current language; the web page can set the same.
#pragma once

#include <vector>

#include "model/phrase.h"
#include "ui/form.h"
#include "ui/readout_texts.h"

namespace airfoil {

// Translation context of the handout's texts.
inline constexpr const char* kHandoutContext = "Exporter";

struct HandoutLine {
  Phrase text;  // empty: a blank line
  bool heading = false;
};

// A fact whose picture was not drawn yet shows a dash for its value.
std::vector<HandoutLine> handout_lines(const Form1& form);

// The strip below the pictures, in the "Readouts" context: the readouts of
// the case as drawn, and with cases pinned the references' legend under its
// heading.
struct HandoutStrip {
  std::vector<Phrase> readouts;
  std::vector<Phrase> legend;
};
HandoutStrip handout_strip(const Form1& form);

}  // namespace airfoil
