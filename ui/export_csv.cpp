#include "ui/export_csv.h"

#include <cmath>
#include <optional>

#include "model/numtext.h"

namespace airfoil {

namespace {

// Before the first geometry step there is no section: no chord, no points.
bool has_section(const Window& w) { return w.Chord != 0 && w.nP >= 1; }

// The lift chart samples the angles -12 to 12; until it has run, the sample
// tables hold nothing worth writing.
bool has_samples(const Window& w) { return has_section(w) && w.CurveAlfa(0) == -12; }

// The Prandtl-Glauert factor to divide by, when the Mach number box asks for
// a correction (a subsonic number other than 0, as the charts read it) and
// the last drawing made one: Beta is the factor that drawing stored, 1 when
// it drew no corrected curve.
std::optional<double> correction(const Window& w) {
  const LeadingNumber moo = read_leading_number(w.Text_Moo.Text);
  if (moo.overflow || !(std::fabs(moo.value) < 1) || moo.value == 0 || w.Beta == 0 || w.Beta == 1) {
    return std::nullopt;
  }
  return w.Beta;
}

class Rows {
 public:
  explicit Rows(const char* header) : text_(header) { text_ += '\n'; }
  Rows& cell(double x) {
    separate();
    text_ += shortest_text(x);
    return *this;
  }
  Rows& cell(const std::optional<double>& x) {
    separate();
    if (x) text_ += shortest_text(*x);
    return *this;
  }
  Rows& text(const char* text) {
    separate();
    text_ += text;
    return *this;
  }
  void end() {
    text_ += '\n';
    first_ = true;
  }
  std::string take() { return std::move(text_); }

 private:
  void separate() {
    if (!first_) text_ += ',';
    first_ = false;
  }
  std::string text_;
  bool first_ = true;
};

std::optional<double> divided(double value, const std::optional<double>& beta) {
  if (!beta) return std::nullopt;
  return value / *beta;
}

}  // namespace

std::string section_csv(const Window& w) {
  Rows rows("i,x_c,y_c,cp,one_minus_cp,cp_corrected");
  if (!has_section(w)) return rows.take();
  const std::optional<double> beta = correction(w);
  for (double i = 1; i <= w.nP; i += 1) {
    rows.cell(i).cell(w.Xp(i)).cell(w.Yp(i)).cell(w.Cp(i)).cell(1 - w.Cp(i)).cell(divided(w.Cp(i), beta));
    rows.end();
  }
  return rows.take();
}

std::string circle_csv(const Window& w) {
  Rows rows("i,xi,eta");
  if (!has_section(w)) return rows.take();
  for (double i = 1; i <= w.nP; i += 1) {
    rows.cell(i).cell(w.Xc(i)).cell(w.Yc(i));
    rows.end();
  }
  return rows.take();
}

std::string lift_csv(const Window& w) {
  Rows rows("alpha_deg,cl,cl_corrected");
  if (!has_samples(w)) return rows.take();
  const std::optional<double> beta = correction(w);
  for (int k = 0; k <= 24; ++k) {
    rows.cell(w.CurveAlfa(k)).cell(w.CurveCL(k)).cell(divided(w.CurveCL(k), beta));
    rows.end();
  }
  return rows.take();
}

std::string moment_csv(const Window& w) {
  Rows rows("alpha_deg,cm,cm_corrected,xm_c");
  if (!has_samples(w)) return rows.take();
  const std::optional<double> beta = correction(w);
  for (int k = 0; k <= 24; ++k) {
    rows.cell(w.CurveAlfa(k)).cell(w.CurveCM(k)).cell(divided(w.CurveCM(k), beta)).cell(w.xM);
    rows.end();
  }
  return rows.take();
}

std::string boundary_layer_csv(const BoundaryLayer& layer) {
  Rows rows("side,x_c,s,ue,theta,delta_star,h,cf");
  const auto side = [&](const char* name, const BoundaryLayerSide& stations) {
    for (const BoundaryLayerStation& p : stations.stations) {
      rows.text(name);
      rows.cell(p.x_c).cell(p.s).cell(p.ue).cell(p.theta).cell(p.delta_star).cell(p.h).cell(p.cf);
      rows.end();
    }
  };
  side("upper", layer.upper);
  side("lower", layer.lower);
  return rows.take();
}

std::string polar_csv(const std::vector<PolarPoint>& polar) {
  Rows rows("alpha_deg,cl,cd");
  for (const PolarPoint& p : polar) {
    rows.cell(p.alpha_deg).cell(p.cl).cell(p.cd);
    rows.end();
  }
  return rows.take();
}

}  // namespace airfoil
