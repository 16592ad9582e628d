#include "ui/render/flow_picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "charts/colour_map.h"
#include "ui/render/fonts.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate("FlowWindow", source); }

const QColor kPaper(255, 255, 255);
const QColor kHintBack(255, 255, 192);  // the pictures' light yellow
const QColor kBody(215, 215, 215);
const QColor kInk(0, 0, 0);
const QColor kStreamline(30, 30, 30, 190);

// The pictures are laid out at 96 logical pixels per inch; paper and vector
// files get the colour map at 300 samples per inch.
constexpr double kLogicalDpi = 96;
constexpr double kPrintDpi = 300;

// The Cp values the colour bar names.
constexpr double kBarTicks[] = {1, 0, -1, -2, -3};

QColor colour_of(double cp) {
  const Rgb c = cp_colour(cp);
  return QColor(c.r, c.g, c.b);
}

// The colour map of one plane, one pixel per sample. Samples in the body have
// no value; they take the mean of their valued neighbours (twice over), so
// that the smoothing when the map is drawn enlarged does not fade it towards
// the body's edge, where the pressure matters most. The body is painted over
// them afterwards.
QImage cp_image(const CpSamples& s) {
  QImage image(std::max(1, s.width), std::max(1, s.height), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  std::vector<char> known(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height), 0);
  for (int j = 0; j < s.height; ++j) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(j));
    for (int i = 0; i < s.width; ++i) {
      if (const auto& cp = s.at(i, j)) {
        const Rgb c = cp_colour(*cp);
        row[i] = qRgb(c.r, c.g, c.b);
        known[static_cast<std::size_t>(j) * static_cast<std::size_t>(s.width) + static_cast<std::size_t>(i)] =
            1;
      }
    }
  }
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<char> next = known;
    for (int j = 0; j < s.height; ++j) {
      for (int i = 0; i < s.width; ++i) {
        const std::size_t k =
            static_cast<std::size_t>(j) * static_cast<std::size_t>(s.width) + static_cast<std::size_t>(i);
        if (known[k]) continue;
        int r = 0, g = 0, b = 0, n = 0;
        for (int dj = -1; dj <= 1; ++dj) {
          for (int di = -1; di <= 1; ++di) {
            const int ii = i + di, jj = j + dj;
            if (ii < 0 || jj < 0 || ii >= s.width || jj >= s.height) continue;
            if (!known[static_cast<std::size_t>(jj) * static_cast<std::size_t>(s.width) +
                       static_cast<std::size_t>(ii)]) {
              continue;
            }
            const QRgb c = image.pixel(ii, jj);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
          }
        }
        if (n == 0) continue;
        image.setPixel(i, j, qRgb(r / n, g / n, b / n));
        next[k] = 1;
      }
    }
    known.swap(next);
  }
  return image;
}

double tick_label_width(const FlowStyle& style) {
  const QFontMetricsF metrics(style.tick_font());
  return std::max(metrics.horizontalAdvance(QStringLiteral("-3")),
                  metrics.horizontalAdvance(QStringLiteral("Cp")));
}

double title_height(const FlowStyle& style) {
  return QFontMetricsF(style.title_font()).height() + style.margin();
}

QRectF colour_bar_rect(const FlowPlane& plane, const FlowStyle& style) {
  const double top = plane.plot.top() + QFontMetricsF(style.tick_font()).height() * 2.2;
  return {plane.plot.right() + style.margin(), top, style.colour_bar_width(),
          std::max(1.0, plane.plot.bottom() - top)};
}

