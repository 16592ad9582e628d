// The CSV tables: every cell reads back as exactly the window state it was
// taken from, and a table with nothing to show has only its header.
#include <clocale>
#include <cstdlib>
#include <sstream>

#include "form_fixture.h"
#include "ui/export_csv.h"
#include "ui/lesson.h"

namespace airfoil::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

// Header first, then the rows; every row as wide as the header.
Table parse(const std::string& csv) {
  Table rows;
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

double number(const std::string& cell) {
  char* end = nullptr;
  const double x = std::strtod(cell.c_str(), &end);
  EXPECT_TRUE(!cell.empty() && *end == '\0') << '"' << cell << '"';
  return x;
}

// A cambered thick section at 6 degrees, moment about the quarter chord, in
// a subsonic stream of Mach 0.6 unless told otherwise.
class CsvTest : public FormTest {
 protected:
  void run(const char* moo = "0.6") {
    start();
    w().Text_Moo.Text = moo;
    w().HScroll_Thickness.Value = 1;
    w().HScroll_nP.Value = 11;
    w().HScroll_AlfaD.Value = 6;
    w().HScroll_xM.Value = 25;
    form->profil_Click();
    ASSERT_TRUE(messages.shown.empty());
  }
};

TEST_F(CsvTest, BeforeAnyGeometryEachTableIsItsHeaderOnly) {
  start();
  form->HScroll_AlfaD_Change();  // charts drawn, but no section yet
  EXPECT_EQ(section_csv(w(), drawn(form->drawn_cases(), SurfaceId::pressure)),
            "i,x_c,y_c,cp,one_minus_cp,cp_corrected\n");
  EXPECT_EQ(circle_csv(w(), drawn(form->drawn_cases(), SurfaceId::daire)), "i,xi,eta\n");
  EXPECT_EQ(lift_csv(w(), drawn(form->drawn_cases(), SurfaceId::Picture_CL)), "alpha_deg,cl,cl_corrected\n");
  EXPECT_EQ(moment_csv(w(), drawn(form->drawn_cases(), SurfaceId::Picture_CM)),
            "alpha_deg,cm,cm_corrected,xm_c\n");
}

TEST_F(CsvTest, SectionRowsAreThePointsInDrawingOrder) {
  run();
  ASSERT_NE(w().Beta, 1.0);
  const Table t = parse(section_csv(w(), drawn(form->drawn_cases(), SurfaceId::pressure)));
  ASSERT_EQ(t.size(), 12u);
  for (int i = 1; i <= 11; ++i) {
    const auto& r = t[i];
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(number(r[0]), i);
    EXPECT_EQ(number(r[1]), w().Xp(i));
    EXPECT_EQ(number(r[2]), w().Yp(i));
    EXPECT_EQ(number(r[3]), w().Cp(i));
    EXPECT_EQ(number(r[4]), 1 - w().Cp(i));
    EXPECT_EQ(number(r[5]), w().Cp(i) / w().Beta);
  }
}

TEST_F(CsvTest, SectionWithoutCorrectionLeavesItsColumnEmpty) {
  run("0");
  // A Mach number typed after the last drawing corrects nothing yet.
  for (const char* moo : {"0", "0.6"}) {
    w().Text_Moo.Text = moo;
    const Table t = parse(section_csv(w(), drawn(form->drawn_cases(), SurfaceId::pressure)));
    ASSERT_EQ(t.size(), 12u);
    for (std::size_t i = 1; i < t.size(); ++i) EXPECT_EQ(t[i][5], "") << moo;
  }
}

TEST_F(CsvTest, CircleRowsAreTheCirclePoints) {
  run();
  const Table t = parse(circle_csv(w(), drawn(form->drawn_cases(), SurfaceId::daire)));
  ASSERT_EQ(t.size(), 12u);
  for (int i = 1; i <= 11; ++i) {
    EXPECT_EQ(number(t[i][1]), w().Xc(i));
    EXPECT_EQ(number(t[i][2]), w().Yc(i));
  }
}

TEST_F(CsvTest, LiftRowsAreTheChartSamples) {
  run();
  const Table t = parse(lift_csv(w(), drawn(form->drawn_cases(), SurfaceId::Picture_CL)));
  ASSERT_EQ(t.size(), 26u);
  for (int k = 0; k <= 24; ++k) {
    EXPECT_EQ(number(t[k + 1][0]), k - 12);
    EXPECT_EQ(number(t[k + 1][1]), w().CurveCL(k));
    EXPECT_EQ(number(t[k + 1][2]), w().CurveCL(k) / w().Beta);
  }
}

TEST_F(CsvTest, MomentRowsAreTheChartSamplesAboutXM) {
  run();
  const Table t = parse(moment_csv(w(), drawn(form->drawn_cases(), SurfaceId::Picture_CM)));
  ASSERT_EQ(t.size(), 26u);
  for (int k = 0; k <= 24; ++k) {
    EXPECT_EQ(number(t[k + 1][1]), w().CurveCM(k));
    EXPECT_EQ(number(t[k + 1][2]), w().CurveCM(k) / w().Beta);
    EXPECT_EQ(number(t[k + 1][3]), 0.25);
  }
}

TEST(ShortestText, ReadsBackExactlyWithAPointWhateverTheLocale) {
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // a comma locale, where installed
  const double third = 1.0 / 3;
  const std::string a = shortest_text(0.1), b = shortest_text(-12), c = shortest_text(third);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(a, "0.1");
  EXPECT_EQ(b, "-12");
  EXPECT_EQ(std::strtod(c.c_str(), nullptr), third);
}

// A Mach number typed after the last drawing is not on the screen, so the
// tables carry no correction for it; a pinned case follows the live one with
// its own rows, each row named in a first column.
TEST_F(CsvTest, TablesSayWhatIsDrawnPinnedCasesIncluded) {
  run("0");
  pin_case(*form);
  w().Text_Moo.Text = "0.6";  // typed, no Return
  const Table lift = parse(lift_csv(w(), drawn(form->drawn_cases(), SurfaceId::Picture_CL)));
  ASSERT_EQ(lift.size(), 1u + 2 * 25);
  EXPECT_EQ(lift[0], (std::vector<std::string>{"case", "alpha_deg", "cl", "cl_corrected"}));
  EXPECT_EQ(lift[1][0], "live");
  EXPECT_EQ(lift[26][0], "ref1");
  EXPECT_EQ(lift[1][3], "");
  EXPECT_EQ(lift[1][2], lift[26][2]);
  form->Text_Moo_Return();
  EXPECT_DOUBLE_EQ(number(parse(lift_csv(w(), drawn(form->drawn_cases(), SurfaceId::Picture_CL)))[1][3]),
                   w().CurveCL(0) / 0.8);
}

}  // namespace
}  // namespace airfoil::testing
