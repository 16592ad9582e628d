#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "model/flow_field.h"
#include "model/streamlines.h"
#include "tests/model/model_support.h"

namespace airfoil {
namespace {

// Even-odd test against the section's own 101 surface points.
bool inside_polygon(const Window& w, PlanePoint p) {
  bool in = false;
  const int n = static_cast<int>(w.nP);
  for (int i = 1, j = n; i <= n; j = i++) {
    const double xi = w.Xp(i), yi = w.Yp(i), xj = w.Xp(j), yj = w.Yp(j);
    if ((yi > p.y) != (yj > p.y) && p.x < (xj - xi) * (p.y - yi) / (yj - yi) + xi) in = !in;
  }
  return in;
}

double orient(PlanePoint a, PlanePoint b, PlanePoint c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool segments_cross(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint d) {
  return orient(a, b, c) * orient(a, b, d) < 0 && orient(c, d, a) * orient(c, d, b) < 0;
}

// Pairs of segments of different lines that cross, found through a bucket
// grid over the airfoil plane.
int crossings(const Streamlines& s) {
  struct Seg {
    std::size_t line;
    PlanePoint a, b;
  };
  std::map<std::pair<int, int>, std::vector<Seg>> buckets;
  const double cell = 0.02;
  for (std::size_t l = 0; l < s.lines.size(); ++l) {
    const auto& pts = s.lines[l].airfoil;
    for (std::size_t k = 0; k + 1 < pts.size(); ++k) {
      const Seg seg{l, pts[k], pts[k + 1]};
      const int x0 = static_cast<int>(std::floor(std::min(seg.a.x, seg.b.x) / cell));
      const int x1 = static_cast<int>(std::floor(std::max(seg.a.x, seg.b.x) / cell));
      const int y0 = static_cast<int>(std::floor(std::min(seg.a.y, seg.b.y) / cell));
      const int y1 = static_cast<int>(std::floor(std::max(seg.a.y, seg.b.y) / cell));
      for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) buckets[{x, y}].push_back(seg);
      }
    }
  }
  int count = 0;
  for (const auto& [key, segs] : buckets) {
    for (std::size_t i = 0; i < segs.size(); ++i) {
      for (std::size_t j = i + 1; j < segs.size(); ++j) {
        if (segs[i].line != segs[j].line && segments_cross(segs[i].a, segs[i].b, segs[j].a, segs[j].b)) {
          ++count;
        }
      }
    }
  }
  return count;
}

using Case = std::tuple<double, double, int>;  // Eps, Delta, incidence
class Streamlines_ : public ::testing::TestWithParam<Case> {};

TEST_P(Streamlines_, StayOutsideTheBodyKeepTheirPsiAndNeverCross) {
  const auto [eps, delta, alfaD] = GetParam();
  const Window w = testing::flow(eps, delta, 101, alfaD);
  const FlowField f = *flow_field(w);
  const Streamlines s = trace_streamlines(f);
  const StagnationPoints stag = stagnation_points(f);
  ASSERT_GT(s.lines.size(), 20u);

  std::set<long> levels;
  int dividing = 0;
  for (const Streamline& line : s.lines) {
    ASSERT_EQ(line.zeta.size(), line.airfoil.size());
    const double k = line.psi / s.psi_step;
    EXPECT_NEAR(k, std::round(k), 1e-9);
    levels.insert(std::lround(k));
    for (std::size_t i = 0; i < line.zeta.size(); ++i) {
      EXPECT_GE(std::abs(line.zeta[i] - f.centre), f.R * (1 - 1e-12));
      const auto psi = stream_function(f, line.zeta[i]);
      ASSERT_TRUE(psi);
      EXPECT_NEAR(*psi, line.psi, 1e-9) << line.psi << " point " << i;
      const bool on_body = line.dividing && (i == 0 || i + 1 == line.zeta.size());
      if (!on_body) {
        EXPECT_FALSE(inside_polygon(w, line.airfoil[i])) << line.psi << " point " << i;
      }
    }
    if (line.dividing) {
      ++dividing;
      EXPECT_EQ(line.psi, 0);
      if (line.zeta.front() == stag.rear.zeta) {
        EXPECT_TRUE(line.airfoil.front().x == 1 && line.airfoil.front().y == 0);
      } else {
        EXPECT_EQ(line.zeta.back(), stag.front.zeta);
      }
    } else {
      // Up to 10 degrees every line runs from left to right.
      EXPECT_GT(line.airfoil.back().x, line.airfoil.front().x) << line.psi;
    }
  }
  EXPECT_EQ(dividing, 2);
  EXPECT_EQ(crossings(s), 0);

  // Every level between the lowest and highest psi of the airfoil view's
  // corners has its line.
  double lo = 0, hi = 0;
  for (const PlanePoint p : {PlanePoint{-0.5, -0.5}, {1.5, -0.5}, {-0.5, 0.5}, {1.5, 0.5}}) {
    const double psi = flow_at_airfoil_point(f, p)->psi;
    lo = std::min(lo, psi);
    hi = std::max(hi, psi);
  }
  for (long k = std::lround(std::ceil(lo / s.psi_step)); k * s.psi_step <= hi; ++k) {
    EXPECT_TRUE(levels.count(k)) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Sections, Streamlines_,
                         ::testing::Values(Case{0.08, 0, 0}, Case{0.08, 0, 8}, Case{0.3, 0.3, 10},
                                           Case{0, 0, 5}, Case{0, 0.3, -10}, Case{0, 0.1, 0}));

}  // namespace
}  // namespace airfoil
