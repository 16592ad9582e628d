#include "ui/readout_texts.h"

#include <cmath>
#include <string>

#include "charts/references.h"
#include "model/numtext.h"
#include "ui/translatable.h"

namespace airfoil {

namespace {

// A value that rounds to zero is shown as zero: the zero-lift angle of a
// symmetric section is 0, and "-0.00" would tell a student it is negative.
Phrase number(double x, int decimals) {
  std::string text = fixed_text(x, decimals);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return literal(text);
}

const char* why_text(NoValue why) {
  switch (why) {
    case NoValue::none: return "";
    case NoValue::no_geometry: return QT_TRANSLATE_NOOP("Readouts", "henüz kesit çizilmedi");
    case NoValue::sharp_leading_edge:
      return QT_TRANSLATE_NOOP("Readouts",
                               "sayı değil: kalınlığı sıfır olan kesitin sivri hücum kenarında hız "
                               "sonsuz büyür (yalnızca 0° hücum açısında sonludur)");
    case NoValue::no_suction:
      return QT_TRANSLATE_NOOP("Readouts", "yok: yüzeyin hiçbir yerinde akış serbest akımdan hızlı değil");
    case NoValue::flat_plate_at_zero:
      return QT_TRANSLATE_NOOP("Readouts", "yok: 0°'deki düz levhada her yerde Cp = 0");
    case NoValue::no_centre: return QT_TRANSLATE_NOOP("Readouts", "yok: bu açıda dCM/dα her noktada aynı");
  }
  return "";
}

const char* style_text(LineStyle style) {
  switch (style) {
    case LineStyle::solid: return "";
    case LineStyle::dash: return QT_TRANSLATE_NOOP("Readouts", "kesikli");
    case LineStyle::dot: return QT_TRANSLATE_NOOP("Readouts", "noktalı");
    case LineStyle::dash_dot: return QT_TRANSLATE_NOOP("Readouts", "çizgi-nokta");
    case LineStyle::dash_dot_dot: return QT_TRANSLATE_NOOP("Readouts", "çizgi-nokta-nokta");
  }
  return "";
}

}  // namespace

Phrase readout_number(double x, int decimals) { return number(x, decimals); }

Phrase number_or_reason(const std::optional<double>& x, NoValue why, int decimals) {
  return x ? number(*x, decimals) : Phrase(why_text(why));
}

Phrase supercritical_notice(const Readouts& r) {
  if (!r.supercritical) return {};
  if (!r.m_crit) {
    return Phrase(QT_TRANSLATE_NOOP("Readouts",
                                    "Sivri hücum kenarında akış yerel olarak ses üstü: Prandtl-Glauert "
                                    "düzeltmesi burada geçerli değil."));
  }
  return Phrase(QT_TRANSLATE_NOOP("Readouts",
                                  "|Moo| = %1 ≥ Mkritik = %2: akış yüzeyde yerel olarak ses üstü, "
                                  "Prandtl-Glauert düzeltmesi artık geçerli değil."),
                {number(std::fabs(r.moo_pressure), 3), number(*r.m_crit, 3)});
}

Phrase short_notice(const Readouts& r) {
  if (!r.supercritical) return {};
  if (!r.m_crit) return Phrase(QT_TRANSLATE_NOOP("Readouts", "Yerel ses üstü akış: düzeltme geçersiz"));
  return Phrase(QT_TRANSLATE_NOOP("Readouts", "Moo ≥ Mkr %1: yerel ses üstü, düzeltme geçersiz"),
                {number(*r.m_crit, 3)});
}

std::vector<Phrase> reference_legend(const Window& w) {
  std::vector<Phrase> lines;
  for (std::size_t k = 0; k < w.references.size(); ++k) {
    const PinnedCase& ref = w.references[k];
    lines.emplace_back(
        QT_TRANSLATE_NOOP("Readouts", "%1: t/c %2, f/c %3, α %4°, Moo %5"),
        std::vector<Phrase>{Phrase(style_text(reference_style(k))), number(ref.state.Thickness, 2),
                            number(ref.state.Camber, 2), literal(general_format(ref.state.AlfaD)),
                            literal(general_format(ref.moo))});
  }
  return lines;
}

std::vector<Phrase> headed_legend(const Window& w) {
  std::vector<Phrase> lines = reference_legend(w);
  if (!lines.empty())
    lines.insert(lines.begin(), Phrase(QT_TRANSLATE_NOOP("Readouts", "Referanslar (kesikli çizgiler):")));
  return lines;
}

std::vector<Phrase> readout_lines(const Readouts& r) {
  if (!r.geometry) return {Phrase(why_text(NoValue::no_geometry))};
  std::vector<Phrase> lines;
  lines.emplace_back(QT_TRANSLATE_NOOP("Readouts", "CL = %1, CM (xM) = %2"),
                     std::vector<Phrase>{number(r.cl, 4), number(r.cm, 5)});
  if (r.cl_corrected) {
    lines.emplace_back(QT_TRANSLATE_NOOP("Readouts", "düzeltilmiş CL = %1 (Moo %2)"),
                       std::vector<Phrase>{number(*r.cl_corrected, 4), literal(general_format(r.moo_lift))});
  }
  if (r.cm_corrected) {
    lines.emplace_back(
        QT_TRANSLATE_NOOP("Readouts", "düzeltilmiş CM = %1 (Moo %2)"),
        std::vector<Phrase>{number(*r.cm_corrected, 5), literal(general_format(r.moo_moment))});
  }
  lines.emplace_back(
      QT_TRANSLATE_NOOP("Readouts", "αL0 = %1° (ince kanat %2°)"),
      std::vector<Phrase>{number(r.alpha_zero_lift_deg, 2), number(r.thin_alpha_zero_lift_deg, 2)});
  lines.emplace_back(QT_TRANSLATE_NOOP("Readouts", "dCL/dα = %1 /rad (ince kanat 2π = %2)"),
                     std::vector<Phrase>{number(r.cl_alpha_per_rad, 4), number(r.thin_cl_alpha_per_rad, 4)});
  lines.emplace_back(QT_TRANSLATE_NOOP("Readouts", "x_ac/c = %1 (ince kanat 0.25)"),
                     std::vector<Phrase>{number_or_reason(r.x_ac, r.ac_missing, 4)});
  lines.emplace_back(
      QT_TRANSLATE_NOOP("Readouts", "CM_ac = %1 (ince kanat %2)"),
      std::vector<Phrase>{number_or_reason(r.cm_ac, r.ac_missing, 5), number(r.thin_cm_quarter, 4)});
  lines.emplace_back(QT_TRANSLATE_NOOP("Readouts", "Cp_min = %1 (x/c = %2)"),
                     std::vector<Phrase>{number_or_reason(r.cp_min, r.peak_missing, 4),
                                         number_or_reason(r.x_cp_min, r.peak_missing, 4)});
  lines.emplace_back(QT_TRANSLATE_NOOP("Readouts", "Mkritik = %1"),
                     std::vector<Phrase>{number_or_reason(r.m_crit, r.peak_missing, 3)});
  if (Phrase notice = short_notice(r); !notice.source.empty()) lines.push_back(std::move(notice));
  return lines;
}

}  // namespace airfoil
