#include "charts/charts.h"
#include "charts/coefficient_chart.h"
#include "charts/drawing.h"
#include "charts/references.h"
#include "model/coefficients.h"
#include "model/numtext.h"

namespace airfoil {

void CM_Alfa_ciz(Window& w, Plots& p) {
  w.xM = w.HScroll_xM.Value / 100.0;
  w.Text_xM.Text = general_format(w.xM);

  Surface& s = p.Picture_CM;
  clear_and_scale(s, -16.0f, -2.4f, 16.0f, 2.0f);
  coefficient_grid(s, w, -2, 20);
  draw_references(s, w, Picture::moment);

  // Before any geometry there is no chord and no moment: the chart shows its
  // grid only and the text keeps what it shows.
  if (w.Chord == 0) {
    w.drawn_moo.moment = 0;
    return;
  }

  for (int k = 0; k <= 24; ++k) {
    w.CurveAlfa(k) = k - 12;
    w.CurveCM(k) = moment_coefficient_at_degrees(w, w.CurveAlfa(k), w.CurveCL(k));
  }
  coefficient_curve(s, w, w.CurveCM, 1, w.colBlue);
  const double current = moment_coefficient_at_degrees(w, w.AlfaD, w.CL);
  coefficient_marker(s, w, current, w.colRed);
  w.Text1.Text = general_format(round_half_even(current, 5));

  compressibility_overlay(w, s, w.CurveCM, current, w.drawn_moo.moment);
}

}  // namespace airfoil
