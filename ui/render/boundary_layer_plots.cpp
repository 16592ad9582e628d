#include "ui/render/boundary_layer_plots.h"

#include <QCoreApplication>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "model/coefficients.h"
#include "ui/render/fonts.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate("BoundaryLayerWindow", source); }

// Upper and lower sides in the colours of the pressure chart.
const QColor kUpper(0, 0, 255);
const QColor kLower(255, 0, 0);
const QColor kGrid(210, 210, 210);

// A rectangle of chart values mapped onto a rectangle of the picture.
struct Frame {
  QRectF plot;
  double x0, x1, y0, y1;
  QPointF at(double x, double y) const {
    return {plot.left() + (x - x0) / (x1 - x0) * plot.width(),
            plot.bottom() - (y - y0) / (y1 - y0) * plot.height()};
  }
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

QString tick_text(double v, double step) {
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  return QString::number(std::abs(v) < step / 1e6 ? 0.0 : v, 'f', decimals);
}

// Axes with a grid, tick labels and the axis names; returns the frame.
Frame axes(QPainter& p, QSizeF size, double zoom, double x0, double x1, double y0, double y1,
           const QString& x_name, const QString& y_name) {
  const double m = 8 * zoom;
  const QFontMetricsF fm(p.font());
  const QRectF plot(m + fm.horizontalAdvance(QStringLiteral("0.0000")) + m, m + fm.height(),
                    size.width() - (3 * m + fm.horizontalAdvance(QStringLiteral("0.0000"))),
                    size.height() - (3 * m + 3 * fm.height()));
  Frame f{plot, x0, x1, y0, y1};
  const double xs = nice_step(x1 - x0, 5), ys = nice_step(y1 - y0, 4);
  p.setPen(QPen(kGrid, zoom));
  for (double x = std::ceil(x0 / xs) * xs; x <= x1 + xs / 1e6; x += xs) {
    p.setPen(QPen(kGrid, zoom));
    p.drawLine(f.at(x, y0), f.at(x, y1));
    p.setPen(Qt::black);
    const QString t = tick_text(x, xs);
    p.drawText(f.at(x, y0) + QPointF(-fm.horizontalAdvance(t) / 2, fm.ascent() + m / 2), t);
  }
  for (double y = std::ceil(y0 / ys) * ys; y <= y1 + ys / 1e6; y += ys) {
    p.setPen(QPen(kGrid, zoom));
    p.drawLine(f.at(x0, y), f.at(x1, y));
    p.setPen(Qt::black);
    const QString t = tick_text(y, ys);
    p.drawText(f.at(x0, y) + QPointF(-fm.horizontalAdvance(t) - m / 2, fm.ascent() / 2 - 1), t);
  }
  p.setPen(QPen(Qt::black, zoom));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plot);
  p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + m / 2, plot.width(), fm.height()),
             Qt::AlignCenter, x_name);
  p.drawText(QPointF(plot.left(), plot.top() - m / 2), y_name);
  return f;
}

void draw_title(QPainter& p, QSizeF size, double zoom, const QString& title) {
  p.setPen(Qt::black);
  p.drawText(QRectF(0, 2 * zoom, size.width(), QFontMetricsF(p.font()).height()), Qt::AlignCenter, title);
}

// The stations of one side as a line of (x/c, value), clipped to the frame.
template <class Value>
void side_curve(QPainter& p, const Frame& f, const BoundaryLayerSide& side, const QColor& colour, double zoom,
                Value value) {
  QPainterPath path;
  bool first = true;
  for (const BoundaryLayerStation& s : side.stations) {
    const QPointF q = f.at(s.x_c, std::clamp(value(s), f.y0, f.y1));
    if (first)
      path.moveTo(q);
    else
      path.lineTo(q);
    first = false;
  }
  p.save();
  p.setClipRect(f.plot);
  p.setPen(QPen(colour, 1.5 * zoom));
  p.drawPath(path);
  p.restore();
}

void mark(QPainter& p, QPointF at, const QString& letter, const QColor& colour, double zoom) {
  p.setPen(QPen(colour, zoom));
  p.setBrush(Qt::white);
  const double r = 3 * zoom;
  p.drawEllipse(at, r, r);
  p.setPen(colour);
  p.drawText(at + QPointF(-r, -2 * r), letter);
}

