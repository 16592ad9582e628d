#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace airfoil::probe {

void append_json_number(std::string& out, double x) {
  if (!std::isfinite(x)) {
    out += "null";
    return;
  }
  char buffer[40];
  // to_chars is locale-independent: the decimal point is always '.'.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 17);
  out.append(buffer, result.ptr);
}

void append_json_integer(std::string& out, long long x) { out += std::to_string(x); }

namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 when
// it is not one (stray continuation byte, overlong form, surrogate, beyond
// U+10FFFF, or cut short).
std::size_t utf8_sequence_length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  unsigned char low = 0x80;   // allowed range of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!is_continuation(static_cast<unsigned char>(text[k]))) return 0;
  }
  return length;
}

}  // namespace

void append_json_string(std::string& out, std::string_view text) {
  out += '"';
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
          if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
            out += escape;
          } else {
            out += static_cast<char>(byte);
          }
      }
      ++i;
      continue;
    }
    const std::size_t length = utf8_sequence_length(text.substr(i));
    if (length == 0) {
      out += "\\ufffd";
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  out += '"';
}

}  // namespace airfoil::probe
