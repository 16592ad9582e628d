#include <cmath>

#include "model/catalogue.h"
#include "model/window.h"

namespace airfoil {

void Form_Load(Window& w) {
  w.pi = std::atan(1.0) * 4;
  w.BetaTE = 0;

  // Whatever goes wrong from here on gives the one start-up message; what was
  // read before the trouble stays in the catalogue.
  try {
    FieldReader in(read_catalogue_file(w.catalogue_path));
    in.next_field();  // the label line
    w.nCatalog = in.next_number();
    for (double k = 1; k <= w.nCatalog; k += 1) {
      if (k > 500) throw CatalogueReadError("the catalogue holds at most 500 rows");
      w.TabThickness(k) = in.next_number();
      w.TabCamber(k) = in.next_number();
      w.TabEps(k) = in.next_number();
      w.TabDelta(k) = in.next_number();
      w.TabCol5(k) = in.next_number();
    }
  } catch (const CatalogueReadError&) {
    w.message(kCatalogueFileMissing);
  }
}

}  // namespace airfoil
