// The main window as laid out: places, texts, fonts, scroll-bar settings,
// keyboard order and the state it opens in.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include <cmath>

#include <gtest/gtest.h>

#include "ui_support.h"

namespace airfoil::test {
namespace {

// Container "" is the window's client area.
struct Placed {
  const char* name;
  const char* container;
  int left, top, width, height;  // twips
};

const Placed kPlaces[] = {
    {"Frame1", "", 120, 3720, 3375, 2055},
    {"Frame3", "", 120, 5880, 3375, 615},
    {"Frame2", "", 120, 6600, 3375, 615},
    {"daire", "", 120, 240, 3400, 3400},
    {"profil", "", 3600, 240, 4800, 2400},
    {"pressure", "", 3600, 2760, 4800, 4335},
    {"Picture_CL", "", 8520, 240, 3200, 3915},
    {"Picture_CM", "", 8520, 4320, 3255, 2775},
    {"Label2", "Frame1", 240, 240, 375, 255},
    {"Text_Thickness", "Frame1", 720, 240, 495, 285},
    {"HScroll_Thickness", "Frame1", 1200, 240, 1335, 255},
    {"Label3", "Frame1", 240, 600, 255, 255},
    {"Text_Camber", "Frame1", 720, 600, 495, 285},
    {"HScroll_Camber", "Frame1", 1200, 600, 1335, 255},
    {"Label5", "Frame1", 240, 960, 255, 255},
    {"Text_nP", "Frame1", 720, 960, 495, 285},
    {"HScroll_nP", "Frame1", 1200, 960, 1335, 255},
    {"Label4", "Frame1", 240, 1320, 255, 375},
    {"Text_AlfaD", "Frame1", 720, 1320, 495, 285},
    {"HScroll_AlfaD", "Frame1", 1200, 1320, 1335, 255},
    {"Label7", "Frame1", 120, 1680, 495, 255},
    {"Text_xM", "Frame1", 720, 1680, 495, 285},
    {"HScroll_xM", "Frame1", 1200, 1680, 1335, 255},
    {"Label36", "Frame3", 240, 240, 615, 255},
    {"Text_Moo", "Frame3", 960, 240, 615, 285},
    {"Label1", "Frame2", 240, 240, 495, 255},
    {"Text_CL", "Frame2", 720, 240, 735, 285},
    {"Label6", "Frame2", 1800, 240, 495, 255},
    {"Text1", "Frame2", 2280, 240, 735, 285},
    {"Label9", "profil", 0, 1080, 375, 255},
    {"Label10", "profil", 0, 480, 375, 255},
    {"Label11", "profil", 0, 2040, 375, 255},
    {"Label8", "profil", 2160, 2116, 375, 255},
    {"Label12", "profil", 4200, 2160, 375, 255},
    {"Label19", "pressure", 0, 840, 495, 375},
    {"Label26", "pressure", 120, 240, 255, 255},
    {"Label25", "pressure", 120, 1680, 255, 255},
    {"Label24", "pressure", 120, 2400, 255, 255},
    {"Label20", "pressure", 120, 3120, 255, 255},
    {"Label21", "pressure", 120, 3840, 255, 255},
    {"Label23", "pressure", 2280, 3960, 375, 255},
    {"Label22", "pressure", 4200, 3960, 375, 255},
    {"Label27", "Picture_CL", 0, 1200, 375, 255},
    {"Label30", "Picture_CL", 0, 600, 375, 255},
    {"Label29", "Picture_CL", 0, 1833, 375, 255},
    {"Label28", "Picture_CL", 0, 2473, 375, 255},
    {"Label31", "Picture_CL", 0, 3120, 375, 255},
    {"Label14", "Picture_CL", 720, 3635, 375, 255},
    {"Label15", "Picture_CL", 2322, 3636, 135, 255},
    {"Label13", "Picture_CL", 1560, 3600, 255, 255},
    {"Label32", "Picture_CM", 0, 360, 375, 255},
    {"Label35", "Picture_CM", 0, 800, 375, 255},
    {"Label33", "Picture_CM", 0, 1420, 375, 255},
    {"Label34", "Picture_CM", 0, 2020, 375, 255},
    {"Label17", "Picture_CM", 720, 2520, 375, 255},
    {"Label16", "Picture_CM", 2370, 2520, 135, 255},
    {"Label18", "Picture_CM", 1560, 2480, 255, 255},
};

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

class Layout : public testing::TestWithParam<Placed> {};

TEST_P(Layout, ControlSitsAtItsPlaceInItsContainer) {
  OpenWindow open;
  const Placed& p = GetParam();
  const auto* widget = open.window->findChild<QWidget*>(p.name);
  ASSERT_NE(widget, nullptr) << p.name;
  EXPECT_EQ(widget->geometry(), QRect(px(p.left), px(p.top), px(p.width), px(p.height))) << p.name;
  const QWidget* container = widget->parentWidget();
  if (*p.container == '\0') {
    EXPECT_EQ(container, open.window->centralWidget()) << p.name;
  } else {
    EXPECT_EQ(container->objectName().toStdString(), p.container) << p.name;
  }
  EXPECT_TRUE(widget->isVisible()) << p.name;
}

INSTANTIATE_TEST_SUITE_P(EveryControl, Layout, testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Window, HasItsCaptionClientSizeAndFixedSizeAtTheTopLeft) {
  OpenWindow open;
  Form1Window& w = *open.window;
  EXPECT_EQ(w.objectName(), "Form1");
  EXPECT_EQ(w.windowTitle(), "PelmoraAirfoil - Aerodynamic Characteristics");
  EXPECT_EQ(w.centralWidget()->size(), QSize(792, 490));
  EXPECT_EQ(w.centralWidget()->y(), w.menuBar()->height());
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_EQ(w.size(), QSize(792, 490 + w.menuBar()->height()));
  EXPECT_EQ(w.pos(), w.screen()->availableGeometry().topLeft());
}

TEST(Window, MenuBarHoldsTheSingleItemAboutWithoutSubmenu) {
  OpenWindow open;
  const QList<QAction*> items = open.window->menuBar()->actions();
  ASSERT_EQ(items.size(), 1);
  EXPECT_EQ(items[0]->objectName(), "Mn_About");
  // Shown as "About", with Alt+A as its keyboard mnemonic.
  EXPECT_EQ(items[0]->iconText(), "About");
  EXPECT_EQ(QKeySequence::mnemonic(items[0]->text()), QKeySequence(Qt::ALT | Qt::Key_A));
  EXPECT_EQ(items[0]->menu(), nullptr);
}

TEST(Window, LabelsAndFramesShowTheirTextsExactly) {
  const std::pair<const char*, const char*> texts[] = {
      {"Label2", "δ"},        {"Label3", "γ"},         {"Label5", "nP"},       {"Label4", "α"},
      {"Label7", "xM/c="},    {"Label36", "Moo ="},    {"Label1", "CL ="},     {"Label6", "CM ="},
      {"Label9", "  y/c"},    {"Label10", "  0.2"},    {"Label11", " -0.2"},   {"Label8", "x/c"},
      {"Label12", "1.0"},     {"Label19", "1-Cp"},     {"Label26", "5.0"},     {"Label25", "3.0"},
      {"Label24", "2.0"},     {"Label20", "1.0"},      {"Label21", "0.0"},     {"Label23", "x/c"},
      {"Label22", "1.0"},     {"Label27", " CL"},      {"Label30", "  3.0"},   {"Label29", "  1.0"},
      {"Label28", "  0.0"},   {"Label31", " -1.0"},    {"Label14", " -8"},     {"Label15", "8"},
      {"Label13", "α"},       {"Label32", " CM"},      {"Label35", "  1.0"},   {"Label33", "  0.0"},
      {"Label34", " -1.0"},   {"Label17", " -8"},      {"Label16", "8"},       {"Label18", "α"},
  };
  OpenWindow open;
  for (const auto& [name, text] : texts) {
    const auto* label = open.window->findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text().toStdString(), text) << name;
  }
  EXPECT_EQ(open.window->findChild<QGroupBox*>("Frame3")->title().toStdString(),
            "Sıkıştırılabilme etkisi");
  EXPECT_TRUE(open.window->findChild<QGroupBox*>("Frame1")->title().isEmpty());
  EXPECT_TRUE(open.window->findChild<QGroupBox*>("Frame2")->title().isEmpty());
}

TEST(Window, OpensWithDesignTimeTextsAndScrollBarSettings) {
  struct Bar {
    const char* name;
    int min, max, small, large, value;
  };
  const Bar bars[] = {
      {"HScroll_Thickness", 0, 30, 1, 1, 0}, {"HScroll_Camber", 0, 15, 1, 1, 0},
      {"HScroll_nP", 11, 101, 2, 10, 51},    {"HScroll_AlfaD", -10, 10, 1, 1, 0},
      {"HScroll_xM", 0, 100, 1, 5, 0},
  };
  const std::pair<const char*, const char*> boxes[] = {
      {"Text_Thickness", "0"}, {"Text_Camber", "0"}, {"Text_nP", "51"}, {"Text_AlfaD", "0"},
      {"Text_xM", "0"},        {"Text_Moo", "0"},    {"Text_CL", "0"},  {"Text1", "0"},
  };
  OpenWindow open;
  for (const Bar& b : bars) {
    const HScrollBar* bar = open.bar(b.name);
    ASSERT_NE(bar, nullptr) << b.name;
    EXPECT_EQ(bar->orientation(), Qt::Horizontal) << b.name;
    EXPECT_EQ(bar->minimum(), b.min) << b.name;
    EXPECT_EQ(bar->maximum(), b.max) << b.name;
    EXPECT_EQ(bar->singleStep(), b.small) << b.name;
    EXPECT_EQ(bar->pageStep(), b.large) << b.name;
    EXPECT_EQ(bar->value(), b.value) << b.name;
    EXPECT_FALSE(bar->hasTracking()) << b.name;
  }
  for (const auto& [name, text] : boxes) {
    ASSERT_NE(open.box(name), nullptr) << name;
    EXPECT_EQ(open.text(name), text) << name;
    // Only the Mach number is typed; the other boxes echo the program's values.
    EXPECT_EQ(open.box(name)->isReadOnly(), std::string(name) != "Text_Moo") << name;
  }
  EXPECT_TRUE(open.messages.shown.empty());
}

TEST(Window, OpensWithFivePicturesBlankInTheirBackground) {
  OpenWindow open;
  for (int i = 0; i < 5; ++i) {
    const PictureBox* picture = open.picture(static_cast<SurfaceId>(i));
    EXPECT_EQ(picture->clear_count(), 0) << i;
    const QImage image = picture->drawing().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); y += 7) {
      for (int x = 0; x < image.width(); x += 7) {
        ASSERT_EQ(image.pixelColor(x, y), QColor(255, 255, 192)) << i << " at " << x << "," << y;
      }
    }
  }
}

