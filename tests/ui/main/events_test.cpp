// What the user's clicks, drags, keys and typing start: which cycle runs, what
// the text boxes and pictures show afterwards, and how messages and faults
// reach the user.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "ui/qt/main/message_boxes.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

using Counts = std::vector<int>;

QString hundredths(int value) { return QString::number(value / 100.0, 'g', 15); }

bool has_colour(const QImage& image, const QColor& colour) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      if (rgb.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

TEST(Events, ThicknessArrowFrom12To13RunsTheFullCycle) {
  OpenWindow open;
  open.bar("HScroll_Camber")->setValue(2);
  open.bar("HScroll_AlfaD")->setValue(4);
  open.bar("HScroll_Thickness")->setValue(12);
  const Counts counts = open.clear_counts();
  const double eps = open.window->form().w.Eps;
  const std::string cl = open.text("Text_CL");
  const std::string cm = open.text("Text1");
  const QImage circle = open.picture(SurfaceId::daire)->drawing();
  const QImage section = open.picture(SurfaceId::profil)->drawing();

  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);

  EXPECT_EQ(open.bar("HScroll_Thickness")->value(), 13);
  EXPECT_EQ(open.text("Text_Thickness"), "0.13");
  EXPECT_EQ(open.text("Text_Camber"), "0.02");
  EXPECT_EQ(open.text("Text_nP"), "51");
  EXPECT_EQ(open.text("Text_AlfaD"), "4");
  EXPECT_DOUBLE_EQ(open.window->form().w.Thickness, 0.13);
  EXPECT_NE(open.window->form().w.Eps, eps);
  EXPECT_NE(open.text("Text_CL"), cl);
  EXPECT_NE(open.text("Text1"), cm);
  EXPECT_EQ(open.clear_counts(),
            (Counts{counts[0] + 1, counts[1] + 1, counts[2] + 1, counts[3] + 1, counts[4] + 1}));
  EXPECT_NE(open.picture(SurfaceId::daire)->drawing(), circle);
  EXPECT_NE(open.picture(SurfaceId::profil)->drawing(), section);
  EXPECT_TRUE(open.messages.shown.empty());
  EXPECT_TRUE(open.messages.faults.empty());
}

// Every box keeps focus and selection; text typed into a bar's box without
// Return is given back when the box is left. The Mach number box is read as
// typed, a Turkish decimal comma included.
TEST(Events, BoxesKeepFocusUnappliedTypingGoesBackAndMooTakesADecimalComma) {
  OpenWindow open;
  for (const char* name :
       {"Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD", "Text_xM", "Text_CL", "Text1"}) {
    QLineEdit* box = open.box(name);
    EXPECT_TRUE(box->isEnabled() && box->focusPolicy() & Qt::TabFocus) << name;
    QTest::keyClicks(box, "0.25");
    box->selectAll();
    EXPECT_EQ(box->selectedText(), box->text()) << name;
    emit box->editingFinished();
  }
  EXPECT_EQ(open.text("Text_Thickness"), "0");

  open.box("Text_Moo")->setText("0,5");
  click(open.picture(SurfaceId::pressure));
  EXPECT_DOUBLE_EQ(open.window->form().w.Beta, std::sqrt(0.75));
  EXPECT_TRUE(open.messages.shown.empty());
}

// A number typed into a bar's box moves the bar on Return and runs its
// cycle, as if the bar had moved; a per cent is taken in a ratio box.
TEST(Events, ReturnInABarsBoxMovesTheBar) {
  OpenWindow open;
  QLineEdit* box = open.box("Text_Thickness");
  box->setText("12");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(open.bar("HScroll_Thickness")->value(), 12);
  EXPECT_EQ(open.window->form().w.Thickness, 0.12);
  EXPECT_EQ(open.text("Text_Thickness"), "0.12");
  EXPECT_TRUE(open.messages.shown.empty());
}

