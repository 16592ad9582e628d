// The catalogue of generating circles: the field reader for the catalogue
// file and the lookup of a thickness/camber pair. Internal to the model
// library; Form_Load and profil_hesapla are its users.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/phrase.h"
#include "model/window.h"

namespace airfoil {

// The catalogue file is not there (nor, perhaps, its folder).
class CatalogueMissing : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Anything else that stops the catalogue file from being read to its end.
// The reason is in the user's words, naming the line where one is to blame;
// what() is its Turkish text.
class CatalogueReadError : public std::runtime_error {
 public:
  explicit CatalogueReadError(Phrase reason)
      : std::runtime_error(turkish(reason)), reason_(std::move(reason)) {}
  const Phrase& reason() const { return reason_; }

 private:
  Phrase reason_;
};

// One field of the file: its text up to a bound, where it stands, and
// whether it was longer than the bound.
struct CatalogueField {
  std::string text;          // at most the number of characters asked for
  long line = 0;             // the line it starts on, counted from 1
  bool starts_line = false;  // the first field of its line
  bool ends_line = false;    // the last field of its line (or of the file)
  bool too_long = false;     // the field held more than the characters asked for
};

// Why the name `path` cannot be read as a catalogue although something carries
// it: a link to nothing, a loop of links, a folder, a pipe, a device or a
// socket. Nothing for a plain file (also through a link) or a name that is not
// there at all.
std::optional<Phrase> not_a_plain_file(const std::string& path);

// Reads the catalogue file as a sequence of fields, a block at a time, so
// that no file, however large, costs more memory than one block and one
// field. Fields are separated by commas or line ends (\n, \r\n or \r);
// blanks before a field and empty lines between fields are skipped; a field
// in double quotes may hold commas and loses its quotes, and anything after
// the closing quote up to the next separator is dropped. Every comma
// separates two fields, so a comma at the end of a line is followed by an
// empty field on that line (a spreadsheet's empty last column). A UTF-8 byte
// order mark is skipped; a UTF-16 file is refused by name.
class CatalogueFile {
 public:
  // Opens only a regular file: a folder, a device or a pipe is refused at
  // once, without waiting for a writer. A name that does not exist is
  // CatalogueMissing, anything else that stops the opening a
  // CatalogueReadError.
  explicit CatalogueFile(const std::string& path);
  ~CatalogueFile();
  CatalogueFile(const CatalogueFile&) = delete;
  CatalogueFile& operator=(const CatalogueFile&) = delete;

  // The first field of the file, which is the first line's, even when that
  // line is empty; only its first kKeptLabel characters are kept. A label
  // longer than kMaxLabel characters is a CatalogueReadError, and so are an
  // empty file and a UTF-16 one.
  CatalogueField read_label();

  // The next field, keeping at most `keep` characters of it; nullopt at the
  // end of the file. Blanks and empty lines before a field are bounded too.
  std::optional<CatalogueField> next_field(std::size_t keep);

  static constexpr std::size_t kMaxLabel = 4096;
  static constexpr std::size_t kMaxBlank = 4096;
  static constexpr std::size_t kKeptLabel = 64;

 private:
  int peek();
  int get();
  void take_line_end(int c);
  void fill();
  void read_body(CatalogueField& field, std::size_t limit, std::size_t keep);

  int fd_ = -1;
  char buffer_[1 << 16]{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = false;
  long line_ = 1;
  bool at_line_start_ = true;
  bool after_comma_ = false;  // the last field ended at a comma
};

// The number in a catalogue field: an empty field is 0, anything else must be
// one complete decimal number with '.' as the point ("nan", "inf",
// hexadecimal and numbers beyond the double range are not). A number field
// of more than kMaxNumberField characters is a reading failure. `what` names
// the value in the user's words (a Turkish source) for the message.
double catalogue_number(const CatalogueField& field, const char* what);

inline constexpr std::size_t kMaxNumberField = 1000;

// The first catalogue row whose keys equal (thickness, camber) exactly. Rows
// are searched from 1 while k <= nCatalog, never beyond row 500 whatever the
// file announced.
std::optional<double> catalogue_row(const WindowState& w, double thickness, double camber);

}  // namespace airfoil
