#include <cmath>
#include <exception>
#include <new>
#include <string>
#include <utility>

#include "model/catalogue.h"
#include "model/numtext.h"
#include "model/window.h"

namespace airfoil {

namespace {

// The five values of a row, as the message names them.
constexpr const char* kColumns[5] = {"kalınlık oranı", "kamburluk oranı", "Eps değeri", "Delta değeri",
                                     "beşinci değer"};
constexpr const char* kCounts[5] = {"sıfır", "bir", "iki", "üç", "dört"};
constexpr const char* kCountsOfFive[5] = {"hiçbiri", "yalnızca biri", "yalnızca ikisi", "yalnızca üçü",
                                          "yalnızca dördü"};

Phrase number(double n) { return literal(general_format(n)); }
Phrase number(long n) { return literal(std::to_string(n)); }

// The file as the user named it or the program found it, so that a message
// about another copy or a file given on the command line names that file.
Phrase file_name(const Window& w) { return literal(w.catalogue_path); }

// What the user is told when the file is there but could not be read to the
// end: why, and what of it can still be used.
Phrase unreadable(const Window& w, Phrase reason, double complete_rows) {
  if (complete_rows > 0) {
    return {"%1 dosyası okunamadı: %2. Dosyanın başındaki %3 profil kullanılabilir.",
            {file_name(w), std::move(reason), number(complete_rows)}};
  }
  return {"%1 dosyası okunamadı: %2. Katalogda kullanılabilir profil yok.",
          {file_name(w), std::move(reason)}};
}

Phrase missing(const Window& w) {
  if (w.catalogue_path == kCatalogueFileName) return kCatalogueFileMissing;
  return {"%1 dosyası bulunamadı", {file_name(w)}};
}

bool is_blank_text(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// Whether a label is a plain number, as a row count would be.
bool reads_as_number(const CatalogueField& label) {
  if (label.too_long || is_blank_text(label.text)) return false;
  try {
    catalogue_number(label, "");
    return true;
  } catch (const CatalogueReadError&) {
    return false;
  }
}

// The row count: a whole number of at least 1. A count above 500 is read,
// and the reading fails where row 501 would begin.
double row_count(const CatalogueField& count) {
  const double n = catalogue_number(count, "profil sayısı");
  if (!(n >= 1) || n != std::floor(n)) {
    throw CatalogueReadError({"%1. satırdaki profil sayısı %2; 1 ile 500 arasında bir tam sayı olmalı",
                              {number(count.line), number(n)}});
  }
  return n;
}

}  // namespace

void Form_Load(Window& w) {
  w.pi = std::atan(1.0) * 4;
  w.BetaTE = 0;
  if (w.catalogue_passed_over) w.message(*w.catalogue_passed_over);

  Table<500>* const columns[5] = {&w.TabThickness, &w.TabCamber, &w.TabEps, &w.TabDelta, &w.TabCol5};
  // Whatever goes wrong from here on, running out of memory included, is
  // reported and start-up goes on with the rows read whole before the
  // trouble, and nothing else: a row cut short would otherwise be found by
  // the lookup with zeros in its missing columns.
  double complete_rows = 0;
  double started_rows = 0;
  bool count_on_label_line = false;
  const auto keep_complete_rows = [&] {
    for (double k = complete_rows + 1; k <= started_rows && k <= 500; k += 1) {
      for (Table<500>* column : columns) (*column)(k) = 0;
    }
    w.nCatalog = complete_rows;
  };
  const auto reason = [&](Phrase why) -> Phrase {
    // Values after the label on its own line are often the rest of a label
    // with commas in it; say so while nothing could be read.
    if (!count_on_label_line || complete_rows > 0) return why;
    return {
        "%1 (1. satırda başlıktan sonra başka değer de var; başlıkta virgül varsa başlık tırnak içinde "
        "yazılmalı)",
        {std::move(why)}};
  };

  try {
    CatalogueFile in(w.catalogue_path);
    const CatalogueField label = in.read_label();
    const std::optional<CatalogueField> count = in.next_field(kMaxNumberField);
    if (!count) throw CatalogueReadError("dosyada başlıktan sonra profil sayısı yok");
    count_on_label_line = !label.ends_line;
    if (is_blank_text(count->text) && !count->too_long) {
      throw CatalogueReadError({"%1. satırdaki profil sayısı boş", {number(count->line)}});
    }
    // A label alone on the first line lays the file out in lines: the count
    // alone on the next, then one row per line. A value after the count
    // would shift every row by a column.
    if (label.ends_line && !count->ends_line) {
      if (reads_as_number(label)) {
        throw CatalogueReadError("dosyanın başlık satırı yok: 1. satırda başlık yerine profil sayısı var");
      }
      throw CatalogueReadError(
          {"%1. satırda profil sayısından sonra başka değer var", {number(count->line)}});
    }
    w.nCatalog = row_count(*count);

    // When the first row starts a line, the file is laid out one row per
    // line, and every row must stand on its own line with five values: a
    // value too many or too few would otherwise shift every later row.
    bool one_row_per_line = false;
    for (double k = 1; k <= w.nCatalog; k += 1) {
      if (k > 500) {
        throw CatalogueReadError(
            {"dosya %1 profil bildiriyor, ama katalog en çok 500 profil alabilir; "
             "501. profil ve sonrası okunmadı",
             {number(w.nCatalog)}});
      }
      long row_line = 0;
      for (int col = 0; col < 5; ++col) {
        const std::optional<CatalogueField> field = in.next_field(kMaxNumberField);
        if (!field && col == 0) {
          throw CatalogueReadError({"dosya %1 profil bildiriyor, ama yalnızca %2 profil içeriyor",
                                    {number(w.nCatalog), number(k - 1)}});
        }
        if (!field) {
          throw CatalogueReadError({"dosya %1. satırda, beş değerin %2 okunmuşken bitiyor",
                                    {number(row_line), Phrase{kCountsOfFive[col]}}});
        }
        if (k == 1 && col == 0) one_row_per_line = field->starts_line;
        if (one_row_per_line && col > 0 && field->starts_line) {
          throw CatalogueReadError(
              {"%1. satırda beş yerine %2 değer var", {number(row_line), Phrase{kCounts[col]}}});
        }
        if (col == 0) row_line = field->line;
        started_rows = k;
        (*columns[col])(k) = catalogue_number(*field, kColumns[col]);
        if (one_row_per_line && col == 4 && !field->ends_line) {
          throw CatalogueReadError({"%1. satırda beşten fazla değer var", {number(row_line)}});
        }
      }
      complete_rows = k;
    }
  } catch (const CatalogueMissing&) {
    keep_complete_rows();
    w.message(missing(w));
  } catch (const CatalogueReadError& error) {
    keep_complete_rows();
    w.message(unreadable(w, reason(error.reason()), complete_rows));
  } catch (const std::bad_alloc&) {
    keep_complete_rows();
    w.message(unreadable(w, "okumak için bellek yetmedi", complete_rows));
  } catch (const std::exception&) {
    keep_complete_rows();
    w.message(unreadable(w, "beklenmeyen bir hata oldu", complete_rows));
  }
}

}  // namespace airfoil
