// The readouts window without a toolkit: its rows (each key number of the
// drawn case beside its thin-airfoil value, with the formula for a tooltip),
// the compressibility notice, the pinned cases' legend, and the four sweep
// charts as drawings of plain shapes with their tables. The desktop window
// and the web page both show exactly this; texts are Turkish sources in the
// "Readouts" context (ui/readout_texts.h), numbers literal parts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/phrase.h"
#include "model/readouts.h"
#include "ui/flow_scene.h"
#include "ui/lesson.h"
#include "ui/translatable.h"

namespace airfoil {

inline constexpr const char* kReadoutsTitle = QT_TRANSLATE_NOOP("Readouts", "Okumalar");

// The column headings over the rows: the quantity, this section, thin-airfoil
// theory. They carry the bold markup the desktop's labels read.
inline constexpr std::array<const char*, 3> kReadoutHeadings{{
    QT_TRANSLATE_NOOP("Readouts", "<b>Büyüklük</b>"),
    QT_TRANSLATE_NOOP("Readouts", "<b>Bu kesit</b>"),
    QT_TRANSLATE_NOOP("Readouts", "<b>İnce kanat kuramı</b>"),
}};

// One row: its key (the probe's name where it has one), its name and the
// formula behind it.
struct ReadoutRow {
  const char* key;
  const char* name;
  const char* formula;
};

inline constexpr std::array<ReadoutRow, 12> kReadoutRows{{
    {"cl", QT_TRANSLATE_NOOP("Readouts", "CL"),
     QT_TRANSLATE_NOOP("Readouts", "CL = 8π (R/c) sin(α + βTE); ince kanat: 2π (α − αL0)")},
    {"cm", QT_TRANSLATE_NOOP("Readouts", "CM (xM çevresinde)"),
     QT_TRANSLATE_NOOP("Readouts", "CM = 4π/c² sin 2α + CL (ε cos α − δ sin α)/c + CL (xM + xShift) cos α")},
    {"cl_corrected", QT_TRANSLATE_NOOP("Readouts", "CL, düzeltilmiş"),
     QT_TRANSLATE_NOOP("Readouts", "Prandtl-Glauert: CL / √(1 − Moo²), çizilen Moo ile")},
    {"cm_corrected", QT_TRANSLATE_NOOP("Readouts", "CM, düzeltilmiş"),
     QT_TRANSLATE_NOOP("Readouts", "Prandtl-Glauert: CM / √(1 − Moo²), çizilen Moo ile")},
    {"alpha_zero_lift_deg", QT_TRANSLATE_NOOP("Readouts", "Sıfır taşıma açısı αL0"),
     QT_TRANSLATE_NOOP("Readouts", "αL0 = −βTE = −atan(δ / (1 + ε)); ince kanat: −2 f/c")},
    {"cl_alpha", QT_TRANSLATE_NOOP("Readouts", "dCL/dα (αL0'da)"),
     QT_TRANSLATE_NOOP("Readouts", "dCL/dα = 8π R/c (1/rad) = 8π R/c · π/180 (1/°); ince kanat: 2π")},
    {"x_ac", QT_TRANSLATE_NOOP("Readouts", "Aerodinamik merkez x_ac/c"),
     QT_TRANSLATE_NOOP("Readouts", "Bu α'da dCM/dα = 0 olan nokta; ince kanat: c/4")},
    {"cm_ac", QT_TRANSLATE_NOOP("Readouts", "CM (x_ac çevresinde)"),
     QT_TRANSLATE_NOOP("Readouts", "CM, x_ac çevresinde, bu α'da; ince kanat: c/4 çevresinde −π f/c")},
    {"cp_min", QT_TRANSLATE_NOOP("Readouts", "Cp_min"),
     QT_TRANSLATE_NOOP("Readouts",
                       "Tam yüzeyde en düşük Cp = 1 − V², dairedeki açı üzerinde en küçüklenir (nP'den "
                       "bağımsız)")},
    {"x_cp_min", QT_TRANSLATE_NOOP("Readouts", "Cp_min'in x/c'si"),
     QT_TRANSLATE_NOOP("Readouts", "Tam yüzeyde en düşük basıncın yeri")},
    {"m_crit", QT_TRANSLATE_NOOP("Readouts", "Kritik Mach sayısı Mkritik"),
     QT_TRANSLATE_NOOP(
         "Readouts",
         "Cp_min / √(1 − M²) = Cp*(M), Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4")},
    {"cp_star", QT_TRANSLATE_NOOP("Readouts", "Ses hızı Cp* (çizilen Moo)"),
     QT_TRANSLATE_NOOP("Readouts", "Cp* = 2/(γM²)·[((2 + (γ−1)M²)/(γ+1))^(γ/(γ−1)) − 1], γ = 1.4")},
}};

// What a row shows: the value of this section and the thin-airfoil value
// (empty where theory has none to compare).
struct ReadoutCells {
  Phrase value;
  Phrase thin;
};

// The cells of every row of kReadoutRows, in its order, for readouts `r`.
std::vector<ReadoutCells> readout_cells(const Readouts& r);

// The legend of pinned cases under its heading, one case a line, or what to
// press to pin one.
Phrase readouts_legend(const Window& w);

// The texts of the lesson's entries on the pictures' menus: the presets'
// submenu, the unpin-one submenu, and its entry when nothing is pinned.
inline constexpr const char* kPresetsMenuText = QT_TRANSLATE_NOOP("Readouts", "Hazır durumlar");
inline constexpr const char* kUnpinMenuText = QT_TRANSLATE_NOOP("Readouts", "Referansı kaldır");
inline constexpr const char* kNoReferenceText = QT_TRANSLATE_NOOP("Readouts", "Referans yok");
// Translation context of the presets' names (kPresets).
inline constexpr const char* kPresetsContext = "Presets";

// One sweep chart: CL or CM about xM against camber or thickness.
struct SweepChartKind {
  const char* title;
  const char* name;  // the file name its picture and table are offered under
  bool along_camber;
  bool moment;
};

inline constexpr std::array<SweepChartKind, 4> kSweepCharts{{
    {QT_TRANSLATE_NOOP("Readouts", "CL − kamburluk f/c"), "sweep_cl_camber", true, false},
    {QT_TRANSLATE_NOOP("Readouts", "CM (xM) − kamburluk f/c"), "sweep_cm_camber", true, true},
    {QT_TRANSLATE_NOOP("Readouts", "CL − kalınlık t/c"), "sweep_cl_thickness", false, false},
    {QT_TRANSLATE_NOOP("Readouts", "CM (xM) − kalınlık t/c"), "sweep_cm_thickness", false, true},
}};

// The designed size of a sweep chart, logical pixels at zoom 1.
inline constexpr int kSweepChartWidth = 260, kSweepChartHeight = 150;

// What the four charts show for one drawn case: the camber sweep and the
// thickness sweep (each a catalogue pass), and the live ratios to mark.
struct Sweeps {
  std::vector<SweepPoint> camber, thickness;
  double live_camber = 0, live_thickness = 0;

  const std::vector<SweepPoint>& of(const SweepChartKind& chart) const {
    return chart.along_camber ? camber : thickness;
  }
  double live(const SweepChartKind& chart) const { return chart.along_camber ? live_camber : live_thickness; }
};

Sweeps sweeps_of(const Window& w);

// A sweep chart `width` x `height` logical pixels with `title` (translated by
// the face): the curve through the swept sections, the live section ringed,
// zero always in view so that the sign of CM and the growth of CL read at a
// glance, and the extreme values at the axes.
FlowDrawing draw_sweep_chart(const std::vector<SweepPoint>& points, double live_ratio, bool moment,
                             const std::string& title, int width, int height, const FlowStyle& style,
                             const TextMetrics& metrics);

// What a sweep chart says to assistive technology, with its numbers: the
// range the coefficient spans over the swept ratio, and the drawn section's
// ratio and coefficient; why there is none before any section.
Phrase sweep_description(const SweepChartKind& chart, const std::vector<SweepPoint>& points,
                         double live_ratio);

// ratio,cl,cm: the swept sections, one a row, numbers in their shortest exact form.
std::string sweep_table(const std::vector<SweepPoint>& points);

}  // namespace airfoil
