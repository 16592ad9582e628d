#include "exports.h"

#include <QBuffer>
#include <QDate>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "ui/export_csv.h"
#include "ui/output_file.h"
#include "ui/render/exporter.h"
#include "ui/render/picture_labels.h"
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

// A file name is a plain path whatever it looks like (Qt would take ":out"
// for a resource), and a link standing there is replaced, never written
// through.
bool write(const std::filesystem::path& file, const QByteArray& bytes) {
  const std::string why = replace_file(file.string(), std::string_view(bytes.constData(), bytes.size()));
  if (why.empty()) return true;
  std::fprintf(stderr, "airfoil-probe: cannot write %s: %s\n", file.string().c_str(), why.c_str());
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
  for (const DataTable& table : kDataTables) {
    if (!write(dir / table.file, QByteArray::fromStdString(table_text(table, form)))) return false;
  }
  if (!write(dir / "boundary_layer.csv",
             QByteArray::fromStdString(boundary_layer_csv(boundary_layer(form.w, re))))) {
    return false;
  }
  if (!write(dir / "polar.csv", QByteArray::fromStdString(polar_csv(boundary_layer_polar(form.w, re))))) {
    return false;
  }
  return write(dir / "handout.pdf",
               handout_pdf(all, handout_lines(form), handout_strip(form), QDate::currentDate()));
}

}  // namespace airfoil::probe
