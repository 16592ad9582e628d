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

// The boundary layer of the final state at the Reynolds number asked for,
// and the polar of its section.
Json boundary_layer_of(const WindowState& state, double re) {
  const BoundaryLayer layer = boundary_layer(state, re);
  const bool ok = layer.failure == BoundaryLayerFailure::none;
  Json out = Json::object();
  out["re"] = number(re);
  out["cd"] = optional_number(layer.cd);
  out["cd_friction"] = optional_number(layer.cd_friction);
  out["xtr_upper"] = ok ? number(layer.upper.x_transition) : Json(nullptr);
  out["xtr_lower"] = ok ? number(layer.lower.x_transition) : Json(nullptr);
  out["xsep_upper"] = optional_number(layer.upper.x_separation);
  out["xsep_lower"] = optional_number(layer.lower.x_separation);
  out["stall_warning"] = layer.stall_warning;
  const char* failure = failure_name(layer.failure);
  out["failure"] = failure ? Json(failure) : Json(nullptr);
  Json polar = Json::array();
  for (const PolarPoint& p : boundary_layer_polar(state, re)) {
    polar.push_back(
        {{"alpha_deg", number(p.alpha_deg)}, {"cl", number(p.cl)}, {"cd", optional_number(p.cd)}});
  }
  out["polar"] = std::move(polar);
  return out;
}

}  // namespace

const char* failure_name(BoundaryLayerFailure failure) {
  switch (failure) {
    case BoundaryLayerFailure::none: return nullptr;
    case BoundaryLayerFailure::no_section: return "no_section";
    case BoundaryLayerFailure::sharp_leading_edge: return "sharp_leading_edge";
    case BoundaryLayerFailure::side_too_short: return "side_too_short";
    case BoundaryLayerFailure::not_finite: return "not_finite";
    case BoundaryLayerFailure::reynolds_out_of_range: return "reynolds_out_of_range";
  }
  return nullptr;
}

std::string json_report(const Form1& form, const std::vector<std::string>& messages,
                        const std::array<NamedRecording, 5>& surfaces, const std::vector<FlowProbe>& points,
                        double reynolds) {
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
  report["boundary_layer"] = boundary_layer_of(form.w, reynolds);
  // Texts typed into the Mach box may hold any bytes: one that is no valid
  // UTF-8 becomes U+FFFD, so the output is always valid JSON.
  return report.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace airfoil::probe
