#include "exports.h"

#include <QBuffer>
#include <QDate>
#include <QGuiApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "ui/export_csv.h"
#include "ui/qt/exporter.h"
#include "ui/qt/picture_labels.h"
#include "ui/surface_layout.h"

namespace airfoil::probe {

namespace {

bool make_directory(const std::filesystem::path& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (!error) return true;
  std::fprintf(stderr, "airfoil-probe: cannot create %s: %s\n", dir.string().c_str(),
               error.message().c_str());
  return false;
}

// Writes `bytes` to `file` through a new temporary file in the same folder,
// renamed over the name at the end. The name is a plain path whatever it
// looks like (Qt would take ":out" for a resource), and whatever stood there
// before, a symbolic link included, is replaced, never written through; a
// failed write leaves it as it was.
bool write_replacing(const std::filesystem::path& file, const QByteArray& bytes) {
  // Built by appending only: GCC 12 at -O3 takes "." + name for a possible
  // overlapping copy and warns (-Wrestrict) where there is none.
  std::string name;
  name += '.';
  name += file.filename().string();
  name += ".XXXXXX";
  std::string temporary = (file.parent_path() / name).string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  const char* data = bytes.constData();
  std::size_t left = static_cast<std::size_t>(bytes.size());
  bool ok = true;
  while (ok && left > 0) {
    const ssize_t n = ::write(fd, data, left);
    ok = n > 0;
    if (ok) {
      data += n;
      left -= static_cast<std::size_t>(n);
    }
  }
  // mkstemp makes the file private; these are ordinary output files.
  const mode_t mask = umask(0);
  umask(mask);
  ok = ok && fchmod(fd, 0666 & ~mask) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

bool write(const std::filesystem::path& file, const QByteArray& bytes) {
  if (write_replacing(file, bytes)) return true;
  std::fprintf(stderr, "airfoil-probe: cannot write %s\n", file.string().c_str());
  return false;
}

std::array<PictureContent, 5> pictures(const Recordings& recordings) {
  std::array<PictureContent, 5> all;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const SurfaceLayout& entry = kSurfaceLayouts[i];
    all[i] = {QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())),
              QSize(entry.pixel_width(), entry.pixel_height()),
              entry.BackColor,
              entry.ForeColor,
              recordings[i]->calls(),
              recordings[i]->scale_at_start(),
              annotation_labels(static_cast<SurfaceId>(i))};
  }
  return all;
}

QByteArray png(const PictureContent& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture_image(picture).save(&buffer, "PNG");
  return bytes;
}

std::filesystem::path file_of(const std::filesystem::path& dir, const QString& name, const char* ext) {
  return dir / (name.toStdString() + ext);
}

}  // namespace

PictureSession::PictureSession() {
  static int argc = 1;
  static char name[] = "airfoil-probe";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() != nullptr) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app_ = std::make_unique<QGuiApplication>(argc, argv);
}

PictureSession::~PictureSession() = default;

bool write_pngs(const std::filesystem::path& dir, const Recordings& recordings) {
  if (!make_directory(dir)) return false;
  for (const PictureContent& picture : pictures(recordings)) {
    if (!write(file_of(dir, picture.name, ".png"), png(picture))) return false;
  }
  return true;
}

bool write_exports(const std::filesystem::path& dir, const Recordings& recordings, const Form1& form,
                   double re) {
  if (!make_directory(dir)) return false;
  const std::array<PictureContent, 5> all = pictures(recordings);
  for (const PictureContent& picture : all) {
    if (!write(file_of(dir, picture.name, ".png"), png(picture))) return false;
    if (!write(file_of(dir, picture.name, ".svg"), picture_svg(picture))) return false;
  }
  const struct {
    const char* name;
    std::string (*make)(const Window&);
  } tables[] = {{"section.csv", section_csv},
                {"circle.csv", circle_csv},
                {"lift.csv", lift_csv},
                {"moment.csv", moment_csv}};
  for (const auto& table : tables) {
    const std::string text = table.make(form.w);
    if (!write(dir / table.name, QByteArray::fromStdString(text))) return false;
  }
  if (!write(dir / "boundary_layer.csv",
             QByteArray::fromStdString(boundary_layer_csv(boundary_layer(form.w, re))))) {
    return false;
  }
  if (!write(dir / "polar.csv", QByteArray::fromStdString(polar_csv(boundary_layer_polar(form.w, re))))) {
    return false;
  }
  return write(dir / "handout.pdf", handout_pdf(all, form.w, QDate::currentDate()));
}

}  // namespace airfoil::probe