void paint_colour_bar(QPainter& painter, const FlowPlane& plane, const FlowStyle& style) {
  const QRectF bar = colour_bar_rect(plane, style);
  QImage ramp(1, 256, QImage::Format_RGB32);
  for (int k = 0; k < 256; ++k) {
    const double cp = kCpColourMax - (kCpColourMax - kCpColourMin) * (k + 0.5) / 256;
    ramp.setPixel(0, k, colour_of(cp).rgb());
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(bar, ramp);
  painter.setPen(QPen(kInk, 0.8 * style.zoom));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(bar);
  painter.setFont(style.tick_font());
  const QFontMetricsF metrics(style.tick_font());
  const double text_left = bar.right() + 3 * style.zoom;
  painter.drawText(QPointF(bar.left(), bar.top() - metrics.descent() - 3 * style.zoom), QStringLiteral("Cp"));
  for (const double cp : kBarTicks) {
    const double y = bar.top() + bar.height() * (kCpColourMax - cp) / (kCpColourMax - kCpColourMin);
    painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 2 * style.zoom, y));
    painter.drawText(QPointF(text_left, y + (metrics.ascent() - metrics.descent()) / 2),
                     QString::number(cp, 'f', 0));
  }
  painter.restore();
}

QPolygonF polyline(const FlowPlane& plane, const Streamline& line) {
  QPolygonF out;
  if (plane.plane == Plane::airfoil) {
    out.reserve(static_cast<qsizetype>(line.airfoil.size()));
    for (const PlanePoint& p : line.airfoil) out << to_picture(plane, p);
  } else {
    out.reserve(static_cast<qsizetype>(line.zeta.size()));
    for (const Complex& z : line.zeta) out << to_picture(plane, PlanePoint{z.real(), z.imag()});
  }
  return out;
}

void paint_marker(QPainter& painter, QPointF at, double radius, const QColor& fill, double pen) {
  painter.setPen(QPen(kInk, pen));
  painter.setBrush(fill);
  painter.drawEllipse(at, radius, radius);
}

void paint_body(QPainter& painter, const FlowScene& scene, const FlowPlane& plane, const FlowStyle& style) {
  const FlowField& f = *scene.field;
  painter.setPen(QPen(kInk, 1.0 * style.zoom));
  painter.setBrush(kBody);
  if (plane.plane == Plane::circle) {
    const QPointF centre = to_picture(plane, PlanePoint{f.centre.real(), f.centre.imag()});
    const double r = plane.plot.width() * f.R / (plane.view.x_max - plane.view.x_min);
    painter.drawEllipse(centre, r, r);
    return;
  }
  QPolygonF outline;
  outline.reserve(static_cast<qsizetype>(scene.outline.size()));
  for (const PlanePoint& p : scene.outline) outline << to_picture(plane, p);
  painter.drawPolygon(outline);
}

}  // namespace

QFont FlowStyle::title_font() const { return verdana_font(9 * zoom, true); }
QFont FlowStyle::tick_font() const { return arial_font(8 * zoom); }

QRectF flow_plot_rect(QSize size, const FlowStyle& style) {
  const double m = style.margin();
  const double top = title_height(style);
  const double right = m + style.colour_bar_width() + 3 * style.zoom + tick_label_width(style) + m;
  return {m, top, std::max(1.0, size.width() - m - right), std::max(1.0, size.height() - top - m)};
}

QPointF to_picture(const FlowPlane& plane, PlanePoint p) {
  const View& v = plane.view;
  return {plane.plot.left() + (p.x - v.x_min) / (v.x_max - v.x_min) * plane.plot.width(),
          plane.plot.top() + (v.y_max - p.y) / (v.y_max - v.y_min) * plane.plot.height()};
}

PlanePoint to_plane(const FlowPlane& plane, QPointF at) {
  const View& v = plane.view;
  return {v.x_min + (at.x() - plane.plot.left()) / plane.plot.width() * (v.x_max - v.x_min),
          v.y_max - (at.y() - plane.plot.top()) / plane.plot.height() * (v.y_max - v.y_min)};
}