TEST(Window, PicturesCarryTheirColours) {
  OpenWindow open;
  const std::pair<SurfaceId, Colour> fore[] = {
      {SurfaceId::daire, 0},        {SurfaceId::profil, 16711680}, {SurfaceId::pressure, 65280},
      {SurfaceId::Picture_CL, 0},   {SurfaceId::Picture_CM, 0},
  };
  for (const auto& [id, colour] : fore) {
    EXPECT_EQ(open.picture(id)->BackColor, 12648447);
    EXPECT_EQ(open.picture(id)->ForeColor, colour);
  }
}

// The family a widget really draws with, after the font system's matching.
std::string drawn_family(const QWidget* widget) {
  return QFontInfo(widget->font()).family().toStdString();
}

bool is_arial_like(const std::string& family) {
  return family == "Arial" || family == "Liberation Sans" || family == "Arimo" ||
         family == "Nimbus Sans" || family == "DejaVu Sans";
}

TEST(Fonts, AxisNamesAndTicksAreItalicArialOrItsStandIn) {
  const std::pair<const char*, double> labels[] = {
      {"Label9", 8.25},  {"Label8", 8.25},  {"Label19", 8.25}, {"Label23", 8.25},
      {"Label27", 8.25}, {"Label32", 8.25}, {"Label10", 6.75}, {"Label12", 6.75},
      {"Label26", 6.75}, {"Label21", 6.75}, {"Label30", 6.75}, {"Label14", 6.75},
      {"Label15", 6.75}, {"Label35", 6.75}, {"Label34", 6.75}, {"Label16", 6.75},
  };
  OpenWindow open;
  for (const auto& [name, points] : labels) {
    const auto* label = open.window->findChild<QLabel*>(name);
    EXPECT_TRUE(is_arial_like(drawn_family(label))) << name << ": " << drawn_family(label);
    // Whatever stands in is installed: asked for and drawn with are the same.
    EXPECT_EQ(label->font().family().toStdString(), drawn_family(label)) << name;
    EXPECT_TRUE(label->font().italic()) << name;
    EXPECT_FALSE(label->font().bold()) << name;
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), points) << name;
  }
}