// The station nearest x/c on a side (the marks sit on the section's outline).
QPointF station_at(const Frame& f, const BoundaryLayerSide& side, double x) {
  const BoundaryLayerStation* best = nullptr;
  for (const BoundaryLayerStation& s : side.stations) {
    if (!best || std::abs(s.x_c - x) < std::abs(best->x_c - x)) best = &s;
  }
  return best ? f.at(best->x_c, best->y_c) : f.at(x, 0);
}

void paint_section(QPainter& p, QSizeF size, const BoundaryLayerCase& c, double zoom) {
  // An undistorted chord: x/c -0.05 .. 1.05 over the width.
  const double m = 8 * zoom;
  const double h = QFontMetricsF(p.font()).height();
  const QRectF plot(m, m + h, size.width() - 2 * m, size.height() - 2 * m - 2 * h);
  const double span = 1.1, scale = plot.width() / span;
  const double half = plot.height() / 2 / scale;
  Frame f{plot, -0.05, 1.05, -half, half};
  p.setPen(QPen(kGrid, zoom));
  p.drawLine(f.at(-0.05, 0), f.at(1.05, 0));
  QPolygonF outline;
  for (const PlanePoint& q : c.outline) outline << f.at(q.x, q.y);
  p.setPen(QPen(Qt::black, zoom));
  p.setBrush(QColor(230, 230, 230));
  p.drawPolygon(outline);
  for (const auto& [side, colour, outward] :
       {std::tuple{&c.layer.upper, kUpper, 1.0}, std::tuple{&c.layer.lower, kLower, -1.0}}) {
    const auto& st = side->stations;
    QPainterPath path;
    for (std::size_t k = 0; k < st.size(); ++k) {
      const std::size_t a = k == 0 ? 0 : k - 1, b = std::min(k + 1, st.size() - 1);
      const double tx = st[b].x_c - st[a].x_c, ty = st[b].y_c - st[a].y_c;
      const double len = std::hypot(tx, ty);
      if (!(len > 0)) continue;
      // Along each side the flow runs from the stagnation point to the
      // trailing edge; the outside is to its left above, to its right below.
      const double d = kDeltaStarScale * st[k].delta_star * outward / len;
      const QPointF q = f.at(st[k].x_c - d * ty, st[k].y_c + d * tx);
      if (path.elementCount() == 0)
        path.moveTo(q);
      else
        path.lineTo(q);
    }
    p.setPen(QPen(colour, 1.5 * zoom));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  for (const auto& [side, colour] : {std::pair{&c.layer.upper, kUpper}, std::pair{&c.layer.lower, kLower}}) {
    if (side->stations.empty()) continue;
    if (side->x_transition < 1)
      mark(p, station_at(f, *side, side->x_transition), QStringLiteral("T"), colour, zoom);
    if (side->x_separation)
      mark(p, station_at(f, *side, *side->x_separation), QStringLiteral("S"), colour, zoom);
  }
  p.setPen(Qt::black);
  p.drawText(QRectF(m, size.height() - m - h, size.width() - 2 * m, h), Qt::AlignLeft,
             translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "δ* %1 kat büyütülmüş; T geçiş, S ayrılma"))
                 .arg(kDeltaStarScale));
}

void paint_cf(QPainter& p, QSizeF size, const BoundaryLayerCase& c, double zoom) {
  double top = 0.002;
  for (const BoundaryLayerSide* side : {&c.layer.upper, &c.layer.lower}) {
    for (const BoundaryLayerStation& s : side->stations) {
      // The first hundredth of the chord, round the stagnation point, would
      // set the scale for the whole chart.
      if (s.x_c > 0.02) top = std::max(top, s.cf);
    }
  }
  const Frame f = axes(p, size, zoom, 0, 1, 0, top * 1.1, QStringLiteral("x/c"), QStringLiteral("Cf"));
  side_curve(p, f, c.layer.upper, kUpper, zoom, [](const BoundaryLayerStation& s) { return s.cf; });
  side_curve(p, f, c.layer.lower, kLower, zoom, [](const BoundaryLayerStation& s) { return s.cf; });
}

