#include "model/streamlines.h"

#include <algorithm>
#include <cmath>

namespace airfoil {

namespace {

const double kTwoPi = 2 * std::acos(-1.0);

// psi / (r - R) times Chord: zero exactly where psi is zero off the body, and
// on the body (r = R) the surface speed 2 (sin(theta - alfa) + sin(alfa +
// BetaTE)), zero only at the stagnation points. Its zero contour is the
// dividing streamline without the circle, which psi = 0 also contains.
double dividing_function(const FlowField& f, double r, double theta) {
  const double x = (r - f.R) / f.R;
  const double log_ratio = x == 0 ? 1 : std::log1p(x) / x;  // ln(r / R) / x
  return ((r + f.R) / r) * std::sin(theta - f.alfa) + f.circulation * log_ratio / f.R;
}

// Polar grid about the centre: nt angles (periodic), nr + 1 radii from R.
struct Grid {
  int nt = 0;
  int nr = 0;
  double theta0 = 0;
  double dtheta = 0;
  std::vector<double> r;
  std::vector<double> psi;       // node values, row j (radius) by column i (angle)
  std::vector<double> dividing;  // dividing_function at the nodes

  double theta(int i) const { return theta0 + i * dtheta; }
  std::size_t node(int i, int j) const {
    const int k = ((i % nt) + nt) % nt;
    return static_cast<std::size_t>(j) * static_cast<std::size_t>(nt) + static_cast<std::size_t>(k);
  }
};

// Root of fn on [a, b] where fa and fb lie on opposite sides (fa >= 0 is one
// side): regula falsi with the Illinois halving, which converges
// superlinearly and never leaves the bracket.
template <class Fn>
double solve_on_edge(Fn fn, double a, double fa, double b, double fb) {
  if (fa == 0) return a;
  if (fb == 0) return b;
  double c = a;
  int retained = 0;  // -1: a was kept last step, +1: b was kept
  for (int k = 0; k < 80; ++k) {
    c = (a * fb - b * fa) / (fb - fa);
    if (!(c > std::min(a, b) && c < std::max(a, b))) c = (a + b) / 2;
    const double fc = fn(c);
    if (std::abs(fc) <= 1e-14 || std::abs(b - a) <= 1e-15 * std::max(std::abs(a), std::abs(b))) {
      return c;
    }
    if ((fc >= 0) == (fa >= 0)) {
      a = c;
      fa = fc;
      if (retained == 1) fb /= 2;
      retained = 1;
    } else {
      b = c;
      fb = fc;
      if (retained == -1) fa /= 2;
      retained = -1;
    }
  }
  return c;
}

struct PolarPoint {
  double r;
  double theta;
};

struct Piece {
  std::vector<PolarPoint> points;
  bool starts_on_body = false;
  bool ends_on_body = false;
};

// Follows the contour `level` of one node function through the grid cells,
// from ring edges where it enters to ring edges where it leaves.
template <class Fn>
class Tracer {
 public:
  Tracer(const Grid& g, const std::vector<double>& values, double level, Fn fn)
      : g_(g),
        values_(values),
        level_(level),
        fn_(fn),
        used_outer_(static_cast<std::size_t>(g.nt), 0),
        used_inner_(static_cast<std::size_t>(g.nt), 0) {}

  std::vector<Piece> trace_all() {
    std::vector<Piece> pieces;
    for (int i = 0; i < g_.nt; ++i) {
      if (!used_inner_[static_cast<std::size_t>(i)] && crosses_angular(i, 0)) {
        pieces.push_back(trace_from(i, 0));
      }
    }
    for (int i = 0; i < g_.nt; ++i) {
      if (!used_outer_[static_cast<std::size_t>(i)] && crosses_angular(i, g_.nr)) {
        pieces.push_back(trace_from(i, g_.nr));
      }
    }
    return pieces;
  }

