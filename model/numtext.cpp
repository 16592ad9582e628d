#include "model/numtext.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "model/c_numbers.h"
#include "model/decimal_scan.h"
#include "model/window.h"

namespace airfoil {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A double needs at most 767 significant decimal digits to tell it from its
// neighbours and from the halfway points between them. Digits beyond this are
// folded into one "sticky" non-zero digit, which keeps the rounding exact
// while bounding the work for very long input.
constexpr std::size_t kKeptDigits = 800;

// The written exponent stops growing here; the position of the point can be
// as large as the text is long, so this must stay far above any text length.
constexpr long long kWrittenExponentLimit = 100'000'000'000'000'000LL;

// A combined exponent beyond this is far outside the double range either way.
constexpr long long kExponentLimit = 100000;

}  // namespace

DecimalScan scan_decimal(std::string_view t, bool skip_blanks, bool comma_point) {
  const auto next = [&](std::size_t q) {
    if (skip_blanks) {
      while (q < t.size() && (t[q] == ' ' || t[q] == '\t' || t[q] == '\n')) ++q;
    }
    return q;
  };

  DecimalScan out;
  std::size_t p = next(0);
  bool negative = false;
  if (p < t.size() && (t[p] == '+' || t[p] == '-')) {
    negative = t[p] == '-';
    p = next(p + 1);
  }

  // The mantissa is kept as 0.DIGITS x 10^point, leading zeros dropped.
  std::string digits;
  bool sticky = false;
  long long point = 0;
  bool any_digit = false;
  std::size_t end = 0;

  const auto take_digit = [&](char d, bool before_point) {
    any_digit = true;
    if (digits.empty() && d == '0') {
      if (!before_point) --point;  // a leading zero after the point scales down
      return;
    }
    if (before_point) ++point;
    if (digits.size() < kKeptDigits) {
      digits.push_back(d);
    } else if (d != '0') {
      sticky = true;
    }
  };

  while (p < t.size() && is_digit(t[p])) {
    take_digit(t[p], true);
    end = p + 1;
    p = next(p + 1);
  }
  // A comma is the point only between digits: "0,5" is a half, while "5," and
  // ",5" keep their comma out of the number.
  const bool comma_as_point = comma_point && any_digit && p < t.size() && t[p] == ',' &&
                              next(p + 1) < t.size() && is_digit(t[next(p + 1)]);
  if (p < t.size() && (t[p] == '.' || comma_as_point)) {
    const std::size_t after_point = p + 1;
    p = next(p + 1);
    if (any_digit) end = after_point;  // "5." is a number, "." alone is not
    while (p < t.size() && is_digit(t[p])) {
      take_digit(t[p], false);
      end = p + 1;
      p = next(p + 1);
    }
  }
  if (!any_digit) return out;
  out.found = true;

  long long exponent = 0;
  if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
    std::size_t q = next(p + 1);
    bool exponent_negative = false;
    if (q < t.size() && (t[q] == '+' || t[q] == '-')) {
      exponent_negative = t[q] == '-';
      q = next(q + 1);
    }
    if (q < t.size() && is_digit(t[q])) {
      while (q < t.size() && is_digit(t[q])) {
        if (exponent < kWrittenExponentLimit) exponent = exponent * 10 + (t[q] - '0');
        end = q + 1;
        q = next(q + 1);
      }
      if (exponent_negative) exponent = -exponent;
    }
  }
  out.end = end;

  if (digits.empty()) return out;  // the number is zero, whatever its sign
  if (sticky) {
    digits.push_back('1');
  } else {
    while (digits.back() == '0') digits.pop_back();
  }

  long long scale = point + exponent;
  if (scale > kExponentLimit) scale = kExponentLimit;
  if (scale < -kExponentLimit) scale = -kExponentLimit;

  const double magnitude_read = c_strtod("0." + digits + "e" + std::to_string(scale));
  double magnitude = magnitude_read;
  if (std::isinf(magnitude_read)) {
    out.overflow = true;
    magnitude = DBL_MAX;
  } else if (magnitude_read == 0) {
    out.underflow = true;  // too small for a double: it reads as zero
  }
  if (magnitude == 0) return out;
  out.value = negative ? -magnitude : magnitude;
  return out;
}