std::shared_ptr<const FlowScene> make_flow_scene(const std::optional<FlowField>& field, double alfa_degrees,
                                                 QSize airfoil_size, QSize circle_size,
                                                 const FlowStyle& style) {
  auto scene = std::make_shared<FlowScene>();
  scene->field = field;
  scene->alfa_degrees = alfa_degrees;
  const std::pair<Plane, QSize> sizes[] = {{Plane::airfoil, airfoil_size}, {Plane::circle, circle_size}};
  for (std::size_t k = 0; k < 2; ++k) {
    FlowPlane& plane = scene->planes[k];
    plane.plane = sizes[k].first;
    plane.size = sizes[k].second;
    plane.plot = flow_plot_rect(plane.size, style);
    plane.view = fit_view(plane.plane == Plane::airfoil ? kAirfoilView : kCircleView, plane.plot.width(),
                          plane.plot.height());
  }
  if (!field) return scene;

  const FlowField& f = *field;
  for (FlowPlane& plane : scene->planes) {
    const int cell = style.cp_cell();
    const int nx = std::max(1, static_cast<int>(std::ceil(plane.plot.width() / cell)));
    const int ny = std::max(1, static_cast<int>(std::ceil(plane.plot.height() / cell)));
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

void paint_flow_plane(QPainter& painter, const FlowScene& scene, Plane p, const FlowStyle& style,
                      std::optional<PlanePoint> mark, Placement placement) {
  const FlowPlane& plane = scene.of(p);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(plane.size)), kPaper);

  QString title = flow_plane_title(p);
  if (scene.field && p == Plane::airfoil) {
    title += QStringLiteral(", α = %1°").arg(QString::number(scene.alfa_degrees, 'g', 6));
  }
  painter.setFont(style.title_font());
  painter.setPen(kInk);
  painter.drawText(QRectF(style.margin(), 0, plane.size.width() - 2 * style.margin(), title_height(style)),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);

  if (!scene.field) {
    painter.fillRect(plane.plot, kHintBack);
    painter.setPen(QPen(kInk, 0.8 * style.zoom));
    painter.drawRect(plane.plot);
    painter.setFont(style.title_font());
    painter.drawText(plane.plot.adjusted(4 * style.margin(), 0, -4 * style.margin(), 0),
                     Qt::AlignCenter | Qt::TextWordWrap, flow_hint_text());
    painter.restore();
    return;
  }

  painter.save();
  painter.setClipRect(plane.plot);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  QImage map = plane.cp;
  if (placement == Placement::exact) {
    const double samples = kPrintDpi / kLogicalDpi;
    map = cp_image(sample_cp(*scene.field, plane.plane, plane.view,
                             static_cast<int>(std::ceil(plane.plot.width() * samples)),
                             static_cast<int>(std::ceil(plane.plot.height() * samples))));
  }
  painter.drawImage(plane.plot, map);
  paint_body(painter, scene, plane, style);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kStreamline, style.line_width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const Streamline& line : scene.lines.lines) {
    if (!line.dividing) painter.drawPolyline(polyline(plane, line));
  }
  painter.setPen(QPen(kInk, style.dividing_width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const Streamline& line : scene.lines.lines) {
    if (line.dividing) painter.drawPolyline(polyline(plane, line));
  }

  const double r = style.marker_radius();
  for (const StagnationPoint& s : {scene.stagnation.front, scene.stagnation.rear}) {
    const PlanePoint at = p == Plane::airfoil ? s.airfoil : PlanePoint{s.zeta.real(), s.zeta.imag()};
    paint_marker(painter, to_picture(plane, at), r, Qt::white, 1.2 * style.zoom);
  }
  if (mark) {
    const QPointF at = to_picture(plane, *mark);
    paint_marker(painter, at, 1.4 * r, Qt::transparent, 2.2 * style.zoom);
    painter.setPen(QPen(Qt::white, 1.0 * style.zoom));
    painter.drawEllipse(at, 1.4 * r, 1.4 * r);
  }
  painter.restore();

  painter.setPen(QPen(kInk, 0.8 * style.zoom));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plane.plot);
  paint_colour_bar(painter, plane, style);
  painter.restore();
}

QString flow_plane_title(Plane p) {
  return p == Plane::airfoil ? translated(QT_TRANSLATE_NOOP("FlowWindow", "Profil düzlemi z"))
                             : translated(QT_TRANSLATE_NOOP("FlowWindow", "Daire düzlemi ζ"));
}

QString flow_hint_text() {
  return translated(QT_TRANSLATE_NOOP(
      "FlowWindow",
      "Henüz kesit yok. Ana pencerede herhangi bir resme tıklayın: kesit hesaplanır ve akış "
      "burada çizilir."));
}

}  // namespace airfoil
