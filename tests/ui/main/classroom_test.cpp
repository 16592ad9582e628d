// Use without a mouse and with assistive technology: the focus mark, keys on
// the pictures and the Mach number box, the help window, accessible names and
// descriptions.
#include <QAccessible>
#include <QApplication>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "ui/qt/dialogs/help_window.h"
#include "ui/qt/main/focus_mark.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

constexpr const char* kFocusable[] = {
    "profil",  "pressure",      "Text_AlfaD",        "Text_Camber",    "Text_Thickness",
    "Text_nP", "HScroll_AlfaD", "HScroll_Thickness", "HScroll_Camber", "HScroll_nP",
    "daire",   "Text_CL",       "Picture_CL",        "Text1",          "Picture_CM",
    "Text_xM", "HScroll_xM",    "Text_Moo",
};

struct ActiveWindow : OpenWindow {
  ActiveWindow() {
    window->activateWindow();
    active = QTest::qWaitForWindowActive(window.get());
  }
  ~ActiveWindow() {
    if (HelpWindow* help = window->help_window()) help->close();
  }
  QImage screen() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  bool active = false;
};

TEST(FocusMark, FollowsTabAndFramesPicturesFromOutsideWithoutCoveringThem) {
  ActiveWindow open;
  ASSERT_TRUE(open.active);
  const FocusMark* mark = &open.window->focus_mark();
  for (std::size_t step = 0; step < std::size(kFocusable); ++step) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused->objectName(), kFocusable[step]);
    EXPECT_EQ(mark->target(), focused);
    EXPECT_TRUE(mark->isVisible()) << kFocusable[step];
    const QRect place(focused->mapTo(open.window->centralWidget(), QPoint(0, 0)), focused->size());
    const bool picture = qobject_cast<PictureBox*>(focused) != nullptr;
    const int out = picture ? FocusMark::kWidth : 0;
    EXPECT_EQ(mark->geometry(), place.adjusted(-out, -out, out, out)) << kFocusable[step];
    QTest::keyClick(focused, Qt::Key_Tab);
  }

  // The frame is drawn around the airfoil picture; the picture itself shows
  // on screen exactly as it does on its own.
  PictureBox* profil = open.picture(SurfaceId::profil);
  profil->setFocus();
  click(profil);
  const QImage screen = open.screen();
  const QPoint corner = profil->mapTo(open.window.get(), QPoint(0, 0));
  const QColor highlight = mark->palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(screen.pixelColor(corner + QPoint(-1, profil->height() / 2)), highlight);
  EXPECT_EQ(screen.copy(QRect(corner, profil->size())), open.screen_of(SurfaceId::profil));

  // Tabbing from one scroll bar to the next shows on the window.
  open.bar("HScroll_Thickness")->setFocus();
  const QImage before = open.screen();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), open.bar("HScroll_Camber"));
  EXPECT_NE(open.screen(), before);
}

