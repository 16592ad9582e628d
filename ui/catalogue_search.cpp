#include "ui/catalogue_search.h"

#include <optional>
#include <system_error>

#include "model/catalogue.h"

#include "model/window.h"

// Set by the build from its install layout and its own folders.
#if !defined(AIRFOIL_INSTALLED_DATA_FROM_BIN) || !defined(AIRFOIL_BUILD_DIR) || \
    !defined(AIRFOIL_SOURCE_DATA_DIR)
#error "the build defines where the installed and the project's catalogue live"
#endif

namespace airfoil {

namespace fs = std::filesystem;

namespace {

// A folder that is not there, or a directory that carries the catalogue's
// name, holds no catalogue.
bool holds_catalogue(const fs::path& dir) {
  std::error_code error;
  return !dir.empty() && fs::is_regular_file(dir / kCatalogueFileName, error);
}

// Whether `path` lies inside `dir`, both taken as they are on disk.
bool inside(const fs::path& path, const fs::path& dir) {
  std::error_code error;
  const fs::path real_path = fs::weakly_canonical(path, error);
  if (error) return false;
  const fs::path real_dir = fs::weakly_canonical(dir, error);
  if (error || real_dir.empty()) return false;
  auto p = real_path.begin();
  for (auto d = real_dir.begin(); d != real_dir.end(); ++d, ++p) {
    if (d->empty()) continue;  // the trailing separator of a folder name
    if (p == real_path.end() || *p != *d) return false;
  }
  return true;
}

}  // namespace

namespace {

std::string other_copy(const CatalogueSearch& where) {
  if (!where.executable_dir.empty()) {
    const fs::path installed = (where.executable_dir / where.installed_dir).lexically_normal();
    if (holds_catalogue(installed)) return (installed / kCatalogueFileName).string();
    if (inside(where.executable_dir, where.build_dir) && holds_catalogue(where.source_data_dir)) {
      return (where.source_data_dir / kCatalogueFileName).string();
    }
  }
  return {};
}

}  // namespace

CatalogueSource choose_catalogue(const CatalogueSearch& where) {
  if (holds_catalogue(where.working_dir)) return CatalogueSource(kCatalogueFileName);
  const std::string other = other_copy(where);
  if (other.empty()) return CatalogueSource(kCatalogueFileName);
  CatalogueSource source(other);
  // A teacher who put a catalogue in the folder expects it to be read; when
  // the name there is something else, say what, and which copy is read.
  if (!where.working_dir.empty()) {
    if (std::optional<Phrase> why = not_a_plain_file((where.working_dir / kCatalogueFileName).string())) {
      source.passed_over =
          Phrase("Çalışma klasöründeki KATPE-D20G15.txt okunmadı: %1. Onun yerine %2 okundu.",
                 {std::move(*why), literal(other)});
    }
  }
  return source;
}

std::string find_catalogue(const CatalogueSearch& where) { return choose_catalogue(where).path; }

fs::path executable_dir() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : self.parent_path();
}

CatalogueSearch catalogue_search_here() {
  std::error_code error;
  fs::path working = fs::current_path(error);
  if (error) working.clear();
  return {working, executable_dir(), AIRFOIL_INSTALLED_DATA_FROM_BIN, AIRFOIL_BUILD_DIR,
          AIRFOIL_SOURCE_DATA_DIR};
}

}  // namespace airfoil
