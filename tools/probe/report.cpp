#include "report.h"

#include <cmath>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "model/readouts.h"

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
    Json entry{{"op", op_name(call.op)},
               {"args", std::move(args)},
               {"colour", call.colour ? Json(*call.colour) : Json(nullptr)}};
    // Only a pinned reference or the sonic line is not solid.
    if (call.style != LineStyle::solid) entry["style"] = style_name(call.style);
    calls.push_back(std::move(entry));
  }
  out["calls"] = std::move(calls);
  return out;
}

Json optional_number(const std::optional<double>& x) { return x ? number(*x) : Json(nullptr); }

Json readouts_of(const Window& w) {
  const Readouts r = compute_readouts(w);
  const auto live = [&](double x) { return r.geometry ? number(x) : Json(nullptr); };
  return Json{{"cl", live(r.cl)},
              {"cm", live(r.cm)},
              {"cl_corrected", optional_number(r.cl_corrected)},
              {"cm_corrected", optional_number(r.cm_corrected)},
              {"alpha_zero_lift_deg", live(r.alpha_zero_lift_deg)},
              {"cl_alpha_per_rad", live(r.cl_alpha_per_rad)},
              {"x_ac", optional_number(r.x_ac)},
              {"cm_ac", optional_number(r.cm_ac)},
              {"cp_min", optional_number(r.cp_min)},
              {"x_cp_min", optional_number(r.x_cp_min)},
              {"m_crit", optional_number(r.m_crit)},
              {"supercritical", r.supercritical}};
}

Json references_of(const Window& w) {
  Json out = Json::array();
  for (const PinnedCase& ref : w.references) {
    out.push_back(Json{{"thickness", number(ref.state.Thickness)},
                       {"camber", number(ref.state.Camber)},
                       {"alfa", number(ref.state.AlfaD)},
                       {"moo", number(ref.moo)}});
  }
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
  report["readouts"] = readouts_of(form.w);
  report["references"] = references_of(form.w);
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
