// The window's icon: the installed SVG, built into the program, drawn at the
// sizes menus, task bars and software centres ask for.
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

#include "ui/qt/app/app_icon.h"

namespace airfoil::testing {
namespace {

TEST(Icon, DrawsTheSectionInItsCircleAtMenuAndStoreSizes) {
  const QIcon icon = application_icon();
  for (const int size : {16, 48, 256}) {
    SCOPED_TRACE(size);
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_FALSE(image.isNull()) << "no SVG plugin drew the icon";
    ASSERT_EQ(image.size(), QSize(size, size));
    // Outside the circle the icon is transparent; the ring at the top is
    // darker than the light yellow inside it; the middle is the blue section.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    const QColor ring = image.pixelColor(size / 2, size / 16);
    const QColor inside = image.pixelColor(size / 2, size * 3 / 16);
    EXPECT_GT(ring.alpha(), 200);
    EXPECT_LT(ring.lightness(), inside.lightness() - 60);
    EXPECT_GT(inside.red(), inside.blue());
    const QColor section = image.pixelColor(size / 2, size * 7 / 16);
    EXPECT_GT(section.blue(), section.red() + 100);
  }
}

}  // namespace
}  // namespace airfoil::testing
