// The catalogue of generating circles: the field reader for the catalogue
// file and the lookup of a thickness/camber pair. Internal to the model
// library; Form_Load and profil_hesapla are its users.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/window.h"

namespace airfoil {

// Anything that stops the catalogue file from being read to its end.
class CatalogueReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a text as a sequence of fields. Fields are separated by commas or
// line ends (\n, \r\n or \r); blanks before a field and empty lines between
// fields are skipped; a field in double quotes may hold commas and loses its
// quotes, and anything after the closing quote up to the next separator is
// dropped.
class FieldReader {
 public:
  explicit FieldReader(std::string text) : text_(std::move(text)) {}

  // The next field's text. At the end of the text there is no field left,
  // which is a CatalogueReadError.
  std::string next_field();

  // The next field as a number: an empty field is 0, anything else must be
  // one complete decimal number with '.' as the point ("nan", "inf",
  // hexadecimal and numbers beyond the double range are not).
  double next_number();

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

// Reads a whole file; a file that cannot be opened is a CatalogueReadError.
std::string read_catalogue_file(const std::string& path);

// The first catalogue row whose keys equal (thickness, camber) exactly. Rows
// are searched from 1 while k <= nCatalog, never beyond row 500 whatever the
// file announced.
std::optional<double> catalogue_row(const WindowState& w, double thickness, double camber);

}  // namespace airfoil
