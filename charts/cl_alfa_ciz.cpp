#include "charts/charts.h"
#include "charts/coefficient_chart.h"
#include "charts/drawing.h"
#include "charts/references.h"
#include "model/coefficients.h"
#include "model/numtext.h"

namespace airfoil {

void CL_Alfa_ciz(Window& w, Plots& p) {
  Surface& s = p.Picture_CL;
  clear_and_scale(s, -16.0f, -4.0f, 16.0f, 2.0f);
  coefficient_grid(s, w, -3.5, 35);
  draw_references(s, w, Picture::lift);

  // Samples at whole degrees from -12 to 12; the moment chart reads them.
  for (int k = 0; k <= 24; ++k) {
    w.CurveAlfa(k) = k - 12;
    w.CurveCL(k) = lift_coefficient_at_degrees(w, w.CurveAlfa(k));
  }
  coefficient_curve(s, w, w.CurveCL, 1, w.colBlue);
  w.CL = lift_coefficient_at_degrees(w, w.AlfaD);
  coefficient_marker(s, w, w.CL, w.colRed);
  w.Text_CL.Text = general_format(round_half_even(w.CL, 4));

  compressibility_overlay(w, s, w.CurveCL, w.CL, w.drawn_moo.lift);
}

}  // namespace airfoil