 private:
  double value(int i, int j) const { return values_[g_.node(i, j)] - level_; }
  static bool side(double v) { return v >= 0; }
  bool crosses_angular(int i, int j) const { return side(value(i, j)) != side(value(i + 1, j)); }

  PolarPoint on_angular(int i, int j) const {
    const double r = g_.r[static_cast<std::size_t>(j)];
    const double a = g_.theta(i);
    const double b = g_.theta(i + 1);
    const auto f = [&](double t) { return fn_(r, t) - level_; };
    return {r, solve_on_edge(f, a, value(i, j), b, value(i + 1, j))};
  }
  PolarPoint on_radial(int i, int j) const {
    const double t = g_.theta(i);
    const double a = g_.r[static_cast<std::size_t>(j)];
    const double b = g_.r[static_cast<std::size_t>(j) + 1];
    const auto f = [&](double r) { return fn_(r, t) - level_; };
    return {solve_on_edge(f, a, value(i, j), b, value(i, j + 1)), t};
  }

  // The point on edge k (0 lower arc, 1 right ray, 2 upper arc, 3 left ray)
  // of cell (i, j).
  PolarPoint on_edge(int i, int j, int k) const {
    switch (k) {
      case 0: return on_angular(i, j);
      case 1: return on_radial(i + 1, j);
      case 2: return on_angular(i, j + 1);
      default: return on_radial(i, j);
    }
  }

  // The edge by which the contour leaves cell (i, j) after entering by `in`.
  int exit_edge(int i, int j, int in) const {
    const double c[4] = {value(i, j), value(i + 1, j), value(i + 1, j + 1), value(i, j + 1)};
    bool crossed[4];
    int count = 0;
    for (int k = 0; k < 4; ++k) {
      crossed[k] = side(c[k]) != side(c[(k + 1) % 4]);
      count += crossed[k] ? 1 : 0;
    }
    if (count == 2) {
      for (int k = 0; k < 4; ++k) {
        if (crossed[k] && k != in) return k;
      }
    }
    // A saddle: all four edges crossed. The cell centre decides which
    // corners the contour cuts off; the choice is the same on every visit.
    const bool centre = side((c[0] + c[1] + c[2] + c[3]) / 4);
    static constexpr int kCutOneThree[4] = {1, 0, 3, 2};  // pairs (0,1) (2,3)
    static constexpr int kCutZeroTwo[4] = {3, 2, 1, 0};   // pairs (3,0) (1,2)
    return centre == side(c[0]) ? kCutOneThree[in] : kCutZeroTwo[in];
  }

  Piece trace_from(int i, int j) {
    Piece piece;
    piece.points.push_back(on_angular(i, j));
    int in = 0;
    if (j == 0) {
      used_inner_[static_cast<std::size_t>(i)] = 1;
      piece.starts_on_body = true;
      in = 0;
    } else {
      used_outer_[static_cast<std::size_t>(i)] = 1;
      j = g_.nr - 1;
      in = 2;
    }
    const long limit = 2L * g_.nt * g_.nr + 4;
    for (long step = 0; step < limit; ++step) {
      const int out = exit_edge(i, j, in);
      piece.points.push_back(on_edge(i, j, out));
      if (out == 0) {
        if (j == 0) {
          used_inner_[static_cast<std::size_t>(((i % g_.nt) + g_.nt) % g_.nt)] = 1;
          piece.ends_on_body = true;
          break;
        }
        j -= 1;
        in = 2;
      } else if (out == 2) {
        if (j + 1 == g_.nr) {
          used_outer_[static_cast<std::size_t>(((i % g_.nt) + g_.nt) % g_.nt)] = 1;
          break;
        }
        j += 1;
        in = 0;
      } else if (out == 1) {
        i = (i + 1) % g_.nt;
        in = 3;
      } else {
        i = (i + g_.nt - 1) % g_.nt;
        in = 1;
      }
    }
    return piece;
  }

