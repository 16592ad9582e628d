// Arbitrary bytes as the catalogue file: start-up reads them, a few
// thickness/camber pairs are looked up, and a full cycle runs on whatever the
// catalogue gave. Rows that describe no usable circle may end a cycle with a
// fault; nothing may crash or let a non-finite number through.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "fuzz_checks.h"

namespace airfoil::fuzz {
namespace {

// The catalogue lives in an anonymous in-memory file, rewritten for every
// input; the reader opens it by its /proc path like any other file.
const std::string& catalogue_path_for(const std::uint8_t* data, std::size_t size) {
  static const int fd = memfd_create("catalogue", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (fd < 0 || ftruncate(fd, 0) != 0) broken("cannot prepare the in-memory catalogue");
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
    if (n <= 0) broken("cannot write the in-memory catalogue");
    done += static_cast<std::size_t>(n);
  }
  return path;
}

void check_messages(const Messages& m, const std::string& path) {
  for (const std::string& text : m.shown) {
    const bool unreadable = text.rfind(path + " dosyası okunamadı: ", 0) == 0;
    if (text != kCatalogueFileMissing && text != kProfileNotInCatalogue && text != kMooOutOfRange &&
        !unreadable) {
      broken("unexpected message \"" + text + "\"");
    }
  }
}

}  // namespace
}  // namespace airfoil::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace airfoil;
  using namespace airfoil::fuzz;

  Surfaces surfaces;
  Messages messages;
  const std::string& path = catalogue_path_for(data, size);
  Form1 form(surfaces.plots(), messages, path);
  form.Form_Load();
  if (form.last_fault()) broken("start-up ended with a fault: " + *form.last_fault());
  if (!(form.w.nCatalog <= 500)) broken("the lookup holds more than 500 rows");
  // After a reading failure the lookup holds the rows read whole, and every
  // cell beyond them reads 0.
  for (double k = form.w.nCatalog + 1; k <= 500; k += 1) {
    if (form.w.TabThickness(k) != 0 || form.w.TabCamber(k) != 0 || form.w.TabEps(k) != 0 ||
        form.w.TabDelta(k) != 0 || form.w.TabCol5(k) != 0) {
      broken("a row after the usable ones stayed in the catalogue");
    }
  }
  check_window(form.w);

  // Fixed pairs, both point-count parities, and one pair the input chooses,
  // so that the fuzzer can steer lookups towards the rows it wrote.
  const std::uint8_t a = size > 0 ? data[size - 1] : 0;
  const std::uint8_t b = size > 1 ? data[size - 2] : 0;
  const std::pair<int, int> pairs[] = {{0, 0}, {12, 4}, {30, 15}, {a % 31, b % 16}};
  const int points[] = {51, 11, 50, 101};
  for (std::size_t k = 0; k < std::size(pairs); ++k) {
    form.w.HScroll_Thickness.Value = pairs[k].first;
    form.w.HScroll_Camber.Value = pairs[k].second;
    form.w.HScroll_nP.Value = points[k];
    try {
      profil_hesapla(form.w);
    } catch (const Fault&) {
      // A row whose circle cannot be mapped is the fault this input deserves.
    }
    check_window(form.w);
  }

  form.profil_Click();
  check_window(form.w);
  set_scroll_value(form.w.HScroll_AlfaD, -10);
  form.HScroll_AlfaD_Change();
  check_window(form.w);
  set_scroll_value(form.w.HScroll_xM, 25);
  form.HScroll_xM_Change();
  check_window(form.w);
  check_messages(messages, path);
  return 0;
}
