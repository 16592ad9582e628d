#include "model/catalogue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

#include "model/decimal_scan.h"

namespace airfoil {

namespace {

bool is_blank(int c) { return c == ' ' || c == '\t'; }
bool is_line_end(int c) { return c == '\n' || c == '\r'; }

// Line numbers and limits, as the messages show them.
Phrase number(long n) { return literal(std::to_string(n)); }
Phrase number(std::size_t n) { return literal(std::to_string(n)); }

// What the catalogue must be, said with every refusal of a file in another
// encoding.
constexpr const char* kUtf16 = "dosya UTF-16 ile kaydedilmiş; katalog UTF-8 ya da ASCII metni olmalı";
constexpr const char* kZeroByte =
    "1. satırda sıfır baytı var: dosya UTF-16 ile kaydedilmiş olabilir; katalog UTF-8 ya da ASCII metni "
    "olmalı";
constexpr const char* kNotAPlainFile = "bu ad sıradan bir dosyanın adı değil";

}  // namespace

std::optional<Phrase> not_a_plain_file(const std::string& path) {
  struct stat entry {};
  if (::lstat(path.c_str(), &entry) != 0) return std::nullopt;
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) {
    if (errno == ELOOP) return Phrase("bu ad kendi üzerine dönen bir bağlantı zinciri");
    if (S_ISLNK(entry.st_mode) && (errno == ENOENT || errno == ENOTDIR)) {
      return Phrase("bu ad var olmayan bir dosyayı gösteren bir bağlantı");
    }
    return std::nullopt;
  }
  if (S_ISREG(target.st_mode)) return std::nullopt;
  if (S_ISDIR(target.st_mode)) return Phrase("bu ad bir klasörün adı");
  if (S_ISFIFO(target.st_mode)) return Phrase("bu ad bir borunun (FIFO) adı");
  if (S_ISCHR(target.st_mode) || S_ISBLK(target.st_mode)) return Phrase("bu ad bir aygıtın adı");
  return Phrase(kNotAPlainFile);
}

CatalogueFile::CatalogueFile(const std::string& path) {
  // Looked at before opening, so that a device is never opened at all; the
  // opening itself does not wait (a pipe without a writer would block start-up
  // for ever), and the descriptor is checked again in case the name changed
  // in between.
  if (std::optional<Phrase> why = not_a_plain_file(path)) throw CatalogueReadError(std::move(*why));
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) throw CatalogueMissing(path);
    throw CatalogueReadError("dosyanın bilgilerine ulaşılamadı");
  }
  if (!S_ISREG(info.st_mode)) throw CatalogueReadError(kNotAPlainFile);
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    if (errno == ENOENT) throw CatalogueMissing(path);
    throw CatalogueReadError(errno == EACCES ? "dosyayı okuma izni yok" : "dosya açılamadı");
  }
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd_);
    throw CatalogueReadError(kNotAPlainFile);
  }
}

CatalogueFile::~CatalogueFile() {
  if (fd_ >= 0) ::close(fd_);
}

void CatalogueFile::fill() {
  pos_ = 0;
  end_ = 0;
  while (!at_end_) {
    const ssize_t n = ::read(fd_, buffer_, sizeof buffer_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw CatalogueReadError({"%1. satır okunurken bir okuma hatası oldu", {number(line_)}});
    if (n == 0) at_end_ = true;
    end_ = static_cast<std::size_t>(n);
    return;
  }
}

int CatalogueFile::peek() {
  if (pos_ == end_) fill();
  return pos_ == end_ ? -1 : static_cast<unsigned char>(buffer_[pos_]);
}

int CatalogueFile::get() {
  const int c = peek();
  if (c >= 0) ++pos_;
  return c;
}

// Called with the line-end character just taken: \r\n counts as one.
void CatalogueFile::take_line_end(int c) {
  if (c == '\r' && peek() == '\n') ++pos_;
  ++line_;
}

CatalogueField CatalogueFile::read_label() {
  // A byte order mark comes before everything, the label's quote included.
  if (peek() >= 0 && end_ - pos_ >= 2) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(buffer_[pos_ + i]); };
    if ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF)) {
      throw CatalogueReadError(kUtf16);
    }
    if (end_ - pos_ >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) pos_ += 3;
  }
  while (is_blank(peek())) get();
  if (peek() < 0) throw CatalogueReadError("dosya boş");
  CatalogueField label;
  label.line = 1;
  label.starts_line = true;
  read_body(label, kMaxLabel, kKeptLabel);
  // Every other byte of a UTF-16 text in the Latin range is zero.
  if (label.text.find('\0') != std::string::npos) throw CatalogueReadError(kZeroByte);
  if (label.too_long) {
    throw CatalogueReadError({"1. satırdaki başlık %1 karakterden uzun", {number(kMaxLabel)}});
  }
  return label;
}

