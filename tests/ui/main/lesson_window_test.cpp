// The lesson on the desktop: the keys reach the pins and the readouts, the
// pictures show the references dashed, and the pressure picture says when
// the correction no longer holds.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/qt/main/lesson_notes.h"
#include "ui/qt/readouts/readouts_window.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

int dashed_lines(const PictureBox* picture) {
  int n = 0;
  for (const SurfaceCall& call : picture->recording().calls()) n += call.style != LineStyle::solid;
  return n;
}

TEST(LessonWindow, KeysPinShowReadoutsAndTheNoticeFollowsTheDrawnMach) {
  OpenWindow open;
  open.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(open.window.get()));
  QLineEdit* alfa = open.box("Text_AlfaD");
  open.box("Text_Thickness")->setText("12");
  QTest::keyClick(open.box("Text_Thickness"), Qt::Key_Return);
  open.box("Text_Camber")->setText("4");
  QTest::keyClick(open.box("Text_Camber"), Qt::Key_Return);
  alfa->setText("6");
  QTest::keyClick(alfa, Qt::Key_Return);

  QTest::keyClick(open.window.get(), Qt::Key_K, Qt::ControlModifier);
  ASSERT_EQ(open.window->form().w.references.size(), 1u);
  alfa->setText("2");
  QTest::keyClick(alfa, Qt::Key_Return);
  for (int i = 0; i < 5; ++i) EXPECT_GT(dashed_lines(open.picture(static_cast<SurfaceId>(i))), 0) << i;

  LessonNotes* lesson = &open.window->lesson_notes();
  QTest::keyClick(open.window.get(), Qt::Key_F3);
  ReadoutsWindow* readouts = open.window->readouts_window();
  ASSERT_NE(readouts, nullptr);
  EXPECT_EQ(readouts->value_text("m_crit"), "0.599");

  // Typed, not applied: nothing is said yet; after Return it is, on the picture too.
  open.box("Text_Moo")->setText("0.6");
  EXPECT_TRUE(lesson->pressure_notice().isEmpty());
  QTest::keyClick(open.box("Text_Moo"), Qt::Key_Return);
  EXPECT_TRUE(lesson->pressure_notice().contains("0.599"));
  EXPECT_FALSE(readouts->notice().isEmpty());
  EXPECT_TRUE(open.picture(SurfaceId::pressure)->accessibleDescription().contains("0.599"));

  QTest::keyClick(open.window.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(open.window->form().w.references.empty());
  readouts->close();
  EXPECT_TRUE(open.messages.shown.empty());
}

}  // namespace
}  // namespace airfoil::testing