void paint_h(QPainter& p, QSizeF size, const BoundaryLayerCase& c, double zoom) {
  const Frame f = axes(p, size, zoom, 0, 1, 1, 4, QStringLiteral("x/c"), QStringLiteral("H = δ*/θ"));
  side_curve(p, f, c.layer.upper, kUpper, zoom, [](const BoundaryLayerStation& s) { return s.h; });
  side_curve(p, f, c.layer.lower, kLower, zoom, [](const BoundaryLayerStation& s) { return s.h; });
}

void paint_polar(QPainter& p, QSizeF size, const BoundaryLayerCase& c, double zoom) {
  double cd_max = 0.01, cl_min = 0, cl_max = 0.5;
  for (const PolarPoint& q : c.polar) {
    if (q.cd) cd_max = std::max(cd_max, std::min(*q.cd, 0.1));
    cl_min = std::min(cl_min, q.cl);
    cl_max = std::max(cl_max, q.cl);
  }
  const Frame f = axes(p, size, zoom, 0, cd_max * 1.1, cl_min - 0.1, cl_max + 0.1, QStringLiteral("CD"),
                       QStringLiteral("CL"));
  QPainterPath path;
  for (const PolarPoint& q : c.polar) {
    if (!q.cd) continue;
    const QPointF at = f.at(std::min(*q.cd, f.x1), q.cl);
    if (path.elementCount() == 0)
      path.moveTo(at);
    else
      path.lineTo(at);
  }
  p.save();
  p.setClipRect(f.plot);
  p.setPen(QPen(Qt::black, 1.5 * zoom));
  p.drawPath(path);
  p.restore();
  if (c.layer.cd) {
    p.setPen(QPen(kLower, 2 * zoom));
    p.setBrush(kLower);
    const double r = 3.5 * zoom;
    p.drawEllipse(f.at(std::min(*c.layer.cd, f.x1), c.cl), r, r);
    // The current case in words, inside the chart's top left corner.
    const QString text =
        QStringLiteral("α = %1°: CL %2, CD %3, L/D %4")
            .arg(QString::number(c.alpha_deg, 'g', 6), QString::number(c.cl, 'f', 3),
                 QString::number(*c.layer.cd, 'f', 5), QString::number(c.cl / *c.layer.cd, 'f', 1));
    p.setPen(Qt::black);
    p.drawText(f.plot.topLeft() + QPointF(4 * zoom, QFontMetricsF(p.font()).ascent() + 2 * zoom), text);
  }
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

QString plot_name(BoundaryLayerPlot plot) {
  switch (plot) {
    case BoundaryLayerPlot::section: return QStringLiteral("boundary-layer-section");
    case BoundaryLayerPlot::cf: return QStringLiteral("boundary-layer-cf");
    case BoundaryLayerPlot::h: return QStringLiteral("boundary-layer-h");
    case BoundaryLayerPlot::polar: return QStringLiteral("polar");
  }
  return {};
}

QString plot_title(BoundaryLayerPlot plot) {
  switch (plot) {
    case BoundaryLayerPlot::section:
      return translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Kesit ve yer değiştirme kalınlığı δ*"));
    case BoundaryLayerPlot::cf:
      return translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Yüzey sürtünme katsayısı Cf"));
    case BoundaryLayerPlot::h: return translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Biçim çarpanı H"));
    case BoundaryLayerPlot::polar:
      return translated(QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Polar: viskozitesiz CL ve CD"));
  }
  return {};
}

void paint_boundary_layer_plot(QPainter& painter, QSizeF size, BoundaryLayerPlot plot,
                               const BoundaryLayerCase& c, double zoom) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  QFont font = verdana_font(8 * zoom);
  painter.setFont(font);
  draw_title(painter, size, zoom, plot_title(plot));
  if (c.has_section) {
    switch (plot) {
      case BoundaryLayerPlot::section: paint_section(painter, size, c, zoom); break;
      case BoundaryLayerPlot::cf: paint_cf(painter, size, c, zoom); break;
      case BoundaryLayerPlot::h: paint_h(painter, size, c, zoom); break;
      case BoundaryLayerPlot::polar: paint_polar(painter, size, c, zoom); break;
    }
  }
  painter.restore();
}

}  // namespace airfoil