std::string general_format(double x) {
  if (!std::isfinite(x)) throw Fault("a number to be shown is not finite");
  if (x == 0) return "0";

  // Round to 15 significant digits first; whether the plain or the exponent
  // form is used is then decided on the rounded value, so 999999999999999.9
  // (which rounds to 1E+15) is shown in exponent form.
  const std::string printed = c_printf('e', 14, x);
  const std::string_view s(printed);

  const bool negative = s.front() == '-';
  const std::size_t mantissa_start = negative ? 1 : 0;
  const std::size_t e_pos = s.find('e');
  std::string digits;
  for (std::size_t k = mantissa_start; k < e_pos; ++k) {
    if (s[k] != '.') digits.push_back(s[k]);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  std::from_chars(s.data() + e_pos + (s[e_pos + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);

  std::string out = negative ? "-" : "";
  const int n = static_cast<int>(digits.size());
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else if (n <= exponent + 1) {
      out += digits;
      out.append(static_cast<std::size_t>(exponent + 1 - n), '0');
    } else {
      out += digits.substr(0, static_cast<std::size_t>(exponent + 1));
      out += '.';
      out += digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    return out;
  }

  out += digits[0];
  if (n > 1) {
    out += '.';
    out += digits.substr(1);
  }
  out += exponent < 0 ? "E-" : "E+";
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return out;
}

double round_half_even(double x, int decimals) {
  if (!std::isfinite(x)) throw Fault("a number to be rounded is not finite");
  if (decimals < 0) decimals = 0;
  // The smallest double has 1074 binary, hence 1074 decimal, places: beyond
  // that every double is already its own rounding.
  if (decimals > 1074) return x == 0 ? 0.0 : x;

  // The fixed-point conversion of the C library works on the exact binary
  // value and sends an exact tie to the even digit; reading the text back
  // gives the double nearest the rounded decimal.
  const double rounded = c_strtod(c_printf('f', decimals, x));
  return rounded == 0 ? 0.0 : rounded;
}

namespace {

// The digits and the decimal exponent of printf's exponent form of a
// positive number: "1.250e-07" gives "1250" and -7.
void split_exponent_form(const std::string& printed, std::string& digits, int& exponent) {
  const std::size_t e = printed.find('e');
  digits.clear();
  for (std::size_t k = 0; k < e; ++k) {
    if (printed[k] != '.') digits.push_back(printed[k]);
  }
  exponent = std::atoi(printed.c_str() + e + 1);
}

// One unit up in the last of `digits`, carrying; 999 becomes 100 a power of
// ten higher.
void step_up(std::string& digits, int& exponent) {
  for (std::size_t k = digits.size(); k-- > 0;) {
    if (digits[k] != '9') {
      ++digits[k];
      return;
    }
    digits[k] = '0';
  }
  digits.insert(digits.begin(), '1');
  digits.pop_back();
  ++exponent;
}

std::string exponent_form(const std::string& digits, int exponent) {
  std::string out(1, digits[0]);
  if (digits.size() > 1) {
    out += '.';
    out.append(digits, 1);
  }
  out += exponent < 0 ? "e-" : "e+";
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out += '0';
  return out + std::to_string(magnitude);
}

}  // namespace

namespace {

std::string shortest_of(double x, bool plain_only) {
  if (std::isnan(x)) return std::signbit(x) ? "-nan" : "nan";
  if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
  if (x == 0) return std::signbit(x) ? "-0" : "0";
  const double a = std::fabs(x);

  // The fewest significant digits that read back as the number: the nearest
  // decimal of each length is tried, and where it falls below the number, the
  // next one up too (the gap below a power of two is half the gap above, so
  // only the upper neighbour can be inside when the nearest is not).
  // Seventeen digits always read back.
  std::string digits;
  int exponent = 0;
  for (int precision = 0; precision <= 16; ++precision) {
    const std::string printed = c_printf('e', precision, a);
    split_exponent_form(printed, digits, exponent);
    const double nearest = c_strtod(printed);
    if (nearest == a) break;
    if (nearest < a) {
      step_up(digits, exponent);
      if (c_strtod(exponent_form(digits, exponent)) == a) break;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  const int n = static_cast<int>(digits.size());
  std::string plain;
  if (exponent < 0) {
    plain = "0.";
    plain.append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else if (exponent + 1 > n) {
    // A whole number past the shortest digits is written with all of its
    // exact digits, not the shortest ones padded with zeros: the same length,
    // and every digit true.
    plain = c_printf('f', 0, a);
  } else if (exponent + 1 == n) {
    plain = digits;
  } else {
    plain.assign(digits, 0, static_cast<std::size_t>(exponent + 1)).append(1, '.');
    plain.append(digits, static_cast<std::size_t>(exponent + 1));
  }
  const std::string scientific = exponent_form(digits, exponent);
  const std::string& shorter = plain_only || plain.size() <= scientific.size() ? plain : scientific;
  if (x > 0) return shorter;
  std::string negative(1, '-');
  return negative.append(shorter);
}

}  // namespace

std::string shortest_text(double x) { return shortest_of(x, false); }

std::string shortest_plain_text(double x) { return shortest_of(x, true); }

std::string fixed_text(double x, int decimals) { return c_printf('f', decimals < 0 ? 0 : decimals, x); }

std::string significant_text(double x, int digits) { return c_printf('g', digits < 1 ? 1 : digits, x); }

std::optional<double> read_plain_number(std::string_view text) {
  if (text.empty() || text.front() == '+') return std::nullopt;
  const DecimalScan scan = scan_decimal(text, false);
  if (!scan.found || scan.end != text.size() || scan.overflow || scan.underflow) return std::nullopt;
  return scan.value;
}

LeadingNumber read_leading_number(std::string_view text) {
  // What a user types with a Turkish keyboard layout is read as meant.
  const DecimalScan scan = scan_decimal(text, true, true);
  return LeadingNumber{scan.value, scan.overflow};
}

}  // namespace airfoil
