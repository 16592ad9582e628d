#include "flow_options.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "arguments.h"
#include "model/streamlines.h"

namespace airfoil::probe {

namespace {

std::optional<double> read_number(std::string_view text) {
  double x = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, x);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(x)) {
    return std::nullopt;
  }
  return x;
}

void append_shortest(std::string& out, double x) {
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  out.append(buffer, result.ptr);
}

}  // namespace

PlanePoint parse_flow_point(std::string_view text) {
  const auto comma = text.find(',');
  std::optional<double> x, y;
  if (comma != std::string_view::npos) {
    x = read_number(text.substr(0, comma));
    y = read_number(text.substr(comma + 1));
  }
  if (!x || !y) {
    throw UsageError("at=" + std::string(text) + ": at needs two numbers X,Y (x/c and y/c)");
  }
  return {*x, *y};
}

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
