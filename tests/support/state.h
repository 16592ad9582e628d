// The window state as one list of numbers, for comparing two states.
#pragma once

#include <vector>

#include "model/window.h"

namespace airfoil::testing {

// Every number of the window state in declaration order, arrays cell by cell:
// two states are the same exactly when these lists are.
inline std::vector<double> flatten(const WindowState& s) {
  std::vector<double> values;
  for_each_variable(s, [&](const char*, const auto& x) {
    if constexpr (requires { x.cells(); }) {
      values.insert(values.end(), x.cells().begin(), x.cells().end());
    } else {
      values.push_back(x);
    }
  });
  return values;
}

}  // namespace airfoil::testing