// Numbers are shown with the user's decimal separator, one in the whole
// window (boxes, axis ticks, tooltips, descriptions); the program itself
// keeps '.'.
TEST(Events, ATurkishLocaleShowsOneDecimalSeparatorInTheWholeWindow) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  {
    OpenWindow open;
    click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(open.text("Text_Thickness"), "0,01");
    EXPECT_EQ(open.window->form().w.Text_Thickness.Text, "0.01");
    EXPECT_EQ(open.window->findChild<QLabel*>("Label10")->text(), "  0,2");
    const QRegularExpression point_number("\\d\\.\\d");
    for (const QWidget* w : open.window->findChildren<QWidget*>()) {
      QStringList texts{w->toolTip(), w->accessibleDescription()};
      if (const auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
      if (const auto* box = qobject_cast<const QLineEdit*>(w)) texts << box->text();
      for (const QString& text : texts) EXPECT_FALSE(text.contains(point_number)) << text.toStdString();
    }
  }
  QLocale::setDefault(before);
}

TEST(Events, DraggingTheThumbRecomputesNothingUntilItIsReleased) {
  OpenWindow open;
  HScrollBar* bar = open.bar("HScroll_Thickness");
  const QPoint grip = bar->part_rect(QStyle::SC_ScrollBarSlider).center();
  const QPoint dragged = grip + QPoint(30, 0);

  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
  QMouseEvent move(QEvent::MouseMove, dragged, bar->mapToGlobal(dragged), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(bar, &move);

  EXPECT_GT(bar->sliderPosition(), 0);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(open.clear_counts(), (Counts{0, 0, 0, 0, 0}));
  EXPECT_EQ(open.text("Text_Thickness"), "0");

  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, dragged);

  const int landed = bar->value();
  EXPECT_GT(landed, 0);
  EXPECT_EQ(open.clear_counts(), (Counts{1, 1, 1, 1, 1}));
  EXPECT_EQ(open.text("Text_Thickness"), hundredths(landed).toStdString());
}

TEST(Events, PointCountStepsByTwoAndTenAndStopsAt11And101) {
  OpenWindow open;
  HScrollBar* bar = open.bar("HScroll_nP");
  struct Step {
    QStyle::SubControl part;
    int times;
  };
  const Step steps[] = {
      {QStyle::SC_ScrollBarAddPage, 6},  {QStyle::SC_ScrollBarAddLine, 1}, {QStyle::SC_ScrollBarSubLine, 1},
      {QStyle::SC_ScrollBarSubPage, 10}, {QStyle::SC_ScrollBarSubLine, 1}, {QStyle::SC_ScrollBarAddLine, 1},
  };
  std::vector<int> seen;
  for (const Step& step : steps) {
    for (int i = 0; i < step.times; ++i) {
      click(bar, step.part);
      seen.push_back(bar->value());
    }
  }
  EXPECT_EQ(seen, (std::vector<int>{61, 71, 81, 91, 101, 101, 101, 99, 89, 79,
                                    69, 59, 49, 39, 29,  19,  11,  11, 11, 13}));
  EXPECT_EQ(open.text("Text_nP"), "13");
  // One geometry cycle per real change (16 of the 20 clicks); the charts stay.
  EXPECT_EQ(open.clear_counts(), (Counts{16, 16, 16, 0, 0}));
}

struct FirstMove {
  const char* bar;
  QStyle::SubControl part;
  const char* box;
  const char* text;
  Counts redrawn;
};

class MovedFirst : public ::testing::TestWithParam<FirstMove> {};

