#include <cmath>

#include "model/numtext.h"
#include "model/window.h"

namespace airfoil {

void basınc_hesapla(Window& w) {
  w.AlfaD = w.HScroll_AlfaD.Value;
  w.Text_AlfaD.Text = general_format(w.AlfaD);
  const double alfa = (w.AlfaD * w.pi) / 180;

  // Written to the window only at the end, so that a fault leaves the
  // previous distribution whole.
  Table<101> Cp = w.Cp;

  for (double i = 2; i <= w.nP - 1; i += 1) {
    // The grid angle is taken about the origin; the circle speed wants the
    // angle about the centre. The triangle origin-centre-point gives the
    // difference as an arcsine.
    const double s = w.CenterRatio * std::sin(w.Teta(i) + w.PhiC);
    const double dPsi = std::atan(s / std::pow(1 - std::pow(s, 2), 0.5));
    const double g = (w.Teta(i) - alfa) - dPsi;

    // Circle surface speed with the circulation that makes the trailing edge
    // a stagnation point, divided by the map's stretching. Where the map
    // derivative vanishes (zeta = -1 met exactly) the speed is capped.
    double V = 0;
    if (w.dZdZeta(i) == 0) {
      V = 10;
    } else {
      V = (2 * (std::sin(alfa + w.BetaTE) + std::sin(g))) / w.dZdZeta(i);
    }
    Cp(i) = finite_or_fault(1 - std::pow(V, 2), "Cp");
  }

  // A trailing edge with a finite angle is a stagnation point; the cusp of
  // this map is not: the flow leaves it at the finite speed cos(alfa + BetaTE) / R.
  Cp(1) = 1;
  if (w.nExp == 2) {
    Cp(1) = finite_or_fault(1 - std::pow(std::cos(alfa + w.BetaTE), 2) / w.Radius2, "Cp");
  }
  Cp(w.nP) = Cp(1);

  // A zero-thickness section at zero incidence: the leading edge is the
  // critical point zeta = -1, where the circle speed and the map derivative
  // vanish together. Their ratio tends to 1 / R^2 there, which is 1 for the
  // flat plate (Cp = 0) and below 1 for a circular arc. Before any section
  // exists (Radius2 = 0) the value is 0. Only an odd point count puts a point
  // on the leading edge; with an even one, nHalf + 1 is an ordinary point
  // whose computed value must stand.
  if (w.Eps == 0 && w.AlfaD == 0 && w.nHalf == std::floor(w.nHalf)) {
    Cp(w.nHalf + 1) = w.Radius2 > 0 ? 1 - 1 / std::pow(w.Radius2, 2) : 0;
  }

  w.Cp = Cp;
}

}  // namespace airfoil
