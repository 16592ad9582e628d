#include "model/numtext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "model/window.h"

namespace airfoil::testing {
namespace {

struct FormatCase {
  double x;
  const char* text;
};

class GeneralFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormat, WritesTheGeneralNumberForm) {
  EXPECT_EQ(general_format(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, GeneralFormat,
    ::testing::Values(FormatCase{0.12, "0.12"}, FormatCase{51, "51"}, FormatCase{-10, "-10"},
                      FormatCase{0, "0"}, FormatCase{-0.0, "0"}, FormatCase{100, "100"},
                      FormatCase{0.1 + 0.2, "0.3"}, FormatCase{1.0 / 3, "0.333333333333333"},
                      FormatCase{-2.0 / 3, "-0.666666666666667"}, FormatCase{1e14, "100000000000000"},
                      FormatCase{123456789012345.0, "123456789012345"}, FormatCase{1e15, "1E+15"},
                      FormatCase{999999999999999.9, "1E+15"}, FormatCase{1.5e20, "1.5E+20"},
                      FormatCase{1e100, "1E+100"}, FormatCase{1e-5, "0.00001"},
                      FormatCase{0.000012345, "0.000012345"}, FormatCase{1e-6, "1E-06"},
                      FormatCase{-2.5e-7, "-2.5E-07"}, FormatCase{4.022069, "4.022069"},
                      FormatCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

TEST(GeneralFormatFaults, NonFiniteIsAFault) {
  EXPECT_THROW(general_format(std::nan("")), Fault);
  EXPECT_THROW(general_format(HUGE_VAL), Fault);
  EXPECT_THROW(general_format(-HUGE_VAL), Fault);
}

TEST(GeneralFormatRoundTrip, ScrollValuesOverHundredReadBackExactly) {
  // The catalogue lookup compares keys exactly, so what the text boxes show
  // must be the very double the scroll bar produced.
  for (int k = -100; k <= 100; ++k) {
    const double x = k / 100.0;
    EXPECT_EQ(read_leading_number(general_format(x)).value, x) << k;
  }
}

struct RoundCase {
  double x;
  int decimals;
  double expected;
};

class RoundHalfEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEven, DecidesOnTheBinaryValue) {
  const double got = round_half_even(GetParam().x, GetParam().decimals);
  EXPECT_EQ(got, GetParam().expected);
  EXPECT_FALSE(std::signbit(got) && got == 0) << "rounded to -0";
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundHalfEven,
    ::testing::Values(RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38}, RoundCase{-0.125, 2, -0.12},
                      RoundCase{2.5, 0, 2}, RoundCase{3.5, 0, 4}, RoundCase{-2.5, 0, -2},
                      RoundCase{0.5, 0, 0}, RoundCase{0.12499999, 2, 0.12}, RoundCase{0.12500001, 2, 0.13},
                      // Stored just below the half: rounds down, as its binary value says.
                      RoundCase{0.00015, 4, 0.0001}, RoundCase{1.0005, 3, 1.0},
                      // Stored just above the half: rounds up.
                      RoundCase{0.0005, 3, 0.001}, RoundCase{1.23456789, 4, 1.2346},
                      RoundCase{-0.00001, 4, 0}, RoundCase{-0.4, 0, 0}, RoundCase{1e300, 4, 1e300},
                      RoundCase{0.91234567, 5, 0.91235}));

TEST(RoundHalfEvenOracle, AgreesWithExactDecimalConversion) {
  // The C library's fixed conversion works on the exact binary value and
  // breaks exact ties to even; near-ties of every kind are swept here.
  for (int decimals = 0; decimals <= 6; ++decimals) {
    for (int k = -3000; k <= 3000; ++k) {
      const double x = (k + 0.5) / std::pow(10.0, decimals) + k * 1e-3;
      char text[64];
      std::snprintf(text, sizeof text, "%.*f", decimals, x);
      const double expected = std::strtod(text, nullptr) + 0.0;
      ASSERT_EQ(round_half_even(x, decimals), expected) << text << " from " << x;
    }
  }
}

TEST(RoundHalfEvenFaults, NonFiniteIsAFault) {
  EXPECT_THROW(round_half_even(std::nan(""), 4), Fault);
  EXPECT_THROW(round_half_even(-HUGE_VAL, 5), Fault);
}

struct ReadCase {
  const char* text;
  double value;
};

class ReadLeadingNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumber, TakesTheLongestLeadingNumber) {
  const LeadingNumber n = read_leading_number(GetParam().text);
  EXPECT_EQ(n.value, GetParam().value);
  EXPECT_FALSE(n.overflow);
  EXPECT_FALSE(std::signbit(n.value) && n.value == 0) << "read as -0";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLeadingNumber,
    ::testing::Values(ReadCase{"0.5", 0.5}, ReadCase{" 1 2", 12}, ReadCase{"0. 5", 0.5},
                      ReadCase{"\t0.6\n", 0.6}, ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"-.5", -0.5},
                      ReadCase{"+3", 3}, ReadCase{"- 5", -5}, ReadCase{"1e3", 1000}, ReadCase{"1E-2", 0.01},
                      ReadCase{"1 e 2", 100}, ReadCase{"1e", 1}, ReadCase{"2e+", 2},
                      ReadCase{"3.5e+2.7", 350}, ReadCase{"12abc", 12}, ReadCase{"1.2.3", 1.2},
                      ReadCase{"0,5", 0.5}, ReadCase{"-1 , 5e1", -15}, ReadCase{"0,5,3", 0.5},
                      ReadCase{"0.5,3", 0.5}, ReadCase{",5", 0}, ReadCase{"5,", 5}, ReadCase{"5,e1", 5},
                      ReadCase{"abc", 0}, ReadCase{"", 0}, ReadCase{"-", 0}, ReadCase{".", 0},
                      ReadCase{"-.", 0}, ReadCase{"--5", 0}, ReadCase{"-0", 0}, ReadCase{"nan", 0},
                      ReadCase{"inf", 0}, ReadCase{"infinity", 0}, ReadCase{"-inf", 0}, ReadCase{"0x10", 0},
                      ReadCase{"&H10", 0}, ReadCase{"1e-999", 0}, ReadCase{"0.30000000000000004", 0.1 + 0.2},
                      ReadCase{"4.9e-324", std::numeric_limits<double>::denorm_min()}));

TEST(ReadLeadingNumberOverflow, TooLargeIsHeldAtTheLargestDoubleAndFlagged) {
  for (const auto& [text, value] :
       {std::pair{"1e999", DBL_MAX}, {"  -1e999", -DBL_MAX}, {"1.8e308", DBL_MAX}}) {
    const LeadingNumber n = read_leading_number(text);
    EXPECT_TRUE(n.overflow) << text;
    EXPECT_EQ(n.value, value) << text;
  }
  const LeadingNumber digits = read_leading_number(std::string(400, '7'));
  EXPECT_TRUE(digits.overflow);
  EXPECT_EQ(digits.value, DBL_MAX);
  EXPECT_FALSE(read_leading_number("1.7976931348623157e308").overflow);
}

TEST(ReadLeadingNumberLongText, MegabytesAreReadExactly) {
  const std::size_t n = 2'000'000;
  EXPECT_TRUE(read_leading_number(std::string(n, '9')).overflow);
  EXPECT_EQ(read_leading_number(std::string(n, ' ') + "7").value, 7);
  EXPECT_EQ(read_leading_number("0." + std::string(n, '0') + "1").value, 0);
  // A million digits scaled back by a million-digit exponent is exactly 1.
  EXPECT_EQ(read_leading_number("1" + std::string(n, '0') + "e-2000000").value, 1);
  EXPECT_EQ(read_leading_number("0." + std::string(n, '0') + "25e2000001").value, 2.5);
  EXPECT_TRUE(read_leading_number("1e" + std::string(n, '9')).overflow);
  EXPECT_EQ(read_leading_number("1e-" + std::string(n, '9')).value, 0);
  EXPECT_EQ(read_leading_number("5e" + std::string(n, ' ') + "x").value, 5);
}

TEST(ReadLeadingNumberLongText, DigitsBeyondTheKeptOnesStillDecideATie) {
  // 2^53 + 1 lies exactly between two doubles; a far-away non-zero digit
  // must tip it upward.
  const std::string tie = "9007199254740993";
  EXPECT_EQ(read_leading_number(tie).value, 9007199254740992.0);
  EXPECT_EQ(read_leading_number(tie + "." + std::string(5000, '0') + "1").value, 9007199254740994.0);
}

// The texts the program writes and reads go through the C library so that
// every build writes the same digits; the C++ library's exact conversions are
// the oracle, over doubles of every magnitude (random bit patterns) and over
// the short decimals a window shows.
TEST(PortableConversions, WriteAndReadWhatTheExactConversionsDo) {
  std::mt19937_64 random(20261208);
  std::vector<double> sample{0.1, 1e22, 1e23, 5e-324, DBL_MAX, 0x1p-1022, 0x1p60, 123456789012345680000.0};
  for (int k = 0; k < 20000; ++k) {
    std::uint64_t bits = random();
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    if (std::isfinite(x)) sample.push_back(x);
    sample.push_back(static_cast<double>(static_cast<int>(bits % 200001) - 100000) / 1000);
  }
  for (const double x : sample) {
    char text[64];
    const auto shortest = std::to_chars(text, text + sizeof text, x);
    ASSERT_EQ(shortest_text(x), std::string(text, shortest.ptr)) << x;
    char plain[400];  // the plain form of 1e308 or 5e-324 has over 300 digits
    const auto fixed = std::to_chars(plain, plain + sizeof plain, x, std::chars_format::fixed);
    ASSERT_EQ(shortest_plain_text(x), std::string(plain, fixed.ptr)) << x;
    const auto sci = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14);
    const std::string written(text, sci.ptr);
    double read = 0;
    const bool in_range = std::from_chars(text, sci.ptr, read).ec == std::errc();
    ASSERT_EQ(read_plain_number(written), in_range ? std::optional(read) : std::nullopt) << written;
  }
}

