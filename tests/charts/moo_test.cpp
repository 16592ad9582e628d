#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>

#include "chart_fixture.h"
#include "model/coefficients.h"

namespace airfoil::testing {
namespace {

TEST(ToSingle, HoldsFiniteValuesBeyondFloatRangeAtTheLargestFloat) {
  EXPECT_EQ(to_single(1e39), FLT_MAX);
  EXPECT_EQ(to_single(-1e300), -FLT_MAX);
  EXPECT_EQ(to_single(DBL_MAX), FLT_MAX);
  EXPECT_EQ(to_single(0.1), 0.1f);
  EXPECT_EQ(to_single(-99.0), -99.0f);
}

TEST(ToSingle, NonFiniteValueIsAFault) {
  EXPECT_THROW(to_single(std::numeric_limits<double>::quiet_NaN()), Fault);
  EXPECT_THROW(to_single(std::numeric_limits<double>::infinity()), Fault);
  EXPECT_THROW(to_single(-std::numeric_limits<double>::infinity()), Fault);
}

struct MooCase {
  const char* text;
  std::optional<double> moo;
};

class ReadMoo : public ChartTest, public ::testing::WithParamInterface<MooCase> {};

TEST_P(ReadMoo, GivesTheSubsonicNumberOrReportsOnce) {
  w.Text_Moo.Text = GetParam().text;
  EXPECT_EQ(read_moo(w), GetParam().moo);
  EXPECT_EQ(read_moo(w), GetParam().moo);  // a second chart in the same cycle
  const std::size_t reports = GetParam().moo ? 0 : 1;
  EXPECT_EQ(messages.shown.size(), reports);
  if (reports) {
    EXPECT_EQ(messages.shown[0], kMooOutOfRange);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadMoo,
                         ::testing::Values(MooCase{"0", 0.0}, MooCase{"0.6", 0.6}, MooCase{"-0.5", -0.5},
                                           MooCase{"abc", 0.0}, MooCase{"0,5", 0.5},
                                           MooCase{" 0 . 9 9x", 0.99}, MooCase{"1", std::nullopt},
                                           MooCase{"-1", std::nullopt}, MooCase{"1.5", std::nullopt},
                                           MooCase{"1e999", std::nullopt}, MooCase{"-1e999", std::nullopt}));

TEST_F(ChartTest, MooRangeMessageIsShownAgainInTheNextCycle) {
  // Moved in as a std::string: GCC 12 at -O3 warns falsely (-Wrestrict) on
  // string::assign(const char*) inlined here.
  w.Text_Moo.Text = std::string("1");
  read_moo(w);
  read_moo(w);
  w.moo_reported = false;  // what the cycle runner does when a cycle starts
  read_moo(w);
  EXPECT_EQ(messages.shown.size(), 2u);
}

}  // namespace
}  // namespace airfoil::testing
