#include "ui/flow_scene.h"

#include <algorithm>
#include <cmath>

#include "charts/colour_map.h"
#include "model/numtext.h"

namespace airfoil {

namespace {

constexpr std::uint32_t kPaper = 0xFFFFFFFF;
constexpr std::uint32_t kHintBack = 0xFFFFFFC0;  // the pictures' light yellow
constexpr std::uint32_t kBody = 0xFFD7D7D7;
constexpr std::uint32_t kInk = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kStreamline = 0xBE1E1E1E;  // dark grey, three quarters opaque

// The Cp values the colour bar names.
constexpr double kBarTicks[] = {1, 0, -1, -2, -3};

std::uint32_t argb(const Rgb& c) { return 0xFF000000u | (c.r << 16) | (c.g << 8) | c.b; }

// The colour map of one plane, one pixel per sample. Samples in the body have
// no value; they take the mean of their valued neighbours (twice over), so
// that the smoothing when the map is drawn enlarged does not fade it towards
// the body's edge, where the pressure matters most. The body is painted over
// them afterwards.
ArgbImage cp_image(const CpSamples& s) {
  ArgbImage image;
  image.width = std::max(1, s.width);
  image.height = std::max(1, s.height);
  image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
  const auto index = [&](int i, int j) {
    return static_cast<std::size_t>(j) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(i);
  };
  std::vector<char> known(image.pixels.size(), 0);
  for (int j = 0; j < s.height; ++j) {
    for (int i = 0; i < s.width; ++i) {
      if (const auto& cp = s.at(i, j)) {
        image.pixels[index(i, j)] = argb(cp_colour(*cp));
        known[index(i, j)] = 1;
      }
    }
  }
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<char> next = known;
    for (int j = 0; j < s.height; ++j) {
      for (int i = 0; i < s.width; ++i) {
        if (known[index(i, j)]) continue;
        int r = 0, g = 0, b = 0, n = 0;
        for (int dj = -1; dj <= 1; ++dj) {
          for (int di = -1; di <= 1; ++di) {
            const int ii = i + di, jj = j + dj;
            if (ii < 0 || jj < 0 || ii >= s.width || jj >= s.height || !known[index(ii, jj)]) continue;
            const std::uint32_t c = image.pixels[index(ii, jj)];
            r += static_cast<int>((c >> 16) & 0xFF);
            g += static_cast<int>((c >> 8) & 0xFF);
            b += static_cast<int>(c & 0xFF);
            ++n;
          }
        }
        if (n == 0) continue;
        image.pixels[index(i, j)] =
            argb(Rgb{static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
                     static_cast<std::uint8_t>(b / n)});
        next[index(i, j)] = 1;
      }
    }
    known.swap(next);
  }
  return image;
}

double tick_label_width(const FlowStyle& style, const TextMetrics& metrics) {
  return std::max(metrics.advance(style.tick_font(), "-3"), metrics.advance(style.tick_font(), "Cp"));
}

double title_height(const FlowStyle& style, const TextMetrics& metrics) {
  return metrics.height(style.title_font()) + style.margin();
}

Rect colour_bar_rect(const FlowPlane& plane, const FlowStyle& style, const TextMetrics& metrics) {
  const double top = plane.plot.y + metrics.height(style.tick_font()) * 2.2;
  return {plane.plot.right() + style.margin(), top, style.colour_bar_width(),
          std::max(1.0, plane.plot.bottom() - top)};
}

std::shared_ptr<const ArgbImage> colour_ramp() {
  auto ramp = std::make_shared<ArgbImage>();
  ramp->width = 1;
  ramp->height = 256;
  for (int k = 0; k < 256; ++k) {
    const double cp = kCpColourMax - (kCpColourMax - kCpColourMin) * (k + 0.5) / 256;
    ramp->pixels.push_back(argb(cp_colour(cp)));
  }
  return ramp;
}

FlowShape pen_shape(FlowShape::Kind kind, std::uint32_t pen, double width, std::uint32_t fill = 0) {
  FlowShape s;
  s.kind = kind;
  s.pen = pen;
  s.pen_width = width;
  s.fill = fill;
  return s;
}

FlowShape text_shape(FlowShape::Kind kind, std::string text, const Font& font) {
  FlowShape s;
  s.kind = kind;
  s.text = std::move(text);
  s.font = font;
  s.pen = kInk;
  return s;
}

void draw_colour_bar(FlowDrawing& d, const FlowPlane& plane, const FlowStyle& style,
                     const TextMetrics& metrics) {
  const Rect bar = colour_bar_rect(plane, style, metrics);
  FlowShape image;
  image.kind = FlowShape::Kind::Image;
  image.rect = bar;
  image.image = d.ramp.get();
  d.shapes.push_back(image);
  FlowShape frame = pen_shape(FlowShape::Kind::Frame, kInk, 0.8 * style.zoom);
  frame.rect = bar;
  d.shapes.push_back(frame);

  const Font font = style.tick_font();
  const double text_left = bar.right() + 3 * style.zoom;
  FlowShape name = text_shape(FlowShape::Kind::BaselineText, "Cp", font);
  name.points = {{bar.x, bar.y - metrics.descent(font) - 3 * style.zoom}};
  d.shapes.push_back(name);
  for (const double cp : kBarTicks) {
    const double y = bar.y + bar.h * (kCpColourMax - cp) / (kCpColourMax - kCpColourMin);
    FlowShape tick = pen_shape(FlowShape::Kind::Line, kInk, 0.8 * style.zoom);
    tick.points = {{bar.right(), y}, {bar.right() + 2 * style.zoom, y}};
    d.shapes.push_back(tick);
    FlowShape value = text_shape(FlowShape::Kind::BaselineText, general_format(cp), font);
    value.points = {{text_left, y + (metrics.ascent(font) - metrics.descent(font)) / 2}};
    d.shapes.push_back(value);
  }
}

std::vector<Point> polyline(const FlowPlane& plane, const Streamline& line) {
  std::vector<Point> out;
  if (plane.plane == Plane::airfoil) {
    out.reserve(line.airfoil.size());
    for (const PlanePoint& p : line.airfoil) out.push_back(to_picture(plane, p));
  } else {
    out.reserve(line.zeta.size());
    for (const Complex& z : line.zeta) out.push_back(to_picture(plane, PlanePoint{z.real(), z.imag()}));
  }
  return out;
}

FlowShape ellipse(Point at, double radius, std::uint32_t pen, double width, std::uint32_t fill) {
  FlowShape s = pen_shape(FlowShape::Kind::Ellipse, pen, width, fill);
  s.points = {at};
  s.rect = {0, 0, radius, radius};
  return s;
}

void draw_body(FlowDrawing& d, const FlowScene& scene, const FlowPlane& plane, const FlowStyle& style) {
  const FlowField& f = *scene.field;
  if (plane.plane == Plane::circle) {
    const Point centre = to_picture(plane, PlanePoint{f.centre.real(), f.centre.imag()});
    const double r = plane.plot.w * f.R / (plane.view.x_max - plane.view.x_min);
    d.shapes.push_back(ellipse(centre, r, kInk, 1.0 * style.zoom, kBody));
    return;
  }
  FlowShape outline = pen_shape(FlowShape::Kind::Polygon, kInk, 1.0 * style.zoom, kBody);
  outline.points.reserve(scene.outline.size());
  for (const PlanePoint& p : scene.outline) outline.points.push_back(to_picture(plane, p));
  d.shapes.push_back(std::move(outline));
}

}  // namespace

