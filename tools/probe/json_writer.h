// Writing JSON text: numbers that read back as the same double, and strings
// that stay valid JSON whatever bytes they hold.
#pragma once

#include <string>
#include <string_view>

namespace airfoil::probe {

// 17 significant digits, so that a reader gets back exactly the same double.
// JSON has no NaN or infinity; such a value is written as null.
void append_json_number(std::string& out, double x);

void append_json_integer(std::string& out, long long x);

// A quoted JSON string. Quotes, backslashes and control characters are
// escaped; valid UTF-8 passes through unchanged, and a byte that is not part
// of a valid UTF-8 sequence becomes U+FFFD, so the output is always valid.
void append_json_string(std::string& out, std::string_view text);

}  // namespace airfoil::probe
