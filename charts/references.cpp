#include "charts/references.h"

#include <cmath>
#include <utility>

#include "charts/coefficient_chart.h"
#include "charts/drawing.h"
#include "model/coefficients.h"
#include "model/readouts.h"

namespace airfoil {

namespace {

constexpr LineStyle kReferenceStyles[4] = {LineStyle::dash, LineStyle::dot, LineStyle::dash_dot,
                                           LineStyle::dash_dot_dot};

// One pinned case on one picture, the same segments its own drawing made.
void draw_case(Surface& s, const PinnedCase& ref, Picture picture, Colour c) {
  const WindowState& r = ref.state;
  const double factor = ref.moo != 0 ? compressibility_factor(ref.moo) : 1;
  switch (picture) {
    case Picture::daire:
      two_part_outline(
          s, r,
          [&](double i) {
            return std::pair{r.Xc(i), -r.Yc(i)};
          },
          c, c);
      break;
    case Picture::profil:
      two_part_outline(
          s, r,
          [&](double i) {
            return std::pair{r.Xp(i), -r.Yp(i)};
          },
          c, c);
      break;
    case Picture::pressure:
      two_part_outline(
          s, r,
          [&](double i) {
            return std::pair{r.Xp(i), -(1 - r.Cp(i))};
          },
          c, c);
      if (ref.moo != 0) {
        for (double i = 2; i <= r.nP; i += 1) {
          line(s, r.Xp(i - 1), -(1 - r.Cp(i - 1) / factor), r.Xp(i), -(1 - r.Cp(i) / factor), c);
        }
      }
      break;
    case Picture::lift:
      coefficient_curve(s, r, r.CurveCL, 1, c);
      coefficient_marker(s, r, r.CL, c);
      if (ref.moo != 0) {
        coefficient_curve(s, r, r.CurveCL, factor, c);
        coefficient_marker(s, r, r.CL / factor, c);
      }
      break;
    case Picture::moment: {
      if (r.Chord == 0) break;
      const double cm = moment_coefficient_at_degrees(r, r.AlfaD, r.CL);
      coefficient_curve(s, r, r.CurveCM, 1, c);
      coefficient_marker(s, r, cm, c);
      if (ref.moo != 0) {
        coefficient_curve(s, r, r.CurveCM, factor, c);
        coefficient_marker(s, r, cm / factor, c);
      }
      break;
    }
  }
}

}  // namespace

LineStyle reference_style(std::size_t k) { return kReferenceStyles[k % 4]; }
Colour reference_colour(std::size_t k) { return kReferenceColours[k % 4]; }

void draw_references(Surface& s, const Window& w, Picture picture) {
  for (std::size_t k = 0; k < w.references.size(); ++k) {
    s.line_style = reference_style(k);
    try {
      draw_case(s, w.references[k], picture, reference_colour(k));
    } catch (...) {
      s.line_style = LineStyle::solid;
      throw;
    }
  }
  s.line_style = LineStyle::solid;
}

void sonic_line(Surface& s, double moo) {
  // As Moo goes to zero the sonic Cp* falls without bound; a Mach number so
  // small that Moo squared underflows puts the line at infinity, far above
  // every chart, so there is nothing to draw.
  const double level = 1 - sonic_cp(std::fabs(moo));
  if (!std::isfinite(level)) return;
  s.line_style = LineStyle::dash;
  line(s, 0, -level, 1, -level, kMagenta);
  s.line_style = LineStyle::solid;
}

}  // namespace airfoil
