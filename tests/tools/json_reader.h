// A strict little JSON reader for checking the probe's output: it rejects
// anything that is not valid JSON and keeps object members in their order.
#pragma once

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace airfoil::testing {

struct Json;
using JsonArray = std::vector<Json>;
using JsonObject = std::vector<std::pair<std::string, Json>>;

struct Json {
  std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<JsonArray>,
               std::shared_ptr<JsonObject>>
      value;

  bool is_null() const { return std::holds_alternative<std::nullptr_t>(value); }
  double number() const { return std::get<double>(value); }
  const std::string& string() const { return std::get<std::string>(value); }
  const JsonArray& array() const { return *std::get<std::shared_ptr<JsonArray>>(value); }
  const JsonObject& object() const { return *std::get<std::shared_ptr<JsonObject>>(value); }
  const Json& operator[](const std::string& key) const {
    for (const auto& [name, member] : object()) {
      if (name == key) return member;
    }
    throw std::out_of_range("no member " + key);
  }
};

class JsonReader {
 public:
  static Json parse(const std::string& text) {
    JsonReader reader(text);
    Json value = reader.value();
    reader.skip_space();
    if (reader.at_ < text.size()) reader.fail("text after the value");
    return value;
  }

 private:
  explicit JsonReader(const std::string& text) : text_(text) {}

  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(at_));
  }
  void skip_space() {
    while (at_ < text_.size() && std::string(" \t\r\n").find(text_[at_]) != std::string::npos) ++at_;
  }
  bool take(char c) {
    skip_space();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  void expect(char c) {
    if (!take(c)) fail(std::string("expected '") + c + "'");
  }
  bool take_word(const char* word) {
    const std::string w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  Json value() {
    skip_space();
    if (at_ >= text_.size()) fail("unexpected end");
    const char c = text_[at_];
    if (c == '{') return object();
    if (c == '[') return array();
    if (c == '"') return Json{string()};
    if (take_word("null")) return Json{nullptr};
    if (take_word("true")) return Json{true};
    if (take_word("false")) return Json{false};
    return Json{number()};
  }

  Json object() {
    auto members = std::make_shared<JsonObject>();
    expect('{');
    if (!take('}')) {
      do {
        skip_space();
        std::string key = string();
        expect(':');
        members->emplace_back(std::move(key), value());
      } while (take(','));
      expect('}');
    }
    return Json{members};
  }

  Json array() {
    auto items = std::make_shared<JsonArray>();
    expect('[');
    if (!take(']')) {
      do items->push_back(value());
      while (take(','));
      expect(']');
    }
    return Json{items};
  }

  // The JSON number grammar, checked before strtod reads it.
  double number() {
    const std::size_t start = at_;
    auto digits = [&] {
      const std::size_t from = at_;
      while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
      return at_ - from;
    };
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (digits() == 0) {
      fail("bad number");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (digits() == 0) fail("bad fraction");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (digits() == 0) fail("bad exponent");
    }
    return std::strtod(text_.substr(start, at_ - start).c_str(), nullptr);
  }

  unsigned hex4() {
    if (at_ + 4 > text_.size()) fail("short \\u escape");
    const std::string hex = text_.substr(at_, 4);
    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) fail("bad \\u escape");
    at_ += 4;
    return static_cast<unsigned>(std::stoul(hex, nullptr, 16));
  }

  static void append_utf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  // JSON text is UTF-8: a lead byte and the continuation bytes it announces.
  void utf8_sequence(std::string& out, unsigned char lead) {
    const int more = lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
                     : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
    if (more < 0) fail("invalid UTF-8 lead byte");
    out += static_cast<char>(lead);
    for (int k = 0; k < more; ++k) {
      if (at_ >= text_.size() || (static_cast<unsigned char>(text_[at_]) & 0xC0) != 0x80) {
        fail("invalid UTF-8 sequence");
      }
      out += text_[at_++];
    }
  }

  std::string string() {
    if (at_ >= text_.size() || text_[at_] != '"') fail("expected a string");
    ++at_;
    std::string out;
    while (true) {
      if (at_ >= text_.size()) fail("unterminated string");
      const auto c = static_cast<unsigned char>(text_[at_++]);
      if (c == '"') return out;
      if (c < 0x20) fail("raw control character in a string");
      if (c >= 0x80) {
        utf8_sequence(out, c);
        continue;
      }
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      if (at_ >= text_.size()) fail("unterminated escape");
      const char e = text_[at_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned cp = hex4();
          if (cp >= 0xD800 && cp < 0xDC00) {
            if (!take_word("\\u")) fail("lone surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (hex4() - 0xDC00);
          }
          append_utf8(out, cp);
          break;
        }
        default: fail("bad escape");
      }
    }
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace airfoil::testing
