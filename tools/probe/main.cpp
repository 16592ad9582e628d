// airfoil-probe: runs the main window without a display. Start-up, then the
// actions of the command line in order, then one JSON object on standard
// output with everything the window holds and shows.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "app_identity.h"
#include "arguments.h"
#include "flow_options.h"
#include "session.h"
#include "ui/catalogue_search.h"
#include "ui/form.h"
#include "ui/output_file.h"

#ifdef AIRFOIL_HAVE_PICTURES
#include "exports.h"
#endif

namespace airfoil::probe {
namespace {

int run(int argc, const char* const* argv) {
  Options options;
  try {
    options = parse_arguments(argc, argv);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "airfoil-probe: %s\n\n%s", error.what(), usage_text().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(usage_text().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("airfoil-probe (%s) %s\n", kAppName, kAppVersion);
    return 0;
  }
#ifndef AIRFOIL_HAVE_PICTURES
  if (options.png_dir || options.export_dir) {
    std::fputs("airfoil-probe: --png and --export need the pictures (built without Qt)\n", stderr);
    return 2;
  }
#endif

  const CatalogueSource catalogue = options.catalogue.empty() ? choose_catalogue(catalogue_search_here())
                                                              : CatalogueSource(options.catalogue);
  Session session(catalogue);
  for (const Action& action : options.actions) session.act(action);
  Form1& form = session.form();

  int status = 0;
#ifdef AIRFOIL_HAVE_PICTURES
  std::optional<PictureSession> pictures;
  if (options.png_dir || options.export_dir) pictures.emplace();
  if (options.png_dir && !write_pngs(*options.png_dir, session.surfaces())) status = 1;
  if (options.export_dir &&
      !write_exports(*options.export_dir, session.surfaces(), form, session.reynolds())) {
    status = 1;
  }
#endif

  if (options.flow_csv) {
    // Written like the exports: a file already there stays whole until the
    // new one is complete, and a link in its place is not followed.
    const std::string why = replace_file(*options.flow_csv, flow_csv(form.w));
    if (!why.empty()) {
      std::fprintf(stderr, "airfoil-probe: cannot write %s: %s\n", options.flow_csv->c_str(), why.c_str());
      status = 1;
    }
  }

  const std::string json = session.report();
  errno = 0;
  if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "airfoil-probe: cannot write the report to standard output: %s\n",
                 errno != 0 ? std::strerror(errno) : "write error");
    return 1;
  }
  return status;
}

}  // namespace
}  // namespace airfoil::probe

int main(int argc, char** argv) { return airfoil::probe::run(argc, argv); }
