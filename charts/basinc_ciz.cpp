#include <optional>
#include <utility>

#include "charts/charts.h"
#include "charts/drawing.h"
#include "charts/references.h"
#include "model/coefficients.h"

namespace airfoil {

// 1 - Cp against x/c, drawn upward (value v at user y = -v): suction peaks
// rise above the 1 - Cp = 0 line. The lower side is red, the upper blue.
void basınc_ciz(Window& w, Plots& p) {
  Surface& s = p.pressure;
  clear_and_scale(s, -0.1f, -5.5f, 1.1f, 0.5f);
  for (int k = 0; k <= 10; k += 2) {
    const double x = k / 10.0;
    line(s, x, -5, x, 0, k == 0 ? w.colBlack : w.colGreen);
  }
  for (int j = 0; j <= 5; ++j) {
    line(s, 0, -j, 1, -j, j == 0 ? w.colBlack : w.colGreen);
  }
  draw_references(s, w, Picture::pressure);
  two_part_outline(
      s, w,
      [&](double i) {
        return std::pair{w.Xp(i), -(1 - w.Cp(i))};
      },
      w.colRed, w.colBlue);

  // Prandtl-Glauert: at a subsonic free-stream Mach number the pressure
  // coefficient grows by 1 / Beta. The corrected curve is one polygon
  // through all points, not split at the leading edge.
  if (const std::optional<double> beta = store_beta(w, BetaAtZeroMach::StoreOne, w.drawn_moo.pressure)) {
    const auto corrected = [&](double i) { return -(1 - corrected_for_compressibility(w.Cp(i), *beta)); };
    for (double i = 2; i <= w.nP; i += 1) {
      line(s, w.Xp(i - 1), corrected(i - 1), w.Xp(i), corrected(i), kMagenta);
    }
    // Where the local flow turns sonic: once the corrected peak rises above
    // this line the linear correction no longer describes the flow.
    sonic_line(s, w.drawn_moo.pressure);
  }
}

}  // namespace airfoil
