#include <cmath>

#include "charts/charts.h"
#include "charts/coefficient_chart.h"
#include "charts/drawing.h"
#include "model/numtext.h"

namespace airfoil {

namespace {

// Potential-flow lift of the mapped section: the Kutta condition at the
// trailing edge fixes the circulation, which gives CL = 8 pi (R / c)
// sin(alpha + BetaTE), zero at the angle alpha = -BetaTE.
double lift(const Window& w, double alpha) {
  return finite_or_fault(8 * w.pi * w.RadiusC * std::sin(alpha + w.BetaTE), "lift coefficient");
}

}  // namespace

void CL_Alfa_ciz(Window& w, Plots& p) {
  Surface& s = p.Picture_CL;
  clear_and_scale(s, -16.0f, -4.0f, 16.0f, 2.0f);
  coefficient_grid(s, w, -3.5, 35);

  // Samples at whole degrees from -12 to 12; the moment chart reads them.
  for (int k = 0; k <= 24; ++k) {
    w.CurveAlfa(k) = k - 12;
    w.CurveCL(k) = lift(w, w.CurveAlfa(k) * w.pi / 180);
  }
  coefficient_curve(s, w, w.CurveCL, 1, w.colBlue);
  w.CL = lift(w, w.AlfaD * w.pi / 180);
  coefficient_marker(s, w, w.CL, w.colRed);
  w.Text_CL.Text = general_format(round_half_even(w.CL, 4));

  compressibility_overlay(w, s, w.CurveCL, w.CL);
}

}  // namespace airfoil
