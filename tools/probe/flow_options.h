// The probe's view of the flow field: the flow at points the command line
// names (at=X,Y), and the streamlines of the final state as a CSV table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/flow_field.h"
#include "model/window.h"

namespace airfoil::probe {

// The flow at one point of the airfoil plane as the state stood when it was
// asked for: no velocity on or inside the section, nor before any geometry.
struct FlowProbe {
  PlanePoint at;
  std::optional<Velocity> velocity;
};

FlowProbe probe_flow(const WindowState& state, PlanePoint at);

// The streamlines of the state as `line,psi,x_c,y_c` rows under that header,
// one row per point, the points of a line in order along the flow; numbers in
// their shortest text that reads back as the same double, with '.'. Only the
// header before any geometry.
std::string flow_csv(const WindowState& state);

}  // namespace airfoil::probe