std::optional<CatalogueField> CatalogueFile::next_field(std::size_t keep) {
  if (after_comma_) {
    // A comma always has a field after it on its own line: an empty one
    // when the line or the file ends first.
    for (std::size_t skipped = 0; is_blank(peek()); ++skipped) {
      if (skipped == kMaxBlank) {
        throw CatalogueReadError(
            {"%1. satırdan itibaren çok fazla boşluk ya da boş satır var", {number(line_)}});
      }
      get();
    }
    CatalogueField field;
    field.line = line_;
    const int c = peek();
    if (c >= 0 && !is_line_end(c)) {
      read_body(field, keep, keep);
      return field;
    }
    after_comma_ = false;
    field.ends_line = true;
    at_line_start_ = true;
    if (c >= 0) take_line_end(get());
    return field;
  }
  bool new_line = at_line_start_;
  const long first_line = line_;
  for (std::size_t skipped = 0;; ++skipped) {
    const int c = peek();
    if (!is_blank(c) && !is_line_end(c)) break;
    if (skipped == kMaxBlank) {
      throw CatalogueReadError(
          {"%1. satırdan itibaren çok fazla boşluk ya da boş satır var", {number(first_line)}});
    }
    get();
    if (is_line_end(c)) {
      take_line_end(c);
      new_line = true;
    }
  }
  if (peek() < 0) return std::nullopt;

  CatalogueField field;
  field.line = line_;
  field.starts_line = new_line;
  read_body(field, keep, keep);
  return field;
}

// Reads one field up to and including its separator. At most `limit`
// characters are taken (`keep` of them kept); a longer field is marked and
// left unfinished, since it ends the reading anyway.
void CatalogueFile::read_body(CatalogueField& field, std::size_t limit, std::size_t keep) {
  std::size_t length = 0;
  const auto take = [&](int c) {
    if (++length > limit) {
      field.too_long = true;
      return false;
    }
    if (field.text.size() < keep) field.text.push_back(static_cast<char>(c));
    return true;
  };

  if (peek() == '"') {
    get();
    for (int c = get(); c >= 0 && c != '"'; c = get()) {
      if (!take(c)) return;
      if (is_line_end(c)) take_line_end(c);
    }
    // Whatever follows the closing quote up to the separator is dropped.
    for (int c = peek(); c >= 0 && c != ',' && !is_line_end(c); c = peek()) {
      get();
      if (++length > limit) {
        field.too_long = true;
        return;
      }
    }
  } else {
    for (int c = peek(); c >= 0 && c != ',' && !is_line_end(c); c = peek()) {
      get();
      if (!take(c)) return;
    }
  }

  const int separator = get();
  after_comma_ = separator == ',';
  field.ends_line = !after_comma_;
  at_line_start_ = is_line_end(separator);
  if (at_line_start_) take_line_end(separator);
}

double catalogue_number(const CatalogueField& field, const char* what) {
  // The line and the value's name are parts of every message below.
  const auto refused = [&](const char* source, std::vector<Phrase> more = {}) {
    std::vector<Phrase> args{number(field.line), Phrase{what}};
    for (Phrase& part : more) args.push_back(std::move(part));
    return CatalogueReadError(Phrase(source, std::move(args)));
  };
  if (field.too_long) throw refused("%1. satırdaki %2 %3 karakterden uzun", {number(kMaxNumberField)});
  std::size_t first = 0;
  std::size_t last = field.text.size();
  while (first < last && is_blank(field.text[first])) ++first;
  while (last > first && is_blank(field.text[last - 1])) --last;
  if (first == last) return 0;

  const std::string_view text(field.text.data() + first, last - first);
  const DecimalScan scan = scan_decimal(text, false);
  if (!scan.found || scan.end != text.size()) throw refused("%1. satırdaki %2 bir sayı değil");
  if (scan.overflow) throw refused("%1. satırdaki %2 çok büyük");
  return scan.value;
}

std::optional<double> catalogue_row(const WindowState& w, double thickness, double camber) {
  for (double k = 1; k <= w.nCatalog && k <= 500; k += 1) {
    if (w.TabThickness(k) == thickness && w.TabCamber(k) == camber) return k;
  }
  return std::nullopt;
}

}  // namespace airfoil
