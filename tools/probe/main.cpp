// airfoil-probe: runs the main window without a display. Start-up, then the
// actions of the command line in order, then one JSON object on standard
// output with everything the window holds and shows.

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "charts/recording_surface.h"
#include "ui/surface_layout.h"
#include "model/recording_messages.h"
#include "report.h"
#include "tee_surface.h"
#include "ui/form.h"

#ifdef AIRFOIL_HAVE_RASTER
#include <QFile>
#include <QImage>

#include "charts/raster/raster_surface.h"
#endif

namespace airfoil::probe {
namespace {

// The message boxes become lines of the report; a fault is reported under
// "fault" from the form itself.
using RecordedMessages = RecordingMessages;

// The five surfaces in the order of kSurfaceLayouts. Each one records; with
// pictures requested it also draws, through a tee, into a raster image.
class ProbeSurfaces {
 public:
  explicit ProbeSurfaces([[maybe_unused]] bool draw) {
    for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
      const SurfaceLayout& entry = kSurfaceLayouts[i];
      recordings_[i] = std::make_unique<RecordingSurface>(entry.BackColor, entry.ForeColor);
      surfaces_[i] = recordings_[i].get();
#ifdef AIRFOIL_HAVE_RASTER
      if (draw) {
        rasters_[i] = std::make_unique<RasterSurface>(entry.pixel_width(), entry.pixel_height(),
                                                      entry.BackColor, entry.ForeColor);
        tees_[i] = std::make_unique<TeeSurface>(*recordings_[i], *rasters_[i]);
        surfaces_[i] = tees_[i].get();
      }
#endif
    }
  }

  Plots plots() {
    return Plots{*surfaces_[0], *surfaces_[1], *surfaces_[2], *surfaces_[3], *surfaces_[4]};
  }

  std::array<NamedRecording, 5> recordings() const {
    std::array<NamedRecording, 5> named{};
    for (std::size_t i = 0; i < named.size(); ++i) {
      named[i] = {kSurfaceLayouts[i].name.data(), recordings_[i].get()};
    }
    return named;
  }

#ifdef AIRFOIL_HAVE_RASTER
  // Writes DIR/<surface>.png for every surface; returns false and says why
  // on the first one that cannot be written.
  bool write_pngs(const std::filesystem::path& dir) const {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
      std::fprintf(stderr, "airfoil-probe: cannot create %s: %s\n", dir.string().c_str(),
                   error.message().c_str());
      return false;
    }
    for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
      const std::filesystem::path file = dir / (std::string(kSurfaceLayouts[i].name) + ".png");
      if (!rasters_[i]->image().save(QFile::decodeName(file.c_str()), "PNG")) {
        std::fprintf(stderr, "airfoil-probe: cannot write %s\n", file.string().c_str());
        return false;
      }
    }
    return true;
  }
#endif

 private:
  std::array<std::unique_ptr<RecordingSurface>, 5> recordings_;
  std::array<Surface*, 5> surfaces_{};
#ifdef AIRFOIL_HAVE_RASTER
  std::array<std::unique_ptr<RasterSurface>, 5> rasters_;
  std::array<std::unique_ptr<TeeSurface>, 5> tees_;
#endif
};

static_assert(kSurfaceLayouts[0].name == "daire" && kSurfaceLayouts[4].name == "Picture_CM",
              "Plots are built in the order of the surface table");

int run(int argc, const char* const* argv) {
  Options options;
  try {
    options = parse_arguments(argc, argv);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "airfoil-probe: %s\nTry 'airfoil-probe --help'.\n", error.what());
    return 2;
  }
  if (options.help) {
    std::fputs(usage_text().c_str(), stdout);
    return 0;
  }
#ifndef AIRFOIL_HAVE_RASTER
  if (options.png_dir) {
    std::fputs("airfoil-probe: --png: this build has no raster surface (built without Qt)\n", stderr);
    return 2;
  }
#endif

  ProbeSurfaces surfaces(options.png_dir.has_value());
  RecordedMessages messages;
  Form1 form(surfaces.plots(), messages, options.catalogue);
  form.Form_Load();
  for (const Action& action : options.actions) perform(form, action);

  int status = 0;
#ifdef AIRFOIL_HAVE_RASTER
  if (options.png_dir && !surfaces.write_pngs(*options.png_dir)) status = 1;
#endif

  const std::string json = json_report(form, messages.shown, surfaces.recordings());
  if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
    std::fputs("airfoil-probe: cannot write the report to standard output\n", stderr);
    return 1;
  }
  return status;
}

}  // namespace
}  // namespace airfoil::probe

int main(int argc, char** argv) { return airfoil::probe::run(argc, argv); }
