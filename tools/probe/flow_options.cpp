#include "flow_options.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "model/streamlines.h"

namespace airfoil::probe {

namespace {

void append_shortest(std::string& out, double x) {
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  out.append(buffer, result.ptr);
}

}  // namespace

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
      append_shortest(out, line.psi);
      out += ',';
      append_shortest(out, p.x);
      out += ',';
      append_shortest(out, p.y);
      out += '\n';
    }
  }
  return out;
}

}  // namespace airfoil::probe
