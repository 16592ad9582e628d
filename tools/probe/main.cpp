// airfoil-probe: runs the main window without a display. Start-up, then the
// actions of the command line in order, then one JSON object on standard
// output with everything the window holds and shows.

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app_identity.h"
#include "arguments.h"
#include "charts/recording_surface.h"
#include "flow_options.h"
#include "model/recording_messages.h"
#include "report.h"
#include "ui/catalogue_search.h"
#include "ui/form.h"
#include "ui/output_file.h"
#include "ui/surface_layout.h"

#ifdef AIRFOIL_HAVE_PICTURES
#include "exports.h"
#endif

namespace airfoil::probe {
namespace {

// Every box the user would see, fault boxes included, becomes a line of the
// report; the technical detail of a fault is reported under "fault" from the
// form itself.
using RecordedMessages = RecordingMessages;

// The five surfaces in the order of kSurfaceLayouts. Each one records; the
// pictures written to files are replays of what they recorded.
class ProbeSurfaces {
 public:
  ProbeSurfaces() {
    for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
      const SurfaceLayout& entry = kSurfaceLayouts[i];
      recordings_[i] = std::make_unique<RecordingSurface>(entry.BackColor, entry.ForeColor);
    }
  }

  Plots plots() {
    return Plots{*recordings_[0], *recordings_[1], *recordings_[2], *recordings_[3], *recordings_[4]};
  }

  std::array<NamedRecording, 5> recordings() const {
    std::array<NamedRecording, 5> named{};
    for (std::size_t i = 0; i < named.size(); ++i) {
      named[i] = {kSurfaceLayouts[i].name.data(), recordings_[i].get()};
    }
    return named;
  }

  std::array<const RecordingSurface*, 5> surfaces() const {
    return {recordings_[0].get(), recordings_[1].get(), recordings_[2].get(), recordings_[3].get(),
            recordings_[4].get()};
  }

 private:
  std::array<std::unique_ptr<RecordingSurface>, 5> recordings_;
};

static_assert(kSurfaceLayouts[0].name == "daire" && kSurfaceLayouts[4].name == "Picture_CM",
              "Plots are built in the order of the surface table");

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

  ProbeSurfaces surfaces;
  RecordedMessages messages;
  const CatalogueSource catalogue = options.catalogue.empty() ? choose_catalogue(catalogue_search_here())
                                                              : CatalogueSource(options.catalogue);
  Form1 form(surfaces.plots(), messages, catalogue);
  form.Form_Load();
  std::vector<FlowProbe> points;
  double reynolds = kReynoldsDefault;
  for (const Action& action : options.actions) {
    if (action.kind == Action::Kind::Reynolds) {
      reynolds = action.reynolds;
    } else if (action.kind == Action::Kind::FlowAt) {
      points.push_back(probe_flow(form.w, action.at));
    } else {
      perform(form, action);
    }
  }

  int status = 0;
#ifdef AIRFOIL_HAVE_PICTURES
  std::optional<PictureSession> session;
  if (options.png_dir || options.export_dir) session.emplace();
  if (options.png_dir && !write_pngs(*options.png_dir, surfaces.surfaces())) status = 1;
  if (options.export_dir && !write_exports(*options.export_dir, surfaces.surfaces(), form, reynolds))
    status = 1;
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

  const std::string json = json_report(form, messages.boxes, surfaces.recordings(), points, reynolds);
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
