#include "ui/export_csv.h"

#include <optional>
#include <string>
#include <vector>

#include "model/coefficients.h"

#include "model/numtext.h"

namespace airfoil {

namespace {

// Before the first geometry step there is no section: no chord, no points.
bool has_section(const WindowState& w) { return w.Chord != 0 && w.nP >= 1; }

// The lift chart samples the angles -12 to 12; until it has run, the sample
// tables hold nothing worth writing.
bool has_samples(const WindowState& w) { return has_section(w) && w.CurveAlfa(0) == -12; }

// The Prandtl-Glauert factor of the corrected curve a Mach number drew;
// none when it drew none (0).
std::optional<double> correction(double drawn_moo) {
  if (drawn_moo == 0) return std::nullopt;
  return compressibility_factor(drawn_moo);
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
  Rows& text(const std::string& t) {
    separate();
    text_ += t;
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

// One case's rows of a table: the live case, or a pinned one, with the
// factor of the corrected curve its picture drew and its reference point.
struct CaseRows {
  const WindowState& state;
  std::optional<double> beta;
  double xm;
  std::string name;
};

// The live case as its picture was drawn alone, or, with cases pinned, every
// case with a first column naming it: "live", then "ref1" (the oldest) to
// "ref4". Before the picture was drawn the table is its header alone.
template <class Write>
std::string table(const Window& w, const std::optional<DrawnCase>& drawn, const char* header, Write write) {
  const bool named = !w.references.empty();
  Rows rows(named ? (std::string("case,") + header).c_str() : header);
  if (!drawn) return rows.take();
  std::vector<CaseRows> cases{{w, drawn->Beta, drawn->xM, "live"}};
  for (std::size_t k = 0; k < w.references.size(); ++k) {
    const PinnedCase& ref = w.references[k];
    cases.push_back({ref.state, correction(ref.moo), ref.state.xM, "ref" + std::to_string(k + 1)});
  }
  for (const CaseRows& c : cases) write(rows, c, named ? &c.name : nullptr);
  return rows.take();
}

}  // namespace

std::string section_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  return table(w, drawn, "i,x_c,y_c,cp,one_minus_cp,cp_corrected",
               [](Rows& rows, const CaseRows& c, const std::string* name) {
                 const WindowState& s = c.state;
                 if (!has_section(s)) return;
                 for (double i = 1; i <= s.nP; i += 1) {
                   if (name != nullptr) rows.text(*name);
                   rows.cell(i)
                       .cell(s.Xp(i))
                       .cell(s.Yp(i))
                       .cell(s.Cp(i))
                       .cell(1 - s.Cp(i))
                       .cell(divided(s.Cp(i), c.beta));
                   rows.end();
                 }
               });
}

std::string circle_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  return table(w, drawn, "i,xi,eta", [](Rows& rows, const CaseRows& c, const std::string* name) {
    const WindowState& s = c.state;
    if (!has_section(s)) return;
    for (double i = 1; i <= s.nP; i += 1) {
      if (name != nullptr) rows.text(*name);
      rows.cell(i).cell(s.Xc(i)).cell(s.Yc(i));
      rows.end();
    }
  });
}

std::string lift_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  return table(w, drawn, "alpha_deg,cl,cl_corrected",
               [](Rows& rows, const CaseRows& c, const std::string* name) {
                 const WindowState& s = c.state;
                 if (!has_samples(s)) return;
                 for (int k = 0; k <= 24; ++k) {
                   if (name != nullptr) rows.text(*name);
                   rows.cell(s.CurveAlfa(k)).cell(s.CurveCL(k)).cell(divided(s.CurveCL(k), c.beta));
                   rows.end();
                 }
               });
}

std::string moment_csv(const Window& w, const std::optional<DrawnCase>& drawn) {
  return table(
      w, drawn, "alpha_deg,cm,cm_corrected,xm_c", [](Rows& rows, const CaseRows& c, const std::string* name) {
        const WindowState& s = c.state;
        if (!has_samples(s)) return;
        for (int k = 0; k <= 24; ++k) {
          if (name != nullptr) rows.text(*name);
          rows.cell(s.CurveAlfa(k)).cell(s.CurveCM(k)).cell(divided(s.CurveCM(k), c.beta)).cell(c.xm);
          rows.end();
        }
      });
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
