// Where start-up reads the catalogue from. The working directory comes first,
// exactly as it always has, so a teacher's own catalogue there wins. When it
// holds none, the copy installed with the program is read, found from the
// executable's own folder so that an installed or moved program starts from
// any folder; and a program started from its build tree reads the project's
// data/ copy. When none of them exists, the plain file name is returned and
// start-up says the catalogue is missing, as it always did.
#pragma once

#include <filesystem>
#include <string>

#include "model/window.h"

namespace airfoil {

struct CatalogueSearch {
  std::filesystem::path working_dir;      // where the program was started
  std::filesystem::path executable_dir;   // the folder of the running program
  std::filesystem::path installed_dir;    // the installed copy's folder, relative to executable_dir
  std::filesystem::path build_dir;        // the build tree the program was built in
  std::filesystem::path source_data_dir;  // the project's data/ folder
};

// The path Form_Load should open: the bare file name when the working
// directory holds the catalogue (or when nothing does), else a full path.
// When the working directory's entry of that name is no readable file (a
// link to nothing, a loop of links, a folder, a pipe, a device) and another
// copy is read instead, `passed_over` says which file is read and why the
// other is not.
CatalogueSource choose_catalogue(const CatalogueSearch& where);

// The path alone.
std::string find_catalogue(const CatalogueSearch& where);

// The search for this process: its working directory, its executable, and
// the install and build layout it was built for.
CatalogueSearch catalogue_search_here();

// The folder of the running executable, or an empty path when the system
// cannot tell.
std::filesystem::path executable_dir();

}  // namespace airfoil
