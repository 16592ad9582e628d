#include "flow_options.h"

#include "model/numtext.h"
#include "model/streamlines.h"

namespace airfoil::probe {

FlowProbe probe_flow(const WindowState& state, PlanePoint at) {
  FlowProbe probe{at, std::nullopt};
  if (const auto field = flow_field(state)) {
    probe.velocity = section_velocity(*field, at);
  }
  return probe;
}

std::string flow_csv(const WindowState& state) {
  std::string out = "line,psi,x_c,y_c\n";
  const auto field = flow_field(state);
  if (!field) return out;
  const Streamlines lines = trace_streamlines(*field);
  for (std::size_t k = 0; k < lines.lines.size(); ++k) {
    const Streamline& line = lines.lines[k];
    for (const PlanePoint& p : line.airfoil) {
      out += std::to_string(k + 1);
      out += ',';
      out += shortest_text(line.psi);
      out += ',';
      out += shortest_text(p.x);
      out += ',';
      out += shortest_text(p.y);
      out += '\n';
    }
  }
  return out;
}

}  // namespace airfoil::probe
