// The main window as laid out: places, texts, fonts, scroll-bar settings,
// keyboard order and the state it opens in.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/render/qt_layout.h"
#include "ui/window_layout.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

// Every named control of the window description with its container ("" is
// the client area), text (null for boxes and bars) and place.
struct Placed {
  std::string name;
  std::string container;
  const char* text;
  Place place;
};

std::vector<Placed> described_controls() {
  std::vector<Placed> all;
  for (const SurfaceLayout& s : kSurfaceLayouts) {
    all.push_back({std::string(s.name), "", nullptr, {s.Left, s.Top, s.Width, s.Height}});
  }
  for (const FrameLayout& f : kFrames) all.push_back({f.name, "", f.caption, f.place});
  for (const InputRow& row : kInputRows) {
    all.push_back({row.label, "Frame1", row.text, label_place(row)});
    all.push_back({row.box, "Frame1", nullptr, box_place(row)});
    all.push_back({row.bar, "Frame1", nullptr, bar_place(row)});
  }
  for (const FrameItem& item : kFrameItems) {
    all.push_back({item.name, item.frame, item.is_box ? nullptr : item.text, item.place});
  }
  for (const Annotation& a : kAnnotations) {
    all.push_back({a.name, std::string(surface_layout(a.surface).name), a.text, a.place});
  }
  return all;
}

QRect px(int left, int top, int width, int height) {
  const auto p = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  return {p(left), p(top), p(width), p(height)};
}

QWidget* container_of(const OpenWindow& open, const Placed& c) {
  if (c.container.empty()) return open.window->centralWidget();
  return open.window->findChild<QWidget*>(QString::fromStdString(c.container));
}

TEST(Layout, EveryDescribedControlSitsAtItsPlaceInItsContainerAndShowsItsText) {
  OpenWindow open;
  const std::vector<Placed> all = described_controls();
  EXPECT_EQ(all.size(), 5u + 3u + 15u + 6u + 28u);
  for (const Placed& c : all) {
    const auto* widget = open.window->findChild<QWidget*>(QString::fromStdString(c.name));
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), px(c.place.left, c.place.top, c.place.width, c.place.height)) << c.name;
    EXPECT_EQ(widget->parentWidget(), container_of(open, c)) << c.name;
    EXPECT_TRUE(widget->isVisible()) << c.name;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      EXPECT_EQ(label->text().toStdString(), c.text) << c.name;
    }
  }
}

// A few places and texts written out, so that a slip in the table itself shows.
TEST(Layout, WorkedPlacesAndTexts) {
  OpenWindow open;
  const auto geometry = [&](const char* name) { return open.window->findChild<QWidget*>(name)->geometry(); };
  const auto text = [&](const char* name) {
    return open.window->findChild<QLabel*>(name)->text().toStdString();
  };
  EXPECT_EQ(geometry("Frame1"), px(120, 3720, 3375, 2055));
  EXPECT_EQ(geometry("HScroll_xM"), px(1200, 1680, 1335, 255));
  EXPECT_EQ(geometry("Text1"), px(2280, 240, 735, 285));
  EXPECT_EQ(geometry("Picture_CM"), px(8520, 4320, 3255, 2775));
  EXPECT_EQ(geometry("Label18"), px(1560, 2480, 255, 255));
  EXPECT_EQ(text("Label2"), "δ");
  EXPECT_EQ(text("Label7"), "xM/c=");
  EXPECT_EQ(text("Label10"), "  0.2");
  EXPECT_EQ(text("Label19"), "1-Cp");
  EXPECT_EQ(text("Label14"), " -8");
  EXPECT_EQ(open.window->findChild<QGroupBox*>("Frame3")->title().toStdString(), "Sıkıştırılabilme etkisi");
  EXPECT_TRUE(open.window->findChild<QGroupBox*>("Frame1")->title().isEmpty());
}

// A box may reach one pixel past its container's edge, which clips it (the
// tick label "1.0" under the airfoil ends 15 twips below the picture); its
// text never does.
TEST(Layout, EveryControlLiesInsideItsContainer) {
  OpenWindow open;
  for (const Placed& c : described_controls()) {
    const QWidget* container = container_of(open, c);
    const QRect inner = QRect(QPoint(0, 0), container->size()).adjusted(-1, -1, 1, 1);
    const QRect place = px(c.place.left, c.place.top, c.place.width, c.place.height);
    EXPECT_TRUE(inner.contains(place)) << c.name << " in " << c.container;
  }
}

// Controls of one container do not overlap; a text box and the scroll bar
// beside it share at most their one-pixel border.
TEST(Layout, NoTwoControlsOfAContainerOverlap) {
  const std::vector<Placed> all = described_controls();
  for (std::size_t a = 0; a < all.size(); ++a) {
    for (std::size_t b = a + 1; b < all.size(); ++b) {
      if (all[a].container != all[b].container) continue;
      const Place& p = all[a].place;
      const Place& q = all[b].place;
      const QRect shared =
          px(p.left, p.top, p.width, p.height).intersected(px(q.left, q.top, q.width, q.height));
      EXPECT_TRUE(shared.isEmpty() || shared.width() <= 1 || shared.height() <= 1)
          << all[a].name << " and " << all[b].name;
    }
  }
}

