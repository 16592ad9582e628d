// The lesson on the desktop: the keys reach the pins and the readouts, the
// pictures show the references dashed, and the pressure picture says when
// the correction no longer holds.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include "ui/export_csv.h"
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
  // A Mach number typed with many digits is named in its short form, six
  // significant digits, whatever the locale.
  open.box("Text_Moo")->setText("0.123456789");
  QTest::keyClick(open.box("Text_Moo"), Qt::Key_Return);
  EXPECT_EQ(
      readouts->value_text("cl_corrected"),
      QString::number(open.window->form().readouts().cl_corrected.value_or(0), 'f', 4) + " (Moo 0.123457)");

  QTest::keyClick(open.window.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(open.window->form().w.references.empty());
  // The camber sweep saved from its menu: one row per catalogue section, the
  // live section's CL the one the window shows.
  SweepChart* sweep = readouts->sweep_chart(0);
  ASSERT_NE(sweep, nullptr);
  QTemporaryDir dir;
  sweep->dialogs.choose_path = [&](const QString&, const QString& suggested, const QString&) {
    return dir.filePath(suggested);
  };
  for (QAction* action : sweep->menu()->actions()) {
    if (action->text().contains("CSV")) action->trigger();
  }
  QFile csv(dir.filePath("sweep_cl_camber.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QStringList rows = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(rows.value(0), "ratio,cl,cm");
  EXPECT_GT(rows.size(), 10);
  const Window& w = open.window->form().w;
  const QString live = "0.04," + QString::fromStdString(shortest_text(w.CL)) + ",";
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const QString& row) { return row.startsWith(live); }))
      << live.toStdString() << "\n"
      << rows.join('\n').toStdString();
  EXPECT_EQ(picture_image(sweep->picture()).size(), sweep->size());

  readouts->close();
  EXPECT_TRUE(open.messages.shown.empty());
}

}  // namespace
}  // namespace airfoil::testing
