// Which procedures each handler runs, in which order, and what a fault, a
// catalogue miss or an impossible Mach number does to the rest of a cycle.

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "form_fixture.h"
#include "ui/form_events.h"
#include "ui/window_layout.h"

namespace airfoil::testing {
namespace {

using Handler = void (Form1::*)();

struct CycleCase {
  const char* name;
  Handler handler;
  std::vector<std::string> redrawn;     // surfaces cleared, in order
  std::set<std::string> texts_written;  // text boxes the cycle's procedures write
  bool runs_geometry;
};

const std::vector<std::string> kAllFive{"daire", "profil", "pressure", "Picture_CL", "Picture_CM"};
const std::set<std::string> kFullTexts{"Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD",
                                       "Text_CL",        "Text_xM",     "Text1"};

const CycleCase kCycles[] = {
    {"Thickness", &Form1::HScroll_Thickness_Change, kAllFive, kFullTexts, true},
    {"Camber", &Form1::HScroll_Camber_Change, kAllFive, kFullTexts, true},
    {"daire", &Form1::daire_Click, kAllFive, kFullTexts, true},
    {"profil", &Form1::profil_Click, kAllFive, kFullTexts, true},
    {"pressure", &Form1::pressure_Click, kAllFive, kFullTexts, true},
    {"Picture_CL", &Form1::Picture_CL_Click, kAllFive, kFullTexts, true},
    {"Picture_CM", &Form1::Picture_CM_Click, kAllFive, kFullTexts, true},
    {"Moo_Return", &Form1::Text_Moo_Return, kAllFive, kFullTexts, true},
    {"nP",
     &Form1::HScroll_nP_Change,
     {"daire", "profil", "pressure"},
     {"Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD"},
     true},
    {"AlfaD",
     &Form1::HScroll_AlfaD_Change,
     {"pressure", "Picture_CL", "Picture_CM"},
     {"Text_AlfaD", "Text_CL", "Text_xM", "Text1"},
     false},
    {"xM", &Form1::HScroll_xM_Change, {"Picture_CM", "daire", "profil"}, {"Text_xM", "Text1"}, false},
};

void PrintTo(const CycleCase& c, std::ostream* os) { *os << c.name; }

class EachCycle : public FormTest, public ::testing::WithParamInterface<CycleCase> {
 protected:
  // Sets every output text box to a mark no procedure writes, so that the
  // boxes rewritten afterwards tell which procedures ran.
  void mark_texts() {
    for_each_control(w(), [](const char* name, auto& control) {
      if constexpr (std::is_same_v<std::decay_t<decltype(control)>, TextBox>) {
        if (std::string(name) != "Text_Moo") control.Text = "?";
      }
    });
  }
  std::set<std::string> texts_written() {
    std::set<std::string> written;
    for_each_control(w(), [&](const char* name, auto& control) {
      if constexpr (std::is_same_v<std::decay_t<decltype(control)>, TextBox>) {
        if (std::string(name) != "Text_Moo" && control.Text != "?") written.insert(name);
      }
    });
    return written;
  }
  void run() { (form.get()->*GetParam().handler)(); }
};

TEST_P(EachCycle, RunsExactlyItsProcedures) {
  start();
  w().HScroll_Thickness.Value = 1;
  form->profil_Click();
  cleared.clear();
  mark_texts();

  run();

  EXPECT_EQ(cleared, GetParam().redrawn);
  EXPECT_EQ(texts_written(), GetParam().texts_written);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(form->last_fault());
}

TEST_P(EachCycle, CatalogueMiss_ShowsMessageOnceAndCycleGoesOn) {
  start();
  w().HScroll_Thickness.Value = 4;  // no row for 4 % thickness

  run();

  EXPECT_EQ(messages.count(kProfileNotInCatalogue), GetParam().runs_geometry ? 1 : 0);
  EXPECT_EQ(cleared, GetParam().redrawn);
  EXPECT_FALSE(form->last_fault());
}

TEST_P(EachCycle, MooOutOfRange_ReportedOncePerCycle) {
  start();
  w().HScroll_Thickness.Value = 1;
  form->profil_Click();
  w().Text_Moo.Text = "1";

  run();
  EXPECT_EQ(messages.count(kMooOutOfRange), 1);
  run();
  EXPECT_EQ(messages.count(kMooOutOfRange), 2);
  EXPECT_EQ(messages.shown.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Handlers, EachCycle, ::testing::ValuesIn(kCycles),
                         [](const auto& info) { return std::string(info.param.name); });

bool is_circle(const SurfaceCall& call) { return call.op == SurfaceCall::Op::Circle; }

// The window's event table, which the desktop window and the probe both
// follow: each bar raises the handler named after it and moves its own
// control, and each picture's click is its own handler, so the table runs
// exactly the cycles checked above.
TEST_F(FormTest, EventTableRaisesEachControlsOwnHandler) {
  start();
  std::map<std::string, const void*> controls;
  for_each_control(w(), [&](const char* name, const auto& control) { controls[name] = &control; });
  const auto handler_of = [](std::string_view name) {
    const auto* c = std::find_if(std::begin(kCycles), std::end(kCycles),
                                 [&](const CycleCase& k) { return name == k.name; });
    return c == std::end(kCycles) ? nullptr : c->handler;
  };
  for (const BarEvent& event : kBarEvents) {
    const std::string_view control = event.control;
    EXPECT_EQ(event.change, handler_of(control.substr(std::string_view("HScroll_").size()))) << control;
    EXPECT_EQ(static_cast<const void*>(&(w().*event.bar)), controls.at(event.control)) << control;
  }
  for (const ClickEvent& event : kClickEvents) {
    EXPECT_EQ(event.click, handler_of(surface_layout(event.surface).name))
        << surface_layout(event.surface).name;
  }
}

TEST_F(FormTest, ReferencePointCycle_EndsWithRedMarkerOnChordUntilNextGeometryCycle) {
  start();
  w().HScroll_Thickness.Value = 1;
  form->profil_Click();
  w().HScroll_xM.Value = 25;

  form->HScroll_xM_Change();

  ASSERT_EQ(std::count_if(profil.calls().begin(), profil.calls().end(), is_circle), 1);
  const SurfaceCall& marker = profil.calls().back();
  EXPECT_TRUE(is_circle(marker));
  EXPECT_EQ(marker.args, (std::vector<float>{0.25f, 0.0f, 0.01f}));
  EXPECT_EQ(marker.colour, 255);

  w().HScroll_Thickness.Value = 2;
  form->HScroll_Thickness_Change();
  EXPECT_EQ(std::count_if(profil.calls().begin(), profil.calls().end(), is_circle), 0);
}

// Before any geometry every section variable is 0 and no colour is set yet.
TEST_F(FormTest, IncidenceFirst_DrawsGridsAndFlatLiftLineInBlack) {
  start();
  w().HScroll_AlfaD.Value = 5;

  form->HScroll_AlfaD_Change();

  EXPECT_EQ(cleared, (std::vector<std::string>{"pressure", "Picture_CL", "Picture_CM"}));
  EXPECT_FALSE(form->last_fault());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(pressure.calls().size(), 2u + 12u);  // the grid, no curve without points
  EXPECT_EQ(Picture_CL.calls().size(), 2u + 18u + 24u + 1u);
  for (const SurfaceCall& call : Picture_CL.calls()) {
    EXPECT_EQ(call.colour.value_or(0), 0);
  }
  for (std::size_t k = 20; k < 44; ++k) {  // the curve: CL = 0 at every angle
    EXPECT_EQ(Picture_CL.calls()[k].args[1], 0.0f);
    EXPECT_EQ(Picture_CL.calls()[k].args[3], 0.0f);
  }
  EXPECT_EQ(Picture_CL.calls().back().args, (std::vector<float>{5.0f, 0.0f, 0.4f}));
  EXPECT_EQ(w().Text_CL.Text, "0");
  EXPECT_EQ(Picture_CM.calls().size(), 2u + 15u);  // no chord: grid only
  EXPECT_EQ(w().Text1.Text, "0");
}

TEST_F(FormTest, ReferencePointFirst_DrawsAxesGridsAndMarker) {
  start();
  w().HScroll_xM.Value = 40;

  form->HScroll_xM_Change();

  EXPECT_FALSE(form->last_fault());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Picture_CM.calls().size(), 2u + 15u);
  EXPECT_EQ(daire.calls().size(), 2u + 4u);  // axes and the centre cross at the origin
  ASSERT_EQ(profil.calls().size(), 2u + 12u + 1u);
  EXPECT_EQ(profil.calls().back().args, (std::vector<float>{0.4f, 0.0f, 0.01f}));
  EXPECT_EQ(profil.calls().back().colour, 255);
  EXPECT_EQ(pressure.cls_count() + Picture_CL.cls_count(), 0);
  EXPECT_EQ(w().Text_xM.Text, "0.4");
}

TEST_F(FormTest, ImpossibleCatalogueCircle_EndsCycleAndKeepsSection) {
  start();
  w().HScroll_Thickness.Value = 1;
  form->profil_Click();
  WindowState before = w();
  cleared.clear();
  w().Text_AlfaD.Text = "?";

  w().HScroll_Thickness.Value = 3;
  form->HScroll_Thickness_Change();

  EXPECT_TRUE(cleared.empty());
  // The user is told which row, in the window's terms; the detail is kept.
  EXPECT_EQ(messages.faults,
            std::vector<std::string>{"Katalogdaki 4. profilin (kalınlık 0.03, kamburluk 0) çemberi, Eps = "
                                     "-0.6 ve Delta = 0 ile bir profil vermiyor. Ekrandaki önceki profil ve "
                                     "sonuçları geçerli kalıyor."});
  EXPECT_EQ(form->last_fault(), "catalogue row 4: the circle (Eps, Delta) does not enclose the origin");
  EXPECT_EQ(w().Text_AlfaD.Text, "?");  // the flow step did not run
  before.Thickness = 0.03;              // read from the scroll bar before the lookup
  EXPECT_EQ(flatten(w()), flatten(before));

  // The window stays usable.
  w().HScroll_Thickness.Value = 2;
  form->HScroll_Thickness_Change();
  EXPECT_EQ(cleared, kAllFive);
  EXPECT_EQ(messages.faults.size(), 1u);
}

class FailingSurface : public FormTest, public ::testing::WithParamInterface<int> {};

TEST_P(FailingSurface, LaterProceduresOfTheCycleDoNotRun) {
  start();
  LoggingSurface* surfaces[] = {&daire, &profil, &pressure, &Picture_CL, &Picture_CM};
  const int failing = GetParam();
  surfaces[failing]->fail_with_fault = true;

  form->profil_Click();

  const std::vector<std::string> expected(kAllFive.begin(), kAllFive.begin() + failing + 1);
  EXPECT_EQ(cleared, expected);
  EXPECT_EQ(form->last_fault(), kAllFive[failing] + " failed");
  // The box names the picture that failed, as the user knows it.
  const char* pictures[] = {"Profil resmi", "Profil resmi", "Basınç grafiği", "CL grafiği", "CM grafiği"};
  ASSERT_EQ(messages.faults.size(), 1u);
  EXPECT_EQ(messages.faults[0].rfind(pictures[failing], 0), 0u) << messages.faults[0];
}

INSTANTIATE_TEST_SUITE_P(EachSurface, FailingSurface, ::testing::Range(0, 5));

TEST_F(FormTest, OtherErrorsAreReportedLikeFaultsAndTheWindowStaysUsable) {
  start();
  pressure.fail_with_other = true;
  form->profil_Click();
  EXPECT_EQ(cleared, (std::vector<std::string>{"daire", "profil", "pressure"}));
  EXPECT_EQ(form->last_fault(), "pressure failed");

  pressure.fail_with_other = false;
  cleared.clear();
  form->profil_Click();
  EXPECT_EQ(cleared, kAllFive);
}

TEST_F(FormTest, AboutMenu_OpensTheAboutWindowEachTime) {
  start();
  form->Mn_About_Click();  // nothing to open yet: no effect
  int opened = 0;
  form->open_about = [&] { ++opened; };
  form->Mn_About_Click();
  form->Mn_About_Click();
  EXPECT_EQ(opened, 2);
  EXPECT_TRUE(cleared.empty());
}

}  // namespace
}  // namespace airfoil::testing