TEST(Keyboard, SpaceOrReturnOnAFocusedPictureIsItsClick) {
  ActiveWindow open;
  ASSERT_TRUE(open.active);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(open.clear_counts(), std::vector<int>(5, 1));
  QTest::keyClick(open.picture(SurfaceId::Picture_CM), Qt::Key_Return);
  EXPECT_EQ(open.clear_counts(), std::vector<int>(5, 2));
  QTest::keyClick(open.picture(SurfaceId::daire), Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(open.clear_counts(), std::vector<int>(5, 2));
}

TEST(Keyboard, ReturnInTheMachBoxAppliesItToEveryPicture) {
  ActiveWindow open;
  click(open.picture(SurfaceId::profil));
  QLineEdit* moo = open.box("Text_Moo");
  moo->setFocus();
  moo->selectAll();
  QTest::keyClicks(moo, "0.5");
  QTest::keyClick(moo, Qt::Key_Return);
  EXPECT_EQ(open.clear_counts(), std::vector<int>(5, 2));
  // The corrected curves are magenta, on all three pictures that have one.
  for (SurfaceId id : {SurfaceId::pressure, SurfaceId::Picture_CL, SurfaceId::Picture_CM}) {
    const QImage image = open.screen_of(id);
    bool magenta = false;
    for (int y = 0; y < image.height() && !magenta; ++y) {
      for (int x = 0; x < image.width() && !magenta; ++x) {
        magenta = image.pixelColor(x, y) == QColor(255, 0, 255);
      }
    }
    EXPECT_TRUE(magenta) << static_cast<int>(id);
  }
}

TEST(Keyboard, AltAOpensAboutF1OpensOneHelpWindowAndEscapeClosesBoth) {
  ActiveWindow open;
  ASSERT_TRUE(open.active);
  QTest::keyClick(open.window.get(), Qt::Key_A, Qt::AltModifier);
  AboutWindow* about = open.window->about_window();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(about));
  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_FALSE(about->isVisible());

  open.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(open.window.get()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  HelpWindow* help = open.window->help_window();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->parentWidget(), nullptr);  // modeless, like About
  open.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(open.window.get()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_EQ(open.window->help_window(), help);
  int helps = 0;
  for (const QWidget* w : QApplication::topLevelWidgets()) helps += w->objectName() == "Form_Help";
  EXPECT_EQ(helps, 1);
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());
}

QString accessible(QWidget* widget, QAccessible::Text text) {
  return QAccessible::queryAccessibleInterface(widget)->text(text);
}

TEST(Accessibility, EveryControlHasANameADescriptionAndATooltip) {
  OpenWindow open;
  for (const char* name : kFocusable) {
    auto* widget = open.window->findChild<QWidget*>(name);
    EXPECT_FALSE(accessible(widget, QAccessible::Name).isEmpty()) << name;
    EXPECT_FALSE(accessible(widget, QAccessible::Description).isEmpty()) << name;
    EXPECT_FALSE(widget->toolTip().isEmpty()) << name;
  }
  // The scroll bars report their values.
  HScrollBar* bar = open.bar("HScroll_nP");
  click(bar, QStyle::SC_ScrollBarAddPage);
  QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(bar)->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toInt(), 61);
  EXPECT_EQ(value->maximumValue().toInt(), 101);
}

TEST(Accessibility, PictureDescriptionsFollowTheNumbersOfWhatIsDrawn) {
  OpenWindow open;
  auto description = [&](SurfaceId id) { return accessible(open.picture(id), QAccessible::Description); };
  const QString empty = description(SurfaceId::Picture_CL);
  click(open.picture(SurfaceId::Picture_CL));
  const QString cl_at_zero = description(SurfaceId::Picture_CL);
  EXPECT_NE(cl_at_zero, empty);
  for (int i = 0; i < 6; ++i) click(open.bar("HScroll_AlfaD"), QStyle::SC_ScrollBarAddLine);
  const QString cl = description(SurfaceId::Picture_CL);
  EXPECT_TRUE(cl.startsWith(QString("CL %1").arg(open.box("Text_CL")->text()))) << cl.toStdString();
  EXPECT_TRUE(cl.contains(" 6 ")) << cl.toStdString();
  EXPECT_NE(cl, cl_at_zero);
  EXPECT_TRUE(description(SurfaceId::Picture_CM).contains(open.box("Text1")->text()));

  // A chart the cycle did not redraw keeps the numbers it shows: a point
  // count change reads a new Mach number for the pressure plot only.
  open.box("Text_Moo")->setText("0.5");
  click(open.bar("HScroll_nP"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(description(SurfaceId::Picture_CL), cl);
  click(open.bar("HScroll_AlfaD"), QStyle::SC_ScrollBarAddLine);
  EXPECT_NE(description(SurfaceId::Picture_CL), cl);
}

}  // namespace
}  // namespace airfoil::testing
