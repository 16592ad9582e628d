// The shipped catalogue against the real cycles: every scroll-bar position
// finds its section and draws without a message or a fault.

#include <fstream>
#include <iterator>

#include "form_fixture.h"

namespace airfoil::testing {
namespace {

TEST_F(FormTest, CommittedCatalogue_EverySectionRunsAFullCycleCleanly) {
  std::ifstream file(AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt");
  ASSERT_TRUE(file) << "the committed catalogue is missing";
  start(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
  w().Text_Moo.Text = "0.6";
  w().HScroll_AlfaD.Value = 10;
  w().HScroll_xM.Value = 25;

  int sections = 0;
  for (int t = w().HScroll_Thickness.Min; t <= w().HScroll_Thickness.Max; ++t) {
    for (int c = w().HScroll_Camber.Min; c <= w().HScroll_Camber.Max; ++c) {
      w().HScroll_Thickness.Value = t;
      w().HScroll_Camber.Value = c;
      form->HScroll_Camber_Change();
      ++sections;
    }
  }

  EXPECT_EQ(sections, 496);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
  EXPECT_FALSE(form->last_fault()) << *form->last_fault();
  EXPECT_EQ(cleared.size(), 5u * 496u);
}

}  // namespace
}  // namespace airfoil::testing
