#include <cmath>

#include "charts/charts.h"
#include "charts/coefficient_chart.h"
#include "charts/drawing.h"
#include "model/numtext.h"

namespace airfoil {

namespace {

// Pitching moment about the point x/c = xM, nose-up positive, for lift L at
// angle alpha. The first two terms are the moment about the origin of the
// map plane (the first from the map's dipole term, the second from the lift
// acting at the circle's centre); the third carries it to the reference
// point.
double moment(const Window& w, double alpha, double L) {
  const double m = 4 * w.pi * std::pow(1 / w.Chord, 2) * std::sin(2 * alpha) +
                   L * (w.Eps * std::cos(alpha) - w.Delta * std::sin(alpha)) / w.Chord +
                   L * (w.xM + w.xShift) * std::cos(alpha);
  return finite_or_fault(m, "moment coefficient");
}

}  // namespace

void CM_Alfa_ciz(Window& w, Plots& p) {
  w.xM = w.HScroll_xM.Value / 100.0;
  w.Text_xM.Text = general_format(w.xM);

  Surface& s = p.Picture_CM;
  clear_and_scale(s, -16.0f, -2.4f, 16.0f, 2.0f);
  coefficient_grid(s, w, -2, 20);

  // Before any geometry there is no chord and no moment: the chart shows its
  // grid only and the text keeps what it shows.
  if (w.Chord == 0) return;

  for (int k = 0; k <= 24; ++k) {
    w.CurveAlfa(k) = k - 12;
    w.CurveCM(k) = moment(w, w.CurveAlfa(k) * w.pi / 180, w.CurveCL(k));
  }
  coefficient_curve(s, w, w.CurveCM, 1, w.colBlue);
  const double current = moment(w, w.AlfaD * w.pi / 180, w.CL);
  coefficient_marker(s, w, current, w.colRed);
  w.Text1.Text = general_format(round_half_even(current, 5));

  compressibility_overlay(w, s, w.CurveCM, current);
}

}  // namespace airfoil
