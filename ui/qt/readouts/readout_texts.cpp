#include "ui/qt/readouts/readout_texts.h"

#include <QCoreApplication>

#include <cmath>

#include "charts/references.h"

namespace airfoil {

namespace {

QString tr_(const char* text) { return QCoreApplication::translate("Readouts", text); }

QString num(double x, int decimals) { return QString::number(x, 'f', decimals); }

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

QString number_or_reason(const std::optional<double>& x, NoValue why, int decimals) {
  return x ? num(*x, decimals) : tr_(why_text(why));
}

QString supercritical_notice(const Readouts& r) {
  if (!r.supercritical) return {};
  if (!r.m_crit) {
    return tr_(
        "Sivri hücum kenarında akış yerel olarak ses üstü: Prandtl-Glauert düzeltmesi burada geçerli değil.");
  }
  return tr_("|Moo| = %1 ≥ Mkritik = %2: akış yüzeyde yerel olarak ses üstü, Prandtl-Glauert düzeltmesi "
             "artık geçerli değil.")
      .arg(num(std::fabs(r.moo_pressure), 3), num(*r.m_crit, 3));
}

QString short_notice(const Readouts& r) {
  if (!r.supercritical) return {};
  if (!r.m_crit) return tr_("Yerel ses üstü akış: düzeltme geçersiz");
  return tr_("Moo ≥ Mkr %1: yerel ses üstü, düzeltme geçersiz").arg(num(*r.m_crit, 3));
}

QStringList reference_legend(const Window& w) {
  QStringList lines;
  for (std::size_t k = 0; k < w.references.size(); ++k) {
    const PinnedCase& ref = w.references[k];
    lines << tr_("%1: t/c %2, f/c %3, α %4°, Moo %5")
                 .arg(tr_(style_text(reference_style(k))), num(ref.state.Thickness, 2),
                      num(ref.state.Camber, 2), QString::number(ref.state.AlfaD), QString::number(ref.moo));
  }
  return lines;
}

QStringList readout_lines(const Readouts& r) {
  if (!r.geometry) return {tr_(why_text(NoValue::no_geometry))};
  QStringList lines;
  lines << tr_("CL = %1, CM (xM) = %2").arg(num(r.cl, 4), num(r.cm, 5));
  if (r.cl_corrected)
    lines << tr_("düzeltilmiş CL = %1 (Moo %2)").arg(num(*r.cl_corrected, 4), QString::number(r.moo_lift));
  if (r.cm_corrected) {
    lines << tr_("düzeltilmiş CM = %1 (Moo %2)").arg(num(*r.cm_corrected, 5), QString::number(r.moo_moment));
  }
  lines << tr_("αL0 = %1° (ince kanat %2°)")
               .arg(num(r.alpha_zero_lift_deg, 2), num(r.thin_alpha_zero_lift_deg, 2))
        << tr_("dCL/dα = %1 /rad (ince kanat 2π = %2)")
               .arg(num(r.cl_alpha_per_rad, 4), num(r.thin_cl_alpha_per_rad, 4))
        << tr_("x_ac/c = %1 (ince kanat 0.25)").arg(number_or_reason(r.x_ac, r.ac_missing, 4))
        << tr_("CM_ac = %1 (ince kanat %2)")
               .arg(number_or_reason(r.cm_ac, r.ac_missing, 5), num(r.thin_cm_quarter, 4))
        << tr_("Cp_min = %1 (x/c = %2)")
               .arg(number_or_reason(r.cp_min, r.peak_missing, 4),
                    number_or_reason(r.x_cp_min, r.peak_missing, 4))
        << tr_("Mkritik = %1").arg(number_or_reason(r.m_crit, r.peak_missing, 3));
  const QString notice = short_notice(r);
  if (!notice.isEmpty()) lines << notice;
  return lines;
}

}  // namespace airfoil
