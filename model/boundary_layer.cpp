#include "model/boundary_layer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/boundary_layer_laws.h"
#include "model/coefficients.h"

namespace airfoil {

namespace {

using namespace bl_laws;

// The circle is walked at this many equal steps of the angle about its
// centre to measure the arc length; each side then gets kSideIntervals
// steps of its own arc length, drawn close together at both ends: near the
// stagnation point, where the speed rises steeply round the nose, and at the
// trailing edge.
constexpr int kArcSteps = 2048;
constexpr int kSideIntervals = 240;

double side_fraction(double u) {
  // Half uniform, half the smooth step 3u^2 - 2u^3, whose spacing vanishes
  // at both ends.
  return 0.35 * u + 0.65 * u * u * (3 - 2 * u);
}

Complex circle_at(const FlowField& f, double angle) { return f.centre + std::polar(f.R, angle); }

// The angle about the centre at which the arc from the trailing edge has
// length `target`, by linear interpolation in the table.
double angle_at_arc(const SectionArc& arc, double target) {
  const auto it = std::lower_bound(arc.s.begin(), arc.s.end(), target);
  if (it == arc.s.begin()) return arc.angle.front();
  if (it == arc.s.end()) return arc.angle.back();
  const std::size_t k = static_cast<std::size_t>(it - arc.s.begin());
  const double t = (target - arc.s[k - 1]) / (arc.s[k] - arc.s[k - 1]);
  return arc.angle[k - 1] + t * (arc.angle[k] - arc.angle[k - 1]);
}

double arc_at_angle(const SectionArc& arc, double angle) {
  const double step = arc.angle[1] - arc.angle[0];
  const double u = std::clamp((angle - arc.angle.front()) / step, 0.0, double(kArcSteps));
  const std::size_t k = std::min(static_cast<std::size_t>(u), static_cast<std::size_t>(kArcSteps - 1));
  const double t = u - double(k);
  return arc.s[k] + t * (arc.s[k + 1] - arc.s[k]);
}

// The inviscid edge flow along one side, from the stagnation point.
struct EdgeFlow {
  std::vector<double> s, ue, x, y;
};

bool edge_flow(const FlowField& f, const SectionArc& arc, double stagnation_angle, bool upper,
               EdgeFlow& out) {
  const double s_stag = arc_at_angle(arc, stagnation_angle);
  const double length = upper ? s_stag : arc.s.back() - s_stag;
  if (!(length > 1e-6)) return false;
  const double end_angle = upper ? arc.angle.front() : arc.angle.back();
  const int n = kSideIntervals;
  for (int j = 0; j <= n; ++j) {
    const double s = length * side_fraction(double(j) / n);
    double angle = stagnation_angle;
    if (j == n) {
      angle = end_angle;
    } else if (j > 0) {
      angle = angle_at_arc(arc, upper ? s_stag - s : s_stag + s);
    }
    const Complex zeta = j == n ? Complex(1, 0) : circle_at(f, angle);
    const auto flow = flow_at_zeta(f, zeta);
    if (!flow) return false;
    out.s.push_back(s);
    out.ue.push_back(flow->section.speed);
    out.x.push_back(flow->airfoil.x);
    out.y.push_back(flow->airfoil.y);
  }
  return true;
}

struct Turbulent {
  double theta = 0;
  double q = 0;  // Ue theta H1, the entrained volume flux
  bool separated = false;
  double ue_separation = 0;
};

// Head's two equations over [sa, sb], with the edge speed linear between
// ua and ub: momentum (Ludwieg-Tillmann friction) and entrainment. Heun's
// step. Once separated the layer no longer follows the inviscid
// deceleration: the pressure over a separated region stays close to its
// value at separation, so the edge speed, theta and H are held there to the
// trailing edge. (Carrying the inviscid deceleration on instead grows theta
// as Ue^-(H + 2), which after a separation at the nose gives drag
// coefficients near 1.)
void turbulent_step(Turbulent& t, double sa, double sb, double ua, double ub, double re) {
  const double ds = sb - sa;
  if (t.separated) return;
  const double g = ds > 0 ? (ub - ua) / ds : 0;
  const auto rhs = [&](double ue, double theta, double q, double& dtheta, double& dq) {
    const double h1 = std::max(q / (ue * theta), 3.3 + 1e-6);
    const double h = head_H(h1);
    const double cf = ludwieg_tillmann_cf(h, ue * theta * re);
    dtheta = cf / 2 - (h + 2) * theta / ue * g;
    dq = ue * head_entrainment(h1);
  };
  double dt1 = 0, dq1 = 0, dt2 = 0, dq2 = 0;
  rhs(ua, t.theta, t.q, dt1, dq1);
  rhs(ub, t.theta + ds * dt1, t.q + ds * dq1, dt2, dq2);
  t.theta += ds * (dt1 + dt2) / 2;
  t.q += ds * (dq1 + dq2) / 2;
}

double turbulent_H(const Turbulent& t, double ue) {
  if (t.separated) return kTurbulentSeparationH;
  return head_H(std::max(t.q / (ue * t.theta), 3.3 + 1e-6));
}

bool finite_station(const BoundaryLayerStation& p) {
  return std::isfinite(p.theta) && std::isfinite(p.h) && std::isfinite(p.cf) && p.theta >= 0;
}

// Marches one side. Returns false when a value stops being finite.
bool march(const EdgeFlow& e, bool sharp_start, double alfa, double re, BoundaryLayerSide& side) {
  const double nu = 1 / re;
  const std::size_t n = e.s.size();
  std::vector<double> due(n);
  for (std::size_t j = 0; j < n; ++j) {
    const std::size_t a = j == 0 ? 0 : j - 1;
    const std::size_t b = j + 1 == n ? j : j + 1;
    due[j] = (e.ue[b] - e.ue[a]) / (e.s[b] - e.s[a]);
  }
  const auto station = [&](std::size_t j, double theta, double h, double cf, bool turbulent) {
    return BoundaryLayerStation{e.s[j], e.x[j], e.y[j], e.ue[j], theta, h * theta, h, cf, turbulent};
  };

  // Laminar: Thwaites' quadrature, with the edge speed linear in each step
  // (the integral of Ue^5 is then exact). At a stagnation point the layer
  // starts with the finite theta^2 = A nu / (6 dUe/ds); behind a sharp edge
  // met smoothly it starts from nothing.
  double integral = 0;
  double n_amp = 0;
  double dn_prev = 0;
  double lambda_prev = 0;
  double theta_prev = 0;
  std::size_t j = 0;
  bool transition = false;
  double s_tr = 0, theta_tr = 0, ue_tr = 0, x_tr = 1;
  for (; j < n; ++j) {
    double theta = 0;
    if (j == 0) {
      theta = sharp_start ? 0 : std::sqrt(kThwaitesA * nu / (6 * std::max(due[0], 1e-12)));
    } else {
      const double a = e.ue[j - 1];
      const double b = e.ue[j];
      const double sum =
          ((((a + b) * a + b * b) * a + b * b * b) * a + b * b * b * b) * a + b * b * b * b * b;
      integral += (e.s[j] - e.s[j - 1]) * sum / 6;
      theta = std::sqrt(kThwaitesA * nu * integral) / (b * b * b);
    }
    const double lambda = theta * theta / nu * due[j];
    const double h = laminar_H(lambda);
    const double cf = theta > 0 ? 2 * laminar_l(lambda) * nu * e.ue[j] / theta : 0;
    const double dn = envelope_dN_ds(h, theta, e.ue[j] * theta * re);
    double fraction = -1;
    bool at_separation = false;
    if (j > 0) {
      const double n_next = n_amp + (e.s[j] - e.s[j - 1]) * (dn_prev + dn) / 2;
      if (lambda < kLambdaSeparation) {
        fraction = (lambda_prev - kLambdaSeparation) / (lambda_prev - lambda);
        at_separation = true;
      }
      if (n_next >= kNcrit) {
        const double f_n = (kNcrit - n_amp) / (n_next - n_amp);
        if (fraction < 0 || f_n < fraction) {
          fraction = f_n;
          at_separation = false;
        }
      }
      n_amp = n_next;
    }
    if (fraction >= 0) {
      fraction = std::clamp(fraction, 0.0, 1.0);
      s_tr = e.s[j - 1] + fraction * (e.s[j] - e.s[j - 1]);
      ue_tr = e.ue[j - 1] + fraction * (e.ue[j] - e.ue[j - 1]);
      theta_tr = theta_prev + fraction * (theta - theta_prev);
      x_tr = e.x[j - 1] + fraction * (e.x[j] - e.x[j - 1]);
      side.transition_at_laminar_separation = at_separation;
      transition = true;
      break;
    }
    if (!(j == 0 && sharp_start)) side.stations.push_back(station(j, theta, h, cf, false));
    if (!finite_station(side.stations.empty() ? station(j, theta, h, cf, false) : side.stations.back())) {
      return false;
    }
    dn_prev = dn;
    lambda_prev = lambda;
    theta_prev = theta;
  }

  double theta_te = side.stations.empty() ? 0 : side.stations.back().theta;
  double ue_te = e.ue.back();
  double h_te = side.stations.empty() ? kTurbulentStartH : side.stations.back().h;
  if (transition) {
    side.x_transition = x_tr;
    Turbulent t{theta_tr, ue_tr * theta_tr * head_H1(kTurbulentStartH), false};
    double sa = s_tr, ua = ue_tr;
    double h_prev = kTurbulentStartH;
    for (; j < n; ++j) {
      turbulent_step(t, sa, e.s[j], ua, e.ue[j], re);
      double h = turbulent_H(t, e.ue[j]);
      if (!t.separated && h >= kTurbulentSeparationH) {
        const double f = std::clamp((kTurbulentSeparationH - h_prev) / (h - h_prev), 0.0, 1.0);
        side.x_separation = e.x[j - 1] + f * (e.x[j] - e.x[j - 1]);
        t.separated = true;
        t.ue_separation = e.ue[j];
        h = kTurbulentSeparationH;
      }
      const double cf = t.separated ? 0 : ludwieg_tillmann_cf(h, e.ue[j] * t.theta * re) * e.ue[j] * e.ue[j];
      side.stations.push_back(station(j, t.theta, h, cf, true));
      if (!finite_station(side.stations.back())) return false;
      sa = e.s[j];
      ua = e.ue[j];
      h_prev = h;
    }
    theta_te = t.theta;
    h_te = turbulent_H(t, e.ue.back());
    if (t.separated) ue_te = t.ue_separation;
  }

  // Squire and Young carry the momentum deficit at the trailing edge to the
  // far wake, where the pressure is back to free stream.
  side.cd = 2 * theta_te * std::pow(ue_te, (h_te + 5) / 2);

  // The friction along the free stream: the wall shear acts along the
  // surface in the direction of the flow.
  const double cx = std::cos(alfa), cy = std::sin(alfa);
  const auto& st = side.stations;
  if (sharp_start && !st.empty()) {
    // Cf ~ s^(-1/2) from the edge: its integral over the first step is
    // twice the step times Cf at its end.
    side.cd_friction += 2 * st[0].cf * (st[0].x_c * cx + st[0].y_c * cy - (e.x[0] * cx + e.y[0] * cy));
  }
  for (std::size_t k = 1; k < st.size(); ++k) {
    const double along = (st[k].x_c - st[k - 1].x_c) * cx + (st[k].y_c - st[k - 1].y_c) * cy;
    side.cd_friction += (st[k].cf + st[k - 1].cf) / 2 * along;
  }
  return std::isfinite(side.cd) && std::isfinite(side.cd_friction);
}

}  // namespace

bool reynolds_in_range(double re) { return re >= kReynoldsMin && re <= kReynoldsMax; }

SectionArc section_arc(const FlowField& f) {
  SectionArc arc;
  arc.angle.resize(kArcSteps + 1);
  arc.s.resize(kArcSteps + 1);
  const double start = -f.BetaTE;
  const double step = 2 * std::numbers::pi / kArcSteps;
  PlanePoint prev{1, 0};
  for (int k = 0; k <= kArcSteps; ++k) {
    const double angle = start + k * step;
    const PlanePoint p =
        (k == 0 || k == kArcSteps) ? PlanePoint{1, 0} : airfoil_point(f, circle_at(f, angle));
    const auto i = static_cast<std::size_t>(k);
    arc.angle[i] = angle;
    arc.s[i] = k == 0 ? 0 : arc.s[i - 1] + std::hypot(p.x - prev.x, p.y - prev.y);
    prev = p;
  }
  return arc;
}

BoundaryLayer boundary_layer(const FlowField& f, const SectionArc& arc, double re) {
  BoundaryLayer out;
  out.re = re;
  out.alpha_deg = f.alfa * 180 / std::numbers::pi;
  if (!reynolds_in_range(re)) {
    out.failure = BoundaryLayerFailure::reynolds_out_of_range;
    return out;
  }
  // The circle of a zero-thickness section passes through the map's
  // critical point, its sharp leading edge; unless the flow divides exactly
  // there, it turns round the edge at unbounded speed.
  const bool zero_thickness = f.centre.real() == 0;
  if (zero_thickness && !f.smooth_leading_edge) {
    out.failure = BoundaryLayerFailure::sharp_leading_edge;
    return out;
  }
  // The front stagnation point's angle about the centre, taken on the same
  // turn as the table (from the trailing edge at -BetaTE round to 2 pi - BetaTE).
  double stagnation = std::arg(stagnation_points(f).front.zeta - f.centre);
  while (stagnation < arc.angle.front()) stagnation += 2 * std::numbers::pi;
  while (stagnation > arc.angle.back()) stagnation -= 2 * std::numbers::pi;

  EdgeFlow upper, lower;
  if (!edge_flow(f, arc, stagnation, true, upper) || !edge_flow(f, arc, stagnation, false, lower)) {
    out.failure = BoundaryLayerFailure::side_too_short;
    return out;
  }
  const bool sharp = f.smooth_leading_edge;
  if (!march(upper, sharp, f.alfa, re, out.upper) || !march(lower, sharp, f.alfa, re, out.lower)) {
    out.failure = BoundaryLayerFailure::not_finite;
    out.upper = {};
    out.lower = {};
    return out;
  }
  out.cd = out.upper.cd + out.lower.cd;
  out.cd_friction = out.upper.cd_friction + out.lower.cd_friction;
  const auto early = [](const BoundaryLayerSide& side) {
    return side.x_separation && *side.x_separation < kStallSeparationX;
  };
  out.stall_warning = early(out.upper) || early(out.lower);
  return out;
}

BoundaryLayer boundary_layer(const WindowState& s, double re) {
  const auto f = flow_field(s);
  if (!f) {
    BoundaryLayer out;
    out.re = re;
    out.alpha_deg = s.AlfaD;
    out.failure = BoundaryLayerFailure::no_section;
    return out;
  }
  return boundary_layer(*f, section_arc(*f), re);
}

std::vector<PolarPoint> boundary_layer_polar(const WindowState& s, double re) {
  std::vector<PolarPoint> polar;
  auto at = s;
  const auto f0 = flow_field(s);
  if (!f0) return polar;
  const SectionArc arc = section_arc(*f0);
  for (int a = kPolarFirstDegree; a <= kPolarLastDegree; ++a) {
    at.AlfaD = a;
    const auto f = flow_field(at);
    PolarPoint p;
    p.alpha_deg = a;
    p.cl = lift_coefficient_at_degrees(s, a);
    if (f) p.cd = boundary_layer(*f, arc, re).cd;
    polar.push_back(p);
  }
  return polar;
}

}  // namespace airfoil
