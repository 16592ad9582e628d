// Zoom for the projector: the window laid out again at a factor of its
// designed size, the pictures repainted from their calls, and back to the
// designed pixels at 100 %.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTextBrowser>
#include <QWheelEvent>

#include <map>

#include <gtest/gtest.h>

#include "support/state.h"
#include "ui/qt/app/options.h"
#include "ui/qt/dialogs/help_window.h"
#include "ui/qt/main/focus_mark.h"
#include "ui/qt/main/zoom.h"
#include "ui/qt/settings.h"
#include "ui/render/exporter.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

struct ZoomWindow : OpenWindow {
  ZoomWindow() {
    window->activateWindow();
    active = QTest::qWaitForWindowActive(window.get());
  }
  ~ZoomWindow() {
    if (HelpWindow* help = window->help_window()) help->close();
    // What the keys remembered is not left for the next test.
    remember_zoom(1);
  }
  void keys(Qt::Key key, int times = 1) const {
    for (int i = 0; i < times; ++i) QTest::keyClick(window.get(), key, Qt::ControlModifier);
  }
  QImage screen() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  // Every widget placed in the window that has a name of ours, with its
  // geometry (the pictures' menus are windows of their own).
  std::map<QString, QRect> places() const {
    std::map<QString, QRect> all;
    for (const QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
      if (!w->isWindow() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
          w->objectName() != "FocusMark")
        all[w->objectName()] = w->geometry();
    }
    return all;
  }
  bool active = false;
};

TEST(Zoom, CtrlPlusTwiceScalesEveryPlaceSizeAndFontByOneAndAHalf) {
  ZoomWindow open;
  ASSERT_TRUE(open.active);
  const std::map<QString, QRect> designed = open.places();
  const double tick_points = open.window->findChild<QLabel*>("Label10")->font().pointSizeF();
  open.keys(Qt::Key_Plus, 2);
  ASSERT_EQ(open.window->zoom(), 1.5);

  EXPECT_EQ(open.window->centralWidget()->size(), QSize(1188, 735));
  EXPECT_EQ(open.window->size(), QSize(1188, 735 + open.window->menuBar()->height()));
  EXPECT_EQ(open.window->minimumSize(), open.window->maximumSize());
  const std::map<QString, QRect> zoomed = open.places();
  ASSERT_EQ(zoomed.size(), designed.size());
  // Every entry of the tables is among them.
  ASSERT_EQ(zoomed.size(), kSurfaceLayouts.size() + kFrames.size() + 3 * kInputRows.size() +
                               kFrameItems.size() + kAnnotations.size());
  for (const auto& [name, at] : designed) {
    const QRect now = zoomed.at(name);
    // Each of the four numbers is rounded from twips once, so it lies within
    // a pixel of one and a half times the designed pixels.
    EXPECT_LE(std::abs(now.x() - 1.5 * at.x()), 1) << name.toStdString();
    EXPECT_LE(std::abs(now.y() - 1.5 * at.y()), 1) << name.toStdString();
    EXPECT_LE(std::abs(now.width() - 1.5 * at.width()), 1) << name.toStdString();
    EXPECT_LE(std::abs(now.height() - 1.5 * at.height()), 1) << name.toStdString();
  }
  EXPECT_DOUBLE_EQ(open.window->findChild<QLabel*>("Label10")->font().pointSizeF(), 1.5 * tick_points);
  EXPECT_DOUBLE_EQ(open.box("Text_Moo")->font().pointSizeF(), 1.5 * 8.25);
  const QFont menu = QApplication::font(open.window->menuBar());
  EXPECT_DOUBLE_EQ(open.window->menuBar()->font().pointSizeF(), 1.5 * menu.pointSizeF());
}

TEST(Zoom, CtrlZeroRestoresTheDesignedWindowPixelForPixel) {
  ZoomWindow open;
  ASSERT_TRUE(open.active);
  click(open.picture(SurfaceId::profil));
  const QImage designed = open.screen();
  open.keys(Qt::Key_Plus, 3);
  open.keys(Qt::Key_Minus);
  EXPECT_EQ(open.window->zoom(), 1.5);
  open.keys(Qt::Key_0);
  EXPECT_EQ(open.window->zoom(), 1);
  EXPECT_EQ(open.window->centralWidget()->size(), QSize(792, 490));
  EXPECT_EQ(open.screen(), designed);
}

TEST(Zoom, RepaintsThePicturesCrispWithoutACycle) {
  ZoomWindow open;
  ASSERT_TRUE(open.active);
  click(open.picture(SurfaceId::profil));
  PictureBox* profil = open.picture(SurfaceId::profil);
  const std::vector<int> counts = open.clear_counts();
  const std::vector<double> state = flatten(open.window->form().w);
  const QImage twice = profil->drawing(2);
  const QImage exported = picture_image(profil->content());

  open.keys(Qt::Key_Equal, 4);
  ASSERT_EQ(open.window->zoom(), 2);
  EXPECT_EQ(open.clear_counts(), counts);
  EXPECT_EQ(flatten(open.window->form().w), state);
  // The airfoil picture is a whole number of pixels at 100 %, so at 200 % it
  // is exactly the drawing of a screen of twice the density: lines two
  // pixels wide, on the same grid.
  ASSERT_EQ(profil->size(), QSize(640, 320));
  EXPECT_EQ(profil->drawing(), twice);
  // The exports still write the designed picture.
  EXPECT_EQ(picture_image(profil->content()), exported);
  // The focus mark grows with the window.
  profil->setFocus();
  EXPECT_EQ(open.window->focus_mark().band(), 2 * FocusMark::kWidth);
}

