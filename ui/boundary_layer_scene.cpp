#include "ui/boundary_layer_scene.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "model/c_numbers.h"
#include "model/coefficients.h"
#include "model/numtext.h"
#include "ui/export_csv.h"

namespace airfoil {

namespace {

// Upper and lower sides in the colours of the pressure chart.
constexpr std::uint32_t kUpper = 0xFF0000FF;
constexpr std::uint32_t kLower = 0xFFFF0000;
constexpr std::uint32_t kGrid = 0xFFD2D2D2;
constexpr std::uint32_t kInk = 0xFF000000;
constexpr std::uint32_t kPaper = 0xFFFFFFFF;
constexpr std::uint32_t kBody = 0xFFE6E6E6;

// A tick loop never draws more than this many lines, whatever a range
// degenerate by rounding asks for.
constexpr int kMostTicks = 100;

// printf's "%.6g" with '.' as the point, whatever the locale: how the
// window has always written the incidence and the Reynolds number.
std::string g_text(double x) { return c_printf('g', 6, x); }

// `decimals` places, and no sign on a value that shows as zero.
std::string unsigned_zero(double x, int decimals) {
  std::string text = fixed_text(x, decimals);
  if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return text;
}

// A rectangle of chart values mapped onto a rectangle of the picture.
struct Frame {
  Rect plot;
  double x0, x1, y0, y1;
  Point at(double x, double y) const {
    return {plot.x + (x - x0) / (x1 - x0) * plot.w, plot.bottom() - (y - y0) / (y1 - y0) * plot.h};
  }
};

// One picture being drawn: its shapes, its font and how that measures.
class Pen {
 public:
  Pen(FlowDrawing& d, const TextMetrics& metrics, double zoom)
      : d_(d), metrics_(metrics), zoom_(zoom), font_{Family::verdana, 8 * zoom} {}

  double zoom() const { return zoom_; }
  double advance(const std::string& text) const { return metrics_.advance(font_, text); }
  double ascent() const { return metrics_.ascent(font_); }
  double height() const { return metrics_.height(font_); }

  void text(Point baseline, std::string text, std::uint32_t colour = kInk) {
    FlowShape s;
    s.kind = FlowShape::Kind::BaselineText;
    s.points = {baseline};
    s.text = std::move(text);
    s.font = font_;
    s.pen = colour;
    d_.shapes.push_back(std::move(s));
  }
  // The text centred across `left` .. `left + width`, its top at `top`.
  void centred(double left, double width, double top, std::string text) {
    const double x = left + (width - advance(text)) / 2;
    this->text({x, top + ascent()}, std::move(text));
  }
  void stroke(FlowShape::Kind kind, std::vector<Point> points, std::uint32_t colour, double width,
              std::uint32_t fill = 0) {
    if (points.size() < 2) return;
    FlowShape s;
    s.kind = kind;
    s.points = std::move(points);
    s.pen = colour;
    s.pen_width = width;
    s.fill = fill;
    d_.shapes.push_back(std::move(s));
  }
  void line(Point a, Point b, std::uint32_t colour, double width) {
    stroke(FlowShape::Kind::Line, {a, b}, colour, width);
  }
  void shape(FlowShape::Kind kind, const Rect& rect, std::uint32_t colour = kInk, double width = 0,
             std::uint32_t fill = 0, std::vector<Point> points = {}) {
    FlowShape s;
    s.kind = kind;
    s.rect = rect;
    s.pen = colour;
    s.pen_width = width;
    s.fill = fill;
    s.points = std::move(points);
    d_.shapes.push_back(std::move(s));
  }
  void circle(Point centre, double radius, std::uint32_t colour, double width, std::uint32_t fill) {
    shape(FlowShape::Kind::Ellipse, {0, 0, radius, radius}, colour, width, fill, {centre});
  }

 private:
  FlowDrawing& d_;
  const TextMetrics& metrics_;
  double zoom_;
  Font font_;
};

// A step of 1, 2 or 5 times a power of ten giving about `count` intervals.
double nice_step(double span, int count) {
  const double raw = span / count;
  const double p = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0}) {
    if (m * p >= raw) return m * p;
  }
  return 10 * p;
}

std::string tick_text(double v, double step) {
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  return fixed_text(std::abs(v) < step / 1e6 ? 0.0 : v, decimals);
}