TEST(Fonts, GreekLabelsUseAnInstalledFaceWithGreekLetters) {
  OpenWindow open;
  for (const char* name : {"Label2", "Label3", "Label4", "Label13", "Label18"}) {
    const auto* label = open.window->findChild<QLabel*>(name);
    const QString family = QFontInfo(label->font()).family();
    EXPECT_EQ(label->font().family(), family) << name;
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Greek))
        << name << ": " << family.toStdString();
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25) << name;
    EXPECT_FALSE(label->font().italic()) << name;
  }
}

TEST(Fonts, ControlsWithoutAFontOfTheirOwnUseTheDialogFont) {
  OpenWindow open;
  for (const char* name : {"Label5", "Label7", "Label36", "Label1", "Label6", "Text_Thickness",
                           "Text_Moo", "Text_CL", "Text1", "Frame3"}) {
    const auto* widget = open.window->findChild<QWidget*>(name);
    EXPECT_TRUE(is_arial_like(drawn_family(widget))) << name << ": " << drawn_family(widget);
    EXPECT_FALSE(widget->font().italic()) << name;
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 8.25) << name;
  }
}

TEST(Focus, ProfilHasTheFocusWhenTheWindowOpens) {
  OpenWindow open;
  ASSERT_TRUE(QTest::qWaitForWindowActive(open.window.get()));
  EXPECT_EQ(QApplication::focusWidget(), open.picture(SurfaceId::profil));
}

TEST(Focus, TabWalksTheControlsInTheirOrderAndWrapsAround) {
  const char* order[] = {
      "profil",  "pressure",      "Text_AlfaD",        "Text_Camber",    "Text_Thickness",
      "Text_nP", "HScroll_AlfaD", "HScroll_Thickness", "HScroll_Camber", "HScroll_nP",
      "daire",   "Text_CL",       "Picture_CL",        "Text1",          "Picture_CM",
      "Text_xM", "HScroll_xM",    "Text_Moo",          "profil",
  };
  OpenWindow open;
  ASSERT_TRUE(QTest::qWaitForWindowActive(open.window.get()));
  std::vector<std::string> visited{QApplication::focusWidget()->objectName().toStdString()};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(visited, std::vector<std::string>(std::begin(order), std::end(order)));
}

TEST(Focus, LabelsAndFramesTakeNoFocus) {
  OpenWindow open;
  for (const auto* label : open.window->findChildren<QLabel*>()) {
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
  }
  for (const auto* frame : open.window->findChildren<QGroupBox*>()) {
    EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus) << frame->objectName().toStdString();
  }
}

}  // namespace
}  // namespace airfoil::test
