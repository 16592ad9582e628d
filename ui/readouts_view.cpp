#include "ui/readouts_view.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "charts/colours.h"
#include "model/numtext.h"
#include "ui/readout_texts.h"

namespace airfoil {

namespace {

// The chart colours as the drawings hold them, 0xAARRGGBB.
std::uint32_t argb(Colour c) { return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// A Mach number as it was typed and drawn, in the short form (0.6, not
// 0.600000000000000).
Phrase mach(double moo) { return literal(significant_text(moo, 6)); }

Phrase with_moo(double value, int decimals, double moo) {
  return Phrase(QT_TRANSLATE_NOOP("Readouts", "%1 (Moo %2)"), {readout_number(value, decimals), mach(moo)});
}

}  // namespace

std::vector<ReadoutCells> readout_cells(const Readouts& r) {
  const Phrase none = number_or_reason(std::nullopt, NoValue::no_geometry, 0);
  const auto live = [&](double x, int decimals) { return r.geometry ? readout_number(x, decimals) : none; };
  const auto degrees = [](double x) { return literal(readout_number(x, 2).source + "°"); };
  const Phrase not_drawn(QT_TRANSLATE_NOOP("Readouts", "düzeltme çizilmedi"));
  const Phrase thin_cm = readout_number(r.thin_cm_quarter, 4);

  std::vector<ReadoutCells> cells;
  cells.push_back({live(r.cl, 4), {}});
  cells.push_back({live(r.cm, 5), Phrase(QT_TRANSLATE_NOOP("Readouts", "c/4 çevresinde %1"), {thin_cm})});
  cells.push_back({r.cl_corrected ? with_moo(*r.cl_corrected, 4, r.moo_lift) : not_drawn, {}});
  cells.push_back({r.cm_corrected ? with_moo(*r.cm_corrected, 5, r.moo_moment) : not_drawn, {}});
  cells.push_back({r.geometry ? degrees(r.alpha_zero_lift_deg) : none, degrees(r.thin_alpha_zero_lift_deg)});
  cells.push_back(
      {r.geometry ? Phrase(QT_TRANSLATE_NOOP("Readouts", "%1 /rad = %2 /°"),
                           {readout_number(r.cl_alpha_per_rad, 4), readout_number(r.cl_alpha_per_deg, 5)})
                  : none,
       Phrase(QT_TRANSLATE_NOOP("Readouts", "%1 /rad"), {readout_number(r.thin_cl_alpha_per_rad, 4)})});
  cells.push_back({number_or_reason(r.x_ac, r.ac_missing, 4), literal("0.25")});
  cells.push_back({number_or_reason(r.cm_ac, r.ac_missing, 5), thin_cm});
  cells.push_back({number_or_reason(r.cp_min, r.peak_missing, 4), {}});
  cells.push_back({number_or_reason(r.x_cp_min, r.peak_missing, 4), {}});
  cells.push_back({number_or_reason(r.m_crit, r.peak_missing, 3), {}});
  cells.push_back({r.cp_star ? with_moo(*r.cp_star, 4, r.moo_pressure) : not_drawn, {}});
  return cells;
}

Phrase readouts_legend(const Window& w) {
  std::vector<Phrase> lines = reference_legend(w);
  if (lines.empty()) return Phrase(QT_TRANSLATE_NOOP("Readouts", "Referans yok (Ctrl+K sabitler)."));
  // The heading ends in its own line break; the cases follow a line each.
  std::string layout = "%1";
  for (std::size_t k = 0; k < lines.size(); ++k) layout += (k ? "\n%" : "%") + std::to_string(k + 2);
  lines.insert(lines.begin(), Phrase(QT_TRANSLATE_NOOP("Readouts", "Referanslar:\n")));
  return Phrase(std::move(layout), std::move(lines));
}

Sweeps sweeps_of(const Window& w) { return {sweep(w, true), sweep(w, false), w.Camber, w.Thickness}; }

FlowDrawing draw_sweep_chart(const std::vector<SweepPoint>& points, double live_ratio, bool moment,
                             const std::string& title, int width, int height, const FlowStyle& style,
                             const TextMetrics& metrics) {
  const double z = style.zoom;
  const double w = width, h = height;
  FlowDrawing d;
  d.width = width;
  d.height = height;
  const auto shape = [&](FlowShape::Kind kind, std::uint32_t pen, double pen_width) -> FlowShape& {
    FlowShape& s = d.shapes.emplace_back();
    s.kind = kind;
    s.pen = pen;
    s.pen_width = pen_width;
    return s;
  };
  const auto text = [&](const std::string& t, const Font& font, const Rect& where) {
    FlowShape& s = shape(FlowShape::Kind::Text, 0xFF000000u, 0);
    s.text = t;
    s.font = font;
    s.rect = where;
  };
  FlowShape& back = shape(FlowShape::Kind::Fill, 0, 0);
  back.rect = {0, 0, w, h};
  back.fill = argb(kLightYellow);
  // One plain face for the title and the values: small charts beside a
  // table of numbers, not pictures of their own.
  const Font face{Family::verdana, 9 * z};
  text(title, face, {4 * z, 2 * z, w - 8 * z, 16 * z});
  if (points.empty()) return d;

  const auto value = [&](const SweepPoint& s) { return moment ? s.cm : s.cl; };
  double lo = 0, hi = 0;
  for (const SweepPoint& s : points) {
    lo = std::min(lo, value(s));
    hi = std::max(hi, value(s));
  }
  if (hi - lo < 1e-9) hi = lo + 1;
  const double x0 = points.front().ratio, x1 = std::max(points.back().ratio, x0 + 1e-9);
  const Rect area{36 * z, 22 * z, w - 46 * z, h - 40 * z};
  const auto at = [&](double x, double y) {
    return Point{area.x + (x - x0) / (x1 - x0) * area.w, area.bottom() - (y - lo) / (hi - lo) * area.h};
  };

  FlowShape& axis = shape(FlowShape::Kind::Line, 0xFF000000u, 1 * z);
  axis.points = {at(x0, 0), at(x1, 0)};
  // The extreme values right-aligned left of the plot, the swept range's
  // ends under it.
  const auto right_aligned = [&](const std::string& t, double right, double y) {
    const double advance = metrics.advance(face, t);
    text(t, face, {right - advance, y, advance, 14 * z});
  };
  right_aligned(readout_number(hi, 2).source, 34 * z, at(x0, hi).y - 7 * z);
  right_aligned(readout_number(lo, 2).source, 34 * z, at(x0, lo).y - 7 * z);
  text(readout_number(x0, 2).source, face, {area.x - 10 * z, area.bottom() + 2 * z, 40 * z, 14 * z});
  right_aligned(readout_number(x1, 2).source, area.right() + 10 * z, area.bottom() + 2 * z);

  FlowShape& curve = shape(FlowShape::Kind::Polyline, argb(kBlue), 1.5 * z);
  for (const SweepPoint& s : points) curve.points.push_back(at(s.ratio, value(s)));
  for (const SweepPoint& s : points) {
    if (std::fabs(s.ratio - live_ratio) >= 1e-9) continue;
    FlowShape& mark = shape(FlowShape::Kind::Ellipse, argb(kRed), 2 * z);
    mark.points = {at(s.ratio, value(s))};
    mark.rect = {0, 0, 4 * z, 4 * z};
  }
  return d;
}

Phrase sweep_description(const SweepChartKind& chart, const std::vector<SweepPoint>& points,
                         double live_ratio) {
  if (points.empty()) return number_or_reason(std::nullopt, NoValue::no_geometry, 0);
  const int decimals = chart.moment ? 5 : 4;
  const auto value = [&chart](const SweepPoint& s) { return chart.moment ? s.cm : s.cl; };
  double lo = value(points.front()), hi = lo;
  const SweepPoint* live = &points.front();
  for (const SweepPoint& s : points) {
    lo = std::min(lo, value(s));
    hi = std::max(hi, value(s));
    if (std::fabs(s.ratio - live_ratio) < std::fabs(live->ratio - live_ratio)) live = &s;
  }
  return Phrase(
      QT_TRANSLATE_NOOP("Readouts", "%1, %2 = %3 … %4 boyunca %5 … %6; bu kesitte %2 = %7, %1 = %8."),
      {literal(chart.moment ? "CM (xM)" : "CL"), literal(chart.along_camber ? "f/c" : "t/c"),
       readout_number(points.front().ratio, 2), readout_number(points.back().ratio, 2),
       readout_number(lo, decimals), readout_number(hi, decimals), readout_number(live->ratio, 2),
       readout_number(value(*live), decimals)});
}

std::string sweep_table(const std::vector<SweepPoint>& points) {
  std::string out = "ratio,cl,cm\n";
  for (const SweepPoint& s : points) {
    out += shortest_text(s.ratio);
    out += ',';
    out += shortest_text(s.cl);
    out += ',';
    out += shortest_text(s.cm);
    out += '\n';
  }
  return out;
}

}  // namespace airfoil