// Axes with a grid, tick labels and the axis names; returns the frame.
Frame axes(Pen& p, int width, int height, double x0, double x1, double y0, double y1,
           const std::string& x_name, const std::string& y_name) {
  const double z = p.zoom(), m = 8 * z, h = p.height(), widest = p.advance("0.0000");
  const Rect plot{m + widest + m, m + h, width - (3 * m + widest), height - (3 * m + 3 * h)};
  const Frame f{plot, x0, x1, y0, y1};
  const double xs = nice_step(x1 - x0, 5), ys = nice_step(y1 - y0, 4);
  int ticks = 0;
  for (double x = std::ceil(x0 / xs) * xs; x <= x1 + xs / 1e6 && ticks < kMostTicks; x += xs, ++ticks) {
    p.line(f.at(x, y0), f.at(x, y1), kGrid, z);
    const std::string t = tick_text(x, xs);
    const Point at = f.at(x, y0);
    // The last label centred on the frame's right edge would reach past
    // the picture's by a pixel: it is kept inside.
    const double left = std::max(0.0, std::min(at.x - p.advance(t) / 2, width - p.advance(t)));
    p.text({left, at.y + p.ascent() + m / 2}, t);
  }
  ticks = 0;
  for (double y = std::ceil(y0 / ys) * ys; y <= y1 + ys / 1e6 && ticks < kMostTicks; y += ys, ++ticks) {
    p.line(f.at(x0, y), f.at(x1, y), kGrid, z);
    const std::string t = tick_text(y, ys);
    const Point at = f.at(x0, y);
    p.text({std::max(0.0, at.x - p.advance(t) - m / 2), at.y + p.ascent() / 2 - 1}, t);
  }
  p.shape(FlowShape::Kind::Frame, plot, kInk, z);
  p.centred(plot.x, plot.w, plot.bottom() + h + m / 2, x_name);
  p.text({plot.x, plot.y - m / 2}, y_name);
  return f;
}

// The stations of one side as a line of (x/c, value), cut to the frame.
template <class Value>
void side_curve(Pen& p, const Frame& f, const BoundaryLayerSide& side, std::uint32_t colour, Value value) {
  std::vector<Point> points;
  points.reserve(side.stations.size());
  for (const BoundaryLayerStation& s : side.stations)
    points.push_back(f.at(s.x_c, std::clamp(value(s), f.y0, f.y1)));
  p.shape(FlowShape::Kind::Clip, f.plot);
  p.stroke(FlowShape::Kind::Polyline, std::move(points), colour, 1.5 * p.zoom());
  p.shape(FlowShape::Kind::Unclip, {});
}

void mark(Pen& p, Point at, const char* letter, std::uint32_t colour) {
  const double r = 3 * p.zoom();
  p.circle(at, r, colour, p.zoom(), kPaper);
  p.text({at.x - r, at.y - 2 * r}, letter, colour);
}

// The station nearest x/c on a side (the marks sit on the section's outline).
Point station_at(const Frame& f, const BoundaryLayerSide& side, double x) {
  const BoundaryLayerStation* best = nullptr;
  for (const BoundaryLayerStation& s : side.stations) {
    if (!best || std::abs(s.x_c - x) < std::abs(best->x_c - x)) best = &s;
  }
  return best ? f.at(best->x_c, best->y_c) : f.at(x, 0);
}