TEST(PortableConversions, PlainNumbersOnly) {
  for (const char* text : {"", "+1", " 1", "1 ", "1e", "0x10", "nan", "inf", "1,5", "1e999", "1e-999"}) {
    EXPECT_FALSE(read_plain_number(text)) << text;
  }
  EXPECT_EQ(read_plain_number("-.5"), -0.5);
  EXPECT_EQ(read_plain_number("5.e1"), 50);
}

struct IndexCase {
  double i;
  long index;
};

class IndexOf : public ::testing::TestWithParam<IndexCase> {};

TEST_P(IndexOf, RoundsToNearestHalvesToEven) { EXPECT_EQ(index_of(GetParam().i), GetParam().index); }

INSTANTIATE_TEST_SUITE_P(Indices, IndexOf,
                         ::testing::Values(IndexCase{25.5, 26}, IndexCase{24.5, 24}, IndexCase{26.5, 26},
                                           IndexCase{1.4, 1}, IndexCase{1.6, 2}, IndexCase{2.5000001, 3},
                                           IndexCase{-0.5, 0}, IndexCase{-1.5, -2}, IndexCase{-0.6, -1},
                                           IndexCase{101, 101}, IndexCase{0, 0}));

TEST(TableAccess, OutsideTheBoundsOrNonFiniteIsAFault) {
  Table<101> t;
  EXPECT_NO_THROW(t(101.4) = 1);
  EXPECT_EQ(t(101), 1);
  for (double bad : {-1.0, -0.6, 101.5, 102.0, 1e300, -1e300, std::nan(""), HUGE_VAL}) {
    EXPECT_THROW(t(bad), Fault) << bad;
  }
}

TEST(ScrollBarValue, IsClampedAndReportsAChange) {
  ScrollBar bar{11, 101, 2, 10, 51};
  EXPECT_FALSE(set_scroll_value(bar, 51));
  EXPECT_TRUE(set_scroll_value(bar, 500));
  EXPECT_EQ(bar.Value, 101);
  EXPECT_FALSE(set_scroll_value(bar, 102));
  EXPECT_TRUE(set_scroll_value(bar, -5'000'000'000LL));
  EXPECT_EQ(bar.Value, 11);
}

TEST(FiniteOrFault, PassesFiniteNumbersAndNamesTheOthers) {
  EXPECT_EQ(finite_or_fault(2.5, "Cp"), 2.5);
  try {
    finite_or_fault(std::nan(""), "Cp");
    FAIL() << "no fault";
  } catch (const Fault& f) {
    EXPECT_NE(std::string(f.what()).find("Cp"), std::string::npos);
  }
}

}  // namespace
}  // namespace airfoil::testing
