#include <cfloat>
#include <cmath>
#include <string>

#include "charts/charts.h"

namespace airfoil {

// Converting a double outside the float range is undefined behaviour in C++,
// so such a value is held at the largest float first. Nothing is lost: any
// coordinate that large is far outside every surface and is clipped away.
float to_single(double x) {
  if (!std::isfinite(x)) {
    throw Fault("a plotted value is not a finite number (" + std::string(std::isnan(x) ? "NaN" : "infinite") +
                ")");
  }
  if (x > FLT_MAX) return FLT_MAX;
  if (x < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(x);
}

}  // namespace airfoil