Rect flow_plot_rect(int width, int height, const FlowStyle& style, const TextMetrics& metrics) {
  const double m = style.margin();
  const double top = title_height(style, metrics);
  const double right = m + style.colour_bar_width() + 3 * style.zoom + tick_label_width(style, metrics) + m;
  return {m, top, std::max(1.0, width - m - right), std::max(1.0, height - top - m)};
}

Point to_picture(const FlowPlane& plane, PlanePoint p) {
  const View& v = plane.view;
  return {plane.plot.x + (p.x - v.x_min) / (v.x_max - v.x_min) * plane.plot.w,
          plane.plot.y + (v.y_max - p.y) / (v.y_max - v.y_min) * plane.plot.h};
}

PlanePoint to_plane(const FlowPlane& plane, Point at) {
  const View& v = plane.view;
  return {v.x_min + (at.x - plane.plot.x) / plane.plot.w * (v.x_max - v.x_min),
          v.y_max - (at.y - plane.plot.y) / plane.plot.h * (v.y_max - v.y_min)};
}

std::shared_ptr<const FlowScene> make_flow_scene(const std::optional<FlowField>& field, double alfa_degrees,
                                                 std::array<int, 2> airfoil_size,
                                                 std::array<int, 2> circle_size, const FlowStyle& style,
                                                 const TextMetrics& metrics) {
  auto scene = std::make_shared<FlowScene>();
  scene->field = field;
  scene->alfa_degrees = alfa_degrees;
  const std::pair<Plane, std::array<int, 2>> sizes[] = {{Plane::airfoil, airfoil_size},
                                                        {Plane::circle, circle_size}};
  for (std::size_t k = 0; k < 2; ++k) {
    FlowPlane& plane = scene->planes[k];
    plane.plane = sizes[k].first;
    plane.width = sizes[k].second[0];
    plane.height = sizes[k].second[1];
    plane.plot = flow_plot_rect(plane.width, plane.height, style, metrics);
    plane.view =
        fit_view(plane.plane == Plane::airfoil ? kAirfoilView : kCircleView, plane.plot.w, plane.plot.h);
  }
  if (!field) return scene;

  const FlowField& f = *field;
  for (FlowPlane& plane : scene->planes) {
    const int cell = style.cp_cell();
    const int nx = std::max(1, static_cast<int>(std::ceil(plane.plot.w / cell)));
    const int ny = std::max(1, static_cast<int>(std::ceil(plane.plot.h / cell)));
    plane.cp = cp_image(sample_cp(f, plane.plane, plane.view, nx, ny));
  }
  StreamlineOptions options;
  options.airfoil_view = scene->of(Plane::airfoil).view;
  options.circle_view = scene->of(Plane::circle).view;
  scene->lines = trace_streamlines(f, options);
  scene->stagnation = stagnation_points(f);
  scene->outline = section_outline(f, 721);
  return scene;
}

