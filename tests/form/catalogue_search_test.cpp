// Where start-up finds the catalogue: the working directory first, then the
// installed copy beside the program, then (from the build tree only) the
// project's data/ copy; with none, the bare name, so start-up says it is
// missing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

#include "model/window.h"
#include "ui/catalogue_search.h"

namespace airfoil::testing {
namespace {

namespace fs = std::filesystem;

struct Layout {
  bool in_working_dir;
  bool installed;
  bool in_source_data;
  bool run_from_build_tree;
  const char* expected;  // "name", "installed", "source" or "name (missing)"
};

class CatalogueSearchTest : public ::testing::TestWithParam<Layout> {};

TEST_P(CatalogueSearchTest, PicksTheFirstPlaceThatHoldsOne) {
  const Layout& l = GetParam();
  // A folder of its own: ctest runs the cases side by side.
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::replace(name.begin(), name.end(), '/', '_');
  const fs::path root = fs::path(::testing::TempDir()) / ("catalogue_search_" + name);
  fs::remove_all(root);
  const fs::path work = root / "work", bin = root / "prefix/bin",
                 share = root / "prefix/share/pelmora-airfoil", build = root / "build",
                 data = root / "source/data";
  for (const fs::path& dir : {work, bin, share, build / "ui/qt", data}) fs::create_directories(dir);
  const auto place = [](const fs::path& dir, bool yes) {
    if (yes) std::ofstream(dir / kCatalogueFileName) << "label\n0\n";
  };
  place(work, l.in_working_dir);
  place(share, l.installed);
  place(data, l.in_source_data);

  const CatalogueSearch where{work, l.run_from_build_tree ? build / "ui/qt" : bin, "../share/pelmora-airfoil",
                              build, data};
  const std::string found = find_catalogue(where);
  const std::string expected = std::string(l.expected) == "installed" ? (share / kCatalogueFileName).string()
                               : std::string(l.expected) == "source"  ? (data / kCatalogueFileName).string()
                                                                      : std::string(kCatalogueFileName);
  EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(Places, CatalogueSearchTest,
                         ::testing::Values(
                             // A teacher's own catalogue in the working directory wins over both copies.
                             Layout{true, true, true, false, "name"}, Layout{true, false, true, true, "name"},
                             Layout{false, true, true, false, "installed"},
                             // The project's copy only for a program run from its build tree.
                             Layout{false, false, true, true, "source"},
                             Layout{false, false, true, false, "name (missing)"},
                             Layout{false, false, false, true, "name (missing)"}));

// A name in the working folder that is no readable file is passed over for
// the installed copy, and start-up is told which file is read and why.
TEST(CatalogueSearch, AnEntryThatIsNoFileIsPassedOverWithANotice) {
  const fs::path root = fs::path(::testing::TempDir()) / "catalogue_search_entries";
  fs::remove_all(root);
  fs::create_directories(root / "share");
  std::ofstream(root / "share" / kCatalogueFileName) << "label\n0\n";
  const fs::path installed = root / "share" / kCatalogueFileName;
  const std::pair<std::function<void(const fs::path&)>, const char*> entries[] = {
      {[](const fs::path& p) { fs::create_directories(p); }, "bu ad bir klasörün adı"},
      {[](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone", p); },
       "bu ad var olmayan bir dosyayı gösteren bir bağlantı"},
      {[](const fs::path& p) { fs::create_symlink(p, p); },
       "bu ad kendi üzerine dönen bir bağlantı zinciri"}};
  for (const auto& [make, why] : entries) {
    const fs::path work = root / "work";
    fs::remove_all(work);
    fs::create_directories(work);
    make(work / kCatalogueFileName);
    const CatalogueSource found =
        choose_catalogue({work, root / "bin", "../share", root / "build", root / "data"});
    EXPECT_EQ(found.path, installed.string());
    ASSERT_TRUE(found.passed_over) << why;
    EXPECT_EQ(turkish(*found.passed_over), std::string("Çalışma klasöründeki KATPE-D20G15.txt okunmadı: ") +
                                               why + ". Onun yerine " + installed.string() + " okundu.");
  }
}

TEST(CatalogueSearch, ThisProcessRunsFromItsBuildTreeAndFindsTheProjectsCopy) {
  // The tests run from the build tree, so the project's data/ copy is found
  // from a folder that holds none.
  const fs::path empty = fs::path(::testing::TempDir()) / "catalogue_search_empty";
  fs::create_directories(empty);
  CatalogueSearch here = catalogue_search_here();
  here.working_dir = empty;
  EXPECT_EQ(fs::path(find_catalogue(here)), fs::path(AIRFOIL_SOURCE_DIR) / "data" / kCatalogueFileName);
}

}  // namespace
}  // namespace airfoil::testing
