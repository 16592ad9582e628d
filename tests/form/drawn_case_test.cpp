// What describes a picture reads the case it was drawn with, not the boxes:
// the handout's lines and the picture descriptions after a catalogue miss,
// a Mach number typed but not applied, and before anything was drawn.
#include "form_fixture.h"
#include "ui/handout.h"
#include "ui/picture_texts.h"

namespace airfoil::testing {
namespace {

std::vector<std::string> lines_of(const Form1& form) {
  std::vector<std::string> lines;
  for (const HandoutLine& line : handout_lines(form)) lines.push_back(turkish(line.text));
  return lines;
}

bool has(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

TEST_F(FormTest, HandoutDescribesThePicturesAsDrawnNotTheBoxes) {
  start();
  // Nothing drawn: no number the pictures do not show.
  EXPECT_TRUE(has(lines_of(*form), "nokta sayısı nP = \u2014")) << w().Text_nP.Text;

  w().HScroll_Thickness.Value = 1;
  w().HScroll_AlfaD.Value = 5;
  w().Text_Moo.Text = "0.6";
  form->profil_Click();
  // Thickness 4 % is not in the catalogue: the 1 % section stays drawn.
  w().HScroll_Thickness.Value = 4;
  form->HScroll_Thickness_Change();
  ASSERT_EQ(messages.shown.size(), 1u);
  ASSERT_EQ(w().Text_Thickness.Text, "0.04");
  // Typed, not applied: the pictures keep Mach 0.6.
  w().Text_Moo.Text = "0.3";

  const std::vector<std::string> lines = lines_of(*form);
  EXPECT_TRUE(has(lines, "kalınlık t/c = 0.01"));
  EXPECT_TRUE(has(lines, "hücum açısı α = 5°"));
  EXPECT_TRUE(has(lines, "Mach sayısı Moo = 0.6"));
  EXPECT_TRUE(has(lines, "CL = " + w().Text_CL.Text));
  const std::optional<DrawnCase>& profil = drawn(form->drawn_cases(), SurfaceId::profil);
  ASSERT_TRUE(profil);
  EXPECT_EQ(turkish(picture_numbers(SurfaceId::profil, *profil)),
            "Kalınlık 0.01, kamburluk 0 (veter oranı), 51 yüzey noktası.");
}

}  // namespace
}  // namespace airfoil::testing
