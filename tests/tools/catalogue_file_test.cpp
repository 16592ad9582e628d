// The committed circle catalogue, checked row by row with a measurement of its
// own: the outline is sampled by the circle angle, a surface point at a given
// x is found by bisection, and the peaks of thickness and mean line by golden
// section. Nothing here shares code with the generator's search.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/window.h"

namespace {

const std::string kCataloguePath = AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt";
constexpr double kPi = 3.141592653589793238462643383279502884;

struct Row {
  double thickness, camber, eps, delta, col5;
};

struct CatalogueFile {
  std::string label;
  std::string count;
  std::vector<Row> rows;
  std::vector<std::string> faults;  // fields that are not one plain number
};

double parse_number(const std::string& field, bool& ok) {
  double value = 0;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  ok = result.ec == std::errc() && result.ptr == field.data() + field.size() && !field.empty();
  return value;
}

CatalogueFile read_file(const std::string& path) {
  CatalogueFile file;
  std::ifstream in(path);
  std::getline(in, file.label);
  std::getline(in, file.count);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1) {
      fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    double v[5] = {};
    bool all_ok = fields.size() == 5;
    for (std::size_t i = 0; all_ok && i < 5; ++i) v[i] = parse_number(fields[i], all_ok);
    if (!all_ok) file.faults.push_back(line);
    file.rows.push_back({v[0], v[1], v[2], v[3], v[4]});
  }
  return file;
}

const CatalogueFile& committed() {
  static const CatalogueFile file = read_file(kCataloguePath);
  return file;
}

// A key k / 100 must read back as exactly the double k / 100.0 that the
// program compares it with; returns k, or -1.
int hundredths(double key) {
  const double k = std::round(key * 100);
  return key == k / 100.0 ? static_cast<int>(k) : -1;
}

struct Shape {
  double thickness, camber, x_thickness;
};

// Thickness and camber ratios of the image of the circle through zeta = 1
// with centre (-eps, delta) under z = zeta + 1/zeta.
Shape remeasure(double eps, double delta) {
  const std::complex<double> centre(-eps, delta);
  const double radius = std::sqrt((1 + eps) * (1 + eps) + delta * delta);
  const double t_te = std::atan2(-delta, 1 + eps);  // angle of zeta = 1 about the centre
  const auto z = [&](double t) {
    const std::complex<double> zeta = centre + radius * std::complex<double>(std::cos(t), std::sin(t));
    return zeta + 1.0 / zeta;
  };
  // Leading-edge point and chord straight from the map.
  const double x_le = z(kPi - t_te).real();
  const double chord = 2 - x_le;

  // The foremost sample of the outline, then golden section on x(t).
  constexpr int kSamples = 2000;
  std::vector<double> xs(kSamples + 1);
  for (int i = 0; i <= kSamples; ++i) xs[i] = z(t_te + 2 * kPi * i / kSamples).real();
  const int front = static_cast<int>(std::min_element(xs.begin() + 1, xs.end() - 1) - xs.begin());
  // Each surface must run one way in x for "the surface at x" to mean one point.
  for (int i = 1; i <= kSamples; ++i) {
    if (i <= front ? xs[i] > xs[i - 1] : xs[i] < xs[i - 1]) {
      ADD_FAILURE() << "surface turns back in x for eps " << eps << " delta " << delta;
      return {NAN, NAN, NAN};
    }
  }
  const double g = (std::sqrt(5.0) - 1) / 2;
  double lo = t_te + 2 * kPi * (front - 1) / kSamples, hi = t_te + 2 * kPi * (front + 1) / kSamples;
  for (int i = 0; i < 100; ++i) {
    const double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
    if (z(m1).real() < z(m2).real())
      hi = m2;
    else
      lo = m1;
  }
  const double t_front = 0.5 * (lo + hi);
  const double x_front = z(t_front).real();

  // The surface ordinate at x by bisection over the angle: the upper surface
  // runs from the trailing edge (t_te) forward to t_front, the lower one on
  // from t_front back to the trailing edge (t_te + 2 pi).
  const auto ordinate = [&](double x, double t_aft, double t_fore) {
    for (int i = 0; i < 200; ++i) {
      const double mid = 0.5 * (t_aft + t_fore);
      if (mid == t_aft || mid == t_fore) break;
      (z(mid).real() > x ? t_aft : t_fore) = mid;
    }
    return z(0.5 * (t_aft + t_fore)).imag();
  };
  const auto upper = [&](double x) { return ordinate(x, t_te, t_front); };
  const auto lower = [&](double x) { return ordinate(x, t_te + 2 * kPi, t_front); };
  const auto thickness = [&](double x) { return upper(x) - lower(x); };
  const auto mean_line = [&](double x) { return 0.5 * (upper(x) + lower(x)); };

  // Grid, then golden section between the neighbours of the best grid point.
  constexpr int kGrid = 100;
  const auto grid_x = [&](int j) { return x_front + (2 - x_front) * j / kGrid; };
  const auto peak = [&](auto&& f) {
    int best = 1;
    double best_value = f(grid_x(1));
    for (int j = 2; j < kGrid; ++j) {
      const double v = f(grid_x(j));
      if (v > best_value) {
        best = j;
        best_value = v;
      }
    }
    double a = grid_x(best - 1), b = grid_x(best + 1);
    for (int i = 0; i < 90; ++i) {
      const double m1 = b - g * (b - a), m2 = a + g * (b - a);
      if (f(m1) < f(m2))
        a = m1;
      else
        b = m2;
    }
    const double x = 0.5 * (a + b);
    return std::pair{x, std::max(f(x), best_value)};
  };
  const auto [x_t, t] = peak(thickness);
  const auto [x_c, c] = peak(mean_line);
  (void)x_c;
  return {t / chord, c / chord, (x_t - x_le) / chord};
}

