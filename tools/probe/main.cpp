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

#include "app_identity.h"
#include "arguments.h"
#include "charts/recording_surface.h"
#include "charts/surface_layout.h"
#include "model/recording_messages.h"
#include "report.h"
#include "tee_surface.h"
#include "ui/catalogue_search.h"
#include "ui/form.h"

#ifdef AIRFOIL_HAVE_RASTER
#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "charts/raster/raster_surface.h"
#endif

namespace airfoil::probe {
namespace {

#ifdef AIRFOIL_HAVE_RASTER
// Writes `bytes` to `file` through a new temporary file in the same folder,
// renamed over the name at the end. The name is a plain path whatever it
// looks like, and whatever stood there before (a symbolic link included) is
// replaced, never written through; a failed write leaves it as it was.
bool write_replacing(const std::filesystem::path& file, const QByteArray& bytes) {
  std::string temporary = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  const char* data = bytes.constData();
  std::size_t left = static_cast<std::size_t>(bytes.size());
  bool ok = true;
  while (ok && left > 0) {
    const ssize_t n = write(fd, data, left);
    ok = n > 0;
    if (ok) {
      data += n;
      left -= static_cast<std::size_t>(n);
    }
  }
  // mkstemp makes the file private; a picture is an ordinary output file.
  const mode_t mask = umask(0);
  umask(mask);
  ok = ok && fchmod(fd, 0666 & ~mask) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}
#endif

// Every box the user would see, fault boxes included, becomes a line of the
// report; the technical detail of a fault is reported under "fault" from the
// form itself.
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
      QByteArray png;
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      if (!rasters_[i]->image().save(&buffer, "PNG") || !write_replacing(file, png)) {
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
#ifndef AIRFOIL_HAVE_RASTER
  if (options.png_dir) {
    std::fputs("airfoil-probe: --png: this build has no raster surface (built without Qt)\n", stderr);
    return 2;
  }
#endif

  ProbeSurfaces surfaces(options.png_dir.has_value());
  RecordedMessages messages;
  const std::string catalogue =
      options.catalogue.empty() ? find_catalogue(catalogue_search_here()) : options.catalogue;
  Form1 form(surfaces.plots(), messages, catalogue);
  form.Form_Load();
  for (const Action& action : options.actions) perform(form, action);

  int status = 0;
#ifdef AIRFOIL_HAVE_RASTER
  if (options.png_dir && !surfaces.write_pngs(*options.png_dir)) status = 1;
#endif

  const std::string json = json_report(form, messages.boxes, surfaces.recordings());
  if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
    std::fputs("airfoil-probe: cannot write the report to standard output\n", stderr);
    return 1;
  }
  return status;
}

}  // namespace
}  // namespace airfoil::probe

int main(int argc, char** argv) { return airfoil::probe::run(argc, argv); }