void draw_section(Pen& p, int width, int height, const BoundaryLayerCase& c,
                  const PhraseTranslate& translate) {
  // An undistorted chord: x/c -0.05 .. 1.05 over the width.
  const double z = p.zoom(), m = 8 * z, h = p.height();
  const Rect plot{m, m + h, width - 2 * m, height - 2 * m - 2 * h};
  const double span = 1.1, scale = plot.w / span;
  const double half = plot.h / 2 / scale;
  const Frame f{plot, -0.05, 1.05, -half, half};
  p.line(f.at(-0.05, 0), f.at(1.05, 0), kGrid, z);
  std::vector<Point> outline;
  outline.reserve(c.outline.size());
  for (const PlanePoint& q : c.outline) outline.push_back(f.at(q.x, q.y));
  p.stroke(FlowShape::Kind::Polygon, std::move(outline), kInk, z, kBody);
  for (const auto& [side, colour, outward] :
       {std::tuple{&c.layer.upper, kUpper, 1.0}, std::tuple{&c.layer.lower, kLower, -1.0}}) {
    const auto& st = side->stations;
    std::vector<Point> curve;
    curve.reserve(st.size());
    for (std::size_t k = 0; k < st.size(); ++k) {
      const std::size_t a = k == 0 ? 0 : k - 1, b = std::min(k + 1, st.size() - 1);
      const double tx = st[b].x_c - st[a].x_c, ty = st[b].y_c - st[a].y_c;
      const double len = std::hypot(tx, ty);
      if (!(len > 0)) continue;
      // Along each side the flow runs from the stagnation point to the
      // trailing edge; the outside is to its left above, to its right below.
      const double d = kDeltaStarScale * st[k].delta_star * outward / len;
      curve.push_back(f.at(st[k].x_c - d * ty, st[k].y_c + d * tx));
    }
    p.stroke(FlowShape::Kind::Polyline, std::move(curve), colour, 1.5 * z);
  }
  for (const auto& [side, colour] : {std::pair{&c.layer.upper, kUpper}, std::pair{&c.layer.lower, kLower}}) {
    if (side->stations.empty()) continue;
    if (side->x_transition < 1) mark(p, station_at(f, *side, side->x_transition), "T", colour);
    if (side->x_separation) mark(p, station_at(f, *side, *side->x_separation), "S", colour);
  }
  const Phrase note(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "δ* %1 kat büyütülmüş; T geçiş, S ayrılma"),
                    {literal(g_text(kDeltaStarScale))});
  p.text({m, height - m - h + p.ascent()}, render(note, translate));
}

void draw_cf(Pen& p, int width, int height, const BoundaryLayerCase& c) {
  double top = 0.002;
  for (const BoundaryLayerSide* side : {&c.layer.upper, &c.layer.lower}) {
    for (const BoundaryLayerStation& s : side->stations) {
      // The first hundredth of the chord, round the stagnation point, would
      // set the scale for the whole chart.
      if (s.x_c > 0.02) top = std::max(top, s.cf);
    }
  }
  const Frame f = axes(p, width, height, 0, 1, 0, top * 1.1, "x/c", "Cf");
  side_curve(p, f, c.layer.upper, kUpper, [](const BoundaryLayerStation& s) { return s.cf; });
  side_curve(p, f, c.layer.lower, kLower, [](const BoundaryLayerStation& s) { return s.cf; });
}

void draw_h(Pen& p, int width, int height, const BoundaryLayerCase& c) {
  const Frame f = axes(p, width, height, 0, 1, 1, 4, "x/c", "H = δ*/θ");
  side_curve(p, f, c.layer.upper, kUpper, [](const BoundaryLayerStation& s) { return s.h; });
  side_curve(p, f, c.layer.lower, kLower, [](const BoundaryLayerStation& s) { return s.h; });
}

void draw_polar(Pen& p, int width, int height, const BoundaryLayerCase& c) {
  double cd_max = 0.01, cl_min = 0, cl_max = 0.5;
  for (const PolarPoint& q : c.polar) {
    if (q.cd) cd_max = std::max(cd_max, std::min(*q.cd, 0.1));
    cl_min = std::min(cl_min, q.cl);
    cl_max = std::max(cl_max, q.cl);
  }
  const Frame f = axes(p, width, height, 0, cd_max * 1.1, cl_min - 0.1, cl_max + 0.1, "CD", "CL");
  std::vector<Point> curve;
  for (const PolarPoint& q : c.polar) {
    if (q.cd) curve.push_back(f.at(std::min(*q.cd, f.x1), q.cl));
  }
  p.shape(FlowShape::Kind::Clip, f.plot);
  p.stroke(FlowShape::Kind::Polyline, std::move(curve), kInk, 1.5 * p.zoom());
  p.shape(FlowShape::Kind::Unclip, {});
  if (c.layer.cd) {
    const double z = p.zoom();
    p.circle(f.at(std::min(*c.layer.cd, f.x1), c.cl), 3.5 * z, kLower, 2 * z, kLower);
    // The current case in words, inside the chart's top left corner.
    const std::string text = "α = " + g_text(c.alpha_deg) + "°: CL " + fixed_text(c.cl, 3) + ", CD " +
                             fixed_text(*c.layer.cd, 5) + ", L/D " + fixed_text(c.cl / *c.layer.cd, 1);
    p.text({f.plot.x + 4 * z, f.plot.y + p.ascent() + 2 * z}, text);
  }
}