TEST(CatalogueFile, StartsWithACommaFreeLabelAndTheRowCount) {
  const CatalogueFile& file = committed();
  EXPECT_FALSE(file.label.empty());
  EXPECT_EQ(file.label.find(','), std::string::npos) << "the label would split into fields";
  EXPECT_EQ(file.label.find('"'), std::string::npos);
  EXPECT_EQ(file.count, "496");
  EXPECT_EQ(file.rows.size(), 496u);
  EXPECT_TRUE(file.faults.empty()) << "first bad row: " << (file.faults.empty() ? "" : file.faults[0]);
}

TEST(CatalogueFile, HoldsEveryKeyPairOnceAsExactHundredths) {
  std::set<std::pair<int, int>> pairs;
  for (const Row& row : committed().rows) {
    const int kt = hundredths(row.thickness), kc = hundredths(row.camber);
    ASSERT_TRUE(kt >= 0 && kt <= 30) << "thickness key " << row.thickness;
    ASSERT_TRUE(kc >= 0 && kc <= 15) << "camber key " << row.camber;
    EXPECT_TRUE(pairs.insert({kt, kc}).second) << "duplicate key pair " << kt << ", " << kc;
  }
  EXPECT_EQ(pairs.size(), 31u * 16u);
}

TEST(CatalogueFile, ZeroThicknessIsAnArcAndZeroCamberIsSymmetric) {
  for (const Row& row : committed().rows) {
    if (row.thickness == 0) {
      EXPECT_EQ(row.eps, 0.0) << "camber " << row.camber;
      EXPECT_EQ(row.col5, 0.0) << "camber " << row.camber;
    } else {
      EXPECT_GT(row.eps, 0.0);
    }
    if (row.camber == 0) {
      EXPECT_EQ(row.delta, 0.0) << "thickness " << row.thickness;
    }
  }
}

// The re-measurement itself, against what is known in closed form: an arc of
// chord 4 rises 2 delta, and a thin symmetric section has thickness ratio
// 3 sqrt(3) / 4 * eps, its largest thickness at a quarter of the chord.
TEST(CatalogueFile, RemeasurementAgreesWithClosedForms) {
  const Shape plate = remeasure(0, 0);
  EXPECT_NEAR(plate.thickness, 0, 1e-15);
  EXPECT_NEAR(plate.camber, 0, 1e-15);
  const Shape arc = remeasure(0, 0.3);
  EXPECT_NEAR(arc.thickness, 0, 1e-15);
  EXPECT_NEAR(arc.camber, 0.15, 1e-14);
  const Shape thin = remeasure(1e-5, 0);
  EXPECT_NEAR(thin.thickness / 1e-5, 3 * std::sqrt(3.0) / 4, 1e-4);
  EXPECT_NEAR(thin.x_thickness, 0.25, 1e-4);
}

TEST(CatalogueFile, EveryCircleGivesItsRowsThicknessAndCamber) {
  double worst = 0;
  for (const Row& row : committed().rows) {
    const Shape s = remeasure(row.eps, row.delta);
    EXPECT_NEAR(s.thickness, row.thickness, 1e-9) << "camber " << row.camber;
    EXPECT_NEAR(s.camber, row.camber, 1e-9) << "thickness " << row.thickness;
    if (row.thickness > 0) {
      EXPECT_NEAR(s.x_thickness, row.col5, 1e-6) << row.thickness << ", " << row.camber;
    }
    worst = std::max({worst, std::fabs(s.thickness - row.thickness), std::fabs(s.camber - row.camber)});
  }
  RecordProperty("worst_error", std::to_string(worst));
  std::printf("largest re-measured thickness or camber error: %.3g\n", worst);
}

class RecordingMessages : public airfoil::MessageSink {
 public:
  void show(const std::string& text) override { shown.push_back(text); }
  void fault(const std::string& text) override { shown.push_back("fault: " + text); }
  std::vector<std::string> shown;
};

TEST(CatalogueFile, LoadsThroughStartUpWithEveryNumberIntact) {
  RecordingMessages messages;
  airfoil::Window w;
  w.messages = &messages;
  w.catalogue_path = kCataloguePath;
  airfoil::Form_Load(w);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
  ASSERT_EQ(w.nCatalog, 496);
  const std::vector<Row>& rows = committed().rows;
  ASSERT_EQ(rows.size(), 496u);
  for (int k = 1; k <= 496; ++k) {
    const Row& row = rows[k - 1];
    ASSERT_EQ(w.TabThickness(k), row.thickness) << "row " << k;
    ASSERT_EQ(w.TabCamber(k), row.camber) << "row " << k;
    ASSERT_EQ(w.TabEps(k), row.eps) << "row " << k;
    ASSERT_EQ(w.TabDelta(k), row.delta) << "row " << k;
    ASSERT_EQ(w.TabCol5(k), row.col5) << "row " << k;
  }

  w.HScroll_Thickness.Value = 12;
  w.HScroll_Camber.Value = 4;
  airfoil::profil_hesapla(w);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
  const auto match = std::find_if(rows.begin(), rows.end(), [](const Row& r) {
    return r.thickness == 12 / 100.0 && r.camber == 4 / 100.0;
  });
  ASSERT_NE(match, rows.end());
  EXPECT_EQ(w.Eps, match->eps);
  EXPECT_EQ(w.Delta, match->delta);
}

}  // namespace
