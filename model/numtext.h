// Number <-> text, the way the whole program writes and reads numbers.
// Locale-independent: '.' is the decimal point everywhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace airfoil {

// The general number form: up to 15 significant digits, no trailing zeros,
// never "-0". Plain decimal for magnitudes from 1e-5 up to below 1e15, and
// the exponent form ("1.5E+20", "1E-06") outside that range. Non-finite
// input is a Fault.
std::string general_format(double x);

// x rounded to `decimals` decimal places, a value exactly halfway going to
// the even neighbour. The decision is made on the exact binary value, so
// 0.00015 (which is stored slightly below the half) rounds down.
double round_half_even(double x, int decimals);

// The lenient leading-number reading of a text box.
struct LeadingNumber {
  double value = 0;       // the number read; 0 when the text has none
  bool overflow = false;  // the number was too large for a double; value is then
                          // the largest finite double with the number's sign
};

// Spaces, tabs and line feeds are ignored wherever they stand; the number is
// the longest leading part that forms one: optional sign, digits, optional
// point and digits, optional exponent (e or E, optional sign, digits); a comma
// between two digits is the point as well ("0,5" is 0.5). The
// rest is ignored; text that does not begin with a number reads 0. "nan",
// "inf" and hexadecimal forms are not numbers here.
LeadingNumber read_leading_number(std::string_view text);

// The shortest decimal text that reads back as exactly x: the plain form or
// the exponent form ("1e+22", "2.5e-07"), whichever is shorter, the plain one
// on a tie (a whole number in plain form with all its exact digits); "-0" for
// negative zero, "inf", "-inf" and "nan" for the rest.
std::string shortest_text(double x);
// The same digits always in the plain form ("0.00012", "1e+22" as
// "10000000000000000000000"), for files whose readers know no exponents.
std::string shortest_plain_text(double x);

// x with exactly `decimals` digits after the point, rounded on its exact
// binary value, ties to even ("-0.0000" stays as it is).
std::string fixed_text(double x, int decimals);

// x to `digits` significant digits without trailing zeros, in the exponent
// form ("1e-05") below 1e-4 and from 10^digits up: the short form a window
// shows a typed Mach number in.
std::string significant_text(double x, int digits);

// A whole text that is one plain decimal number and nothing else: digits with
// an optional point and an optional exponent, an optional leading '-', no
// blanks. Nothing when the text is anything else, or its number lies outside
// the range of a double (zero excepted).
std::optional<double> read_plain_number(std::string_view text);

}  // namespace airfoil
