// The probe's files: the pictures as PNG (--png), and everything the window
// exports (--export), through the window's own exporter.
#pragma once

#include <array>
#include <filesystem>

#include "charts/recording_surface.h"
#include "ui/form.h"

namespace airfoil::probe {

using Recordings = std::array<const RecordingSurface*, 5>;  // in the order of the surface table

// Writes DIR/<picture>.png for the five pictures, with their labels. On the
// first file that cannot be written, says why on standard error and returns
// false.
bool write_pngs(const std::filesystem::path& dir, const Recordings& recordings);

// Writes DIR/<picture>.png and .svg, the four CSV files and DIR/handout.pdf.
bool write_exports(const std::filesystem::path& dir, const Recordings& recordings, const Form1& form);

}  // namespace airfoil::probe
