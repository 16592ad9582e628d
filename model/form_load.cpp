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

// What the user is told when the file is there but could not be read to the
// end: why, and what of it can still be used.
Phrase unreadable(Phrase reason, double complete_rows) {
  if (complete_rows > 0) {
    return {"KATPE-D20G15.txt dosyası okunamadı: %1. Dosyanın başındaki %2 profil kullanılabilir.",
            {std::move(reason), number(complete_rows)}};
  }
  return {"KATPE-D20G15.txt dosyası okunamadı: %1. Katalogda kullanılabilir profil yok.",
          {std::move(reason)}};
}

}  // namespace

void Form_Load(Window& w) {
  w.pi = std::atan(1.0) * 4;
  w.BetaTE = 0;

  // Whatever goes wrong from here on, running out of memory included, is
  // reported and start-up goes on; what was read before the trouble stays in
  // the catalogue.
  double complete_rows = 0;
  try {
    CatalogueFile in(w.catalogue_path);
    in.skip_label();
    const std::optional<CatalogueField> count = in.next_field(kMaxNumberField);
    if (!count) throw CatalogueReadError("dosyada başlıktan sonra profil sayısı yok");
    w.nCatalog = catalogue_number(*count, "profil sayısı");

    Table<500>* const columns[5] = {&w.TabThickness, &w.TabCamber, &w.TabEps, &w.TabDelta, &w.TabCol5};
    // When the first row starts a line, the file is laid out one row per
    // line, and every row must start its own line: a row with a value too
    // many or too few would otherwise shift every later row by one column.
    bool one_row_per_line = false;
    long row_line = 0;
    for (double k = 1; k <= w.nCatalog; k += 1) {
      if (k > 500) {
        throw CatalogueReadError(
            {"dosya %1 profil bildiriyor, ama katalog en çok 500 profil alabilir; "
             "501. profil ve sonrası okunmadı",
             {number(w.nCatalog)}});
      }
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
        if (one_row_per_line && col == 0 && !field->starts_line) {
          complete_rows = k - 2;  // the row before held the extra value
          throw CatalogueReadError({"%1. satırda beşten fazla değer var", {number(field->line)}});
        }
        if (one_row_per_line && col > 0 && field->starts_line) {
          throw CatalogueReadError(
              {"%1. satırda beş yerine %2 değer var", {number(row_line), Phrase{kCounts[col]}}});
        }
        if (col == 0) row_line = field->line;
        (*columns[col])(k) = catalogue_number(*field, kColumns[col]);
      }
      complete_rows = k;
    }
  } catch (const CatalogueMissing&) {
    w.message(kCatalogueFileMissing);
  } catch (const CatalogueReadError& error) {
    w.message(unreadable(error.reason(), complete_rows));
  } catch (const std::bad_alloc&) {
    w.message(unreadable("okumak için bellek yetmedi", complete_rows));
  } catch (const std::exception&) {
    w.message(unreadable("beklenmeyen bir hata oldu", complete_rows));
  }
}

}  // namespace airfoil