TEST_P(MovedFirst, RunsItsCycleOnTheStartUpStateWithoutFault) {
  const FirstMove& move = GetParam();
  OpenWindow open;
  click(open.bar(move.bar), move.part);
  EXPECT_TRUE(open.messages.faults.empty())
      << (open.messages.faults.empty() ? "" : open.messages.faults.front());
  EXPECT_EQ(open.text(move.box), move.text);
  EXPECT_EQ(open.clear_counts(), move.redrawn);
  for (const char* box : {"Text_CL", "Text1", "Text_AlfaD", "Text_xM"}) {
    EXPECT_EQ(open.text(box).find_first_of("ni"), std::string::npos) << box << ": " << open.text(box);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AlfaDOrXm, MovedFirst,
    ::testing::Values(
        FirstMove{"HScroll_AlfaD", QStyle::SC_ScrollBarAddLine, "Text_AlfaD", "1", {0, 0, 1, 1, 1}},
        FirstMove{"HScroll_AlfaD", QStyle::SC_ScrollBarSubLine, "Text_AlfaD", "-1", {0, 0, 1, 1, 1}},
        FirstMove{"HScroll_xM", QStyle::SC_ScrollBarAddLine, "Text_xM", "0.01", {1, 1, 0, 0, 1}},
        FirstMove{"HScroll_xM", QStyle::SC_ScrollBarAddPage, "Text_xM", "0.05", {1, 1, 0, 0, 1}}),
    [](const auto& info) {
      return std::string(info.param.bar) + (info.param.part == QStyle::SC_ScrollBarSubLine   ? "_Left"
                                            : info.param.part == QStyle::SC_ScrollBarAddPage ? "_Track"
                                                                                             : "_Right");
    });

// The reference-point marker: a red circle of radius 0.01 chord around
// (xM, 0) on the airfoil picture, whose window runs from x = -0.1 to 1.1 and
// y = -0.35 to 0.25 across 320 by 160 pixels.
struct MarkerProbe {
  int cx, cy;
  bool red_above_and_below(const QImage& screen) const {
    const auto red_in = [&](int y0, int y1) {
      for (int y = y0; y <= y1; ++y) {
        for (int x = cx - 4; x <= cx + 4; ++x) {
          const QColor c = screen.pixelColor(x, y);
          if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
        }
      }
      return false;
    };
    return red_in(cy - 4, cy - 2) && red_in(cy + 2, cy + 4);
  }
};

TEST(Events, ReferencePointMarkerAppearsAfterXmChangeAndGoesWithTheNextGeometry) {
  // A flat plate first: its outline lies on the chord line, clear of the
  // marker's top and bottom.
  CatalogueFile catalogue({"0,0,0,0,0", "0.01,0,0.08,0,0.25"});
  OpenWindow open(catalogue.path());
  click(open.picture(SurfaceId::profil));
  const MarkerProbe at_quarter_chord{static_cast<int>(std::lround((0.25 + 0.1) / 1.2 * 320)),
                                     static_cast<int>(std::lround(0.35 / 0.6 * 160))};
  EXPECT_FALSE(at_quarter_chord.red_above_and_below(open.screen_of(SurfaceId::profil)));

  for (int i = 0; i < 5; ++i) click(open.bar("HScroll_xM"), QStyle::SC_ScrollBarAddPage);
  ASSERT_EQ(open.text("Text_xM"), "0.25");
  EXPECT_TRUE(at_quarter_chord.red_above_and_below(open.screen_of(SurfaceId::profil)));

  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  ASSERT_EQ(open.text("Text_Thickness"), "0.01");
  EXPECT_FALSE(at_quarter_chord.red_above_and_below(open.screen_of(SurfaceId::profil)));
  EXPECT_TRUE(open.messages.shown.empty());
}

TEST(Events, CatalogueMissShowsItsMessageOncePerCycleAndTheCycleGoesOn) {
  CatalogueFile catalogue({"0,0,0,0,0"});
  OpenWindow open(catalogue.path());
  click(open.picture(SurfaceId::pressure));
  ASSERT_TRUE(open.messages.shown.empty());

  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(open.messages.shown, std::vector<std::string>{kProfileNotInCatalogue});
  EXPECT_EQ(open.text("Text_Thickness"), "0.01");
  EXPECT_EQ(open.clear_counts(), (Counts{2, 2, 2, 2, 2}));

  click(open.bar("HScroll_Camber"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(open.messages.shown.size(), 2u);
  EXPECT_EQ(open.clear_counts(), (Counts{3, 3, 3, 3, 3}));
  EXPECT_TRUE(open.messages.faults.empty());
}

TEST(Events, MissingCatalogueShowsTheStartUpMessageAndTheWindowStillOpens) {
  QTemporaryDir empty;
  const std::string path = empty.filePath("KATPE-D20G15.txt").toStdString();
  const std::string missing = path + " dosyası bulunamadı";
  OpenWindow open(path);
  EXPECT_EQ(open.messages.shown, std::vector<std::string>{missing});
  EXPECT_TRUE(open.window->isVisible());
  EXPECT_EQ(open.clear_counts(), (Counts{0, 0, 0, 0, 0}));

  click(open.picture(SurfaceId::daire));
  EXPECT_EQ(open.messages.shown, (std::vector<std::string>{missing, kProfileNotInCatalogue}));
  EXPECT_EQ(open.clear_counts(), (Counts{1, 1, 1, 1, 1}));
  EXPECT_TRUE(open.messages.faults.empty());
}

TEST(Events, EveryPictureClickRunsTheFullCycle) {
  OpenWindow open;
  open.bar("HScroll_Thickness")->setValue(10);
  for (int i = 0; i < 5; ++i) {
    const Counts before = open.clear_counts();
    click(open.picture(static_cast<SurfaceId>(i)));
    Counts after = before;
    for (int& c : after) ++c;
    EXPECT_EQ(open.clear_counts(), after) << i;
  }
  // A right click is no click.
  const Counts before = open.clear_counts();
  QTest::mouseClick(open.picture(SurfaceId::daire), Qt::RightButton);
  EXPECT_EQ(open.clear_counts(), before);
}

TEST(Events, KeyboardStepsOnAFocusedBarRaiseItsChange) {
  OpenWindow open;
  HScrollBar* bar = open.bar("HScroll_xM");
  bar->setFocus();
  const std::pair<Qt::Key, const char*> keys[] = {
      {Qt::Key_Right, "0.01"}, {Qt::Key_Down, "0.02"}, {Qt::Key_Left, "0.01"},
      {Qt::Key_Up, "0"},       {Qt::Key_Up, "0"},      {Qt::Key_PageDown, "0.05"},
      {Qt::Key_PageUp, "0"},   {Qt::Key_End, "1"},     {Qt::Key_Home, "0"},
  };
  for (const auto& [key, text] : keys) {
    QTest::keyClick(bar, key);
    EXPECT_EQ(open.text("Text_xM"), text) << QKeySequence(key).toString().toStdString();
  }
  // Eight of the nine keys moved the bar; Up at the minimum did not.
  EXPECT_EQ(open.picture(SurfaceId::Picture_CM)->clear_count(), 8);
}

TEST(Events, TypedMachNumberWaitsForTheNextCycleThatReadsIt) {
  OpenWindow open;
  click(open.picture(SurfaceId::profil));
  const Counts counts = open.clear_counts();

  open.box("Text_Thickness")->setFocus();
  QTest::keyClicks(open.box("Text_Thickness"), "9");
  open.box("Text_Moo")->selectAll();
  QTest::keyClicks(open.box("Text_Moo"), "0.5");
  EXPECT_EQ(open.clear_counts(), counts);
  EXPECT_FALSE(has_colour(open.picture(SurfaceId::pressure)->drawing(), QColor(255, 0, 255)));

  // The incidence cycle reads the Mach number but does not write the thickness.
  click(open.bar("HScroll_AlfaD"), QStyle::SC_ScrollBarAddLine);
  EXPECT_TRUE(has_colour(open.picture(SurfaceId::pressure)->drawing(), QColor(255, 0, 255)));
  EXPECT_EQ(open.text("Text_Thickness"), "0");  // an echo box takes no typing
  EXPECT_EQ(open.text("Text_Moo"), "0.5");

  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(open.text("Text_Thickness"), "0.01");
}

TEST(Events, MachNumberOutOfRangeIsReportedOncePerCycle) {
  OpenWindow open;
  open.box("Text_Moo")->setText("1.5");
  click(open.picture(SurfaceId::Picture_CL));
  EXPECT_EQ(open.messages.shown, std::vector<std::string>{kMooOutOfRange});
  click(open.bar("HScroll_AlfaD"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(open.messages.shown.size(), 2u);
  EXPECT_TRUE(open.messages.faults.empty());
}

TEST(Events, AFaultEndsTheCycleIsReportedAndTheWindowGoesOn) {
  // A circle centre far beyond any real section: the geometry overflows.
  CatalogueFile catalogue({"0,0,1e300,1e300,0", "0.01,0,0.08,0,0.25"});
  OpenWindow open(catalogue.path());
  click(open.picture(SurfaceId::daire));
  ASSERT_EQ(open.messages.faults.size(), 1u);
  EXPECT_FALSE(open.messages.faults.front().empty());
  // Nothing after the failing step drew; in particular no chart.
  const Counts after_fault = open.clear_counts();
  EXPECT_EQ(after_fault[3], 0);
  EXPECT_EQ(after_fault[4], 0);
  for (const char* box : {"Text_CL", "Text1"}) EXPECT_EQ(open.text(box), "0") << box;

  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(open.messages.faults.size(), 1u);
  EXPECT_EQ(open.clear_counts()[3], 1);
  EXPECT_TRUE(open.window->isVisible());
}

TEST(Events, HeldArrowStopsRepeatingWhenAMessageBoxBlocksTheWindow) {
  OpenWindow open;
  HScrollBar* bar = open.bar("HScroll_Thickness");
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier,
                    bar->part_rect(QStyle::SC_ScrollBarAddLine).center());
  ASSERT_TRUE(bar->auto_repeating());
  QEvent blocked(QEvent::WindowBlocked);
  QApplication::sendEvent(open.window.get(), &blocked);
  EXPECT_FALSE(bar->auto_repeating());
  EXPECT_EQ(bar->value(), 1);
  QTest::mouseRelease(bar, Qt::LeftButton);
  EXPECT_EQ(bar->value(), 1);
}

// Answers the next modal message box with OK, noting what it showed. Lives
// as long as the test, so a box that never comes leaves nothing behind.
class BoxAnswerer {
 public:
  BoxAnswerer() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      poll_.stop();
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->buttons().size();
      was_modal = box->isModal();
      box->button(QMessageBox::Ok)->click();
    });
    poll_.start(5);
  }

  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 0;
  bool was_modal = false;

 private:
  QTimer poll_;
};

TEST(MessageBoxes, StartUpMessageIsAModalBoxWithOkOnly) {
  QTemporaryDir empty;
  BoxAnswerer seen;
  const std::string path = empty.filePath("KATPE-D20G15.txt").toStdString();
  Form1Window window(nullptr, path);
  EXPECT_EQ(seen.caption, "PelmoraAirfoil");
  EXPECT_EQ(seen.text.toStdString(), path + " dosyası bulunamadı");
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.was_modal);
  EXPECT_FALSE(window.isVisible());
}

TEST(MessageBoxes, FaultIsAWarningBoxWithOkOnly) {
  QWidget owner;
  airfoil::MessageBoxes boxes(&owner);
  BoxAnswerer seen;
  boxes.fault("index 102 outside 0 to 101");
  EXPECT_EQ(seen.caption, "PelmoraAirfoil");
  EXPECT_EQ(seen.text, "index 102 outside 0 to 101");
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.buttons, 1);
}

}  // namespace
}  // namespace airfoil::testing