FlowDrawing draw_flow_plane(const FlowScene& scene, Plane p, const FlowStyle& style,
                            const TextMetrics& metrics, const std::string& title, const std::string& hint,
                            std::optional<PlanePoint> mark, double map_samples) {
  const FlowPlane& plane = scene.of(p);
  FlowDrawing d;
  d.width = plane.width;
  d.height = plane.height;
  d.ramp = colour_ramp();
  FlowShape paper;
  paper.fill = kPaper;
  paper.rect = {0, 0, double(plane.width), double(plane.height)};
  d.shapes.push_back(paper);

  FlowShape heading = text_shape(FlowShape::Kind::Text, title, style.title_font());
  heading.rect = {style.margin(), 0, plane.width - 2 * style.margin(), title_height(style, metrics)};
  d.shapes.push_back(heading);

  FlowShape frame = pen_shape(FlowShape::Kind::Frame, kInk, 0.8 * style.zoom);
  frame.rect = plane.plot;
  if (!scene.field) {
    FlowShape back;
    back.fill = kHintBack;
    back.rect = plane.plot;
    d.shapes.push_back(back);
    d.shapes.push_back(frame);
    FlowShape text = text_shape(FlowShape::Kind::WrappedText, hint, style.title_font());
    text.rect = {plane.plot.x + 4 * style.margin(), plane.plot.y, plane.plot.w - 8 * style.margin(),
                 plane.plot.h};
    d.shapes.push_back(text);
    return d;
  }

  FlowShape clip;
  clip.kind = FlowShape::Kind::Clip;
  clip.rect = plane.plot;
  d.shapes.push_back(clip);
  FlowShape map;
  map.kind = FlowShape::Kind::Image;
  map.rect = plane.plot;
  map.image = &plane.cp;
  if (map_samples > 0) {
    d.map = std::make_shared<ArgbImage>(cp_image(sample_cp(
        *scene.field, plane.plane, plane.view, static_cast<int>(std::ceil(plane.plot.w * map_samples)),
        static_cast<int>(std::ceil(plane.plot.h * map_samples)))));
    map.image = d.map.get();
  }
  d.shapes.push_back(map);
  draw_body(d, scene, plane, style);

  for (const bool dividing : {false, true}) {
    for (const Streamline& line : scene.lines.lines) {
      if (line.dividing != dividing) continue;
      FlowShape stroke = dividing ? pen_shape(FlowShape::Kind::Polyline, kInk, style.dividing_width())
                                  : pen_shape(FlowShape::Kind::Polyline, kStreamline, style.line_width());
      stroke.round = true;
      stroke.points = polyline(plane, line);
      d.shapes.push_back(std::move(stroke));
    }
  }

  const double r = style.marker_radius();
  for (const StagnationPoint& s : {scene.stagnation.front, scene.stagnation.rear}) {
    const PlanePoint at = p == Plane::airfoil ? s.airfoil : PlanePoint{s.zeta.real(), s.zeta.imag()};
    d.shapes.push_back(ellipse(to_picture(plane, at), r, kInk, 1.2 * style.zoom, kWhite));
  }
  if (mark) {
    const Point at = to_picture(plane, *mark);
    d.shapes.push_back(ellipse(at, 1.4 * r, kInk, 2.2 * style.zoom, 0));
    d.shapes.push_back(ellipse(at, 1.4 * r, kWhite, 1.0 * style.zoom, 0));
  }
  FlowShape unclip;
  unclip.kind = FlowShape::Kind::Unclip;
  d.shapes.push_back(unclip);

  d.shapes.push_back(frame);
  draw_colour_bar(d, plane, style, metrics);
  return d;
}

