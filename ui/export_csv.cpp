#include "ui/export_csv.h"

#include <charconv>
#include <cmath>
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

// The Prandtl-Glauert factor of the corrected curve a picture drew, with the
// Mach number it drew it with; none when it drew none. A number typed into
// the box but not yet read by a drawing is not on the screen, so not here.
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

// One case's rows of a table: the live case, or a pinned one.
struct CaseRows {
  const WindowState& state;
  double moo_section, moo_lift, moo_moment;
  std::string name;
};

// The live case alone, or, with cases pinned, every case with a first column
// naming it: "live", then "ref1" (the oldest) to "ref4".
std::vector<CaseRows> cases_of(const Window& w) {
  std::vector<CaseRows> out{{w, w.drawn_moo.pressure, w.drawn_moo.lift, w.drawn_moo.moment, "live"}};
  for (std::size_t k = 0; k < w.references.size(); ++k) {
    const PinnedCase& ref = w.references[k];
    out.push_back({ref.state, ref.moo, ref.moo, ref.moo, "ref" + std::to_string(k + 1)});
  }
  return out;
}

template <class Write>
std::string table(const Window& w, const char* header, Write write) {
  const bool named = !w.references.empty();
  Rows rows(named ? (std::string("case,") + header).c_str() : header);
  for (const CaseRows& c : cases_of(w)) write(rows, c, named ? &c.name : nullptr);
  return rows.take();
}

}  // namespace

std::string shortest_text(double x) {
  char buffer[32];
  const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, r.ptr);
}

std::string section_csv(const Window& w) {
  return table(w, "i,x_c,y_c,cp,one_minus_cp,cp_corrected",
               [](Rows& rows, const CaseRows& c, const std::string* name) {
                 const WindowState& s = c.state;
                 if (!has_section(s)) return;
                 const std::optional<double> beta = correction(c.moo_section);
                 for (double i = 1; i <= s.nP; i += 1) {
                   if (name != nullptr) rows.text(*name);
                   rows.cell(i)
                       .cell(s.Xp(i))
                       .cell(s.Yp(i))
                       .cell(s.Cp(i))
                       .cell(1 - s.Cp(i))
                       .cell(divided(s.Cp(i), beta));
                   rows.end();
                 }
               });
}

std::string circle_csv(const Window& w) {
  return table(w, "i,xi,eta", [](Rows& rows, const CaseRows& c, const std::string* name) {
    const WindowState& s = c.state;
    if (!has_section(s)) return;
    for (double i = 1; i <= s.nP; i += 1) {
      if (name != nullptr) rows.text(*name);
      rows.cell(i).cell(s.Xc(i)).cell(s.Yc(i));
      rows.end();
    }
  });
}

std::string lift_csv(const Window& w) {
  return table(w, "alpha_deg,cl,cl_corrected", [](Rows& rows, const CaseRows& c, const std::string* name) {
    const WindowState& s = c.state;
    if (!has_samples(s)) return;
    const std::optional<double> beta = correction(c.moo_lift);
    for (int k = 0; k <= 24; ++k) {
      if (name != nullptr) rows.text(*name);
      rows.cell(s.CurveAlfa(k)).cell(s.CurveCL(k)).cell(divided(s.CurveCL(k), beta));
      rows.end();
    }
  });
}

std::string moment_csv(const Window& w) {
  return table(w, "alpha_deg,cm,cm_corrected,xm_c",
               [](Rows& rows, const CaseRows& c, const std::string* name) {
                 const WindowState& s = c.state;
                 if (!has_samples(s)) return;
                 const std::optional<double> beta = correction(c.moo_moment);
                 for (int k = 0; k <= 24; ++k) {
                   if (name != nullptr) rows.text(*name);
                   rows.cell(s.CurveAlfa(k)).cell(s.CurveCM(k)).cell(divided(s.CurveCM(k), beta)).cell(s.xM);
                   rows.end();
                 }
               });
}

}  // namespace airfoil
