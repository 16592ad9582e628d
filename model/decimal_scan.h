// The one decimal-number scanner behind both ways the program reads numbers:
// the lenient reading of a text box and the strict reading of a catalogue
// field. Internal to the model library.
#pragma once

#include <cstddef>
#include <string_view>

namespace airfoil {

struct DecimalScan {
  bool found = false;      // a mantissa with at least one digit was seen
  std::size_t end = 0;     // one past the last character that belongs to the number
  double value = 0;        // correctly rounded; +/- largest double on overflow; never -0
  bool overflow = false;   // the number is too large for a double
  bool underflow = false;  // the number is not zero but too small for a double; value is 0
};

// Scans the longest decimal number at the start of `text`: optional sign,
// digits, optional point and digits (at least one digit in all), optional
// exponent (e or E, optional sign, at least one digit; without a digit the
// exponent is not part of the number). With `skip_blanks`, spaces, tabs and
// line feeds are passed over wherever they stand, leading ones included. With
// `comma_point`, a comma between two digits is the decimal point too.
// Runs in time linear in the length of the text, whatever it holds.
DecimalScan scan_decimal(std::string_view text, bool skip_blanks, bool comma_point = false);

}  // namespace airfoil