const char* flow_plane_title_source(Plane p) {
  return p == Plane::airfoil ? QT_TRANSLATE_NOOP("FlowWindow", "Profil düzlemi z")
                             : QT_TRANSLATE_NOOP("FlowWindow", "Daire düzlemi ζ");
}

const char* flow_hint_source() {
  return QT_TRANSLATE_NOOP(
      "FlowWindow",
      "Henüz kesit yok. Ana pencerede herhangi bir resme tıklayın: kesit hesaplanır ve akış burada "
      "çizilir.");
}

const char* flow_picture_file(Plane p) { return p == Plane::airfoil ? "flow-airfoil" : "flow-circle"; }

const char* flow_plane_name_source(Plane p) {
  return p == Plane::airfoil ? QT_TRANSLATE_NOOP("FlowWindow", "Profil düzlemindeki akış")
                             : QT_TRANSLATE_NOOP("FlowWindow", "Daire düzlemindeki akış");
}

const char* flow_plane_description_source(Plane p) {
  return p == Plane::airfoil
             ? QT_TRANSLATE_NOOP(
                   "FlowWindow",
                   "Kesitin çevresindeki akış: eşit ψ adımlarında akım çizgileri, kalın siyah çizgi bölen "
                   "akım çizgisi (ψ = 0), beyaz noktalar burundaki durma noktası ve firar kenarı; "
                   "arkada basınç katsayısı Cp renk ölçeğiyle. Sağ tık resmi kopyalar ya da "
                   "kaydeder.")
             : QT_TRANSLATE_NOOP("FlowWindow",
                                 "Kesiti üreten dairenin çevresindeki akış; z = ζ + 1/ζ dönüşümü bu resmi "
                                 "profil düzlemine çevirir. Akım çizgileri, bölen akım çizgisi, iki durma "
                                 "noktası (biri ζ = 1'de, firar kenarının karşılığı) ve Cp renk ölçeği. Sağ "
                                 "tık resmi kopyalar ya da kaydeder.");
}

namespace {

// Four decimals with a point, as the main window's boxes write numbers; a
// rounded negative zero would read as a sign without a value.
std::string four_decimals(double x) {
  std::string text = fixed_text(x, 4);
  if (text == "-0.0000") text.erase(0, 1);
  return text;
}

std::string velocity_text(const Velocity& v) {
  return "u = " + four_decimals(v.u) + ", v = " + four_decimals(v.v) + ", |V| = " + four_decimals(v.speed) +
         ", Cp = " + four_decimals(v.Cp);
}

// A literal text followed by a translated one.
Phrase then(std::string literal_text, const char* source) {
  return Phrase("%1%2", {literal(std::move(literal_text)), Phrase(source)});
}

}  // namespace

