// Binary <-> decimal conversion through the C library, under the "C" locale
// whatever locale the process runs in. The C library converts exactly (the
// printed digits are the correctly rounded digits of the binary value, and
// reading gives the double nearest the decimal), so these texts match the
// exact conversions of the C++ library digit for digit, on every platform the
// program is built for, the browser's included. Internal to the model library.
#pragma once

#include <string>

namespace airfoil {

// printf("%.<precision><conversion>", x) with '.' as the point; conversion is
// 'e', 'f' or 'g'.
std::string c_printf(char conversion, int precision, double x);

// strtod of the whole text, read with '.' as the point. The text must be a
// plain decimal number; the caller has checked its form.
double c_strtod(const std::string& text);

}  // namespace airfoil
