// The main window object without its widgets: the window-level state, the
// controls, the five surfaces, and the handled events with the
// procedure sequence each one runs.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "charts/charts.h"
#include "model/readouts.h"
#include "model/window.h"
#include "ui/drawn_case.h"

namespace airfoil {

class Form1 {
 public:
  // The surfaces and the message sink belong to the caller and must outlive
  // the form. `catalogue` is where Form_Load looks for the catalogue.
  Form1(const Plots& plots, MessageSink& messages, CatalogueSource catalogue = {});

  Window w;

  // Start-up: constants and the catalogue; draws nothing.
  void Form_Load();

  void HScroll_Thickness_Change();  // full cycle
  void HScroll_Camber_Change();     // full cycle
  void HScroll_nP_Change();         // geometry cycle
  void HScroll_AlfaD_Change();      // incidence cycle
  void HScroll_xM_Change();         // reference-point cycle
  void daire_Click();               // full cycle
  void profil_Click();              // full cycle
  void pressure_Click();            // full cycle
  void Picture_CL_Click();          // full cycle
  void Picture_CM_Click();          // full cycle
  void Text_Moo_Return();           // full cycle
  void Mn_About_Click();            // opens the About window

  // What Mn_About_Click does; the desktop shell sets it.
  std::function<void()> open_about;

  // The text of the last fault that ended a cycle, if any.
  const std::optional<std::string>& last_fault() const { return last_fault_; }

  // The case each picture was last drawn with.
  const DrawnCases& drawn_cases() const { return drawn_; }

  // The key numbers of the case as it is drawn now.
  Readouts readouts() const { return compute_readouts(w); }

  // The step of a cycle that is running, for telling the user what a fault
  // there leaves valid.
  enum class Step { start_up, section, section_drawing, flow, pressure_drawing, lift, moment };

 private:
  void full_cycle();
  void geometry_cycle();
  void incidence_cycle();
  void reference_point_cycle();
  // Runs `steps`; a Fault ends it, is reported, and the rest is skipped.
  void run_cycle(const std::function<void()>& steps);
  // The geometry step, keeping the section it made for the pictures' cases.
  void compute_section();
  // Notes the case `pictures` were just drawn with.
  void drawn(std::initializer_list<SurfaceId> pictures);

  Plots plots_;
  MessageSink& messages_;
  std::optional<std::string> last_fault_;
  DrawnSection section_;
  DrawnCases drawn_;
  Step step_ = Step::start_up;
};

}  // namespace airfoil