Phrase flow_readout(const std::optional<FlowField>& field,
                    const std::optional<std::pair<Plane, PlanePoint>>& hovered) {
  if (!field) return Phrase(flow_hint_source());
  if (!hovered) {
    return Phrase(QT_TRANSLATE_NOOP(
        "FlowWindow",
        "Fareyi bir düzlemin üzerinde gezdirin (ya da Tab ile bir düzleme gelip ok tuşlarına "
        "basın): o noktadaki hız ve Cp burada görünür, noktanın öteki düzlemdeki karşılığı "
        "işaretlenir."));
  }
  const auto [plane, p] = *hovered;
  const auto here = flow_at(*field, plane, p);
  if (plane == Plane::airfoil) {
    const std::string where = "x/c = " + four_decimals(p.x) + ", y/c = " + four_decimals(p.y);
    if (!here)
      return then(where,
                  QT_TRANSLATE_NOOP("FlowWindow", ": kesitin içinde ya da üzerinde; burada akış yok."));
    return literal(where + ":  " + velocity_text(here->section));
  }
  const std::string where = "ζ = (" + four_decimals(p.x) + ", " + four_decimals(p.y) + ")";
  if (!here)
    return then(where,
                QT_TRANSLATE_NOOP("FlowWindow", ": dairenin içinde; dairenin içi akışın parçası değildir."));
  return literal(where + " → x/c = " + four_decimals(here->airfoil.x) +
                 ", y/c = " + four_decimals(here->airfoil.y) + ":  " + velocity_text(here->circle));
}

std::optional<PlanePoint> flow_mark_in(const std::optional<FlowField>& field,
                                       const std::optional<std::pair<Plane, PlanePoint>>& hovered, Plane p,
                                       bool by_keyboard) {
  if (!hovered || !field) return std::nullopt;
  // The mouse pointer shows where it reads; a key's probe point has only
  // this ring to show it, in its own plane too.
  if (hovered->first == p) return by_keyboard ? std::optional(hovered->second) : std::nullopt;
  const auto here = flow_at(*field, hovered->first, hovered->second);
  if (!here) return std::nullopt;
  return p == Plane::airfoil ? here->airfoil : PlanePoint{here->zeta.real(), here->zeta.imag()};
}

Phrase flow_plane_description(const std::optional<FlowField>& field, double alfa_degrees, Plane p) {
  const Phrase description(flow_plane_description_source(p));
  if (!field) return Phrase("%1 %2", {Phrase(flow_hint_source()), description});
  Phrase out("%1 %2", {Phrase(kFlowIncidenceSource, {literal(general_format(alfa_degrees))}), description});
  if (p == Plane::airfoil) {
    if (const auto edge = flow_at_zeta(*field, Complex(1, 0))) {
      out = Phrase("%1 %2",
                   {out, Phrase(QT_TRANSLATE_NOOP(
                                    "FlowWindow",
                                    "Firar kenarı bir durma noktası değildir: akış sivri uçtan serbest akım "
                                    "hızının %1 katıyla ayrılır."),
                                {literal(fixed_text(edge->section.speed, 2))})});
    }
  }
  return out;
}

std::string flow_title_suffix(const FlowScene& scene, Plane p) {
  if (!scene.field || p != Plane::airfoil) return "";
  return ", α = " + general_format(scene.alfa_degrees) + "°";
}

Point flow_probe_step(const FlowScene& scene, const std::optional<std::pair<Plane, PlanePoint>>& hovered,
                      Plane p, int dx, int dy, bool fine) {
  const FlowPlane& plane = scene.of(p);
  const Rect& plot = plane.plot;
  if (!hovered || hovered->first != p) return {plot.x + plot.w / 2, plot.y + plot.h / 2};
  const double step = plot.w / (fine ? 200.0 : 40.0);
  const Point at = to_picture(plane, hovered->second);
  // Half a pixel short of the far edges, so that the point stays on the plot.
  return {std::clamp(at.x + dx * step, plot.x, plot.right() - 0.5),
          std::clamp(at.y + dy * step, plot.y, plot.bottom() - 0.5)};
}

}  // namespace airfoil
