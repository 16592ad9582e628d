// The probe's files: the pictures as PNG (--png), and everything the window
// exports (--export), through the window's own exporter.
#pragma once

#include <array>
#include <filesystem>
#include <memory>

#include "charts/recording_surface.h"
#include "ui/form.h"

class QGuiApplication;

namespace airfoil::probe {

// Fonts need a GUI application for as long as pictures are made; without a
// display the offscreen platform serves, unless the caller chose another.
class PictureSession {
 public:
  PictureSession();
  ~PictureSession();
  PictureSession(const PictureSession&) = delete;
  PictureSession& operator=(const PictureSession&) = delete;

 private:
  std::unique_ptr<QGuiApplication> app_;
};

using Recordings = std::array<const RecordingSurface*, 5>;  // in the order of the surface table

// Both need a PictureSession alive.
// Writes DIR/<picture>.png for the five pictures, with their labels. On the
// first file that cannot be written, says why on standard error and returns
// false.
bool write_pngs(const std::filesystem::path& dir, const Recordings& recordings);

// Writes DIR/<picture>.png and .svg, the four CSV files of the window, the
// boundary layer and the polar at Reynolds number re, and DIR/handout.pdf.
bool write_exports(const std::filesystem::path& dir, const Recordings& recordings, const Form1& form,
                   double re);

}  // namespace airfoil::probe
