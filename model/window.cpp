#include "model/window.h"

#include <algorithm>
#include <limits>

namespace airfoil {

long index_of_rounded(double i) {
  if (!std::isfinite(i)) {
    throw Fault("array index is not a finite number");
  }
  // Far outside every array: no need to round, and the conversion to long
  // must not overflow. Any such value is reported as out of range.
  constexpr double kFar = 1e15;
  if (i > kFar) return std::numeric_limits<long>::max();
  if (i < -kFar) return std::numeric_limits<long>::min();

  // Nearest whole number, a value exactly halfway going to the even
  // neighbour (25.5 -> 26, 24.5 -> 24). Decided explicitly rather than through
  // the floating-point rounding mode, which other code could have changed.
  const double below = std::floor(i);
  const double fraction = i - below;  // exact for |i| <= 1e15
  double whole = below;
  if (fraction > 0.5) {
    whole = below + 1;
  } else if (fraction == 0.5) {
    whole = std::fmod(below, 2.0) == 0 ? below : below + 1;
  }
  return static_cast<long>(whole);
}

double finite_or_fault(double x, const char* what) {
  if (!std::isfinite(x)) {
    throw Fault(std::string(what) + " is not a finite number");
  }
  return x;
}

bool set_scroll_value(ScrollBar& bar, long long value) {
  // Written without std::clamp so that a bar whose Min exceeds its Max (never
  // the case at design time) still behaves: Min wins, as the control would.
  const long long clamped = std::max<long long>(bar.Min, std::min<long long>(value, bar.Max));
  const int next = static_cast<int>(clamped);
  if (next == bar.Value) return false;
  bar.Value = next;
  return true;
}

}  // namespace airfoil
