#include <utility>

#include "charts/charts.h"
#include "charts/drawing.h"
#include "charts/references.h"

namespace airfoil {

// The two geometry pictures. Plane points (x, y) go to user points (x, -y):
// both scales put the smaller user y at the top, so the upper side of the
// circle and of the section shows above the axis.
void profil_ciz(Window& w, Plots& p) {
  renkler(w);

  // Circle plane: axes through the origin, a cross at the circle's centre
  // (-Eps, Delta), then the circle from the trailing-edge point round.
  Surface& d = p.daire;
  clear_and_scale(d, -2.0f, -2.0f, 2.0f, 2.0f);
  line(d, -2, 0, 2, 0);
  line(d, 0, -2, 0, 2);
  line(d, -w.Eps - 0.1, -w.Delta, -w.Eps + 0.1, -w.Delta);
  line(d, -w.Eps, -w.Delta - 0.1, -w.Eps, -w.Delta + 0.1);
  draw_references(d, w, Picture::daire);
  two_part_outline(
      d, w,
      [&](double i) {
        return std::pair{w.Xc(i), -w.Yc(i)};
      },
      w.colRed, w.colBlue);

  // Airfoil plane: a grid in chord units, the chord line and the leading
  // edge abscissa black, then the section over it.
  Surface& a = p.profil;
  clear_and_scale(a, -0.1f, -0.35f, 1.1f, 0.25f);
  for (int k = 0; k <= 10; k += 2) {
    const double x = k / 10.0;
    line(a, x, -0.3, x, 0.2, k == 0 ? w.colBlack : w.colGreen);
  }
  for (int j = -3; j <= 2; ++j) {
    const double y = j / 10.0;
    line(a, 0, y, 1, y, j == 0 ? w.colBlack : w.colGreen);
  }
  draw_references(a, w, Picture::profil);
  two_part_outline(
      a, w,
      [&](double i) {
        return std::pair{w.Xp(i), -w.Yp(i)};
      },
      w.colRed, w.colBlue);
}

}  // namespace airfoil
