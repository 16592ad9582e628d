// The About window: one window, its texts and looks, beside the main window
// while both are open.
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

#include <cmath>

#include <gtest/gtest.h>

#include "ui/qt/dialogs/about_window.h"
#include "ui/qt/dialogs/help_window.h"
#include "ui/qt/flow/flow_window.h"
#include "ui/render/qt_layout.h"
#include "ui/window_layout.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

void choose_about(Form1Window& window) { window.findChild<QAction*>("Mn_About")->trigger(); }

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

int about_windows() {
  int count = 0;
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "Form_About") ++count;
  }
  return count;
}

TEST(About, DoesNotExistUntilChosenAndChoosingTwiceGivesOneWindow) {
  OpenWindow open;
  EXPECT_EQ(open.window->about_window(), nullptr);
  EXPECT_EQ(about_windows(), 0);
  choose_about(*open.window);
  const AboutWindow* first = open.window->about_window();
  ASSERT_NE(first, nullptr);
  choose_about(*open.window);
  EXPECT_EQ(open.window->about_window(), first);
  EXPECT_EQ(about_windows(), 1);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isWindow());
  EXPECT_EQ(first->parentWidget(), nullptr);
  EXPECT_FALSE(first->isModal());
}

TEST(About, ClosedWindowComesBackTheSame) {
  OpenWindow open;
  choose_about(*open.window);
  AboutWindow* about = open.window->about_window();
  about->close();
  EXPECT_FALSE(about->isVisible());
  choose_about(*open.window);
  EXPECT_EQ(open.window->about_window(), about);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(about->findChildren<QLabel*>().size(), 6);
}

TEST(About, MainWindowKeepsWorkingWhileItIsOpen) {
  OpenWindow open;
  choose_about(*open.window);
  ASSERT_TRUE(open.window->about_window()->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(open.text("Text_Thickness"), "0.01");
  click(open.picture(SurfaceId::Picture_CM));
  EXPECT_EQ(open.clear_counts(), (std::vector<int>{2, 2, 2, 2, 2}));
}

// Closing the main window ends the program, whichever of its other windows
// are open: they close with it.
TEST(About, ClosingTheMainWindowClosesAboutHelpAndFlowAndEndsTheProgram) {
  OpenWindow open;
  choose_about(*open.window);
  open.window->open_help();
  open.window->open_flow();
  const QList<QWidget*> others{open.window->about_window(), open.window->help_window(),
                               open.window->flow_window()};
  // The event loop runs as the program's does; it ends by itself only if
  // closing the main window left no other window open.
  QTimer closing, still_running;
  closing.setSingleShot(true);
  QObject::connect(&closing, &QTimer::timeout, open.window.get(), &QWidget::close);
  QObject::connect(&still_running, &QTimer::timeout, [] { QApplication::exit(1); });
  closing.start(0);
  still_running.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(open.window->isVisible());
  for (const QWidget* other : others) EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
}

// Every label of the About table is shown as described, and no line is cut:
// one longer than its box in the installed font is widened inside the window.
TEST(About, ShowsEveryLabelOfItsTableAndCutsNone) {
  OpenWindow open;
  choose_about(*open.window);
  const AboutWindow* about = open.window->about_window();
  EXPECT_EQ(about->findChildren<QLabel*>().size(), static_cast<qsizetype>(kAboutLabels.size()));
  for (const AboutLabel& l : kAboutLabels) {
    const auto* label = about->findChild<QLabel*>(l.name);
    ASSERT_NE(label, nullptr) << l.name;
    EXPECT_EQ(label->text().toStdString(), l.text) << l.name;
    const QRect laid_out(px(l.place.left), px(l.place.top), px(l.place.width), px(l.place.height));
    if (label->wordWrap() || label->fontMetrics().horizontalAdvance(label->text()) <= laid_out.width()) {
      EXPECT_EQ(label->geometry(), laid_out) << l.name;
    } else {
      EXPECT_EQ(label->y(), laid_out.y()) << l.name;
      EXPECT_EQ(label->height(), laid_out.height()) << l.name;
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << l.name;
      EXPECT_GE(label->x(), 0) << l.name;
      EXPECT_LE(label->geometry().right(), about->width() - 1) << l.name;
    }
    const QString family = QFontInfo(label->font()).family();
    EXPECT_TRUE(family == "Verdana" || family == "DejaVu Sans") << l.name << ": " << family.toStdString();
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), l.font.points) << l.name;
    EXPECT_EQ(label->font().bold(), l.font.bold) << l.name;
    EXPECT_EQ(label->font().underline(), l.font.underline) << l.name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), to_qcolor(l.colour)) << l.name;
    EXPECT_EQ(label->wordWrap(), l.centred_wrapped) << l.name;
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
              l.centred_wrapped ? Qt::AlignHCenter : Qt::AlignLeft)
        << l.name;
  }
}

// The window and two of its labels written out, to pin the table itself.
TEST(About, WorkedLooksAndTexts) {
  OpenWindow open;
  choose_about(*open.window);
  const AboutWindow* about = open.window->about_window();
  EXPECT_EQ(about->windowTitle(), "About");
  EXPECT_EQ(about->size(), QSize(275, 213));
  EXPECT_EQ(about->palette().color(QPalette::Window), QColor(255, 255, 192));
  EXPECT_TRUE(about->autoFillBackground());
  const auto* title = about->findChild<QLabel*>("Label1");
  EXPECT_EQ(title->text(), "PelmoraAirfoil");
  EXPECT_EQ(title->geometry(), QRect(px(960), px(240), px(2415), px(375)));
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_TRUE(title->font().bold() && title->font().underline());
  EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12);
  const auto* address = about->findChild<QLabel*>("Label5");
  EXPECT_EQ(address->text(), "pelmora@example.org");
  EXPECT_EQ(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(about->findChild<QLabel*>("Label8")->text(), "last update : Februaray 2007");
}

TEST(About, WrappedDescriptionFitsItsLabel) {
  OpenWindow open;
  choose_about(*open.window);
  const auto* label = open.window->about_window()->findChild<QLabel*>("Label2");
  EXPECT_LE(label->heightForWidth(label->width()), label->height());
  EXPECT_GT(label->heightForWidth(label->width()), QFontMetrics(label->font()).height());
}

}  // namespace
}  // namespace airfoil::testing
