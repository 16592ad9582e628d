#include "ui/form.h"

#include <exception>
#include <utility>

namespace airfoil {

Form1::Form1(const Plots& plots, MessageSink& messages, std::string catalogue_path)
    : plots_(plots), messages_(messages) {
  w.messages = &messages_;
  w.catalogue_path = std::move(catalogue_path);
}

// Start-up is not a cycle, but a fault in it is reported the same way so that
// the window still opens.
void Form1::Form_Load() {
  run_cycle([this] { airfoil::Form_Load(w); });
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
    profil_hesapla(w);
    profil_ciz(w, plots_);
    basınc_hesapla(w);
    basınc_ciz(w, plots_);
    CL_Alfa_ciz(w, plots_);
    CM_Alfa_ciz(w, plots_);
  });
}

// Only the point count changed: the lift and moment coefficients depend on the
// circle alone, so the two charts stay as they are.
void Form1::geometry_cycle() {
  run_cycle([this] {
    profil_hesapla(w);
    profil_ciz(w, plots_);
    basınc_hesapla(w);
    basınc_ciz(w, plots_);
  });
}

// Only the angle of attack changed: the section and its two pictures stay.
void Form1::incidence_cycle() {
  run_cycle([this] {
    basınc_hesapla(w);
    basınc_ciz(w, plots_);
    CL_Alfa_ciz(w, plots_);
    CM_Alfa_ciz(w, plots_);
  });
}

// Only the moment reference point moved. The moment chart reuses the lift
// samples of the last lift chart; the airfoil picture is redrawn so that the
// marker of an earlier reference point disappears before the new one is put
// on the chord line.
void Form1::reference_point_cycle() {
  run_cycle([this] {
    CM_Alfa_ciz(w, plots_);
    profil_ciz(w, plots_);
    plots_.profil.Circle(to_single(w.xM), 0.0f, 0.01f, w.colRed);
  });
}

// A fault ends the cycle where it arose: the later procedures would only
// draw or compute from a half-finished state. The window stays usable, so any
// other exception is reported the same way instead of ending the program.
void Form1::run_cycle(const std::function<void()>& steps) {
  w.moo_reported = false;
  try {
    steps();
  } catch (const Fault& fault) {
    last_fault_ = fault.what();
    messages_.fault(*last_fault_);
  } catch (const std::exception& error) {
    last_fault_ = error.what();
    messages_.fault(*last_fault_);
  }
}

}  // namespace airfoil