  const Grid& g_;
  const std::vector<double>& values_;
  double level_;
  Fn fn_;
  std::vector<char> used_outer_;
  std::vector<char> used_inner_;
};

bool inside(const View& v, double x, double y) {
  return x >= v.x_min && x <= v.x_max && y >= v.y_min && y <= v.y_max;
}

View enlarged(const View& v, double fraction) {
  const double dx = (v.x_max - v.x_min) * fraction;
  const double dy = (v.y_max - v.y_min) * fraction;
  return View{v.x_min - dx, v.y_min - dy, v.x_max + dx, v.y_max + dy};
}

// Walks the edges of both views: the largest distance from the centre the
// lines must reach, and the range of psi they must show. psi is harmonic, so
// over a view its extremes lie on the view's edge or on the body (psi = 0).
struct Coverage {
  double radius = 0;
  double psi_min = 0;
  double psi_max = 0;
};

Coverage coverage(const FlowField& f, const View& circle_view, const View& airfoil_view) {
  Coverage c;
  c.radius = f.R;
  const auto visit = [&](Complex zeta) {
    const auto psi = stream_function(f, zeta);
    if (!psi) return;
    c.radius = std::max(c.radius, std::abs(zeta - f.centre));
    c.psi_min = std::min(c.psi_min, *psi);
    c.psi_max = std::max(c.psi_max, *psi);
  };
  constexpr int kPerSide = 128;
  const auto walk = [&](const View& v, auto&& at) {
    for (int k = 0; k <= kPerSide; ++k) {
      const double s = static_cast<double>(k) / kPerSide;
      const double x = v.x_min + s * (v.x_max - v.x_min);
      const double y = v.y_min + s * (v.y_max - v.y_min);
      at(x, v.y_min);
      at(x, v.y_max);
      at(v.x_min, y);
      at(v.x_max, y);
    }
  };
  walk(circle_view, [&](double x, double y) { visit(Complex(x, y)); });
  walk(airfoil_view, [&](double x, double y) {
    if (const auto zeta = circle_point(f, PlanePoint{x, y})) visit(*zeta);
  });
  return c;
}

bool usable(const View& v) {
  return std::isfinite(v.x_min) && std::isfinite(v.x_max) && std::isfinite(v.y_min) &&
         std::isfinite(v.y_max) && v.x_min < v.x_max && v.y_min < v.y_max;
}

}  // namespace

Streamlines trace_streamlines(const FlowField& f, const StreamlineOptions& options) {
  Streamlines out;
  out.psi_step = std::isfinite(options.psi_step) ? std::clamp(options.psi_step, 0.005, 1.0) : 0.05;
  const View circle_view = usable(options.circle_view) ? options.circle_view : kCircleView;
  const View airfoil_view = usable(options.airfoil_view) ? options.airfoil_view : kAirfoilView;

  const Coverage cover = coverage(f, circle_view, airfoil_view);

  Grid g;
  g.nt = std::clamp(options.angular_cells, 64, 4096);
  g.dtheta = kTwoPi / g.nt;
  // Half a cell off the trailing edge, so the rear stagnation point falls
  // inside an edge rather than on a node.
  g.theta0 = -f.BetaTE + g.dtheta / 2;
  // Radii growing by the factor e^dtheta keep the cells square.
  const double r_max = std::max(1.05 * cover.radius, 1.2 * f.R);
  g.nr = std::max(2, static_cast<int>(std::ceil(std::log(r_max / f.R) / g.dtheta)));
  g.r.resize(static_cast<std::size_t>(g.nr) + 1);
  for (int j = 0; j <= g.nr; ++j) g.r[static_cast<std::size_t>(j)] = f.R * std::exp(j * g.dtheta);

  const std::size_t nodes = static_cast<std::size_t>(g.nt) * g.r.size();
  g.psi.resize(nodes);
  g.dividing.resize(nodes);
  std::vector<double> sines(static_cast<std::size_t>(g.nt));
  for (int i = 0; i < g.nt; ++i) sines[static_cast<std::size_t>(i)] = std::sin(g.theta(i) - f.alfa);
  for (int j = 0; j <= g.nr; ++j) {
    const double r = g.r[static_cast<std::size_t>(j)];
    // The same arithmetic as stream_function_polar and dividing_function, so
    // node values and edge solutions agree to the last bit.
    const double a = (r - f.R) * (r + f.R) / r;
    const double b = f.circulation * std::log(r / f.R);
    const double x = (r - f.R) / f.R;
    const double c = (r + f.R) / r;
    const double d = f.circulation * (x == 0 ? 1 : std::log1p(x) / x) / f.R;
    for (int i = 0; i < g.nt; ++i) {
      const double s = sines[static_cast<std::size_t>(i)];
      g.psi[g.node(i, j)] = (a * s + b) / f.Chord;
      g.dividing[g.node(i, j)] = c * s + d;
    }
  }

  const StagnationPoints stagnation = stagnation_points(f);
  const View circle_seen = enlarged(circle_view, 0.02);
  const View airfoil_seen = enlarged(airfoil_view, 0.02);

  const auto add = [&](const Piece& piece, double psi, bool dividing) {
    if (piece.points.size() < 2) return;
    Streamline line;
    line.psi = psi;
    line.dividing = dividing;
    line.zeta.reserve(piece.points.size());
    for (const PolarPoint& p : piece.points) {
      line.zeta.push_back(f.centre + std::polar(p.r, p.theta));
    }
    // The ends on the body are the stagnation points; put them there exactly.
    const auto snap = [&](Complex& z) {
      z = std::abs(z - stagnation.rear.zeta) <= std::abs(z - stagnation.front.zeta) ? stagnation.rear.zeta
                                                                                    : stagnation.front.zeta;
    };
    if (piece.starts_on_body) snap(line.zeta.front());
    if (piece.ends_on_body) snap(line.zeta.back());

    line.airfoil.reserve(line.zeta.size());
    bool seen = false;
    for (const Complex& z : line.zeta) {
      const PlanePoint p = airfoil_point(f, z);
      line.airfoil.push_back(p);
      seen = seen || inside(circle_seen, z.real(), z.imag()) || inside(airfoil_seen, p.x, p.y);
    }
    if (!seen) return;

    // Points in the direction of the flow: compare the middle step with the
    // velocity there (never a stagnation point, which only ends a line).
    const std::size_t n = line.zeta.size();
    const std::size_t k = n / 2;
    const Complex step = line.zeta[std::min(k + 1, n - 1)] - line.zeta[k - 1];
    if (const auto here = flow_at_zeta(f, line.zeta[k])) {
      if (step.real() * here->circle.u + step.imag() * here->circle.v < 0) {
        std::reverse(line.zeta.begin(), line.zeta.end());
        std::reverse(line.airfoil.begin(), line.airfoil.end());
      }
    }
    out.lines.push_back(std::move(line));
  };

  const double step = out.psi_step;
  const long k_min = static_cast<long>(std::floor(cover.psi_min / step));
  const long k_max = static_cast<long>(std::ceil(cover.psi_max / step));
  for (long k = k_min; k <= k_max; ++k) {
    if (k == 0) {
      const auto fn = [&f](double r, double t) { return dividing_function(f, r, t); };
      Tracer<decltype(fn)> tracer(g, g.dividing, 0, fn);
      for (const Piece& piece : tracer.trace_all()) add(piece, 0, true);
    } else {
      const double level = static_cast<double>(k) * step;
      const auto fn = [&f](double r, double t) { return stream_function_polar(f, r, t); };
      Tracer<decltype(fn)> tracer(g, g.psi, level, fn);
      for (const Piece& piece : tracer.trace_all()) add(piece, level, false);
    }
  }
  return out;
}

}  // namespace airfoil
