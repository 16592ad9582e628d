#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

#include "charts/clip.h"

namespace airfoil::testing {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The rectangle of a 320 by 160 pixel picture.
constexpr ClipRect kRect{0, 0, 320, 160};

struct ClipCase {
  const char* name;
  Segment in;
  std::optional<Segment> out;
};

void PrintTo(const ClipCase& c, std::ostream* os) { *os << c.name; }

class ClipSegment : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipSegment, KeepsExactlyThePartInsideTheRectangle) {
  const ClipCase& c = GetParam();
  const std::optional<Segment> got = clip_segment(c.in, kRect);
  ASSERT_EQ(got.has_value(), c.out.has_value());
  if (!got) return;
  // Relative tolerance: the inputs reach 1e308, the rectangle is 320 wide.
  EXPECT_NEAR(got->x1, c.out->x1, 1e-9);
  EXPECT_NEAR(got->y1, c.out->y1, 1e-9);
  EXPECT_NEAR(got->x2, c.out->x2, 1e-9);
  EXPECT_NEAR(got->y2, c.out->y2, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, ClipSegment,
    ::testing::Values(
        ClipCase{"inside_unchanged", {10, 20, 300, 150}, Segment{10, 20, 300, 150}},
        ClipCase{"on_the_edges_kept", {0, 0, 320, 0}, Segment{0, 0, 320, 0}},
        ClipCase{"left_end_outside", {-80, 80, 160, 80}, Segment{0, 80, 160, 80}},
        ClipCase{"both_ends_outside_diagonal", {-10, -5, 330, 165}, Segment{0, 0, 320, 160}},
        ClipCase{"reversed_direction_kept", {330, 80, -10, 80}, Segment{320, 80, 0, 80}},
        ClipCase{"wholly_left", {-50, 10, -1, 150}, std::nullopt},
        ClipCase{"passes_the_corner", {300, -40, 400, 60}, std::nullopt},
        ClipCase{"huge_ends_through", {-1e30, 80, 1e30, 80}, Segment{0, 80, 320, 80}},
        ClipCase{"largest_doubles_through", {-DBL_MAX, 40, DBL_MAX, 40}, Segment{0, 40, 320, 40}},
        ClipCase{"largest_doubles_diagonal_miss", {-DBL_MAX, -DBL_MAX, DBL_MAX, -DBL_MAX / 2}, std::nullopt},
        ClipCase{"huge_far_away", {1e30, 1e30, 2e30, 2e30}, std::nullopt},
        ClipCase{"steep_to_huge", {100, 100, 100, -1e38}, Segment{100, 100, 100, 0}},
        // The diagonal y = x / 2, both ends 1e30 away: the visible part is a
        // difference far below the ends' precision if taken from them.
        ClipCase{"huge_ends_sloped", {-2e30, -1e30, 2e30, 1e30}, Segment{0, 0, 320, 160}},
        ClipCase{"huge_ends_offset", {-1e30, 37 - 1e14, 1e30, 37 + 1e14}, Segment{0, 37, 320, 37}},
        ClipCase{"huge_end_to_near_end", {100, 80, -1e30, 80}, Segment{100, 80, 0, 80}},
        ClipCase{"nan_end", {kNaN, 10, 100, 100}, std::nullopt},
        ClipCase{"infinite_end", {10, 10, kInf, 10}, std::nullopt},
        ClipCase{"zero_length_inside", {50, 60, 50, 60}, Segment{50, 60, 50, 60}},
        ClipCase{"zero_length_outside", {-50, 60, -50, 60}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipSegmentRect, InvertedOrNonFiniteRectangleClipsEverythingAway) {
  EXPECT_FALSE(clip_segment({1, 1, 2, 2}, {10, 0, 0, 10}).has_value());
  EXPECT_FALSE(clip_segment({1, 1, 2, 2}, {0, 0, kNaN, 10}).has_value());
}

}  // namespace
}  // namespace airfoil::testing
