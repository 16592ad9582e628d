#include "ui/export_csv.h"

#include <optional>

#include "model/numtext.h"

namespace airfoil {

namespace {

// Before the first geometry step there is no section: no chord, no points.
bool has_section(const Window& w) { return w.Chord != 0 && w.nP >= 1; }

// The lift chart samples the angles -12 to 12; until it has run, the sample
// tables hold nothing worth writing.
bool has_samples(const Window& w) { return has_section(w) && w.CurveAlfa(0) == -12; }

// The Prandtl-Glauert factor the picture's corrected curve was drawn with,
// whatever the Mach number box holds now.
std::optional<double> correction(const std::optional<DrawnCase>& drawn) {
  return drawn ? drawn->Beta : std::nullopt;
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

std::string section_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  Rows rows("i,x_c,y_c,cp,one_minus_cp,cp_corrected");
  if (!drawn || !has_section(w)) return rows.take();
  const std::optional<double> beta = correction(drawn);
  for (double i = 1; i <= w.nP; i += 1) {
    rows.cell(i).cell(w.Xp(i)).cell(w.Yp(i)).cell(w.Cp(i)).cell(1 - w.Cp(i)).cell(divided(w.Cp(i), beta));
    rows.end();
  }
  return rows.take();
}

std::string circle_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  Rows rows("i,xi,eta");
  if (!drawn || !has_section(w)) return rows.take();
  for (double i = 1; i <= w.nP; i += 1) {
    rows.cell(i).cell(w.Xc(i)).cell(w.Yc(i));
    rows.end();
  }
  return rows.take();
}

std::string lift_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  Rows rows("alpha_deg,cl,cl_corrected");
  if (!drawn || !has_samples(w)) return rows.take();
  const std::optional<double> beta = correction(drawn);
  for (int k = 0; k <= 24; ++k) {
    rows.cell(w.CurveAlfa(k)).cell(w.CurveCL(k)).cell(divided(w.CurveCL(k), beta));
    rows.end();
  }
  return rows.take();
}

std::string moment_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  Rows rows("alpha_deg,cm,cm_corrected,xm_c");
  if (!drawn || !has_samples(w)) return rows.take();
  const std::optional<double> beta = correction(drawn);
  for (int k = 0; k <= 24; ++k) {
    rows.cell(w.CurveAlfa(k)).cell(w.CurveCM(k)).cell(divided(w.CurveCM(k), beta)).cell(drawn->xM);
    rows.end();
  }
  return rows.take();
}

const DataTable& data_table_of(SurfaceId id) {
  for (const DataTable& table : kDataTables) {
    if (table.picture == id) return table;
  }
  return kDataTables[0];  // the airfoil picture: the section and its pressure
}

std::string table_text(const DataTable& table, const Form1& form) {
  return table.make(form.w, drawn(form.drawn_cases(), table.picture));
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
