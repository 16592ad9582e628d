// The About window: one window, its texts and looks, and its independence
// from the main window.
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "ui/qt/about_window.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

void choose_about(Form1Window& window) {
  window.findChild<QAction*>("Mn_About")->trigger();
}

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

TEST(About, StaysOpenWhenTheMainWindowCloses) {
  OpenWindow open;
  choose_about(*open.window);
  open.window->close();
  EXPECT_FALSE(open.window->isVisible());
  EXPECT_TRUE(open.window->about_window()->isVisible());
}

struct AboutLabel {
  const char* name;
  const char* text;
  int left, top, width, height;  // twips
  double points;
  bool bold_underlined;
  QColor colour;
  Qt::Alignment horizontal;
};

TEST(About, ShowsItsSixLabelsAsLaidOut) {
  const QColor green(0, 128, 0), blue(0, 0, 255), black(0, 0, 0);
  const AboutLabel labels[] = {
      {"Label1", "PelmoraAirfoil", 960, 240, 2415, 375, 12, true, green, Qt::AlignLeft},
      {"Label2", "Aerodynamic Characteristics of Pelmora Airfoil", 840, 720, 2655, 735, 9.75, false,
       green, Qt::AlignHCenter},
      {"Label7", "the PelmoraAirfoil developers", 840, 1680, 2535, 255, 8.25, false,
       black, Qt::AlignLeft},
      {"Label8", "last update : Februaray 2007", 840, 2040, 2775, 255, 8.25, false, black,
       Qt::AlignLeft},
      {"Label4", "for comments and questions e-mail to", 480, 2520, 3375, 255, 8.25, false, black,
       Qt::AlignLeft},
      {"Label5", "pelmora@example.org", 1200, 2760, 1935, 255, 8.25, false, blue,
       Qt::AlignLeft},
  };
  const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  OpenWindow open;
  choose_about(*open.window);
  const AboutWindow* about = open.window->about_window();
  EXPECT_EQ(about->windowTitle(), "About");
  EXPECT_EQ(about->size(), QSize(275, 213));
  EXPECT_EQ(about->palette().color(QPalette::Window), QColor(255, 255, 192));
  EXPECT_TRUE(about->autoFillBackground());
  for (const AboutLabel& l : labels) {
    const auto* label = about->findChild<QLabel*>(l.name);
    ASSERT_NE(label, nullptr) << l.name;
    EXPECT_EQ(label->text().toStdString(), l.text) << l.name;
    const QRect laid_out(px(l.left), px(l.top), px(l.width), px(l.height));
    if (label->wordWrap() ||
        label->fontMetrics().horizontalAdvance(label->text()) <= laid_out.width()) {
      EXPECT_EQ(label->geometry(), laid_out) << l.name;
    } else {
      // A line longer than its label is widened to show all of it, inside
      // the window, on its own row.
      EXPECT_EQ(label->y(), laid_out.y()) << l.name;
      EXPECT_EQ(label->height(), laid_out.height()) << l.name;
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << l.name;
      EXPECT_GE(label->x(), 0) << l.name;
      EXPECT_LE(label->geometry().right(), about->width() - 1) << l.name;
    }
    const QString family = QFontInfo(label->font()).family();
    EXPECT_TRUE(family == "Verdana" || family == "DejaVu Sans") << l.name << ": " << family.toStdString();
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), l.points) << l.name;
    EXPECT_EQ(label->font().bold(), l.bold_underlined) << l.name;
    EXPECT_EQ(label->font().underline(), l.bold_underlined) << l.name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), l.colour) << l.name;
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, l.horizontal) << l.name;
    EXPECT_EQ(label->wordWrap(), l.horizontal == Qt::AlignHCenter) << l.name;
  }
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
