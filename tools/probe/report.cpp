#include "report.h"

#include <cmath>
#include <type_traits>

#include <nlohmann/json.hpp>

namespace airfoil::probe {

namespace {

// Keys stay in the order they are written: the state in declaration order,
// the controls in the window's order.
using Json = nlohmann::ordered_json;

template <class T>
struct is_table : std::false_type {};
template <int Upper>
struct is_table<Table<Upper>> : std::true_type {};

// JSON has no NaN or infinity; such a value is written as null. Finite
// numbers are written in the shortest form that reads back as the same double.
Json number(double x) { return std::isfinite(x) ? Json(x) : Json(nullptr); }

Json state_of(const WindowState& state) {
  Json out = Json::object();
  for_each_variable(state, [&](const char* name, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (is_table<T>::value) {
      // The whole array, unused cells included: they show what earlier runs left.
      Json cells = Json::array();
      for (const double cell : value.cells()) cells.push_back(number(cell));
      out[name] = std::move(cells);
    } else if constexpr (std::is_integral_v<T>) {
      out[name] = static_cast<long long>(value);
    } else {
      out[name] = number(value);
    }
  });
  return out;
}

Json controls_of(const Controls& controls) {
  Json out = Json::object();
  for_each_control(controls, [&](const char* name, const auto& control) {
    using T = std::decay_t<decltype(control)>;
    if constexpr (std::is_same_v<T, ScrollBar>) {
      out[name] = control.Value;
    } else {
      out[name] = control.Text;
    }
  });
  return out;
}

Json surface_of(const RecordingSurface& surface) {
  Json out = Json::object();
  out["scale"] = nullptr;
  if (const auto& scale = surface.scale()) {
    out["scale"] = Json::array();
    for (const float corner : *scale) out["scale"].push_back(number(corner));
  }
  Json calls = Json::array();
  for (const SurfaceCall& call : surface.calls()) {
    Json args = Json::array();
    for (const float a : call.args) args.push_back(number(a));
    calls.push_back(Json{{"op", op_name(call.op)},
                         {"args", std::move(args)},
                         {"colour", call.colour ? Json(*call.colour) : Json(nullptr)}});
  }
  out["calls"] = std::move(calls);
  return out;
}

}  // namespace

std::string json_report(const Form1& form, const std::vector<std::string>& messages,
                        const std::array<NamedRecording, 5>& surfaces, const std::vector<FlowProbe>& points) {
  Json report = Json::object();
  report["state"] = state_of(form.w);
  report["controls"] = controls_of(form.w);
  report["messages"] = messages;
  report["fault"] = form.last_fault() ? Json(*form.last_fault()) : Json(nullptr);
  Json pictures = Json::object();
  for (const NamedRecording& named : surfaces) pictures[named.name] = surface_of(*named.surface);
  report["surfaces"] = std::move(pictures);
  // Only when the command line asked for the flow at points: {"x_c", "y_c",
  // "u", "v", "cp"} each, null where there is no flow (on or inside the
  // section, or before any geometry).
  if (!points.empty()) {
    Json flow = Json::array();
    for (const FlowProbe& p : points) {
      const auto value = [&](double Velocity::*member) {
        return p.velocity ? number((*p.velocity).*member) : Json(nullptr);
      };
      flow.push_back({{"x_c", number(p.at.x)},
                      {"y_c", number(p.at.y)},
                      {"u", value(&Velocity::u)},
                      {"v", value(&Velocity::v)},
                      {"cp", value(&Velocity::Cp)}});
    }
    report["points"] = std::move(flow);
  }
  // Texts typed into the Mach box may hold any bytes: one that is no valid
  // UTF-8 becomes U+FFFD, so the output is always valid JSON.
  return report.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace airfoil::probe
