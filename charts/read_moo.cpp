#include <cmath>

#include "charts/charts.h"
#include "model/numtext.h"

namespace airfoil {

// The Prandtl-Glauert factor sqrt(1 - Moo^2) is real and non-zero only for
// subsonic free streams, |Moo| < 1. Beyond that the linearised correction
// has no meaning, so no corrected curve exists; the user is told once per
// cycle, however many charts of the cycle read the box.
std::optional<double> read_moo(Window& w) {
  const LeadingNumber read = read_leading_number(w.Text_Moo.Text);
  if (read.overflow || !(std::fabs(read.value) < 1)) {
    if (!w.moo_reported) w.message(kMooOutOfRange);
    w.moo_reported = true;
    return std::nullopt;
  }
  return read.value;
}

}  // namespace airfoil