TEST(Zoom, CtrlWheelOverAScrollBarZoomsAndLeavesTheBarAlone) {
  ZoomWindow open;
  HScrollBar* bar = open.bar("HScroll_Thickness");
  const int value = bar->value();
  const QPointF at = bar->rect().center();
  QWheelEvent up(at, bar->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &up);
  EXPECT_EQ(open.window->zoom(), 1.25);
  EXPECT_EQ(bar->value(), value);
  EXPECT_EQ(open.clear_counts(), std::vector<int>(5, 0));

  // A touchpad's small turns add up: two notches in 24 turns of a tenth.
  QWheelEvent bit(at, bar->mapToGlobal(at), {}, QPoint(0, 10), Qt::NoButton, Qt::ControlModifier,
                  Qt::NoScrollPhase, false);
  for (int k = 0; k < 23; ++k) QApplication::sendEvent(bar, &bit);
  EXPECT_EQ(open.window->zoom(), 1.5);
  QApplication::sendEvent(bar, &bit);
  EXPECT_EQ(open.window->zoom(), 1.75);
}

TEST(Zoom, AboutAndHelpFollowTheFactor) {
  ZoomWindow open;
  ASSERT_TRUE(open.active);
  open.window->form().Mn_About_Click();
  AboutWindow* about = open.window->about_window();
  open.window->set_zoom(2);
  EXPECT_EQ(about->size(), QSize(550, 426));
  const auto* title = about->findChild<QLabel*>("Label1");
  EXPECT_EQ(title->pos(), QPoint(128, 32));
  EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 24);

  // Opened at 200 %, back to the designed size at 100 %.
  open.window->open_help();
  HelpWindow* help = open.window->help_window();
  EXPECT_EQ(help->size(), QSize(1240, 1200));
  EXPECT_DOUBLE_EQ(help->findChild<QTextBrowser*>()->font().pointSizeF(), 20);
  open.window->set_zoom(1);
  EXPECT_EQ(about->size(), QSize(275, 213));
  EXPECT_EQ(title->pos(), QPoint(64, 16));
  EXPECT_EQ(help->size(), QSize(620, 600));
}

// No window opens or zooms larger than its screen's available area: the
// main window takes the largest step that fits, help is cut to the screen
// and scrolls, and a window that sticks out is moved back, its title bar
// never above the top.
TEST(Zoom, WindowsNeverOutgrowTheirScreenNorRiseAboveItsTop) {
  QScreen* projector = nullptr;
  for (QScreen* screen : QGuiApplication::screens())
    projector = screen->name() == "projector" ? screen : projector;
  ASSERT_NE(projector, nullptr);
  ZoomWindow open;
  ASSERT_TRUE(open.active);
  const auto inside = [](const QWidget& w) { return available_area(w).contains(w.frameGeometry()); };
  open.window->set_zoom(3);
  EXPECT_EQ(open.window->zoom(), 3);
  open.window->open_help();
  HelpWindow* help = open.window->help_window();
  EXPECT_TRUE(help->height() < 1800 && inside(*help) && inside(*open.window));
  help->close();

  open.window->set_zoom(1);
  open.window->setScreen(projector);
  open.window->move(projector->geometry().topLeft() + QPoint(300, -40));
  open.keys(Qt::Key_Plus, 8);
  EXPECT_EQ(open.window->zoom(), 1.25);
  EXPECT_TRUE(inside(*open.window) && projector->geometry().contains(open.window->frameGeometry()));
}

TEST(ZoomFactor, IsReadAsWrittenAndRoundedToAStep) {
  EXPECT_EQ(read_zoom("2"), 2);
  EXPECT_EQ(read_zoom("2.0"), 2);
  EXPECT_EQ(read_zoom("200%"), 2);
  EXPECT_EQ(read_zoom("150 %"), 1.5);
  EXPECT_EQ(read_zoom("1,5"), 1.5);
  EXPECT_EQ(read_zoom("two"), std::nullopt);
  EXPECT_EQ(read_zoom("0"), std::nullopt);
  EXPECT_EQ(read_zoom(""), std::nullopt);
  EXPECT_EQ(nearest_zoom(10), 3);
  EXPECT_EQ(nearest_zoom(0.2), 0.5);
  EXPECT_EQ(nearest_zoom(1.6), 1.5);
}

TEST(ZoomFactor, OptionAndKeysAreRememberedForTheNextRun) {
  const auto read = [](QStringList options) {
    options.prepend("pelmora-airfoil");
    return read_zoom_option(options);
  };
  EXPECT_EQ(read({"--zoom", "200%"}).chosen, 2);
  EXPECT_EQ(read({"--zoom", "190%"}).chosen, 2);  // the nearest step
  EXPECT_EQ(read({"--zoom=1.1"}).chosen, 1);
  EXPECT_FALSE(read({"--zoom", "big"}).valid || read({"--zoom"}).valid);
  {
    ZoomWindow open;
    ASSERT_TRUE(open.active);
    open.keys(Qt::Key_Minus);
    EXPECT_EQ(remembered_zoom(), 0.75);
  }
}

// A folder where the settings file should be: the zoom keys still zoom, and
// the choice that cannot be remembered is said once, not at every key.
TEST(ZoomFactor, AKeyThatCannotBeRememberedSaysSoOnce) {
  const QString previous = settings_file();
  const QTemporaryDir folder;
  set_settings_file(folder.path());
  ZoomWindow open;
  open.keys(Qt::Key_Minus, 2);
  set_settings_file(previous);
  EXPECT_EQ(open.window->zoom(), 0.5);
  ASSERT_EQ(open.messages.shown.size(), 1U);
  EXPECT_NE(open.messages.shown[0].find("hatırlanamadı"), std::string::npos) << open.messages.shown[0];
}

}  // namespace
}  // namespace airfoil::testing
