#include "model/catalogue.h"

#include <fstream>
#include <sstream>

#include "model/decimal_scan.h"

namespace airfoil {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_line_end(char c) { return c == '\n' || c == '\r'; }

}  // namespace

std::string FieldReader::next_field() {
  while (pos_ < text_.size() && (is_blank(text_[pos_]) || is_line_end(text_[pos_]))) ++pos_;
  if (pos_ >= text_.size()) throw CatalogueReadError("the catalogue ends before all fields were read");

  std::string field;
  if (text_[pos_] == '"') {
    const std::size_t close = text_.find('"', pos_ + 1);
    const std::size_t stop = close == std::string::npos ? text_.size() : close;
    field = text_.substr(pos_ + 1, stop - pos_ - 1);
    pos_ = stop == text_.size() ? stop : stop + 1;
    while (pos_ < text_.size() && text_[pos_] != ',' && !is_line_end(text_[pos_])) ++pos_;
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !is_line_end(text_[pos_])) ++pos_;
    field = text_.substr(start, pos_ - start);
  }

  // Consume the separator: a comma, or one line end in any of its three forms.
  if (pos_ < text_.size()) {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return field;
}

double FieldReader::next_number() {
  const std::string field = next_field();
  std::size_t first = 0;
  std::size_t last = field.size();
  while (first < last && is_blank(field[first])) ++first;
  while (last > first && is_blank(field[last - 1])) --last;
  if (first == last) return 0;

  const std::string_view number(field.data() + first, last - first);
  const DecimalScan scan = scan_decimal(number, false);
  const std::string shown = "catalogue field \"" + field.substr(0, 40) + "\"";
  if (!scan.found || scan.end != number.size()) {
    throw CatalogueReadError(shown + " is not a number");
  }
  if (scan.overflow) {
    throw CatalogueReadError(shown + " is too large for a double");
  }
  return scan.value;
}

std::string read_catalogue_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) throw CatalogueReadError("cannot open " + path);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::optional<double> catalogue_row(const WindowState& w, double thickness, double camber) {
  for (double k = 1; k <= w.nCatalog && k <= 500; k += 1) {
    if (w.TabThickness(k) == thickness && w.TabCamber(k) == camber) return k;
  }
  return std::nullopt;
}

}  // namespace airfoil