// One line of the numbers: a source and its parts.
void add(std::vector<Phrase>& lines, const char* source, std::vector<Phrase> parts = {}) {
  lines.emplace_back(source, std::move(parts));
}

const char* failure_source(BoundaryLayerFailure failure) {
  switch (failure) {
    case BoundaryLayerFailure::none: return "";
    case BoundaryLayerFailure::no_section:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow",
                               "Henüz kesit yok: ana pencerede bir kalınlık ya da kamburluk seçin.");
    case BoundaryLayerFailure::sharp_leading_edge:
      return QT_TRANSLATE_NOOP(
          "BoundaryLayerWindow",
          "Kalınlığı sıfır olan kesitin hücum kenarı keskindir: hücum açısında akış bu kenarın çevresinden "
          "sonsuz hızla döner, sınır tabakası hesaplanamaz.");
    case BoundaryLayerFailure::side_too_short:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow",
                               "Durma noktası firar kenarına çok yakın: bir yüzey hesap için çok kısa.");
    case BoundaryLayerFailure::not_finite:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow",
                               "Sınır tabakası hesabı firar kenarına ulaşamadı (sonlu olmayan değer).");
    case BoundaryLayerFailure::reynolds_out_of_range:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Reynolds sayısı 1e5 ile 1e8 arasında olmalı.");
  }
  return "";
}

}  // namespace

BoundaryLayerCase boundary_layer_case(const WindowState& s, double re) {
  BoundaryLayerCase c;
  c.alpha_deg = s.AlfaD;
  c.layer = boundary_layer(s, re);
  const auto f = flow_field(s);
  if (!f) return c;
  c.has_section = true;
  c.outline = section_outline(*f, 401);
  c.polar = boundary_layer_polar(s, re);
  c.cl = lift_coefficient_at_degrees(s, s.AlfaD);
  return c;
}

BoundaryLayerCase boundary_layer_case_without_state() {
  BoundaryLayerCase c;
  c.layer.failure = BoundaryLayerFailure::no_section;
  return c;
}

const char* boundary_layer_plot_name(BoundaryLayerPlot plot) {
  switch (plot) {
    case BoundaryLayerPlot::section: return "boundary-layer-section";
    case BoundaryLayerPlot::cf: return "boundary-layer-cf";
    case BoundaryLayerPlot::h: return "boundary-layer-h";
    case BoundaryLayerPlot::polar: return "polar";
  }
  return "";
}

const char* boundary_layer_plot_title_source(BoundaryLayerPlot plot) {
  switch (plot) {
    case BoundaryLayerPlot::section:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Kesit ve yer değiştirme kalınlığı δ*");
    case BoundaryLayerPlot::cf:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Yüzey sürtünme katsayısı Cf");
    case BoundaryLayerPlot::h: return QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Biçim çarpanı H");
    case BoundaryLayerPlot::polar:
      return QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Polar: viskozitesiz CL ve CD");
  }
  return "";
}

std::optional<BoundaryLayerPlot> boundary_layer_plot_named(std::string_view name) {
  for (const BoundaryLayerPlot plot : kBoundaryLayerPlots) {
    if (name == boundary_layer_plot_name(plot)) return plot;
  }
  return std::nullopt;
}

FlowDrawing draw_boundary_layer_plot(BoundaryLayerPlot plot, const BoundaryLayerCase& c, int width,
                                     int height, double zoom, const TextMetrics& metrics,
                                     const PhraseTranslate& translate) {
  FlowDrawing d;
  d.width = width;
  d.height = height;
  Pen p(d, metrics, zoom);
  p.shape(FlowShape::Kind::Fill, {0, 0, static_cast<double>(width), static_cast<double>(height)}, kInk, 0,
          kPaper);
  p.centred(0, width, 2 * zoom, translate(boundary_layer_plot_title_source(plot)));
  if (!c.has_section) return d;
  switch (plot) {
    case BoundaryLayerPlot::section: draw_section(p, width, height, c, translate); break;
    case BoundaryLayerPlot::cf: draw_cf(p, width, height, c); break;
    case BoundaryLayerPlot::h: draw_h(p, width, height, c); break;
    case BoundaryLayerPlot::polar: draw_polar(p, width, height, c); break;
  }
  return d;
}

