#include "ui/form.h"

#include <exception>
#include <utility>

#include "model/catalogue.h"

namespace airfoil {

namespace {

// What the user is told when a fault ends a cycle in a step, unless the step
// said more itself: what failed, and what is still valid on the screen.
const char* shown_for(Form1::Step step) {
  switch (step) {
    case Form1::Step::start_up:
      return "Program açılırken beklenmeyen bir hata oldu. Pencere açılıyor, ama katalog "
             "okunamamış olabilir.";
    case Form1::Step::section:
      return "Bu kalınlık ve kamburluk için profil hesaplanamadı. Ekrandaki önceki profil ve "
             "sonuçları geçerli kalıyor.";
    case Form1::Step::section_drawing:
      return "Profil resmi çizilirken geçersiz bir sayı çıktı ve çizim yarıda kaldı. Basınç "
             "grafiği, CL ve CM bu adımda yenilenmedi.";
    case Form1::Step::flow:
      return "Bu hücum açısında basınç dağılımı hesaplanamadı: yüzeydeki hızlardan biri "
             "hesaplanamayacak kadar büyük. Basınç grafiği, CL ve CM önceki değerlerinde kalıyor.";
    case Form1::Step::pressure_drawing:
      return "Basınç grafiği çizilirken geçersiz bir sayı çıktı ve çizim yarıda kaldı. CL ve CM bu "
             "adımda yenilenmedi.";
    case Form1::Step::lift:
      return "CL grafiği hesaplanırken geçersiz bir sayı çıktı ve grafik yarıda kaldı. Profil ve "
             "basınç grafiği geçerli; CM bu adımda yenilenmedi.";
    case Form1::Step::moment:
      return "CM grafiği hesaplanırken geçersiz bir sayı çıktı ve grafik yarıda kaldı. Profil, "
             "basınç grafiği ve CL geçerli.";
  }
  return "";
}

}  // namespace

Form1::Form1(const Plots& plots, MessageSink& messages, CatalogueSource catalogue)
    : plots_(plots), messages_(messages) {
  w.messages = &messages_;
  w.catalogue_path = std::move(catalogue.path);
  w.catalogue_passed_over = std::move(catalogue.passed_over);
}

// Start-up is not a cycle, but a fault in it is reported the same way so that
// the window still opens.
void Form1::Form_Load() {
  run_cycle([this] {
    step_ = Step::start_up;
    airfoil::Form_Load(w);
  });
}

void Form1::HScroll_Thickness_Change() { full_cycle(); }
void Form1::HScroll_Camber_Change() { full_cycle(); }
void Form1::HScroll_nP_Change() { geometry_cycle(); }
void Form1::HScroll_AlfaD_Change() { incidence_cycle(); }
void Form1::HScroll_xM_Change() { reference_point_cycle(); }

// A click on any picture is a plain request to recompute and redraw
// everything from the current scroll-bar positions.
void Form1::daire_Click() { full_cycle(); }
void Form1::profil_Click() { full_cycle(); }
void Form1::pressure_Click() { full_cycle(); }
void Form1::Picture_CL_Click() { full_cycle(); }
void Form1::Picture_CM_Click() { full_cycle(); }

// Return in the Mach number box applies the typed number to the pressure plot
// and both charts together; without it the number would wait for some other
// event, and one that redraws only part of the window would leave the
// pictures showing two different Mach numbers.
void Form1::Text_Moo_Return() { full_cycle(); }

void Form1::Mn_About_Click() {
  if (open_about) open_about();
}

void Form1::full_cycle() {
  run_cycle([this] {
    compute_section();
    step_ = Step::section_drawing;
    profil_ciz(w, plots_);
    drawn({SurfaceId::daire, SurfaceId::profil});
    step_ = Step::flow;
    basınc_hesapla(w);
    step_ = Step::pressure_drawing;
    basınc_ciz(w, plots_);
    drawn({SurfaceId::pressure});
    step_ = Step::lift;
    CL_Alfa_ciz(w, plots_);
    drawn({SurfaceId::Picture_CL});
    step_ = Step::moment;
    CM_Alfa_ciz(w, plots_);
    drawn({SurfaceId::Picture_CM});
  });
}

// Only the point count changed: the lift and moment coefficients depend on the
// circle alone, so the two charts stay as they are.
void Form1::geometry_cycle() {
  run_cycle([this] {
    compute_section();
    step_ = Step::section_drawing;
    profil_ciz(w, plots_);
    drawn({SurfaceId::daire, SurfaceId::profil});
    step_ = Step::flow;
    basınc_hesapla(w);
    step_ = Step::pressure_drawing;
    basınc_ciz(w, plots_);
    drawn({SurfaceId::pressure});
  });
}

// Only the angle of attack changed: the section and its two pictures stay.
void Form1::incidence_cycle() {
  run_cycle([this] {
    step_ = Step::flow;
    basınc_hesapla(w);
    step_ = Step::pressure_drawing;
    basınc_ciz(w, plots_);
    drawn({SurfaceId::pressure});
    step_ = Step::lift;
    CL_Alfa_ciz(w, plots_);
    drawn({SurfaceId::Picture_CL});
    step_ = Step::moment;
    CM_Alfa_ciz(w, plots_);
    drawn({SurfaceId::Picture_CM});
  });
}

// Only the moment reference point moved. The moment chart reuses the lift
// samples of the last lift chart; the airfoil picture is redrawn so that the
// marker of an earlier reference point disappears before the new one is put
// on the chord line.
void Form1::reference_point_cycle() {
  run_cycle([this] {
    step_ = Step::moment;
    CM_Alfa_ciz(w, plots_);
    drawn({SurfaceId::Picture_CM});
    step_ = Step::section_drawing;
    profil_ciz(w, plots_);
    plots_.profil.Circle(to_single(w.xM), 0.0f, 0.01f, w.colRed);
    drawn({SurfaceId::daire, SurfaceId::profil});
  });
}

// The thickness and camber boxes take the scroll bars' values even when the
// catalogue has no row for them; the section on screen is then the one the
// last successful step made, and so is what its pictures are said to show.
void Form1::compute_section() {
  step_ = Step::section;
  profil_hesapla(w);
  if (catalogue_row(w, w.Thickness, w.Camber)) section_ = {w.Thickness, w.Camber};
}

void Form1::drawn(std::initializer_list<SurfaceId> pictures) {
  for (const SurfaceId id : pictures)
    drawn_[static_cast<std::size_t>(id)] = case_of(w, section_, corrected_moo_of(w, id));
}

// A fault ends the cycle where it arose: the later procedures would only
// draw or compute from a half-finished state. The window stays usable, so any
// other exception is reported the same way instead of ending the program. The
// user reads what failed in the window's terms; the technical detail is kept
// as the last fault.
void Form1::run_cycle(const std::function<void()>& steps) {
  w.moo_reported = false;
  try {
    steps();
  } catch (const Fault& fault) {
    last_fault_ = fault.what();
    if (fault.shown().source.empty()) {
      messages_.fault(shown_for(step_));
    } else {
      messages_.fault_phrase(fault.shown());
    }
  } catch (const std::exception& error) {
    last_fault_ = error.what();
    messages_.fault(shown_for(step_));
  }
}

}  // namespace airfoil