// Whatever font stands in for the one the layout was drawn with, every label
// shows its whole text inside its box.
TEST(Layout, EveryLabelTextFitsItsBox) {
  OpenWindow open;
  for (const Placed& c : described_controls()) {
    const auto* label = open.window->findChild<QLabel*>(QString::fromStdString(c.name));
    if (label == nullptr) continue;
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << c.name;
    EXPECT_LE(metrics.ascent(), label->height()) << c.name;
  }
}

// A tick label names the grid line it stands beside: for each number on a
// picture, the drawing has a line at that value, and the line's pixel row
// (a value on the vertical axis, labels at the left edge) or column (on the
// horizontal axis, labels along the bottom) passes through the label.
TEST(Layout, EveryTickLabelSitsBesideItsGridLine) {
  OpenWindow open;
  click(open.picture(SurfaceId::profil));
  for (const Annotation& a : kAnnotations) {
    bool is_number = false;
    const double value = QString::fromUtf8(a.text).trimmed().toDouble(&is_number);
    if (!is_number) continue;
    const PictureContent drawn = open.picture(a.surface)->content();
    std::optional<std::array<float, 4>> scale = drawn.start_scale;
    bool on_a_line = false;
    const bool vertical_axis = a.place.left < 400;
    for (const SurfaceCall& call : drawn.calls) {
      if (call.op == SurfaceCall::Op::Scale) scale = {call.args[0], call.args[1], call.args[2], call.args[3]};
      if (call.op != SurfaceCall::Op::Line) continue;
      const auto& c = call.args;
      // Every drawing puts a chart value y at the user point -y.
      if (vertical_axis && c[1] == c[3] && std::abs(c[1] + value) < 1e-4) on_a_line = true;
      if (!vertical_axis && c[0] == c[2] && std::abs(c[0] - value) < 1e-4) on_a_line = true;
    }
    EXPECT_TRUE(on_a_line) << a.name << " " << a.text;
    ASSERT_TRUE(scale) << a.name;
    const auto [x1, y1, x2, y2] = *scale;
    const QRect label = pixels(a.place);
    const QSize size = drawn.size;
    if (vertical_axis) {
      const double row = (-value - y1) / (y2 - y1) * size.height();
      EXPECT_TRUE(row >= label.top() - 1 && row <= label.bottom() + 1) << a.name << " row " << row;
    } else {
      const double column = (value - x1) / (x2 - x1) * size.width();
      EXPECT_TRUE(column >= label.left() - 1 && column <= label.right() + 1)
          << a.name << " column " << column;
    }
  }
}

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
    // Only the two coefficient boxes echo the program's values; the rest are typed.
    EXPECT_EQ(open.box(name)->isReadOnly(), std::string(name) == "Text_CL" || std::string(name) == "Text1")
        << name;
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
      {SurfaceId::daire, 0},      {SurfaceId::profil, 16711680}, {SurfaceId::pressure, 65280},
      {SurfaceId::Picture_CL, 0}, {SurfaceId::Picture_CM, 0},
  };
  for (const auto& [id, colour] : fore) {
    EXPECT_EQ(open.picture(id)->BackColor, 12648447);
    EXPECT_EQ(open.picture(id)->ForeColor, colour);
  }
}

// The family a widget really draws with, after the font system's matching.
std::string drawn_family(const QWidget* widget) { return QFontInfo(widget->font()).family().toStdString(); }

bool is_arial_like(const std::string& family) {
  return family == "Arial" || family == "Liberation Sans" || family == "Arimo" || family == "Nimbus Sans" ||
         family == "DejaVu Sans";
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
  for (const char* name : {"Label5", "Label7", "Label36", "Label1", "Label6", "Text_Thickness", "Text_Moo",
                           "Text_CL", "Text1", "Frame3"}) {
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

// Tab visits every control that takes the focus exactly once, in the
// order of the table, and comes back to the first.
TEST(Focus, TabWalksTheControlsInTheirOrderAndWrapsAround) {
  std::vector<std::string> order(kTabOrder.begin(), kTabOrder.end());
  order.push_back(order.front());
  EXPECT_EQ(order.front(), "profil");
  EXPECT_EQ(kTabOrder.back(), std::string("Text_Moo"));
  OpenWindow open;
  ASSERT_TRUE(QTest::qWaitForWindowActive(open.window.get()));
  std::vector<std::string> visited{QApplication::focusWidget()->objectName().toStdString()};
  for (std::size_t i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(visited, order);
  // Every box, bar and picture is in the walk.
  std::size_t focusable = 0;
  for (const QWidget* widget : open.window->centralWidget()->findChildren<QWidget*>()) {
    if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty()) ++focusable;
  }
  EXPECT_EQ(focusable, kTabOrder.size());
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
}  // namespace airfoil::testing