std::vector<Phrase> boundary_layer_numbers(const BoundaryLayerCase& c, double re) {
  const BoundaryLayer& l = c.layer;
  std::vector<Phrase> lines;
  lines.push_back(literal("Re = " + reynolds_text(re) + ",  α = " + g_text(c.alpha_deg) + "°"));
  if (l.failure != BoundaryLayerFailure::none || !l.cd || !l.cd_friction) {
    lines.push_back(literal(""));
    add(lines, failure_source(l.failure == BoundaryLayerFailure::none ? BoundaryLayerFailure::not_finite
                                                                      : l.failure));
  } else {
    const auto x_text = [](double x) { return literal(unsigned_zero(x, 3)); };
    const auto sep_text = [&](const std::optional<double>& x) {
      return x ? x_text(*x) : Phrase(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "yok"));
    };
    lines.push_back(literal("CD = " + unsigned_zero(*l.cd, 5)));
    add(lines, QT_TRANSLATE_NOOP("BoundaryLayerWindow", "  sürtünme %1, basınç %2"),
        {literal(unsigned_zero(*l.cd_friction, 5)), literal(unsigned_zero(*l.cd - *l.cd_friction, 5))});
    add(lines, "%1%2",
        {literal("CL = " + unsigned_zero(c.cl, 4)),
         Phrase(QT_TRANSLATE_NOOP("BoundaryLayerWindow", " (viskozitesiz)"))});
    lines.push_back(literal("L/D = " + unsigned_zero(c.cl / *l.cd, 1)));
    lines.push_back(literal(""));
    add(lines, QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Geçiş x/c: üst %1, alt %2"),
        {x_text(l.upper.x_transition), x_text(l.lower.x_transition)});
    add(lines, QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Ayrılma x/c: üst %1, alt %2"),
        {sep_text(l.upper.x_separation), sep_text(l.lower.x_separation)});
    if (l.upper.transition_at_laminar_separation || l.lower.transition_at_laminar_separation) {
      add(lines, QT_TRANSLATE_NOOP("BoundaryLayerWindow",
                                   "Geçiş, laminer ayrılma noktasında (kısa ayrılma kabarcığı)."));
    }
    if (l.stall_warning) {
      lines.push_back(literal(""));
      add(lines,
          QT_TRANSLATE_NOOP(
              "BoundaryLayerWindow",
              "Dikkat: sınır tabakası veterin %95'inden önce ayrılıyor. Tutunma kaybı (stall) başlıyor; "
              "bu açıda viskozitesiz CL ve CM'ye güvenilmez, CD de yalnızca bir tahmindir."));
    }
  }
  lines.push_back(literal(""));
  add(lines, QT_TRANSLATE_NOOP(
                 "BoundaryLayerWindow",
                 "Mavi üst, kırmızı alt yüzey (durma noktasından firar kenarına). Sınır tabakası kesin "
                 "viskozitesiz yüzey hızından hesaplanır ve akışı geri etkilemez; sıkıştırılabilirlik (Moo) "
                 "sınır tabakasına uygulanmaz."));
  return lines;
}

std::string reynolds_text(double re) {
  // 1e6 rather than 1e+06: the form a student types.
  const std::string text = g_text(re);
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    out += text[k];
    if (text[k] != 'e' || k + 1 >= text.size() || text[k + 1] != '+') continue;
    ++k;  // the exponent's plus, and its leading zero
    if (k + 1 < text.size() && text[k + 1] == '0') ++k;
  }
  return out;
}

std::optional<double> read_reynolds(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n\f\v";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
  if (text.front() == '+') text.remove_prefix(1);
  const std::optional<double> re = read_plain_number(text);
  if (!re || !reynolds_in_range(*re)) return std::nullopt;
  return re;
}

std::string boundary_layer_table(const BoundaryLayerCase& c, std::string_view file) {
  if (file == kBoundaryLayerTables[0].file) return boundary_layer_csv(c.layer);
  if (file == kBoundaryLayerTables[1].file) return polar_csv(c.polar);
  return {};
}

}  // namespace airfoil
